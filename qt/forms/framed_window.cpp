// SPDX-License-Identifier: MIT
#include "qt/forms/framed_window.h"

#include <QPainter>

#include "qt/forms/window_edges.h"

namespace kalvora {

FramedWindow::FramedWindow(QWidget* parent) : QWidget(parent), client_(new QWidget(this)) {
    client_->setObjectName(QStringLiteral("windowClient"));
    ReserveEdge(*this, edges::kSizingFrame);
    client_->setGeometry(contentsRect());
}

void FramedWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintEdge(painter, rect(), palette(), edges::kSizingFrame);
}

void FramedWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    client_->setGeometry(contentsRect());
}

}  // namespace kalvora
