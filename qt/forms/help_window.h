// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

namespace kalvora {

// The topic help window "Nápověda k tématu": a picture in a sunken frame and OK. It has no
// owner, so every other window stays usable while it is open, and it deletes itself once
// closed. OK, Enter and its close box close it; Esc does not.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(int pictureId);

    int PictureId() const { return pictureId_; }
    // Shows the help picture with this id; an id without a picture leaves the frame empty.
    void SetPicture(int pictureId);

signals:
    void closing();  // OK, Enter or the close box: the window goes

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* frame_;
    int pictureId_;
};

// Where a picture of `picture` size starts in a frame of `frame` size (CentredOffset on each axis).
QPoint CentredPictureOrigin(QSize frame, QSize picture);

}  // namespace kalvora
