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
    // Forms first, so that a field command's old form goes before its panel, as DestroyCalculators
    // runs before DestroyTopicPanels.
    for (std::size_t slot = 0; slot < forms.size(); ++slot) {
        const auto& form = state.forms[slot];
        if (!form || form->serial != forms[slot].serial) {
            if (forms[slot].window) DestroyWindow(forms[slot].window);
            forms[slot] = {};
        }
    }
    const int panelSerial_ = state.panel ? state.panel->serial : 0;
    if (panelSerial_ != panelSerial) {
        if (panel) DestroyWindow(panel);
        // A panel that cannot be made stays missing until the next field is opened; it is not
        // tried again on every turn.
        panel = state.panel ? CreatePanelWindow(state.panel->field) : nullptr;
        panelSerial = panelSerial_;
        RebuildTopicsMenu();
    }
    RenderForms();
    RenderHelpWindow();
    RenderStatus();
}

void View::RenderForms() {
    const ProgramState& state = program.State();
    for (std::size_t slot = 0; slot < forms.size(); ++slot) {
        const auto& form = state.forms[slot];
        if (!form) continue;
        if (!forms[slot].window && forms[slot].serial != form->serial) {
            // The serial is kept even when the window cannot be made, so that it is tried once
            // and not again on every timer tick.
            forms[slot] = CreateFormWindow(int(slot), *form);
            forms[slot].serial = form->serial;
        }
        if (!forms[slot].window) continue;
        settingTexts = true;
        SyncFormControls(forms[slot], *form);
        settingTexts = false;
        const bool shown = IsWindowVisible(forms[slot].window) != FALSE;
        if (shown != form->visible) ShowWindow(forms[slot].window, form->visible ? SW_SHOW : SW_HIDE);
    }
}

void View::RenderHelpWindow() {
    const ProgramState& state = program.State();
    const bool open = state.helpWindowOpen;
    if (helpWindow && (!open || helpSerial != state.helpWindowSerial)) {
        HWND closing = helpWindow;
        helpWindow = nullptr;
        DestroyWindow(closing);
    }
    if (open && !helpWindow) {
        helpSerial = state.helpWindowSerial;
        helpWindow = CreateHelpWindow();
    }
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
    for (const Effect& effect : program.TakeEffects()) {
        switch (effect.kind) {
            case EffectKind::OpenAddress:
                OpenAddress(effect.address, effect.maximised);
                break;
            case EffectKind::OpenHelpPage:
                OpenHelpPage();
                break;
            case EffectKind::StartTextEditor:
                StartSystemProgram(L"notepad.exe");
                break;
            case EffectKind::StartCalculator:
                StartSystemProgram(L"calc.exe");
                break;
            case EffectKind::ShowAbout:
                ShowAbout(mainWindow);
                break;
            case EffectKind::Focus:
                if (effect.form >= 0 && effect.form < int(kFormSlotCount))
                    if (HWND form = forms[std::size_t(effect.form)].window)
                        if (HWND control = GetDlgItem(form, effect.control)) SetFocus(control);
                break;
            case EffectKind::MoveMainWindow: {
                const Rect& r = effect.rect;
                MoveWindow(mainWindow, r.left, r.top, r.width(), r.height(), TRUE);
                // A form that has just opened places itself from the new client area, after the
                // layout the resize caused.
                if (HWND form = ActiveForm(); form && IsWindowVisible(form)) PlaceAtCreation(form);
                break;
            }
            case EffectKind::RaiseHelpWindow:
                if (helpWindow) RaiseHelpWindow(helpWindow);
                break;
            case EffectKind::RefreshMemory:
                program.Tick(ReadMemory());
                RenderStatus();
                break;
            case EffectKind::Quit:
                Quit();
                return;
        }
    }
}

void View::ShowWaitingBoxes() {
    for (;;) {
        if (quitting) return;
        const auto& boxes = program.State().boxes;
        const auto next = std::find_if(boxes.begin(), boxes.end(),
                                       [this](const WaitingBox& box) { return !shownBoxes.count(box.id); });
        if (next == boxes.end()) return;
        // Marked before it shows: the box's own message loop may come back here.
        const WaitingBox box = *next;
        shownBoxes.insert(box.id);
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
    for (FormWindow& form : forms) {
        if (form.window) DestroyWindow(form.window);
        form = {};
    }
    if (panel) DestroyWindow(panel);
    panel = nullptr;
    panelSerial = 0;
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
