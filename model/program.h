// SPDX-License-Identifier: MIT
// The program's behaviour below every toolkit: a view feeds it the user's input as events, draws
// State() after each one and carries out the effects it takes with TakeEffects(). Plain
// functions and plain data only; nothing here throws or calls back into a view.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calc/catalogue.h"
#include "model/dialog_keys.h"
#include "model/effect.h"
#include "model/memory_status.h"
#include "model/program_state.h"

namespace kalvora {

// What a view knows when the program starts.
struct StartInfo {
    int screenLeft = 0;  // the screen the main window opens on
    int screenTop = 0;
    int screenWidth = 1024;
    std::optional<MemoryFigures> memory;  // none where the system tells no figures
    bool toolbarStripFound = true;        // a usable toolbar strip was found (see ChooseToolbarStrip)
    int dpi = kBaseDpi;                   // the display scale the main window opens at (96 is 100 %)
};

class Program {
public:
    // The forms in slot order; tests may give forms of their own.
    explicit Program(std::span<const FormDefinition* const> forms = Catalogue());

    // Opens the main window with the electrical panel and the current form, fills the status texts
    // and the gauge, and asks the information box first when the toolbar strip is missing.
    void Start(const StartInfo& info);

    // A menu or toolbar command by its id; every command, known or not, refreshes the memory texts.
    void Command(int id);
    // A click on a label of the panel on screen. A double click arrives as two clicks.
    void ClickLabel(int labelId);
    // A button or the link label of the form in `slot`, by control id.
    void PressButton(int slot, int controlId);
    // Enter in the form: a focused push button takes it, anywhere else the default button.
    void PressEnter(int slot, int focusedControlId);
    // Esc in the form: the cancel command 2, which forms with a Storno of another id ignore.
    void PressEscape(int slot);
    // The user changed the text of an input (an edit, or the edit field of a drop-down list).
    void EditText(int slot, int controlId, std::string_view text);
    // The user picked item `index` of a drop-down list: its text becomes the field's text.
    void ChooseItem(int slot, int controlId, std::size_t index);
    // The form got the keyboard focus or a click: it becomes the active calculator.
    void ActivateForm(int slot);
    // Opens the form in `slot` afresh, as its panel label does but storing no help picture: for a
    // host that offers the forms without their panels (a test bench, a link straight to one form).
    void OpenFormSlot(int slot);
    // The help window was closed by its OK, Enter or its close box.
    void CloseHelpWindow();
    // A key in the help window: Enter closes it as its OK does, Esc leaves it open.
    void PressKeyInHelpWindow(HelpWindowKey key);
    // Esc in the box with this id: the answer of EscapeAnswer, where there is one.
    void PressEscapeInBox(int boxId);
    // The window's close box, Alt+F4 or END(&X): asks whether to end.
    void RequestClose();
    // The user's answer to the box with this id.
    void Answer(int boxId, BoxAnswer answer);
    // The 500 ms timer, and the answer to EffectKind::RefreshMemory.
    void Tick(const std::optional<MemoryFigures>& memory);
    // The user moved or resized the main window (outer rectangle).
    void MainWindowMoved(const Rect& outer);
    // The main window now lies on a display of another scale and the window system suggests
    // `suggested` as its outer rectangle. The window takes it; a rectangle remembered for a later
    // restore keeps its size in the new scale, at the suggested rectangle's top-left corner.
    void DisplayScaleChanged(int dpi, const Rect& suggested);

    const ProgramState& State() const { return state_; }
    // The effects asked for since the last call, in order.
    std::vector<Effect> TakeEffects();

    std::span<const FormDefinition* const> Forms() const { return forms_; }
    // The slot of the form with this command-line slug, or -1.
    int SlotOf(std::string_view slug) const;

private:
    // Between Start and the confirmed end: before and after, events change nothing.
    bool Running() const { return state_.started && !state_.ended; }
    FormInstance* Live(int slot);
    void OpenField(int commandId);
    void OpenForm(int slot);
    void DestroyCalculators();
    void DestroyTopicPanels();
    void PressOk(int slot);
    void PressStorno(int slot);
    void PressHelp(int slot);
    void OpenHelpWindow();
    void ShowBox(WaitingBox box);
    void Emit(Effect effect) { effects_.push_back(std::move(effect)); }

    std::span<const FormDefinition* const> forms_;
    ProgramState state_;
    std::vector<Effect> effects_;
    std::optional<Rect> windowBeforeWidening_;  // recorded by the form that widens the main window
    int nextSerial_ = 1;
    int nextBoxId_ = 1;
};

}  // namespace kalvora
