// SPDX-License-Identifier: MIT
#include "view.h"

#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include <algorithm>

#include "form_window.h"
#include "help_window.h"
#include "main_window.h"
#include "message_box.h"
#include "model/box_queue.h"
#include "model/effect_order.h"
#include "panel_window.h"
#include "services.h"
#include "wide_text.h"

namespace kalvora::win32 {

View& TheView() {
    static View view;
    return view;
}

HWND View::ActiveForm() const {
    const int slot = program.State().activeForm;
    if (slot < 0 || slot >= int(kFormSlotCount)) return nullptr;
    return forms[std::size_t(slot)].window;
}

void View::Update() {
    // Creating windows and writing texts sends notifications that come back here as events:
    // they are drawn by the next turn of this loop, not by a nested one.
    if (rendering) {
        renderAgain = true;
        return;
    }
    do {
        renderAgain = false;
        rendering = true;
        Render();
        rendering = false;
        RunEffects();
        if (quitting) return;
    } while (renderAgain);
    ShowWaitingBoxes();
}

void View::Render() {
    const ProgramState& state = program.State();
    const WindowChanges changes = ChangeWindows(shown, state);
    for (int slot : changes.destroyForms) DestroyForm(slot);
    if (changes.destroyPanel && panel) DestroyWindow(panel);
    if (changes.destroyPanel) panel = nullptr;
    if (changes.destroyHelp && helpWindow) {
        HWND closing = helpWindow;
        helpWindow = nullptr;
        DestroyWindow(closing);
    }
    shown = changes.shown;
    // A panel that cannot be made stays missing until the next field is opened.
    if (changes.createPanel) panel = CreatePanelWindow(state.panel->field);
    if (changes.destroyPanel || changes.createPanel) RebuildTopicsMenu();
    for (int slot : changes.createForms)
        forms[std::size_t(slot)] = CreateFormWindow(slot, *state.forms[std::size_t(slot)]);
    if (changes.createHelp) helpWindow = CreateHelpWindow();
    for (std::size_t slot = 0; slot < forms.size(); ++slot) {
        if (!forms[slot].window || !state.forms[slot]) continue;
        settingTexts = true;
        SyncFormControls(forms[slot], *state.forms[slot]);
        settingTexts = false;
    }
    for (int slot : changes.showForms)
        if (HWND form = forms[std::size_t(slot)].window) ShowWindow(form, SW_SHOW);
    for (int slot : changes.hideForms)
        if (HWND form = forms[std::size_t(slot)].window) ShowWindow(form, SW_HIDE);
    RenderStatus();
}

void View::DestroyForm(int slot) {
    FormWindow& form = forms[std::size_t(slot)];
    if (form.window) DestroyWindow(form.window);
    form = {};
}

void View::RenderStatus() {
    const ProgramState& state = program.State();
    const std::wstring texts[2] = {Widen(state.totalMemoryText), Widen(state.availableMemoryText)};
    for (int part = 0; part < 2; ++part) {
        if (texts[part] == statusTexts[part]) continue;
        statusTexts[part] = texts[part];
        SendMessageW(statusBar, SB_SETTEXTW, WPARAM(part), LPARAM(statusTexts[part].c_str()));
    }
}

void View::RunEffects() {
    for (const Effect& effect : EffectsToCarryOut(program.TakeEffects(), program.State())) {
        if (CarryOutService(effect, mainWindow)) continue;
        if (effect.kind == EffectKind::Quit) {
            Quit();
            return;
        }
        if (effect.kind == EffectKind::RefreshMemory) {
            program.Tick(ReadMemory());
            RenderStatus();
        } else if (effect.kind == EffectKind::Focus) {
            if (HWND form = forms[std::size_t(effect.form)].window)
                if (HWND control = GetDlgItem(form, effect.control)) SetFocus(control);
        } else if (effect.kind == EffectKind::RaiseHelpWindow) {
            if (helpWindow) RaiseHelpWindow(helpWindow);
        } else if (effect.kind == EffectKind::MoveMainWindow) {
            const Rect& r = effect.rect;
            MoveWindow(mainWindow, r.left, r.top, r.width(), r.height(), TRUE);
            // A form that has just opened places itself from the new client area, after the
            // layout the resize caused.
            if (HWND form = ActiveForm(); form && IsWindowVisible(form)) PlaceAtCreation(form);
        }
    }
}

void View::ShowWaitingBoxes() {
    for (;;) {
        if (quitting) return;
        // A shown box stays until its answer: the system's boxes are not closed from outside.
        const BoxChanges changes = ChangeBoxes(shownBoxes, program.State());
        std::erase_if(shownBoxes,
                      [&](int id) { return std::count(changes.close.begin(), changes.close.end(), id) > 0; });
        if (changes.open.empty()) return;
        // Marked before it shows: the box's own message loop may come back here.
        const WaitingBox box = changes.open.front().box;
        shownBoxes.push_back(box.id);
        HWND owner = nullptr;
        if (box.owner == BoxOwner::MainWindow) owner = mainWindow;
        if (box.owner == BoxOwner::Form && box.ownerForm >= 0 && box.ownerForm < int(kFormSlotCount))
            owner = forms[std::size_t(box.ownerForm)].window;
        const BoxAnswer answer = ShowMessageBox(owner, box);
        if (quitting) return;
        program.Answer(box.id, answer);
        Update();
    }
}

void View::RebuildAtScale() {
    for (std::size_t slot = 0; slot < forms.size(); ++slot) DestroyForm(int(slot));
    if (panel) DestroyWindow(panel);
    panel = nullptr;
    // Made anew by the next Update; the help window stays.
    const int help = shown.help;
    shown = {};
    shown.help = help;
    RescaleMainWindowBars();
}

void View::ReleaseResources() {
    if (topicKeys) DestroyAcceleratorTable(topicKeys);
    topicKeys = nullptr;
    const auto release = [](auto& object) {
        if (object) DeleteObject(object);
        object = nullptr;
    };
    release(panelBrush);
    release(scaledStrip);
    release(strip);
    release(doubleStrip);
    release(statusFont);
    ReleaseShell();
}

void View::Quit() {
    quitting = true;
    // The help window has no owner and would outlive the main window; boxes without owner end
    // their own message loops on the quit message.
    if (helpWindow) {
        HWND help = helpWindow;
        helpWindow = nullptr;
        DestroyWindow(help);
    }
    if (mainWindow) DestroyWindow(mainWindow);
    PostQuitMessage(0);
}

}  // namespace kalvora::win32
