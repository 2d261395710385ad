// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "calc/dialog_template.h"

namespace kalvora {

// Rows that the lens, drag and buoyancy templates share (dialog units of the system font):
// captions on the left at x 18, 96 wide, and their inputs beside them at x 121.

// A caption at 18, y, 96 x cy.
ControlDefinition SideCaption(int id, std::string_view text, int y, int cy = 12);

// An input edit at 121, y, 54 x 12: centred text, horizontal auto-scroll, the sunken client
// edge instead of a border.
ControlDefinition SideEdit(int id, int y);

// A centred, bordered result static showing "0.00", 54 x 12.
ControlDefinition SideResult(int id, int x, int y);

}  // namespace kalvora
