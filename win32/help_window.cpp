// SPDX-License-Identifier: MIT
#include "help_window.h"

#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include "dialog_builder.h"
#include "display_scale.h"
#include "embedded_picture.h"
#include "model/dialog_keys.h"
#include "model/form_presentation.h"
#include "model/geometry.h"
#include "picture_scaling.h"
#include "role_fonts.h"
#include "view.h"
#include "window_templates.h"

namespace kalvora::win32 {
namespace {

// The picture `id` at its own size times the window's scale, centred in the picture control's
// client area (the odd pixel to the right and bottom; a larger picture is clipped on both sides).
// Above 100 % it is drawn from its double-size drawing when the program has one. An id without a
// picture, or with one that cannot be decoded, leaves the frame empty.
void PaintCenteredBitmap(HWND control, HDC dc, int id) {
    RECT client;
    GetClientRect(control, &client);
    HINSTANCE instance = TheView().instance;
    HBITMAP picture = LoadEmbeddedPicture(instance, MAKEINTRESOURCEW(id));
    if (!picture) return;
    const SIZE plain = BitmapSize(picture);
    const int dpi = WindowDpi(control);
    HBITMAP doubled = ScalesFromDoubleSize(dpi, true) && id < kDoubleSizeResources
                          ? LoadEmbeddedPicture(instance, MAKEINTRESOURCEW(kDoubleSizeResources + id))
                          : nullptr;
    const SIZE doubleSize = BitmapSize(doubled);
    const bool fromDouble = doubled && IsDoubleSize(plain.cx, plain.cy, doubleSize.cx, doubleSize.cy);
    const int width = Scaled(plain.cx, dpi), height = Scaled(plain.cy, dpi);
    const int x = CentredOffset(client.right, width);
    const int y = CentredOffset(client.bottom, height);
    if (fromDouble)
        DrawScaled(dc, x, y, width, height, doubled, 0, 0, doubleSize.cx, doubleSize.cy);
    else
        DrawScaled(dc, x, y, width, height, picture, 0, 0, plain.cx, plain.cy);
    if (doubled) DeleteObject(doubled);
    DeleteObject(picture);
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

// The window's client area, its picture frame and its OK where the model puts them, in the
// window's font.
void Present(HWND help) {
    const HelpWindowPresentation shown =
        PresentHelpWindow(MeasureFont(HFONT(SendMessageW(help, WM_GETFONT, 0, 0))));
    RECT outer{0, 0, shown.window.width(), shown.window.height()};
    AdjustWindowRectEx(&outer, DWORD(GetWindowLongPtrW(help, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(help, GWL_EXSTYLE)));
    SetWindowPos(help, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& [id, control] : {std::pair{kHelpPictureId, shown.picture}, std::pair{IDOK, shown.ok}}) {
        const Rect& r = control.rect;
        MoveWindow(GetDlgItem(help, id), r.left, r.top, r.width(), r.height(), TRUE);
    }
}

void Close() {
    TheView().program.CloseHelpWindow();
    TheView().Update();
}

INT_PTR CALLBACK HelpProc(HWND help, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DPICHANGED: {
            // On a display of another scale: the suggested rectangle; the picture follows the
            // window's scale when it is painted.
            const RECT* r = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(help, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            InvalidateRect(GetDlgItem(help, kHelpPictureId), nullptr, TRUE);
            return TRUE;
        }
        case WM_INITDIALOG:
            Present(help);
            SetWindowSubclass(GetDlgItem(help, kHelpPictureId), PictureProc, 0, 0);
            return TRUE;
        case WM_COMMAND:
            // OK and Enter close the window; what Esc does the model decides.
            if (LOWORD(wParam) == IDOK) Close();
            if (LOWORD(wParam) == IDCANCEL) {
                TheView().program.PressKeyInHelpWindow(HelpWindowKey::Escape);
                TheView().Update();
            }
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
