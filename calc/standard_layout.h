// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "calc/dialog_template.h"

namespace kalvora {

// Builders for the rows that the standard form templates share (dialog units), so that each
// form's data lists only what is its own.

// Control 118: the centred subtitle under the painted title, 15,25 157x24.
ControlDefinition Subtitle(std::string_view text);

// The group "Výsledek" (10,33 167x35), the result caption 100 (15,43 157x8) and the result
// field 111 (68,53 54x12) showing "0.00".
std::vector<ControlDefinition> ResultArea(std::string_view caption);

// The group "Zadání", 10,73 167x115.
ControlDefinition InputGroup();

// Input row `row` (0, 1, 2) of the standard layout: its caption at 15, 80/115/150 (ids 101,
// 102, -1; the first 157x12, the others 157x8) and an edit at 68, 90/125/160 (54x12).
std::vector<ControlDefinition> StandardInputRow(int row, int editId, std::string_view caption);

// The standard caption control of input row `row` alone.
ControlDefinition StandardCaption(int row, std::string_view caption);

enum class ButtonOrder { OkHelpStorno, HelpOkStorno, OkStorno };

// The button row at y 193: OK 1 (default, x 10), Help 230 (x 68), Storno 2 (x 126), 50x14 each,
// in the given template order.
std::vector<ControlDefinition> ButtonRow(ButtonOrder order);

// Joins rows of controls in order.
std::vector<ControlDefinition> Concat(std::initializer_list<std::vector<ControlDefinition>> parts);

}  // namespace kalvora
