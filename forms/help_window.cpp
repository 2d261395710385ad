// SPDX-License-Identifier: MIT
#include "forms/help_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "app/window_registry.h"
#include "platform/dialog_units.h"
#include "resources/resource_paths.h"

namespace kalvora {
namespace {

// Control 233: a sunken frame into which the current help picture is drawn anew at every paint.
class HelpPictureFrame : public QFrame {
public:
    explicit HelpPictureFrame(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        const QPixmap picture(resources::HelpPicturePath(Registry().helpBitmapId));
        if (picture.isNull()) return;  // an id without a picture leaves the frame empty
        const QRect area = contentsRect();
        QPainter painter(this);
        painter.setClipRect(area);
        painter.drawPixmap(area.topLeft() + CentredPictureOrigin(area.size(), picture.size()), picture);
    }
};

class TopicHelpWindow : public QWidget {
public:
    TopicHelpWindow() : QWidget(nullptr, Qt::Window) {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName(QStringLiteral("helpWindow"));
        setWindowTitle(QStringLiteral("Nápověda k tématu"));
        setFont(platform::SansFont(10));
        const platform::BaseUnits base = platform::DialogBaseUnits(font());
        resize(platform::DialogRectToPixels(0, 0, 188, 103, base).size());

        auto* frame = new HelpPictureFrame(this);
        frame->setObjectName(QStringLiteral("ctl233"));
        // The frame keeps its size when the window is resized.
        frame->setGeometry(platform::DialogRectToPixels(4, 3, 179, 77, base));

        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("ctl1"));
        ok->setAccessibleName(ok->text());
        ok->setDefault(true);
        ok->setGeometry(platform::DialogRectToPixels(67, 84, 50, 14, base));
        connect(ok, &QPushButton::clicked, this, &QWidget::close);
        ok->setFocus();

        // At 5, 5 from the top-left corner of the screen.
        const QScreen* screen = QGuiApplication::primaryScreen();
        move((screen ? screen->geometry().topLeft() : QPoint()) + QPoint(5, 5));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: close(); return;
        case Qt::Key_Escape: event->accept(); return;  // Esc does not close the help window
        default: QWidget::keyPressEvent(event);
        }
    }
};

}  // namespace

QPoint CentredPictureOrigin(QSize frame, QSize picture) {
    // Integer division truncates toward zero, for negative differences too.
    return {(frame.width() - picture.width()) / 2, (frame.height() - picture.height()) / 2};
}

void OpenHelpWindow() {
    QWidget* window = Registry().helpWindow;
    // A closed window is only waiting to be deleted; it is not taken again.
    if (!window || !window->isVisible()) {
        window = new TopicHelpWindow;
        Registry().helpWindow = window;
    } else {
        window->raise();
    }
    window->show();
    window->activateWindow();
    if (auto* frame = window->findChild<QWidget*>(QStringLiteral("ctl233"))) frame->update();
}

void CloseHelpWindow() {
    if (Registry().helpWindow) delete Registry().helpWindow.data();
}

}  // namespace kalvora
