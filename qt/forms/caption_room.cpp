// SPDX-License-Identifier: MIT
#include "qt/forms/caption_room.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <vector>

#include "qt/forms/qt_rect.h"
#include "model/text_room.h"

namespace kalvora {

void GiveTextsRoom(std::span<const PlacedControl> controls, std::span<QWidget* const> widgets) {
    std::vector<ControlPlace> places;
    for (const PlacedControl& control : controls)
        places.push_back({control.definition->kind, ToRect(control.pixels)});
    for (std::size_t i = 0; i < controls.size() && i < widgets.size(); ++i) {
        const ControlKind kind = controls[i].definition->kind;
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        // Texts with room for two lines wrap instead.
        if (!TakesTextRoom(kind) || !label || label->wordWrap()) continue;
        const bool centred = kind != ControlKind::Label;
        const QFontMetrics metrics(label->font());
        const int textWidth = metrics.horizontalAdvance(label->text());
        label->setGeometry(
            ToQRect(TextRoom(places, i, textWidth, std::max(1, metrics.averageCharWidth() / 2), centred)));
        if (centred && textWidth > label->width())
            label->setAlignment((label->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft);
    }
}

}  // namespace kalvora
