// SPDX-License-Identifier: MIT
// The fonts the windows draw their texts in, by role: the view turns each role into a font of its
// toolkit and measures it (model/dialog_units.h).
#pragma once

#include <optional>
#include <string_view>

#include "model/panel_data.h"

namespace kalvora {

enum class FontRole {
    Dialog,      // the forms' and panels' own 9-point font
    System,      // forms without a font of their own: the system font's size in the dialog family
    Link,        // the link label of a form
    Title,       // the painted title of a form
    PanelLabel,  // the labels of a topic panel that do not keep the panel's font
    Help,        // the help window
};

enum class FontWeight { Normal, DemiBold };

// A font role as the view sets its font up. An empty family is the view's dialog family (the
// narrow sans face the templates were laid out for); a size is in points or, where `pixels` is
// not zero, in pixels at 100 % scale; neither (System) keeps the system font's size.
struct FontFace {
    std::string_view family;
    int points = 0;
    int pixels = 0;
    bool italic = false;
    bool underline = false;
    FontWeight weight = FontWeight::Normal;
    std::optional<Rgb> colour;  // the text colour where it is not the window's
};

FontFace FontFor(FontRole role);

}  // namespace kalvora
