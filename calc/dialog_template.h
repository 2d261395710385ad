// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

namespace kalvora {

// What a control of a dialog template is; the window side realises each kind as one widget.
enum class ControlKind {
    Label,              // static text, left-aligned
    CentredLabel,       // static text, centred
    SunkenLabel,        // static text with a sunken edge
    GroupBox,
    ResultField,        // centred static with a border: where a result text is shown
    Edit,               // input edit, centred text, horizontal auto-scroll, border
    ReadOnlyEdit,       // result edit that the user cannot change
    ComboBox,           // editable drop-down list
    PushButton,
    DefaultPushButton,  // pressed by Enter
    Picture,            // a bitmap shown at its own size, centred in a sunken frame
    LinkLabel,          // static that reports clicks
};

// Style details of a control that its kind does not already say.
enum ControlFlag : unsigned {
    kNoFlags = 0,
    kTabStop = 1u << 0,       // combo boxes: reached by Tab (edits and buttons always are)
    kNoTabStop = 1u << 1,     // edits and buttons: Tab passes over
    kSorted = 1u << 2,        // combo boxes: items kept in Czech alphabetical order
    kClientEdge = 1u << 3,    // edits with the sunken client edge instead of a border
    kNoAutoScroll = 1u << 4,  // edits and combo fields: typing stops at the field's width
    kLeftAligned = 1u << 5,   // edits with left-aligned text
    kVerticalScroll = 1u << 6,
    kDialogFrame = 1u << 7,
    kFlat = 1u << 8,          // group boxes drawn flat
};

// One control of a dialog template; positions and sizes in dialog units.
struct ControlDefinition {
    int id = -1;  // -1 for static texts nobody addresses
    ControlKind kind = ControlKind::Label;
    std::string_view text;
    int x = 0, y = 0, cx = 0, cy = 0;
    unsigned flags = kNoFlags;
};

// The font whose base units turn a template's dialog units into pixels.
enum class DialogFont {
    Dialog9pt,  // the forms' and panels' own 9-point font
    System,     // templates without a font of their own use the system font
};

// A dialog template: its controls in template order, which is also the tab order.
struct DialogTemplate {
    int id = 0;
    int cx = 0, cy = 0;
    DialogFont font = DialogFont::Dialog9pt;
    std::vector<ControlDefinition> controls;

    const ControlDefinition* Find(int controlId) const;
};

// Whether the Tab key stops at a control.
bool TakesTabStop(const ControlDefinition& control);

}  // namespace kalvora
