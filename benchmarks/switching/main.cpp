// SPDX-License-Identifier: MIT
// Builds the main window as the program does and times, with the window on screen (offscreen
// platform), the mean of one field switch (the six field commands in turn) and of one topic
// switch (clicks on the electrical panel's topic labels in turn), each including the processing
// of the events it causes (layout, painting). Then runs 10,000 field switches in a row and
// reports the resident memory before and after them. Prints one "key value" line per figure.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <cstdio>
#include <vector>

#include "qt/app/main_window.h"
#include "qt/app/startup_probe.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "qt/platform/message_box.h"

namespace {

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void FieldSwitch(kalvora::MainWindow& window, int i) {
    window.RunCommand(kalvora::kFieldCommands[std::size_t(i) % kalvora::kFieldCommands.size()].menuId);
    Settle();
}

// A left click on a label, as the mouse gives it.
void Click(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

std::vector<QWidget*> ElectricalTopicLabels(const kalvora::MainWindow& window) {
    std::vector<QWidget*> labels;
    QWidget* panel = window.PanelWindow();
    for (const kalvora::PanelLabel& label : kalvora::PanelFor(kalvora::Field::Electrical).labels)
        if (label.action == kalvora::LabelAction::OpenForm)
            labels.push_back(panel->findChild<QLabel*>(QStringLiteral("ctl%1").arg(label.id)));
    return labels;
}

template <typename Step>
double MeanMilliseconds(int count, Step step) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) step(i);
    return double(timer.nsecsElapsed()) / 1e6 / count;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int longRun = argc > 2 ? std::atoi(argv[2]) : 10000;
    kalvora::platform::SetMessageBoxHandler([](const kalvora::platform::MessageBoxRequest& request) {
        std::fprintf(stderr, "message box: %s\n", qUtf8Printable(request.text));
        return kalvora::platform::MessageAnswer::Ok;
    });

    kalvora::MainWindow window;
    window.show();
    for (int i = 0; i < 60; ++i) FieldSwitch(window, i);  // fonts, pictures and caches once

    const double field = MeanMilliseconds(count, [&](int i) { FieldSwitch(window, i); });

    window.RunCommand(kalvora::command::kElectrical);
    Settle();
    const std::vector<QWidget*> labels = ElectricalTopicLabels(window);
    const double topic = MeanMilliseconds(count, [&](int i) {
        Click(labels[std::size_t(i) % labels.size()]);
        Settle();
    });

    for (int i = 0; i < 600; ++i) FieldSwitch(window, i);
    const long before = kalvora::ResidentKilobytes();
    for (int i = 0; i < longRun; ++i) FieldSwitch(window, i);
    const long after = kalvora::ResidentKilobytes();

    std::printf("field_switch_ms %.3f\ntopic_switch_ms %.3f\nswitches %d\n", field, topic, count);
    std::printf("long_run_switches %d\nrss_before_kb %ld\nrss_after_kb %ld\n", longRun, before, after);
    return 0;
}
