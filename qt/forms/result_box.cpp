// SPDX-License-Identifier: MIT
#include "qt/forms/result_box.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kalvora {
namespace {

// A line edit keeps this many pixels free on either side of its text.
constexpr int kTextInset = 2;

}  // namespace

ResultBox::ResultBox(const QString& text, WindowEdge edge, Qt::Alignment alignment, QWidget* parent)
    : QLineEdit(parent), edge_(edge) {
    setReadOnly(true);
    setFrame(false);
    ReserveEdge(*this, edge_);
    setAlignment(alignment);
    // A read-only field stands on the face colour, as the static and read-only controls do.
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Base, colours.color(group, QPalette::Window));
    setPalette(colours);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::ShowBeginning);
    setText(text);
}

bool ResultBox::TextFits() const {
    const QMargins margins = textMargins();
    const int room = contentsRect().width() - margins.left() - margins.right() - 2 * kTextInset;
    return fontMetrics().horizontalAdvance(text()) <= room;
}

void ResultBox::ShowBeginning() {
    // A new text puts the cursor at its end, which would scroll the leading digits out of view.
    home(false);
    UpdateToolTip();
}

void ResultBox::UpdateToolTip() {
    setToolTip(TextFits() ? QString() : text());
}

void ResultBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    PaintEdge(painter, rect(), palette(), edge_);
}

void ResultBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    UpdateToolTip();
}

void ResultBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        home(false);
}

void ResultBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLineEdit::mouseDoubleClickEvent(event);
    event->accept();
    selectAll();
}

void ResultBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateToolTip();
}

}  // namespace kalvora
