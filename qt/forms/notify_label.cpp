// SPDX-License-Identifier: MIT
#include "qt/forms/notify_label.h"

#include <QMouseEvent>

namespace kalvora {

void NotifyLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    event->accept();
    emit notified();
}

void NotifyLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseDoubleClickEvent(event);
    event->accept();
    emit notified();
}

}  // namespace kalvora
