// SPDX-License-Identifier: MIT
#include "forms/caption_room.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <climits>

namespace kalvora {
namespace {

bool OverlapsVertically(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

bool IsStaticText(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CentredLabel || kind == ControlKind::LinkLabel;
}

}  // namespace

QRect TextRect(std::span<const PlacedControl> controls, const PlacedControl& text, int textWidth, int gap,
               bool centred) {
    const QRect own = text.pixels;
    if (textWidth <= own.width()) return own;
    // The free room beyond each side of the text's rectangle.
    int left = INT_MAX, right = INT_MAX;
    for (const PlacedControl& other : controls) {
        if (other.definition == text.definition) continue;
        const QRect& rect = other.pixels;
        if (other.definition->kind == ControlKind::GroupBox) {
            if (!rect.contains(own)) continue;  // only a group box around the text is a limit
            left = std::min(left, own.left() - rect.left() - gap);
            right = std::min(right, rect.right() - own.right() - gap);
        } else if (OverlapsVertically(rect, own)) {
            if (rect.left() > own.left()) right = std::min(right, rect.left() - own.right() - 1 - gap);
            if (rect.left() < own.left()) left = std::min(left, own.left() - rect.right() - 1 - gap);
        }
    }
    left = std::max(left, 0);
    right = std::max(right, 0);
    const int missing = textWidth - own.width();
    if (!centred) return own.adjusted(0, 0, std::min(missing, right), 0);
    const int grow = std::min({(missing + 1) / 2, left, right});
    return own.adjusted(-grow, 0, grow, 0);
}

void GiveTextsRoom(std::span<const PlacedControl> controls, std::span<QWidget* const> widgets) {
    for (std::size_t i = 0; i < controls.size() && i < widgets.size(); ++i) {
        const ControlKind kind = controls[i].definition->kind;
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        if (!IsStaticText(kind) || !label || label->wordWrap()) continue;
        const bool centred = kind != ControlKind::Label;
        const QFontMetrics metrics(label->font());
        const int textWidth = metrics.horizontalAdvance(label->text());
        label->setGeometry(
            TextRect(controls, controls[i], textWidth, std::max(1, metrics.averageCharWidth() / 2), centred));
        if (centred && textWidth > label->width())
            label->setAlignment((label->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft);
    }
}

}  // namespace kalvora
