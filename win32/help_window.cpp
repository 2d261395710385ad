// SPDX-License-Identifier: MIT
#include "help_window.h"

#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include "dialog_builder.h"
#include "model/geometry.h"
#include "view.h"
#include "window_templates.h"

namespace kalvora::win32 {
namespace {

// The picture `id` at its own size, centred in the picture control's client area (the odd pixel
// to the right and bottom; a larger picture is clipped on both sides). An id without a picture
// leaves the frame empty.
void PaintCenteredBitmap(HWND control, HDC dc, int id) {
    RECT client;
    GetClientRect(control, &client);
    HBITMAP picture = LoadBitmapW(TheView().instance, MAKEINTRESOURCEW(id));
    if (!picture) return;
    BITMAP size{};
    GetObjectW(picture, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture);
    const int x = CentredOffset(client.right, size.bmWidth);
    const int y = CentredOffset(client.bottom, size.bmHeight);
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
}

LRESULT CALLBACK PictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(control, &paint);
        PaintCenteredBitmap(control, dc, TheView().program.State().HelpBitmapId);
        EndPaint(control, &paint);
        return 0;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void Close() {
    TheView().program.CloseHelpWindow();
    TheView().Update();
}

INT_PTR CALLBACK HelpProc(HWND help, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowSubclass(GetDlgItem(help, kHelpPictureId), PictureProc, 0, 0);
            return TRUE;
        case WM_COMMAND:
            // OK and Enter close the window; Esc does not.
            if (LOWORD(wParam) == IDOK) Close();
            return FALSE;
        case WM_CLOSE:
            Close();
            return TRUE;
        case WM_DESTROY:
            RemoveWindowSubclass(GetDlgItem(help, kHelpPictureId), PictureProc, 0);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND CreateHelpWindow() {
    const std::vector<DWORD> dialog = BuildDialogTemplate(HelpWindowLayout());
    return CreateDialogIndirectParamW(TheView().instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()),
                                      nullptr, HelpProc, 0);
}

void RaiseHelpWindow(HWND help) {
    if (IsIconic(help)) ShowWindow(help, SW_RESTORE);
    SetForegroundWindow(help);
    InvalidateRect(GetDlgItem(help, kHelpPictureId), nullptr, TRUE);
}

}  // namespace kalvora::win32
