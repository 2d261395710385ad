// SPDX-License-Identifier: MIT
#include "form_window.h"

#include <algorithm>

#include "control_matching.h"
#include "dialog_builder.h"
#include "picture_scaling.h"
#include "display_scale.h"
#include "embedded_picture.h"
#include "model/result_caption.h"
#include "model/text_room.h"
#include "wide_text.h"
#include "window_templates.h"

namespace kalvora::win32 {
namespace {

constexpr wchar_t kLinkFontProperty[] = L"KalvoraLinkFont";
constexpr wchar_t kScaledPictureProperty[] = L"KalvoraScaledPicture";

// The picture `plain` at the display's scale, drawn from its double-size drawing when there is one;
// null when it cannot be made.
HBITMAP ScaledPicture(HINSTANCE instance, const std::wstring& name, HBITMAP plain, int dpi) {
    const SIZE size = BitmapSize(plain);
    HBITMAP doubled = ScalesFromDoubleSize(dpi, true) ? LoadEmbeddedPicture(instance, (name + L"_2X").c_str()) : nullptr;
    const SIZE doubleSize = BitmapSize(doubled);
    const bool fromDouble = doubled && IsDoubleSize(size.cx, size.cy, doubleSize.cx, doubleSize.cy);
    HBITMAP source = fromDouble ? doubled : plain;
    const SIZE sourceSize = fromDouble ? doubleSize : size;
    const int width = Scaled(size.cx, dpi), height = Scaled(size.cy, dpi);
    HDC screen = GetDC(nullptr);
    HBITMAP scaled = screen ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    HDC target = scaled ? CreateCompatibleDC(screen) : nullptr;
    if (screen) ReleaseDC(nullptr, screen);
    bool drawn = false;
    if (target) {
        HGDIOBJ previous = SelectObject(target, scaled);
        drawn = DrawScaled(target, 0, 0, width, height, source, 0, 0, sourceSize.cx, sourceSize.cy);
        SelectObject(target, previous);
        DeleteDC(target);
    }
    if (doubled) DeleteObject(doubled);
    if (drawn) return scaled;
    if (scaled) DeleteObject(scaled);
    return nullptr;
}

// A picture control shows the embedded picture its text names, at its own size at 100 % and above
// it at the display's scale, made from the double-size drawing (resource "<NAME>_2X") when there
// is one. A picture that is missing or cannot be decoded leaves the control empty. The bitmap is
// the form's to delete.
void ShowPicture(HWND control, const std::wstring& name, int dpi) {
    if (!control) return;
    HINSTANCE instance = TheView().instance;
    HBITMAP plain = LoadEmbeddedPicture(instance, name.c_str());
    if (!plain) return;
    HBITMAP shown = dpi == kBaseDpi ? plain : ScaledPicture(instance, name, plain, dpi);
    if (shown) {
        SetPropW(control, kScaledPictureProperty, shown);
        if (HGDIOBJ old = HGDIOBJ(SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(shown))))
            DeleteObject(old);
    }
    if (shown != plain) DeleteObject(plain);
}

const FormDefinition* DefinitionOf(int slot) {
    const auto forms = TheView().program.Forms();
    return slot >= 0 && std::size_t(slot) < forms.size() ? forms[std::size_t(slot)] : nullptr;
}

std::wstring WindowText(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

bool IsInput(const ControlDefinition& control) {
    return control.kind == ControlKind::Edit || control.kind == ControlKind::ComboBox;
}

// The title in italic blue, 18 pixels high, at x 10 and the form's own y (all three scaled).
void PaintTitle(HWND form, const FormDefinition& definition) {
    const int dpi = TheView().Dpi();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(form, &paint);
    LOGFONTW logFont{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    logFont.lfItalic = TRUE;
    logFont.lfHeight = -Px(18, dpi);
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SetBkColor(dc, GetSysColor(COLOR_MENU));
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring title = Widen(definition.title);
    TextOutW(dc, Px(10, dpi), Px(definition.titleY, dpi), title.c_str(), int(title.size()));
    if (previous) SelectObject(dc, previous);
    if (font) DeleteObject(font);
    EndPaint(form, &paint);
}

// The link labels' font: the dialog font's family replaced by Times New Roman, 22 pixels
// (scaled), italic and underlined; one font for every link label of the form, deleted with it.
void SetLinkFont(HWND form, const FormDefinition& definition) {
    HFONT font = nullptr;
    for (const ControlDefinition& control : definition.dialog.controls) {
        if (control.kind != ControlKind::LinkLabel) continue;
        if (!font) {
            LOGFONTW logFont{};
            GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
            logFont.lfHeight = -Px(22, TheView().Dpi());
            logFont.lfItalic = TRUE;
            logFont.lfUnderline = TRUE;
            wcscpy_s(logFont.lfFaceName, L"Times New Roman");
            font = CreateFontIndirectW(&logFont);
            if (!font) return;
            SetPropW(form, kLinkFontProperty, font);
        }
        SendDlgItemMessageW(form, control.id, WM_SETFONT, WPARAM(font), TRUE);
    }
}

// Texts the user typed reach the model as they change; before a button acts, any text written by
// other means (another program, an input method) is taken over as well.
void CaptureInputs(HWND form, int slot, const FormDefinition& definition) {
    Program& program = TheView().program;
    const auto& instance = program.State().forms[std::size_t(slot)];
    if (!instance) return;
    for (const ControlDefinition& control : definition.dialog.controls) {
        if (!IsInput(control)) continue;
        const std::string text = Narrow(WindowText(GetDlgItem(form, control.id)));
        const ControlState* state = instance->Control(control.id);
        if (state && state->text != text) program.EditText(slot, control.id, text);
    }
}

void OnCommand(HWND form, int slot, const FormDefinition& definition, int id, int code) {
    View& view = TheView();
    if (view.settingTexts) return;
    Program& program = view.program;
    const ControlDefinition* control = definition.dialog.Find(id);
    HWND window = GetDlgItem(form, id);
    if (!control) {
        // The dialog keys of a form whose Storno or OK has another id.
        if (id == IDCANCEL) program.PressEscape(slot);
        if (id == IDOK) {
            CaptureInputs(form, slot, definition);
            program.PressEnter(slot, GetDlgCtrlID(GetFocus()));
        }
    } else if (control->kind == ControlKind::Edit) {
        if (code == EN_CHANGE) program.EditText(slot, id, Narrow(WindowText(window)));
        if (code == EN_SETFOCUS) program.ActivateForm(slot);
    } else if (control->kind == ControlKind::ComboBox) {
        if (code == CBN_EDITCHANGE) program.EditText(slot, id, Narrow(WindowText(window)));
        if (code == CBN_SETFOCUS) program.ActivateForm(slot);
        if (code == CBN_SELCHANGE) {
            const LRESULT index = SendMessageW(window, CB_GETCURSEL, 0, 0);
            if (index >= 0) program.ChooseItem(slot, id, std::size_t(index));
        }
    } else if (control->kind == ControlKind::PushButton || control->kind == ControlKind::DefaultPushButton) {
        if (code != BN_CLICKED) return;
        CaptureInputs(form, slot, definition);
        program.PressButton(slot, id);
    } else if (control->kind == ControlKind::LinkLabel) {
        // A double click is a second click.
        if (code != STN_CLICKED && code != STN_DBLCLK) return;
        program.PressButton(slot, id);
    } else {
        return;
    }
    view.Update();
}

// Forms that colour their statics (the link label's form and the liquid-mixing form): the
// button-face brush behind transparent text, the link in red.
INT_PTR ColourStatic(const FormDefinition& definition, HDC dc, HWND control) {
    if (!(definition.behaviours & (kArticleLink | kWidensMainWindow))) return FALSE;
    SetBkMode(dc, TRANSPARENT);
    const ControlDefinition* item = definition.dialog.Find(GetDlgCtrlID(control));
    if (item && item->kind == ControlKind::LinkLabel) SetTextColor(dc, RGB(255, 0, 0));
    return INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
}

INT_PTR CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(form, DWLP_USER, lParam);
        PlaceAtCreation(form);
        if (const FormDefinition* definition = DefinitionOf(int(lParam))) SetLinkFont(form, *definition);
        return FALSE;  // the model gives the focus
    }
    const int slot = int(GetWindowLongPtrW(form, DWLP_USER));
    const FormDefinition* definition = DefinitionOf(slot);
    if (!definition) return FALSE;
    switch (message) {
        case WM_PAINT:
            PaintTitle(form, *definition);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return ColourStatic(*definition, HDC(wParam), HWND(lParam));
        case WM_SETCURSOR: {
            // The link label keeps the arrow, although every other static shows the hand.
            const ControlDefinition* item = definition->dialog.Find(GetDlgCtrlID(HWND(wParam)));
            if (!item || item->kind != ControlKind::LinkLabel) return FALSE;
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            SetWindowLongPtrW(form, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_COMMAND:
            OnCommand(form, slot, *definition, LOWORD(wParam), HIWORD(wParam));
            return FALSE;
        case WM_DESTROY:
            if (HANDLE font = RemovePropW(form, kLinkFontProperty)) DeleteObject(font);
            for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                if (HANDLE picture = RemovePropW(child, kScaledPictureProperty)) DeleteObject(picture);
            return FALSE;
        default:
            return FALSE;
    }
}

// The control's rectangle in its form's client area.
Rect ClientRect(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

// Gives every one-line static text that is wider than its template rectangle the room beside it
// (model/text_room.h); a centred text that still does not fit shows its start.
void GiveTextsRoom(const FormDefinition& definition, const std::vector<HWND>& windows) {
    const auto& controls = definition.dialog.controls;
    std::vector<ControlPlace> places;
    // A control without a window takes no room.
    for (std::size_t i = 0; i < controls.size() && i < windows.size(); ++i)
        places.push_back({controls[i].kind, windows[i] ? ClientRect(windows[i]) : Rect{}});
    for (std::size_t i = 0; i < places.size(); ++i) {
        HWND window = windows[i];
        if (!window || !TakesTextRoom(controls[i].kind)) continue;
        HDC dc = GetDC(window);
        // Without a font of its own a static writes in the device context's, the system font.
        HFONT font = HFONT(SendMessageW(window, WM_GETFONT, 0, 0));
        HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const std::wstring text = WindowText(window);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
        if (previous) SelectObject(dc, previous);
        ReleaseDC(window, dc);
        // Texts with room for two lines wrap instead.
        if (places[i].rect.height() >= 2 * metrics.tmHeight) continue;
        const bool centred = controls[i].kind != ControlKind::Label;
        const Rect room =
            TextRoom(places, i, int(extent.cx), std::max(1, int(metrics.tmAveCharWidth) / 2), centred);
        places[i].rect = room;
        MoveWindow(window, room.left, room.top, room.width(), room.height(), TRUE);
        if (centred && extent.cx > room.width())
            SetWindowLongPtrW(window, GWL_STYLE,
                              (GetWindowLongPtrW(window, GWL_STYLE) & ~LONG_PTR(SS_CENTER)) | SS_LEFT);
    }
}

// Makes a drop-down list show `items` in this order, keeping what its field shows.
void SyncItems(HWND combo, const std::vector<std::string>& items) {
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    bool same = count == LRESULT(items.size());
    for (std::size_t i = 0; same && i < items.size(); ++i) {
        std::wstring text(std::size_t(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(std::size_t(SendMessageW(combo, CB_GETLBTEXT, i, LPARAM(text.data()))));
        same = text == Widen(items[i]);
    }
    if (same) return;
    const std::wstring field = WindowText(combo);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(Widen(item).c_str()));
    SetWindowTextW(combo, field.c_str());
}

}  // namespace

void PlaceAtCreation(HWND form) {
    RECT client;
    GetClientRect(TheView().mainWindow, &client);
    const Rect place = CreationLayout(client.right, client.bottom, TheView().Dpi()).form;
    MoveWindow(form, place.left, place.top, place.width(), place.height(), TRUE);
}

FormWindow CreateFormWindow(int slot, const FormInstance& form) {
    const View& view = TheView();
    const std::vector<DWORD> dialog = BuildDialogTemplate(FormDialogLayout(*form.definition));
    FormWindow window;
    window.serial = form.serial;
    window.window =
        CreateDialogIndirectParamW(view.instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()),
                                   view.mainWindow, FormProc, LPARAM(slot));
    if (!window.window) return window;
    // Each template control is found by its id, so that a control the dialog manager could not
    // make never hands its texts to the next one.
    std::vector<HWND> children;
    std::vector<int> childIds;
    for (HWND child = GetWindow(window.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
        childIds.push_back(GetDlgCtrlID(child));
    }
    std::vector<int> templateIds;
    for (const ControlDefinition& control : form.definition->dialog.controls) templateIds.push_back(control.id);
    for (int match : MatchControlsById(templateIds, childIds))
        window.controls.push_back(match >= 0 ? children[std::size_t(match)] : nullptr);
    const auto& templateControls = form.definition->dialog.controls;
    for (std::size_t i = 0; i < templateControls.size() && i < window.controls.size(); ++i)
        if (templateControls[i].kind == ControlKind::Picture)
            ShowPicture(window.controls[i], Widen(form.definition->InitialText(templateControls[i])), view.Dpi());
    GiveTextsRoom(*form.definition, window.controls);
    // A screen reader names an edit by the static just before it: each result follows its caption.
    const auto& controls = form.definition->dialog.controls;
    for (int resultId : form.definition->resultIds) {
        const ControlDefinition* result = form.definition->dialog.Find(resultId);
        const ControlDefinition* caption = result ? ResultCaption(*form.definition, *result) : nullptr;
        if (!caption) continue;
        const auto index = [&](const ControlDefinition* c) { return std::size_t(c - controls.data()); };
        if (index(result) < window.controls.size() && index(caption) < window.controls.size() &&
            window.controls[index(result)] && window.controls[index(caption)])
            SetWindowPos(window.controls[index(result)], window.controls[index(caption)], 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // The template gave every control its first text.
    for (const ControlDefinition& control : form.definition->dialog.controls)
        window.written.push_back({std::string(form.definition->InitialText(control)), {}});
    return window;
}

void SyncFormControls(FormWindow& window, const FormInstance& form) {
    const auto& definitions = form.definition->dialog.controls;
    window.written.resize(definitions.size());
    for (std::size_t i = 0; i < definitions.size() && i < window.controls.size() && i < form.controls.size();
         ++i) {
        HWND control = window.controls[i];
        if (!control) continue;
        const ControlState& state = form.controls[i];
        ControlState& written = window.written[i];
        if (definitions[i].kind == ControlKind::Picture) continue;  // its text names its bitmap
        if (definitions[i].kind == ControlKind::ComboBox && state.items != written.items) {
            SyncItems(control, state.items);
            written.items = state.items;
        }
        if (state.text != written.text) {
            const std::wstring text = Widen(state.text);
            if (WindowText(control) != text) SetWindowTextW(control, text.c_str());
            written.text = state.text;
        }
    }
}

}  // namespace kalvora::win32
