// SPDX-License-Identifier: MIT
// A calculator form, a topic panel and the help window as every view lays them out.
#pragma once

#include <span>
#include <vector>

#include "calc/form_definition.h"
#include "model/control_presentation.h"
#include "model/panel_data.h"

namespace kalvora {

// A text as the view measures it in its font, in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// A form's controls stand in its client area, which the main window sizes to its form column
// (model/geometry.h); the template's own size is not used.
struct FormPresentation {
    Rect title;  // the painted title's text cell; the title is clipped to the client area
    std::vector<ControlPresentation> controls;  // in template order
};

// The form at the display's `dpi`, its fonts measured at that scale (see PresentControls for
// `textWidths`). The title's cell starts at (10, titleY) of the client area, both scaled.
FormPresentation PresentForm(const FormDefinition& form, const ControlMetrics& metrics,
                             std::span<const int> textWidths, TextExtent title, int dpi);

struct PanelLabelPresentation {
    Rect rect;
    FontRole font = FontRole::PanelLabel;
    CursorRole cursor = CursorRole::Static;
};

struct PanelPresentation {
    Rect window;  // the panel's template (80 x 240); the main window sizes the panel to its column
    std::vector<PanelLabelPresentation> labels;  // in panel order
};

// The panel's labels one every 15 dialog units of the panel's 9-point font (`panelFont`), 157
// wide, each at least one line of its own font high (the label font is taller than the 8 dialog
// units of the panel's font and would lose its accents and descenders).
PanelPresentation PresentPanel(const PanelData& panel, const FontMetrics& panelFont,
                               const FontMetrics& labelFont);

struct HelpWindowPresentation {
    Rect window;                  // the client area at (0, 0)
    ControlPresentation picture;  // a sunken frame the picture is centred in, cut on every side
    ControlPresentation ok;       // the default button, which closes the window
};

// The help window in its 10-point font (FontRole::Help), measured at the display's scale.
HelpWindowPresentation PresentHelpWindow(const FontMetrics& font);

}  // namespace kalvora
