// SPDX-License-Identifier: MIT
#include "qt/app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace kalvora {
namespace {

constexpr int kScreenshotDelayMs = 1500;

class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, QString screenshotPath)
        : QObject(window), window_(window), screenshotPath_(std::move(screenshotPath)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After the paint pass has finished, children included.
            QTimer::singleShot(0, this, &FirstPaintWatcher::Shown);
        }
        return false;
    }

private:
    void Shown() {
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        std::fprintf(stderr, "startup-probe: shown_at_ns=%lld\nstartup-probe: vmrss_kb=%ld\n",
                     static_cast<long long>(now.count()), ResidentKilobytes());
        std::fflush(stderr);
        if (screenshotPath_.isEmpty()) {
            // exit(), not quit(): quit() would ask the windows to close, and the main window asks first.
            QCoreApplication::exit(0);
            return;
        }
        QTimer::singleShot(kScreenshotDelayMs, this, [this] {
            const bool saved = window_ && window_->grab().save(screenshotPath_);
            std::fprintf(stderr, "startup-probe: screenshot %s %s\n", saved ? "saved to" : "FAILED for",
                         qUtf8Printable(screenshotPath_));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }

    QPointer<QWidget> window_;
    QString screenshotPath_;
    bool seen_ = false;
};

}  // namespace

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

bool StartupProbeRequested() {
    return !qEnvironmentVariableIsEmpty("KALVORA_SCREENSHOT") ||
           !qEnvironmentVariableIsEmpty("KALVORA_QUIT_AFTER_SHOW");
}

void ArmStartupProbe(QWidget* window) {
    if (!StartupProbeRequested()) return;
    window->installEventFilter(new FirstPaintWatcher(window, qEnvironmentVariable("KALVORA_SCREENSHOT")));
}

}  // namespace kalvora
