// SPDX-License-Identifier: MIT
#include "calculators/mechanics/side_caption_layout.h"

namespace kalvora {

ControlDefinition SideCaption(int id, std::string_view text, int y, int cy) {
    return {id, ControlKind::Label, text, 18, y, 96, cy};
}

ControlDefinition SideEdit(int id, int y) { return {id, ControlKind::Edit, "", 121, y, 54, 12, kClientEdge}; }

ControlDefinition SideResult(int id, int x, int y) { return {id, ControlKind::ResultField, "0.00", x, y, 54, 12}; }

}  // namespace kalvora
