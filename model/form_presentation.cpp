// SPDX-License-Identifier: MIT
#include "model/form_presentation.h"

#include <algorithm>

namespace kalvora {
namespace {

constexpr int kTitleX = 10;
constexpr int kLabelStep = 15;  // dialog units from one panel label to the next
constexpr int kPanelCx = 80, kPanelCy = 240;

}  // namespace

FormPresentation PresentForm(const FormDefinition& form, const ControlMetrics& metrics,
                             std::span<const int> textWidths, TextExtent title, int dpi) {
    return {Rect::FromSize(Scaled(kTitleX, dpi), Scaled(form.titleY, dpi), title.width, title.height),
            PresentControls(form.dialog, metrics, textWidths)};
}

PanelPresentation PresentPanel(const PanelData& panel, const FontMetrics& panelFont,
                               const FontMetrics& labelFont) {
    const BaseUnits base = BaseUnitsOf(panelFont);
    PanelPresentation shown{DialogRectToPixels(0, 0, kPanelCx, kPanelCy, base), {}};
    for (std::size_t i = 0; i < panel.labels.size(); ++i) {
        const bool ownFont = panel.labels[i].panelFont;
        Rect rect = DialogRectToPixels(1, kLabelStep * int(i), 157, 8, base);
        rect.bottom = rect.top + std::max(rect.height(), (ownFont ? panelFont : labelFont).height);
        shown.labels.push_back({rect, ownFont ? FontRole::Dialog : FontRole::PanelLabel, CursorRole::Static});
    }
    return shown;
}

HelpWindowPresentation PresentHelpWindow(const FontMetrics& font) {
    const BaseUnits base = BaseUnitsOf(font);
    HelpWindowPresentation shown;
    shown.window = DialogRectToPixels(0, 0, 188, 103, base);
    shown.picture.rect = DialogRectToPixels(4, 3, 179, 77, base);
    shown.picture.alignment = HorizontalAlignment::Centre;
    shown.picture.font = FontRole::Help;
    shown.ok.rect = DialogRectToPixels(67, 84, 50, 14, base);
    shown.ok.alignment = HorizontalAlignment::Centre;
    shown.ok.font = FontRole::Help;
    shown.ok.focus = FocusKind::TabStop;
    return shown;
}

}  // namespace kalvora
