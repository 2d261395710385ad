// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/form_definition.h"

namespace kalvora {

struct Rgb {
    int r = 0, g = 0, b = 0;
};

enum class LabelAction {
    OpenForm,  // closes the open form and opens the form whose painted title is `target`
    OpenUrl,   // opens the address `target` in the desktop's browser or mail program
};

// One clickable label of a topic panel.
struct PanelLabel {
    int id = 0;
    std::string_view text;
    LabelAction action = LabelAction::OpenForm;
    std::string_view target;
    int helpBitmapId = 0;    // stored before the form opens; 0 leaves the stored picture alone
    bool panelFont = false;  // keeps the panel's own 9-point font instead of the label font
};

// A topic panel: its labels from top to bottom, one every 15 dialog units, and its colours.
struct PanelData {
    Field field = Field::Electrical;
    int templateId = 0;
    Rgb background;  // fills the panel (or, over the gradient, the label rectangles)
    Rgb labelText;
    bool gradient = false;  // the panel paints the red gradient instead of its background
    std::vector<PanelLabel> labels;
};

const PanelData& PanelFor(Field field);

// The digit of the Ctrl+digit shortcut that opens label `index` of `panel` from the keyboard:
// the topics in panel order get 1 to 9 and then 0; links and any further topics get none.
std::optional<int> TopicShortcutDigit(const PanelData& panel, std::size_t index);

// One item of the topics menu: a label of the panel on screen as the menu shows it.
struct TopicMenuItem {
    int labelId = 0;
    std::string text;                  // menu convention: '&' doubled, trailing blanks dropped
    bool separatorBefore = false;      // the first link follows the topics after a separator
    std::optional<int> shortcutDigit;  // Ctrl+digit, see TopicShortcutDigit
};

// The topics menu of `panel`: every label in panel order, topics first, then the links.
std::vector<TopicMenuItem> TopicMenuItems(const PanelData& panel);

// The red component of row `row` of the electrical panel's gradient: full red at the top,
// one step darker every second row, black in rows 510 and 511, and again from row 512.
int GradientRed(int row);

// The gradient spread over a panel `height` rows high (the narrow stacked layout, where the panel
// is taller): full red in the top row, black in the bottom one, never starting again.
int StretchedGradientRed(int row, int height);

}  // namespace kalvora
