// SPDX-License-Identifier: MIT
// Everything a view needs to draw the program at one moment: which panel and forms exist, what
// their controls hold, the help window, the message boxes waiting for an answer, the memory
// texts and the main window's rectangle. Plain data, copied freely.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/form_definition.h"
#include "calc/outcome.h"
#include "model/geometry.h"

namespace kalvora {

inline constexpr std::size_t kFieldCount = 6;
inline constexpr std::size_t kFormSlotCount = 22;

// What one control of a form holds: its text (a caption, an input, a result) and, for a
// drop-down list, its items in the order the list shows them.
struct ControlState {
    std::string text;
    std::vector<std::string> items;

    friend bool operator==(const ControlState&, const ControlState&) = default;
};

// One form that exists: shown, or hidden by Storno until the next DestroyCalculators.
struct FormInstance {
    const FormDefinition* definition = nullptr;
    int serial = 0;  // a new number for every form created: tells views to build anew
    bool visible = true;
    std::vector<ControlState> controls;  // one per template control, in template order

    // The state of the first control with this id, or nullptr.
    const ControlState* Control(int controlId) const;
    ControlState* Control(int controlId);
};

// The topic panel on screen.
struct PanelInstance {
    Field field = Field::Electrical;
    int serial = 0;
};

enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

// Why a box is open: to tell something (any answer closes it), or to ask whether to end.
enum class BoxPurpose { Inform, CloseQuestion };

// Whose window a message box belongs to: the main window or a form (modal to that window), or
// nobody (every window stays usable while it is open).
enum class BoxOwner { MainWindow, Form, None };

// A message box waiting for its answer.
struct WaitingBox {
    int id = 0;  // a new number for every box
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    BoxOwner owner = BoxOwner::None;
    int ownerForm = -1;  // the form's slot when the owner is a form
    BoxPurpose purpose = BoxPurpose::Inform;

    friend bool operator==(const WaitingBox&, const WaitingBox&) = default;
};

// The program's windows as the model holds them: the window registry of slots that name forms
// and panels, and what every view draws.
struct ProgramState {
    bool started = false;
    bool ended = false;  // the user confirmed the end: nothing happens any more

    Rect mainWindow;  // outer rectangle in screen pixels, as the view last reported or the model set it
    int dpi = kBaseDpi;  // the scale of the display the main window is on (96 is 100 %)
    std::optional<PanelInstance> panel;
    std::array<std::optional<FormInstance>, kFormSlotCount> forms;  // slots in catalogue order
    int activeForm = -1;  // the slot of the form that gets Enter, Esc, Tab and the resize layout

    int HelpBitmapId = 0;  // the picture the help window shows
    bool helpWindowOpen = false;
    int helpWindowSerial = 0;  // a new number whenever the help window opens anew

    std::vector<WaitingBox> boxes;  // in the order they were opened

    std::string totalMemoryText;
    std::string availableMemoryText;
    int gaugePosition = 0;        // set once at start-up
    bool toolbarPictures = true;  // false: the strip was missing, buttons show their short texts
};

}  // namespace kalvora
