// SPDX-License-Identifier: MIT
#include "panel_window.h"

#include "dialog_builder.h"
#include "display_scale.h"
#include "model/form_presentation.h"
#include "model/panel_data.h"
#include "role_fonts.h"
#include "view.h"
#include "window_templates.h"

namespace kalvora::win32 {
namespace {

constexpr wchar_t kLabelFontProperty[] = L"KalvoraLabelFont";

COLORREF ColourOf(const Rgb& rgb) {
    return RGB(rgb.r, rgb.g, rgb.b);
}

const PanelData& DataOf(HWND panel) {
    return PanelFor(static_cast<Field>(GetWindowLongPtrW(panel, DWLP_USER)));
}

// A one-pixel line in a solid pen, the end point excluded.
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

// The gradient runs over the same length at every scale: row y shows the colour of the row it
// stands for at 100 %.
void PaintGradient(HWND panel) {
    RECT client;
    GetClientRect(panel, &client);
    const int dpi = TheView().Dpi();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(panel, &paint);
    for (int y = 0; y < client.bottom; ++y)
        DrawLine(dc, 0, y, client.right, y, RGB(GradientRed(MulDiv(y, kBaseDpi, dpi)), 0, 0));
    EndPaint(panel, &paint);
}

void Initialise(HWND panel, const PanelData& data) {
    View& view = TheView();
    // The hand becomes the cursor of the static-control class: every static of the program shows it.
    if (!data.labels.empty())
        SetClassLongPtrW(GetDlgItem(panel, data.labels.front().id), GCLP_HCURSOR,
                         LONG_PTR(LoadCursorW(view.instance, MAKEINTRESOURCEW(kHandCursorId))));
    RECT client;
    GetClientRect(view.mainWindow, &client);
    const Rect place = CreationLayout(client.right, client.bottom, view.Dpi()).panel;
    MoveWindow(panel, place.left, place.top, place.width(), place.height(), TRUE);
    // Without its font (it could not be made) a label keeps the panel's.
    HFONT labelFont = CreateRoleFont(FontRole::PanelLabel, view.Dpi());
    if (labelFont) SetPropW(panel, kLabelFontProperty, labelFont);
    const PanelPresentation shown =
        PresentPanel(data, MeasureFont(HFONT(SendMessageW(panel, WM_GETFONT, 0, 0))),
                     labelFont ? MeasureFont(labelFont) : FontMetrics{});
    for (std::size_t i = 0; i < data.labels.size() && i < shown.labels.size(); ++i) {
        HWND label = GetDlgItem(panel, data.labels[i].id);
        const Rect& r = shown.labels[i].rect;
        if (labelFont && shown.labels[i].font == FontRole::PanelLabel)
            SendMessageW(label, WM_SETFONT, WPARAM(labelFont), TRUE);
        MoveWindow(label, r.left, r.top, r.width(), r.height(), TRUE);
    }
    if (view.panelBrush) DeleteObject(view.panelBrush);
    view.panelBrush = CreateSolidBrush(ColourOf(data.background));
}

INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(panel, DWLP_USER, lParam);
        Initialise(panel, DataOf(panel));
        return FALSE;
    }
    const PanelData& data = DataOf(panel);
    switch (message) {
        case WM_PAINT:
            if (!data.gradient) return FALSE;
            PaintGradient(panel);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            SetTextColor(HDC(wParam), ColourOf(data.labelText));
            SetBkMode(HDC(wParam), TRANSPARENT);
            return INT_PTR(TheView().panelBrush);
        case WM_CTLCOLORDLG:
            if (data.gradient) return FALSE;
            SetBkMode(HDC(wParam), TRANSPARENT);
            return INT_PTR(TheView().panelBrush);
        case WM_COMMAND:
            // A double click arrives as a click and a double click: two clicks.
            if (HIWORD(wParam) != STN_CLICKED && HIWORD(wParam) != STN_DBLCLK) return FALSE;
            TheView().program.ClickLabel(LOWORD(wParam));
            TheView().Update();
            return FALSE;
        case WM_DESTROY:
            if (HANDLE font = RemovePropW(panel, kLabelFontProperty)) DeleteObject(font);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND CreatePanelWindow(Field field) {
    const View& view = TheView();
    const std::vector<DWORD> dialog = BuildDialogTemplate(PanelDialogLayout(PanelFor(field)));
    return CreateDialogIndirectParamW(view.instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()),
                                      view.mainWindow, PanelProc, LPARAM(field));
}

}  // namespace kalvora::win32
