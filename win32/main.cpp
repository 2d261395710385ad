// SPDX-License-Identifier: MIT
// kalvora.exe: the program's entry and its one message loop.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

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

    HBITMAP strip = LoadToolbarStrip(ToolbarStripCandidates());
    StartInfo start;
    start.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    start.memory = ReadMemory();
    start.toolbarStripFound = strip != nullptr;
    view.program.Start(start);
    const ProgramState& state = view.program.State();
    if (!CreateMainWindow(instance, state.mainWindow, strip, state.gaugePosition) || !view.statusBar)
        return 0;
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
    return int(message.wParam);
}
