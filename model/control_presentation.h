// SPDX-License-Identifier: MIT
// How one control of a template is realised: where it stands in pixels and how it behaves, the
// same for every view. The view measures its fonts and its platform's drop-down field; the model
// decides the rest.
#pragma once

#include <span>
#include <vector>

#include "calc/dialog_template.h"
#include "model/dialog_units.h"
#include "model/font_roles.h"

namespace kalvora {

enum class HorizontalAlignment { Left, Centre };

enum class CursorRole {
    Default,  // the toolkit's own cursor for the kind of control
    Static,   // the program's cursor over static texts, results and pictures
    Arrow,    // the plain arrow (the link label, which reports clicks)
};

enum class FocusKind {
    None,       // never takes the focus
    TabStop,    // reached by Tab and by the mouse
    ClickOnly,  // Tab passes over it; a click still focuses it (results, so that they can be copied)
};

struct ControlPresentation {
    Rect rect;  // where the control stands; for a drop-down list, its one-line field only
    HorizontalAlignment alignment = HorizontalAlignment::Left;
    bool wraps = false;         // a static text broken into lines; one-line texts never wrap
    bool stopsAtWidth = false;  // typing stops when the text fills the field
    int listRows = 0;           // the rows a drop-down list shows at once; 0 for other kinds
    CursorRole cursor = CursorRole::Default;
    FontRole font = FontRole::Dialog;
    FocusKind focus = FocusKind::None;
    bool behind = false;  // kept behind the other controls (group boxes)
};

// What the view measures for the controls of one template, in pixels at the display's scale.
struct ControlMetrics {
    FontMetrics font;          // the template's font (Dialog or System)
    FontMetrics link;          // the link label's font
    int comboFieldHeight = 0;  // the height the platform's one-line drop-down field needs
    int listRowHeight = 0;     // one row of a dropped-down list
};

// The font one control of a template in `templateFont` is drawn in: the link label its own, every
// other control the template's.
FontRole ControlFontRole(ControlKind kind, DialogFont templateFont);

// Every control of `dialog` in template order, at the base units of the template's font. Static
// texts wrap only with room for two lines of it; a drop-down list's template height includes its
// list, so the field is as high as the platform's field (never higher than the template) and
// the rest holds whole rows (at least one). Statics, results and pictures show the static
// cursor; the link label the arrow. `textWidths[i]` is the width of control i's text in
// its font (only one-line static texts use it; missing entries count as 0): a one-line static
// too narrow for its text takes the room beside it (model/text_room.h), and a centred one that
// still does not fit is aligned to the left so that its start stays in view.
std::vector<ControlPresentation> PresentControls(const DialogTemplate& dialog, const ControlMetrics& metrics,
                                                 std::span<const int> textWidths);

}  // namespace kalvora
