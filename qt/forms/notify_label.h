// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace kalvora {

// A static text that reports clicks, as a notifying static control does: every press of the
// left button is one notification, and the second press of a double click (which arrives as
// the double-click event) is another, so a double click notifies twice.
class NotifyLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void notified();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace kalvora
