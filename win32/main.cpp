// SPDX-License-Identifier: MIT
// kalvora.exe: the program's entry and its one message loop.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include "display_scale.h"
#include "main_window.h"
#include "services.h"
#include "toolbar.h"
#include "view.h"

using namespace kalvora;
using namespace kalvora::win32;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    View& view = TheView();
    view.instance = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    if (!InitCommonControlsEx(&controls) || !RegisterMainClass(instance)) return 0;

    const ToolbarStrips strips = LoadToolbarStrips(ToolbarStripCandidates());
    view.strip = strips.plain;
    view.doubleStrip = strips.doubleSize;
    StartInfo start;
    start.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    start.memory = ReadMemory();
    start.toolbarStripFound = strips.plain != nullptr;
    // The main window opens on the primary display, at the system's scale.
    start.dpi = SystemDpi();
    view.program.Start(start);
    const ProgramState& state = view.program.State();
    if (!CreateMainWindow(instance, state.mainWindow, state.gaugePosition) || !view.statusBar) {
        view.ReleaseResources();
        return 0;
    }
    // Where the primary display's scale is not the system's (changed since the user logged on),
    // the window takes its display's scale as if moved there.
    if (const int dpi = WindowDpi(view.mainWindow); dpi != state.dpi) {
        const Rect& outer = state.mainWindow;
        view.program.DisplayScaleChanged(dpi, Rescaled(outer, state.dpi, dpi, outer.left, outer.top));
        view.RebuildAtScale();
    }
    view.Update();

    // Dialog keys go to the help window while it has the message, else to the active calculator.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (view.mainWindow && TranslateAcceleratorW(view.mainWindow, view.topicKeys, &message)) continue;
        if (view.helpWindow && IsDialogMessageW(view.helpWindow, &message)) continue;
        if (HWND form = view.mainWindow ? view.ActiveForm() : nullptr;
            form && IsDialogMessageW(form, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    view.ReleaseResources();
    return int(message.wParam);
}
