// SPDX-License-Identifier: MIT
#include "qt/forms/help_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "qt/forms/scaled_picture.h"
#include "model/form_presentation.h"
#include "model/geometry.h"
#include "qt/forms/qt_rect.h"
#include "qt/platform/dialog_units.h"
#include "qt/resource_paths.h"

namespace kalvora {
namespace {

// Control 233: a sunken frame into which the window's picture is drawn anew at every paint.
class HelpPictureFrame : public QFrame {
public:
    explicit HelpPictureFrame(HelpWindow* window) : QFrame(window), window_(*window) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        const QPixmap picture =
            PictureForRatio(resources::HelpPicturePath(window_.PictureId()), devicePixelRatioF());
        if (picture.isNull()) return;  // an id without a picture leaves the frame empty
        const QRect area = contentsRect();
        QPainter painter(this);
        painter.setClipRect(area);
        painter.drawPixmap(
            area.topLeft() + CentredPictureOrigin(area.size(), picture.deviceIndependentSize().toSize()),
            picture);
    }

private:
    const HelpWindow& window_;
};

}  // namespace

HelpWindow::HelpWindow(int pictureId) : QWidget(nullptr, Qt::Window), pictureId_(pictureId) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Nápověda k tématu"));
    setFont(platform::FontForRole(FontRole::Help));
    const HelpWindowPresentation shown = PresentHelpWindow(platform::MeasureFont(font()));
    resize(shown.window.width(), shown.window.height());

    frame_ = new HelpPictureFrame(this);
    frame_->setObjectName(QStringLiteral("ctl233"));
    // The frame keeps its size when the window is resized.
    frame_->setGeometry(ToQRect(shown.picture.rect));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ctl1"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    ok->setGeometry(ToQRect(shown.ok.rect));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    ok->setFocus();

    // At 5, 5 from the top-left corner of the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    move((screen ? screen->geometry().topLeft() : QPoint()) + QPoint(5, 5));
}

void HelpWindow::SetPicture(int pictureId) {
    pictureId_ = pictureId;
    frame_->update();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            close();
            return;
        case Qt::Key_Escape:
            event->accept();  // Esc does not close the help window
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closing();
}

QPoint CentredPictureOrigin(QSize frame, QSize picture) {
    return {CentredOffset(frame.width(), picture.width()), CentredOffset(frame.height(), picture.height())};
}

}  // namespace kalvora
