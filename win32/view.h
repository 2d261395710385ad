// SPDX-License-Identifier: MIT
// The Windows view: owns the behaviour model, draws its state into real windows and carries out
// the effects it asks for. Window procedures turn the user's input into the model's events and
// call Update() after each one.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "model/control_presentation.h"
#include "model/program.h"
#include "model/window_changes.h"

namespace kalvora::win32 {

// Ids of the resources and windows the view refers to.
inline constexpr int kIconId = 201;
inline constexpr int kHandCursorId = 200;
inline constexpr int kToolbarStripId = 196;
inline constexpr int kToolbarId = 179;
inline constexpr UINT_PTR kMemoryTimer = 0x7FFF;
inline constexpr wchar_t kMainClassName[] = L"WinAPIMainClass";
// The double-size drawing of bitmap resource N is resource kDoubleSizeResources + N.
inline constexpr int kDoubleSizeResources = 16384;

// A form that exists as a window.
struct FormWindow {
    HWND window = nullptr;
    std::vector<HWND> controls;  // one per template control, in template order
    // Where and how the model shows each template control, and the painted title's cell.
    std::vector<ControlPresentation> presentation;
    Rect title;
    // What the view last wrote into each control from the model: a control is written again only
    // when the model's text changes, so that nothing the user typed is ever overwritten.
    std::vector<ControlState> written;
};

struct View {
    HINSTANCE instance = nullptr;
    Program program;

    HWND mainWindow = nullptr;
    HWND toolbar = nullptr;
    HWND statusBar = nullptr;
    HWND gauge = nullptr;
    HWND panel = nullptr;
    std::array<FormWindow, kFormSlotCount> forms;
    HWND helpWindow = nullptr;
    // The serials of the states the windows were built for, kept also where a window could not be
    // made: a serial is tried once, not on every turn.
    ShownWindows shown;
    HMENU topicsMenu = nullptr;
    HACCEL topicKeys = nullptr;
    HBRUSH panelBrush = nullptr;  // the open panel's background colour
    HBITMAP strip = nullptr;          // the toolbar strip as found, or null
    HBITMAP doubleStrip = nullptr;    // the same strip drawn at twice the size, when delivered
    HBITMAP scaledStrip = nullptr;    // the strip at the main window's scale, as the toolbar shows it
    HFONT statusFont = nullptr;       // the status bar's font when its scale differs from the system's
    HWND focusBeforeDeactivation = nullptr;

    std::vector<int> shownBoxes;
    std::wstring statusTexts[2];
    bool rendering = false;
    bool renderAgain = false;
    bool settingTexts = false;  // texts the view itself writes are no user input
    bool quitting = false;

    // Draws the model's state, carries out its effects and shows the boxes waiting for an answer.
    void Update();
    // The window of the active calculator, or null.
    HWND ActiveForm() const;
    // The scale the main window and everything in it are drawn at (from the model).
    int Dpi() const { return program.State().dpi; }
    // After a change of scale: the panel and the forms are made anew from their templates at the
    // new scale by the next Update (their texts come from the model), the toolbar at once.
    void RebuildAtScale();
    // Gives back what the program holds of the window system; runs once, at the end.
    void ReleaseResources();

private:
    void Render();
    void DestroyForm(int slot);
    void RenderStatus();
    void RunEffects();
    void ShowWaitingBoxes();
    void Quit();
};

View& TheView();

}  // namespace kalvora::win32
