// SPDX-License-Identifier: MIT
// What the model asks a view to do beyond drawing its state.
#pragma once

#include <string>

#include "model/geometry.h"

namespace kalvora {

enum class EffectKind {
    OpenAddress,      // open `address` (a web page or a mailto: link) with the system's program
    OpenHelpPage,     // open the program's help page, delivered beside it, in the browser
    StartTextEditor,  // start the system's text editor, without a shell
    StartCalculator,  // start the system's calculator, without a shell
    ShowAbout,        // show the About box over the main window
    Focus,            // give the keyboard focus to control `control` of the form in slot `form`
    MoveMainWindow,   // move and resize the main window to `rect` (outer rectangle)
    RaiseHelpWindow,  // bring the open help window to the front and repaint its picture
    RefreshMemory,    // read the memory figures now and pass them to Program::Tick
    Quit,             // close every window, boxes without owner too, and end with status 0
};

struct Effect {
    EffectKind kind = EffectKind::RefreshMemory;
    std::string address;     // OpenAddress
    bool maximised = false;  // OpenAddress: show the page maximised
    int form = -1;           // Focus: the form's slot
    int control = 0;         // Focus: the control id
    Rect rect;               // MoveMainWindow

    static Effect Of(EffectKind kind) {
        Effect effect;
        effect.kind = kind;
        return effect;
    }
    static Effect Open(std::string address, bool maximised) {
        Effect effect = Of(EffectKind::OpenAddress);
        effect.address = std::move(address);
        effect.maximised = maximised;
        return effect;
    }
    static Effect FocusOn(int form, int control) {
        Effect effect = Of(EffectKind::Focus);
        effect.form = form;
        effect.control = control;
        return effect;
    }
    static Effect Move(const Rect& rect) {
        Effect effect = Of(EffectKind::MoveMainWindow);
        effect.rect = rect;
        return effect;
    }

    friend bool operator==(const Effect&, const Effect&) = default;
};

}  // namespace kalvora
