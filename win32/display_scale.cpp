// SPDX-License-Identifier: MIT
#include "display_scale.h"

#include "model/geometry.h"

namespace kalvora::win32 {
namespace {

// Functions newer than Windows 7, looked up once; null where the system lacks them, so that the
// program's import table names nothing Windows 7 does not have.
struct NewerFunctions {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    DpiForWindow dpiForWindow = nullptr;
    DpiForMonitor dpiForMonitor = nullptr;
};

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

const NewerFunctions& Newer() {
    static const NewerFunctions functions = [] {
        NewerFunctions f;
        f.dpiForWindow = Lookup<NewerFunctions::DpiForWindow>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
        // shcore.dll exists from 8.1 on; on 7 it is not found and the system DPI serves.
        if (!f.dpiForWindow)
            f.dpiForMonitor = Lookup<NewerFunctions::DpiForMonitor>(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor");
        return f;
    }();
    return functions;
}

int MonitorDpi(HMONITOR monitor) {
    UINT x = 0, y = 0;
    // MDT_EFFECTIVE_DPI is 0.
    if (monitor && Newer().dpiForMonitor && SUCCEEDED(Newer().dpiForMonitor(monitor, 0, &x, &y)) && y > 0)
        return int(y);
    return SystemDpi();
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) {
    if (window && Newer().dpiForWindow)
        if (const UINT dpi = Newer().dpiForWindow(window); dpi > 0) return int(dpi);
    return MonitorDpi(window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) : nullptr);
}

int Px(int pixels, int dpi) {
    return Scaled(pixels, dpi);
}

}  // namespace kalvora::win32
