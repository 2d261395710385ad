// SPDX-License-Identifier: MIT
#include "model/text_room.h"

#include <algorithm>
#include <climits>

namespace kalvora {
namespace {

bool OverlapsVertically(const Rect& a, const Rect& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

bool Contains(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

}  // namespace

bool TakesTextRoom(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CentredLabel || kind == ControlKind::LinkLabel;
}

Rect TextRoom(std::span<const ControlPlace> controls, std::size_t text, int textWidth, int gap,
              bool centred) {
    const Rect own = controls[text].rect;
    if (textWidth <= own.width()) return own;
    // The free room beyond each side of the text's rectangle.
    int left = INT_MAX, right = INT_MAX;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (i == text) continue;
        const Rect& rect = controls[i].rect;
        if (controls[i].kind == ControlKind::GroupBox) {
            if (!Contains(rect, own)) continue;  // only a group box around the text is a limit
            left = std::min(left, own.left - rect.left - gap);
            right = std::min(right, rect.right - own.right - gap);
        } else if (OverlapsVertically(rect, own)) {
            if (rect.left > own.left) right = std::min(right, rect.left - own.right - gap);
            if (rect.left < own.left) left = std::min(left, own.left - rect.right - gap);
        }
    }
    left = std::max(left, 0);
    right = std::max(right, 0);
    const int missing = textWidth - own.width();
    if (!centred) return {own.left, own.top, own.right + std::min(missing, right), own.bottom};
    const int grow = std::min({(missing + 1) / 2, left, right});
    return {own.left - grow, own.top, own.right + grow, own.bottom};
}

}  // namespace kalvora
