// SPDX-License-Identifier: MIT
#include "model/font_roles.h"

namespace kalvora {

FontFace FontFor(FontRole role) {
    FontFace font;
    switch (role) {
        case FontRole::Dialog:
            font.points = 9;
            break;
        case FontRole::System:
            break;
        case FontRole::Link:
            font.family = "Times New Roman";
            font.pixels = 22;
            font.italic = font.underline = true;
            font.colour = Rgb{255, 0, 0};
            break;
        case FontRole::Title:
            font.pixels = 18;
            font.italic = true;
            font.colour = Rgb{0, 0, 255};
            break;
        case FontRole::PanelLabel:
            font.family = "Times New Roman";
            font.pixels = 14;
            font.underline = true;
            font.weight = FontWeight::DemiBold;
            break;
        case FontRole::Help:
            font.points = 10;
            break;
    }
    return font;
}

}  // namespace kalvora
