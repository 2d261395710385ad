// SPDX-License-Identifier: MIT
// Fuzz target: the behaviour model driven by any sequence of its events (of every kind, with any
// slot, control id, text, box answer, window rectangle and memory figure, sensible or not),
// checked after each event for what every view relies on.
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "model/panel_data.h"
#include "model/program.h"
#include "model/shell_data.h"

namespace {

using namespace kalvora;

// Every picture the help window can be asked to show: the forms', the labels', the fields'.
std::set<int> KnownPictures() {
    std::set<int> pictures{0};
    for (const FormDefinition* form : Catalogue()) pictures.insert(form->helpBitmapId);
    for (const FieldCommand& field : kFieldCommands) {
        if (field.helpBitmapId) pictures.insert(*field.helpBitmapId);
        for (const PanelLabel& label : PanelFor(field.field).labels) pictures.insert(label.helpBitmapId);
    }
    return pictures;
}

// Mostly one of `known`, sometimes any number at all.
int Pick(FuzzInput& input, const std::vector<int>& known) {
    const std::uint8_t choice = input.Byte();
    if (known.empty() || choice >= 0xE0) return input.Int();
    return known[choice % known.size()];
}

int PickSlot(FuzzInput& input) {
    const std::uint8_t choice = input.Byte();
    return choice >= 0xF0 ? input.Int() : int(choice % (kFormSlotCount + 2)) - 1;
}

std::vector<int> CommandIds() {
    std::vector<int> ids{command::kEnd,        command::kAbout,      command::kHelp, command::kOnlineHelp,
                         command::kTextEditor, command::kCalculator, command::kMail};
    for (const FieldCommand& field : kFieldCommands) ids.insert(ids.end(), {field.menuId, field.buttonId});
    return ids;
}

std::vector<int> LabelIds(const ProgramState& state) {
    std::vector<int> ids;
    if (state.panel)
        for (const PanelLabel& label : PanelFor(state.panel->field).labels) ids.push_back(label.id);
    return ids;
}

std::vector<int> ControlIds(const Program& program, int slot) {
    std::vector<int> ids{1, 2};
    if (slot >= 0 && std::size_t(slot) < program.Forms().size())
        for (const ControlDefinition& control : program.Forms()[std::size_t(slot)]->dialog.controls)
            ids.push_back(control.id);
    return ids;
}

std::vector<int> BoxIds(const ProgramState& state) {
    std::vector<int> ids;
    for (const WaitingBox& box : state.boxes) ids.push_back(box.id);
    return ids;
}

std::optional<MemoryFigures> PickMemory(FuzzInput& input) {
    if (input.Byte() & 1) return std::nullopt;
    return MemoryFigures{input.Wide(), input.Wide()};
}

Rect PickRect(FuzzInput& input) {
    Rect rect;
    rect.left = input.Int();
    rect.top = input.Int();
    rect.right = input.Int();
    rect.bottom = input.Int();
    return rect;
}

void Apply(Program& program, FuzzInput& input) {
    const ProgramState& state = program.State();
    switch (input.Byte() % 17) {
        case 0: {
            StartInfo info;
            info.screenLeft = input.Int();
            info.screenTop = input.Int();
            info.screenWidth = input.Int();
            info.dpi = input.Int();
            info.memory = PickMemory(input);
            info.toolbarStripFound = input.Byte() & 1;
            return program.Start(info);
        }
        case 1: return program.Command(Pick(input, CommandIds()));
        case 2: return program.ClickLabel(Pick(input, LabelIds(state)));
        case 3: {
            const int slot = PickSlot(input);
            return program.PressButton(slot, Pick(input, ControlIds(program, slot)));
        }
        case 4: {
            const int slot = PickSlot(input);
            return program.PressEnter(slot, Pick(input, ControlIds(program, slot)));
        }
        case 5: return program.PressEscape(PickSlot(input));
        case 6: {
            const int slot = PickSlot(input);
            const int control = Pick(input, ControlIds(program, slot));
            return program.EditText(slot, control, input.Text());
        }
        case 7: {
            const int slot = PickSlot(input);
            const int control = Pick(input, ControlIds(program, slot));
            const std::uint8_t index = input.Byte();
            return program.ChooseItem(slot, control, index == 0xFF ? std::size_t(input.Wide()) : index % 8);
        }
        case 8: return program.ActivateForm(PickSlot(input));
        case 9: return program.OpenFormSlot(PickSlot(input));
        case 10: return program.CloseHelpWindow();
        case 11: return program.RequestClose();
        case 12: {
            const int box = Pick(input, BoxIds(state));
            return program.Answer(box, static_cast<BoxAnswer>(input.Byte() % 3));
        }
        case 13: return program.Tick(PickMemory(input));
        case 14: return program.MainWindowMoved(PickRect(input));
        case 15: {
            const int dpi = input.Int();
            return program.DisplayScaleChanged(dpi, PickRect(input));
        }
        default: {
            // The user's typical way: a label of the panel on screen, then its form's OK or Storno.
            program.ClickLabel(Pick(input, LabelIds(state)));
            const int slot = program.State().activeForm;
            if (slot >= 0 && program.State().forms[std::size_t(slot)]) {
                const FormDefinition& form = *program.State().forms[std::size_t(slot)]->definition;
                program.PressButton(slot, input.Byte() & 1 ? form.okId : form.cancelId);
            }
            return;
        }
    }
}

// What the checks remember from one event to the next.
struct History {
    int highestSerial = 0;
    std::map<int, int> serials;    // slot -> serial of the form that was there before the event
    std::optional<Rect> beforeWidening;  // the rectangle the last widening started from
};

bool Widens(const FormInstance& form) {
    return (form.definition->behaviours & kWidensMainWindow) != 0;
}

void Check(const Program& program, const ProgramState& before, const std::vector<Effect>& effects,
           History& history, const std::set<int>& pictures) {
    const ProgramState& state = program.State();

    // After the end nothing happens any more: no effect, no window.
    if (before.ended) {
        FUZZ_CHECK(effects.empty());
        FUZZ_CHECK(state.ended);
    }
    if (state.ended) {
        FUZZ_CHECK(!state.panel && state.boxes.empty() && !state.helpWindowOpen);
        for (const auto& form : state.forms) FUZZ_CHECK(!form);
    }

    // One live form per slot, and it is that slot's form; a form that is new has a new serial.
    std::map<int, int> serials;
    for (std::size_t slot = 0; slot < kFormSlotCount; ++slot) {
        const auto& form = state.forms[slot];
        if (!form) continue;
        FUZZ_CHECK(slot < program.Forms().size() && form->definition == program.Forms()[slot]);
        FUZZ_CHECK(form->controls.size() == form->definition->dialog.controls.size());
        const auto old = history.serials.find(int(slot));
        if (old == history.serials.end() || old->second != form->serial) {
            FUZZ_CHECK(form->serial > history.highestSerial);
        }
        serials[int(slot)] = form->serial;
    }
    for (const auto& [slot, serial] : serials) history.highestSerial = std::max(history.highestSerial, serial);
    history.serials = serials;

    // Every waiting box belongs to an open window or to none.
    std::set<int> boxIds;
    for (const WaitingBox& box : state.boxes) {
        FUZZ_CHECK(boxIds.insert(box.id).second);
        switch (box.owner) {
            case BoxOwner::None: FUZZ_CHECK(box.ownerForm == -1); break;
            case BoxOwner::MainWindow: FUZZ_CHECK(state.started && box.ownerForm == -1); break;
            case BoxOwner::Form:
                FUZZ_CHECK(box.ownerForm >= 0 && box.ownerForm < int(kFormSlotCount));
                FUZZ_CHECK(state.forms[std::size_t(box.ownerForm)] &&
                           state.forms[std::size_t(box.ownerForm)]->visible);
                break;
        }
    }

    // The help window shows the picture of an open form, or it is closed.
    FUZZ_CHECK(pictures.count(state.HelpBitmapId) == 1);
    if (state.helpWindowOpen) {
        bool formOpen = false;
        for (const auto& form : state.forms) formOpen = formOpen || (form && form->visible);
        FUZZ_CHECK(formOpen);
    }

    // The memory gauge stays within its range.
    FUZZ_CHECK(state.gaugePosition >= 0 && state.gaugePosition <= 100);

    // A widening form that opened remembers where the window was; its Storno puts that back, carried
    // to a new display scale at the window's new corner when the scale changed meanwhile.
    if (history.beforeWidening && state.dpi != before.dpi)
        history.beforeWidening = Rescaled(*history.beforeWidening, before.dpi, state.dpi, state.mainWindow.left,
                                          state.mainWindow.top);
    for (std::size_t slot = 0; slot < kFormSlotCount; ++slot) {
        const auto& now = state.forms[slot];
        const auto& then = before.forms[slot];
        if (now && Widens(*now) && (!then || then->serial != now->serial)) history.beforeWidening = before.mainWindow;
        if (now && then && Widens(*now) && then->serial == now->serial && then->visible && !now->visible) {
            FUZZ_CHECK(history.beforeWidening && state.mainWindow == *history.beforeWidening);
            FUZZ_CHECK(!effects.empty() && effects.back().kind == EffectKind::MoveMainWindow &&
                       effects.back().rect == *history.beforeWidening);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::set<int> pictures = KnownPictures();
    FuzzInput input(data, size);
    Program program;
    History history;
    while (!input.Done()) {
        const ProgramState before = program.State();
        Apply(program, input);
        Check(program, before, program.TakeEffects(), history, pictures);
    }
    return 0;
}
