// SPDX-License-Identifier: MIT
#include "model/control_presentation.h"

#include <algorithm>

#include "model/text_room.h"

namespace kalvora {
namespace {

bool Has(const ControlDefinition& control, ControlFlag flag) {
    return (control.flags & flag) != 0;
}

bool IsStaticText(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CentredLabel ||
           kind == ControlKind::SunkenLabel;
}

HorizontalAlignment AlignmentOf(const ControlDefinition& control) {
    switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::SunkenLabel:
        case ControlKind::GroupBox:
        case ControlKind::ReadOnlyEdit:
        case ControlKind::ComboBox:
            return HorizontalAlignment::Left;
        case ControlKind::Edit:
            return Has(control, kLeftAligned) ? HorizontalAlignment::Left : HorizontalAlignment::Centre;
        default:
            return HorizontalAlignment::Centre;
    }
}

CursorRole CursorOf(ControlKind kind) {
    if (IsStaticText(kind) || kind == ControlKind::ResultField || kind == ControlKind::Picture)
        return CursorRole::Static;
    return kind == ControlKind::LinkLabel ? CursorRole::Arrow : CursorRole::Default;
}

// Inputs, results and buttons take the focus; Tab reaches those the template gives a tab stop.
FocusKind FocusOf(const ControlDefinition& control) {
    switch (control.kind) {
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit:
        case ControlKind::ResultField:
        case ControlKind::ComboBox:
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            return TakesTabStop(control) ? FocusKind::TabStop : FocusKind::ClickOnly;
        default:
            return FocusKind::None;
    }
}

ControlPresentation PresentControl(const ControlDefinition& control, BaseUnits base, DialogFont templateFont,
                                   const ControlMetrics& metrics) {
    ControlPresentation shown;
    shown.rect = DialogRectToPixels(control.x, control.y, control.cx, control.cy, base);
    shown.alignment = AlignmentOf(control);
    shown.wraps = IsStaticText(control.kind) && shown.rect.height() >= 2 * std::max(1, metrics.font.height);
    shown.stopsAtWidth = (control.kind == ControlKind::Edit || control.kind == ControlKind::ComboBox) &&
                         Has(control, kNoAutoScroll);
    shown.cursor = CursorOf(control.kind);
    shown.font = ControlFontRole(control.kind, templateFont);
    shown.focus = FocusOf(control);
    shown.behind = control.kind == ControlKind::GroupBox;
    if (control.kind == ControlKind::ComboBox) {
        const int field = std::min(metrics.comboFieldHeight, shown.rect.height());
        shown.listRows = std::max(1, (shown.rect.height() - field) / std::max(1, metrics.listRowHeight));
        shown.rect.bottom = shown.rect.top + field;
    }
    return shown;
}

}  // namespace

FontRole ControlFontRole(ControlKind kind, DialogFont templateFont) {
    if (kind == ControlKind::LinkLabel) return FontRole::Link;
    return templateFont == DialogFont::System ? FontRole::System : FontRole::Dialog;
}

std::vector<ControlPresentation> PresentControls(const DialogTemplate& dialog, const ControlMetrics& metrics,
                                                 std::span<const int> textWidths) {
    const BaseUnits base = BaseUnitsOf(metrics.font);
    std::vector<ControlPresentation> shown;
    // Room is sought among the controls as they stand (a drop-down list as its field), each text
    // that took room counting with its new rectangle for the texts after it: two texts never
    // take the same room.
    std::vector<ControlPlace> places;
    for (const ControlDefinition& control : dialog.controls) {
        shown.push_back(PresentControl(control, base, dialog.font, metrics));
        places.push_back({control.kind, shown.back().rect});
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const ControlKind kind = dialog.controls[i].kind;
        if (!TakesTextRoom(kind) || shown[i].wraps) continue;
        const FontMetrics& font = shown[i].font == FontRole::Link ? metrics.link : metrics.font;
        const int textWidth = i < textWidths.size() ? textWidths[i] : 0;
        const bool centred = shown[i].alignment == HorizontalAlignment::Centre;
        shown[i].rect = places[i].rect =
            TextRoom(places, i, textWidth, std::max(1, font.averageCharWidth / 2), centred);
        if (centred && textWidth > shown[i].rect.width()) shown[i].alignment = HorizontalAlignment::Left;
    }
    return shown;
}

}  // namespace kalvora
