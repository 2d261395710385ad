// SPDX-License-Identifier: MIT
#include "model/program.h"

#include <algorithm>
#include <utility>

#include "config/contact_addresses.h"
#include "model/link_address.h"
#include "model/list_order.h"
#include "model/panel_data.h"
#include "model/shell_data.h"

namespace kalvora {
namespace {

constexpr int kHelpButton = 230;
constexpr int kCancelCommand = 2;  // what Esc sends, whatever a form's Storno id is
constexpr int kOkCommand = 1;      // what Enter sends in a form without a default button

// A box with one OK button.
WaitingBox Box(std::string_view caption, std::string_view text, MessageIcon icon, BoxOwner owner) {
    WaitingBox box;
    box.caption = caption;
    box.text = text;
    box.icon = icon;
    box.owner = owner;
    return box;
}

// Window systems report coordinates far below this; kept within it, the window arithmetic (a
// width added, a screen halved) cannot overflow whatever a view passes on.
constexpr int kCoordinateLimit = 1 << 24;

int Coordinate(int value) {
    return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

Rect Coordinates(const Rect& rect) {
    return {Coordinate(rect.left), Coordinate(rect.top), Coordinate(rect.right), Coordinate(rect.bottom)};
}

bool IsPushButton(const ControlDefinition& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefaultPushButton;
}

}  // namespace

const ControlState* FormInstance::Control(int controlId) const {
    const auto& controls = definition->dialog.controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].id == controlId) return &this->controls[i];
    return nullptr;
}

ControlState* FormInstance::Control(int controlId) {
    return const_cast<ControlState*>(std::as_const(*this).Control(controlId));
}

Program::Program(std::span<const FormDefinition* const> forms) : forms_(forms) {}

int Program::SlotOf(std::string_view slug) const {
    for (std::size_t i = 0; i < forms_.size() && i < kFormSlotCount; ++i)
        if (forms_[i]->slug == slug) return int(i);
    return -1;
}

// The form in `slot` when it takes input: not one hidden by its Storno (it is off screen until
// opened afresh), nor one whose own message box waits (the box is modal to it).
FormInstance* Program::Live(int slot) {
    if (!Running() || slot < 0 || slot >= int(kFormSlotCount) || !state_.forms[std::size_t(slot)] ||
        !state_.forms[std::size_t(slot)]->visible)
        return nullptr;
    for (const WaitingBox& box : state_.boxes)
        if (box.owner == BoxOwner::Form && box.ownerForm == slot) return nullptr;
    return &*state_.forms[std::size_t(slot)];
}

std::vector<Effect> Program::TakeEffects() {
    return std::exchange(effects_, {});
}

void Program::Start(const StartInfo& info) {
    if (state_.started) return;
    state_.started = true;
    state_.dpi = ValidDpi(info.dpi);
    state_.mainWindow = StartWindowRect(Coordinate(info.screenLeft), Coordinate(info.screenTop),
                                        Coordinate(info.screenWidth), state_.dpi);
    state_.toolbarPictures = info.toolbarStripFound;
    // Asked while the main window is being built, before it appears.
    if (!info.toolbarStripFound)
        ShowBox(
            Box(text::kProgramTitle, text::kStripMissing, MessageIcon::Information, BoxOwner::MainWindow));
    // The electrical panel and the current form, without storing a help picture.
    state_.panel = PanelInstance{Field::Electrical, nextSerial_++};
    OpenForm(SlotOf(kFieldCommands[0].firstFormSlug));
    state_.gaugePosition = GaugePosition(info.memory);
    Tick(info.memory);
}

void Program::Command(int id) {
    if (!Running()) return;
    if (FindFieldCommand(id)) {
        OpenField(id);
    } else {
        switch (id) {
            case command::kEnd:
                RequestClose();
                break;
            case command::kAbout:
                Emit(Effect::Of(EffectKind::ShowAbout));
                break;
            case command::kHelp:
                ShowBox(Box(text::kProgramTitle, text::kHelp, MessageIcon::None, BoxOwner::None));
                break;
            case command::kOnlineHelp:
                Emit(Effect::Of(EffectKind::OpenHelpPage));
                break;
            case command::kTextEditor:
                Emit(Effect::Of(EffectKind::StartTextEditor));
                break;
            case command::kCalculator:
                Emit(Effect::Of(EffectKind::StartCalculator));
                break;
            case command::kMail:
                Emit(Effect::Open(std::string(config::kAuthorMailUrl), false));
                break;
            default:
                break;
        }
    }
    if (!state_.ended) Emit(Effect::Of(EffectKind::RefreshMemory));
}

void Program::OpenField(int commandId) {
    const FieldCommand& field = *FindFieldCommand(commandId);
    DestroyCalculators();
    DestroyTopicPanels();
    if (field.helpBitmapId) state_.HelpBitmapId = *field.helpBitmapId;
    state_.panel = PanelInstance{field.field, nextSerial_++};
    OpenForm(SlotOf(field.firstFormSlug));
}

void Program::ClickLabel(int labelId) {
    if (!Running() || !state_.panel) return;
    const PanelData& panel = PanelFor(state_.panel->field);
    const auto label = std::find_if(panel.labels.begin(), panel.labels.end(),
                                    [labelId](const PanelLabel& l) { return l.id == labelId; });
    if (label == panel.labels.end()) return;
    if (label->action == LabelAction::OpenUrl) {
        // A link leaves the open form alone.
        Emit(Effect::Open(std::string(label->target), false));
        return;
    }
    for (std::size_t slot = 0; slot < forms_.size() && slot < kFormSlotCount; ++slot) {
        if (forms_[slot]->field != panel.field || forms_[slot]->title != label->target) continue;
        DestroyCalculators();
        if (label->helpBitmapId != 0) state_.HelpBitmapId = label->helpBitmapId;
        OpenForm(int(slot));
        return;
    }
}

void Program::OpenForm(int slot) {
    if (slot < 0 || slot >= int(kFormSlotCount) || std::size_t(slot) >= forms_.size()) return;
    const FormDefinition& definition = *forms_[std::size_t(slot)];
    FormInstance form;
    form.definition = &definition;
    form.serial = nextSerial_++;
    for (const ControlDefinition& control : definition.dialog.controls)
        form.controls.push_back({std::string(definition.InitialText(control)), {}});
    for (const PresetList& list : definition.lists) {
        ControlState* control = form.Control(list.controlId);
        if (!control) continue;
        const bool sorted = (definition.dialog.Find(list.controlId)->flags & kSorted) != 0;
        for (std::string_view item : list.items)
            control->items.insert(
                control->items.begin() +
                    std::ptrdiff_t(sorted ? SortedPosition(control->items, item) : control->items.size()),
                std::string(item));
    }
    for (const PresetText& preset : definition.presets)
        if (ControlState* control = form.Control(preset.controlId)) control->text = preset.text;
    state_.forms[std::size_t(slot)] = std::move(form);
    state_.activeForm = slot;
    if (definition.behaviours & kWidensMainWindow) {
        // Storno puts back exactly this rectangle.
        windowBeforeWidening_ = state_.mainWindow;
        state_.mainWindow = WidenedWindowRect(state_.mainWindow, state_.dpi);
        Emit(Effect::Move(state_.mainWindow));
    }
    if (definition.focusAtOpen) Emit(Effect::FocusOn(slot, definition.focusId));
}

void Program::DestroyCalculators() {
    for (auto& form : state_.forms) form.reset();
    state_.helpWindowOpen = false;
    // A box a form owns goes with its form, as an owned window does.
    std::erase_if(state_.boxes, [](const WaitingBox& box) { return box.owner == BoxOwner::Form; });
}

void Program::DestroyTopicPanels() {
    state_.panel.reset();
}

void Program::PressButton(int slot, int controlId) {
    FormInstance* form = Live(slot);
    if (!form) return;
    state_.activeForm = slot;
    const FormDefinition& definition = *form->definition;
    if (controlId == definition.okId) return PressOk(slot);
    if (controlId == definition.cancelId) return PressStorno(slot);
    const ControlDefinition* control = definition.dialog.Find(controlId);
    if (!control) return;
    if (controlId == kHelpButton && IsPushButton(*control)) return PressHelp(slot);
    if (const std::string_view address = LinkAddress(definition, *control); !address.empty())
        Emit(Effect::Open(std::string(address), true));
}

void Program::PressEnter(int slot, int focusedControlId) {
    FormInstance* form = Live(slot);
    if (!form) return;
    const auto& controls = form->definition->dialog.controls;
    if (const ControlDefinition* focused = form->definition->dialog.Find(focusedControlId);
        focused && IsPushButton(*focused))
        return PressButton(slot, focusedControlId);
    const auto defaultButton = std::find_if(controls.begin(), controls.end(), [](const ControlDefinition& c) {
        return c.kind == ControlKind::DefaultPushButton;
    });
    PressButton(slot, defaultButton != controls.end() ? defaultButton->id : kOkCommand);
}

void Program::PressEscape(int slot) {
    PressButton(slot, kCancelCommand);
}

void Program::EditText(int slot, int controlId, std::string_view text) {
    FormInstance* form = Live(slot);
    if (!form) return;
    state_.activeForm = slot;
    if (ControlState* control = form->Control(controlId)) control->text = text;
}

void Program::ChooseItem(int slot, int controlId, std::size_t index) {
    FormInstance* form = Live(slot);
    if (!form) return;
    state_.activeForm = slot;
    ControlState* control = form->Control(controlId);
    if (control && index < control->items.size()) control->text = control->items[index];
}

void Program::ActivateForm(int slot) {
    if (Live(slot)) state_.activeForm = slot;
}

void Program::OpenFormSlot(int slot) {
    if (!Running() || slot < 0 || slot >= int(kFormSlotCount) || std::size_t(slot) >= forms_.size()) return;
    DestroyCalculators();
    OpenForm(slot);
}

void Program::PressOk(int slot) {
    FormInstance& form = *Live(slot);
    const FormDefinition& definition = *form.definition;
    std::vector<std::string_view> texts;
    for (const InputDefinition& input : definition.inputs) {
        ControlState* control = form.Control(input.controlId);
        const ControlDefinition* template_ = definition.dialog.Find(input.controlId);
        // The lists learn every text OK reads, before any number is tested. An empty field has
        // nothing to learn: an empty row in the list would only be noise.
        if ((definition.behaviours & kListsLearnTexts) && template_->kind == ControlKind::ComboBox &&
            !control->text.empty() && !FindIgnoringCase(control->items, control->text)) {
            const bool sorted = (template_->flags & kSorted) != 0;
            const std::size_t at =
                sorted ? SortedPosition(control->items, control->text) : control->items.size();
            control->items.insert(control->items.begin() + std::ptrdiff_t(at), control->text);
        }
        texts.push_back(control ? std::string_view(control->text) : std::string_view());
    }
    const Outcome outcome = Evaluate(definition, texts);
    if (outcome.message) {
        const Message& message = *outcome.message;
        const bool owned = message.owner == MessageOwner::Form;
        WaitingBox box =
            Box(message.caption, message.text, message.icon, owned ? BoxOwner::Form : BoxOwner::None);
        box.ownerForm = owned ? slot : -1;
        ShowBox(std::move(box));
        return;
    }
    const std::size_t shown = std::min(outcome.results.size(), definition.resultIds.size());
    for (std::size_t i = 0; i < shown; ++i)
        if (ControlState* result = form.Control(definition.resultIds[i])) result->text = outcome.results[i];
    if (definition.focusAfterResult) Emit(Effect::FocusOn(slot, definition.focusId));
}

void Program::PressStorno(int slot) {
    FormInstance& form = *Live(slot);
    state_.helpWindowOpen = false;
    if ((form.definition->behaviours & kWidensMainWindow) && windowBeforeWidening_) {
        state_.mainWindow = *windowBeforeWidening_;
        Emit(Effect::Move(state_.mainWindow));
    }
    // Hidden, not destroyed: the form stays in its slot until the next DestroyCalculators.
    form.visible = false;
}

void Program::PressHelp(int slot) {
    const FormDefinition& definition = *Live(slot)->definition;
    switch (definition.help) {
        case HelpAction::None:
            return;
        case HelpAction::StorePicture:
            state_.HelpBitmapId = definition.helpBitmapId;
            break;
        case HelpAction::ShowStored:
            break;
    }
    OpenHelpWindow();
}

void Program::OpenHelpWindow() {
    if (state_.helpWindowOpen) {
        Emit(Effect::Of(EffectKind::RaiseHelpWindow));
        return;
    }
    state_.helpWindowOpen = true;
    state_.helpWindowSerial = nextSerial_++;
}

void Program::CloseHelpWindow() {
    state_.helpWindowOpen = false;
}

void Program::RequestClose() {
    if (!Running()) return;
    // One question at a time: a second request while it waits changes nothing.
    for (const WaitingBox& box : state_.boxes)
        if (box.purpose == BoxPurpose::CloseQuestion) return;
    WaitingBox question =
        Box(text::kProgramTitle, text::kCloseQuestion, MessageIcon::Question, BoxOwner::MainWindow);
    question.buttons = BoxButtons::YesNo;
    question.purpose = BoxPurpose::CloseQuestion;
    ShowBox(std::move(question));
}

void Program::ShowBox(WaitingBox box) {
    box.id = nextBoxId_++;
    state_.boxes.push_back(std::move(box));
}

void Program::Answer(int boxId, BoxAnswer answer) {
    const auto box = std::find_if(state_.boxes.begin(), state_.boxes.end(),
                                  [boxId](const WaitingBox& b) { return b.id == boxId; });
    if (box == state_.boxes.end()) return;
    const BoxPurpose purpose = box->purpose;
    state_.boxes.erase(box);
    if (purpose == BoxPurpose::CloseQuestion && answer == BoxAnswer::Yes && !state_.ended) {
        // Everything goes: the view closes every window, the help window and open boxes too.
        state_.ended = true;
        DestroyCalculators();
        DestroyTopicPanels();
        state_.boxes.clear();
        Emit(Effect::Of(EffectKind::Quit));
    }
}

void Program::Tick(const std::optional<MemoryFigures>& memory) {
    if (!Running()) return;
    state_.totalMemoryText = TotalMemoryText(memory);
    state_.availableMemoryText = AvailableMemoryText(memory);
}

void Program::MainWindowMoved(const Rect& outer) {
    if (Running()) state_.mainWindow = Coordinates(outer);
}

void Program::DisplayScaleChanged(int dpi, const Rect& suggested) {
    if (!Running() || dpi <= 0) return;
    const Rect window = Coordinates(suggested);
    if (windowBeforeWidening_)
        windowBeforeWidening_ = Rescaled(*windowBeforeWidening_, state_.dpi, dpi, window.left, window.top);
    state_.dpi = ValidDpi(dpi);
    state_.mainWindow = window;
    Emit(Effect::Move(state_.mainWindow));
}

}  // namespace kalvora
