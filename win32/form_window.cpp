// SPDX-License-Identifier: MIT
#include "form_window.h"

#include <algorithm>

#include "control_matching.h"
#include "dialog_builder.h"
#include "display_scale.h"
#include "embedded_picture.h"
#include "model/form_presentation.h"
#include "model/result_caption.h"
#include "model/text_room.h"
#include "picture_scaling.h"
#include "role_fonts.h"
#include "wide_text.h"
#include "window_templates.h"

namespace kalvora::win32 {
namespace {

constexpr wchar_t kLinkFontProperty[] = L"KalvoraLinkFont";
constexpr wchar_t kTitleFontProperty[] = L"KalvoraTitleFont";
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

const FormWindow* WindowOf(int slot) {
    const auto& forms = TheView().forms;
    return slot >= 0 && std::size_t(slot) < forms.size() ? &forms[std::size_t(slot)] : nullptr;
}

// The title in its own font and colour, in the cell the model gives it.
void PaintTitle(HWND form, const FormDefinition& definition, const Rect& cell) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(form, &paint);
    HFONT font = HFONT(GetPropW(form, kTitleFontProperty));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SetTextColor(dc, RoleColour(FontRole::Title, GetSysColor(COLOR_WINDOWTEXT)));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring title = Widen(definition.title);
    TextOutW(dc, cell.left, cell.top, title.c_str(), int(title.size()));
    if (previous) SelectObject(dc, previous);
    EndPaint(form, &paint);
}

// The fonts of the form's own roles, made once for the form and deleted with it: the title's,
// and the link labels' where the form has one.
void SetRoleFonts(HWND form, const FormDefinition& definition) {
    const int dpi = TheView().Dpi();
    if (HFONT title = CreateRoleFont(FontRole::Title, dpi)) SetPropW(form, kTitleFontProperty, title);
    HFONT link = nullptr;
    for (const ControlDefinition& control : definition.dialog.controls) {
        if (control.kind != ControlKind::LinkLabel) continue;
        if (!link && !(link = CreateRoleFont(FontRole::Link, dpi))) return;
        SetPropW(form, kLinkFontProperty, link);
        SendDlgItemMessageW(form, control.id, WM_SETFONT, WPARAM(link), TRUE);
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
    if (item && item->kind == ControlKind::LinkLabel)
        SetTextColor(dc, RoleColour(FontRole::Link, GetSysColor(COLOR_WINDOWTEXT)));
    return INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
}

INT_PTR CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(form, DWLP_USER, lParam);
        PlaceAtCreation(form);
        if (const FormDefinition* definition = DefinitionOf(int(lParam))) SetRoleFonts(form, *definition);
        return FALSE;  // the model gives the focus
    }
    const int slot = int(GetWindowLongPtrW(form, DWLP_USER));
    const FormDefinition* definition = DefinitionOf(slot);
    if (!definition) return FALSE;
    switch (message) {
        case WM_PAINT:
            PaintTitle(form, *definition, WindowOf(slot) ? WindowOf(slot)->title : Rect{});
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return ColourStatic(*definition, HDC(wParam), HWND(lParam));
        case WM_SETCURSOR: {
            // The model's cursor of the control under the mouse.
            const FormWindow* window = WindowOf(slot);
            const auto& controls = definition->dialog.controls;
            const ControlDefinition* item = definition->dialog.Find(GetDlgCtrlID(HWND(wParam)));
            const std::size_t index = item ? std::size_t(item - controls.data()) : controls.size();
            if (!window || index >= window->presentation.size()) return FALSE;
            switch (window->presentation[index].cursor) {
                case CursorRole::Arrow:
                    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
                    break;
                case CursorRole::Static:
                    SetCursor(LoadCursorW(TheView().instance, MAKEINTRESOURCEW(kHandCursorId)));
                    break;
                case CursorRole::Default:
                    return FALSE;
            }
            SetWindowLongPtrW(form, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_COMMAND:
            OnCommand(form, slot, *definition, LOWORD(wParam), HIWORD(wParam));
            return FALSE;
        case WM_DESTROY:
            if (HANDLE font = RemovePropW(form, kLinkFontProperty)) DeleteObject(font);
            if (HANDLE font = RemovePropW(form, kTitleFontProperty)) DeleteObject(font);
            for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                if (HANDLE picture = RemovePropW(child, kScaledPictureProperty)) DeleteObject(picture);
            return FALSE;
        default:
            return FALSE;
    }
}

bool IsStaticClass(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CentredLabel ||
           kind == ControlKind::SunkenLabel || kind == ControlKind::LinkLabel;
}

// Places every control where the model puts it, measured in the fonts the form writes in. A form
// without a font of its own writes in the system font, whose line height is measured here: the
// dialog manager's own base unit for it does not always follow the font (Wine above 96 DPI).
void Present(FormWindow& window, const FormDefinition& definition) {
    const auto& controls = definition.dialog.controls;
    HFONT dialogFont = HFONT(SendMessageW(window.window, WM_GETFONT, 0, 0));
    HFONT linkFont = HFONT(GetPropW(window.window, kLinkFontProperty));
    HFONT titleFont = HFONT(GetPropW(window.window, kTitleFontProperty));
    ControlMetrics metrics;
    metrics.font = MeasureFont(dialogFont);
    metrics.link = linkFont ? MeasureFont(linkFont) : metrics.font;
    std::vector<int> textWidths(controls.size());
    for (std::size_t i = 0; i < controls.size() && i < window.controls.size(); ++i) {
        HWND control = window.controls[i];
        if (!control) continue;
        const ControlKind kind = controls[i].kind;
        if (TakesTextRoom(kind))
            textWidths[i] =
                TextWidth(kind == ControlKind::LinkLabel ? linkFont : dialogFont, WindowText(control));
        if (kind == ControlKind::ComboBox) {
            // A drop-down list's window is as high as its closed field.
            RECT field;
            GetWindowRect(control, &field);
            metrics.comboFieldHeight = field.bottom - field.top;
            metrics.listRowHeight = int(SendMessageW(control, CB_GETITEMHEIGHT, 0, 0));
        }
    }
    const std::wstring title = Widen(definition.title);
    const TextExtent titleExtent{TextWidth(titleFont, title), MeasureFont(titleFont).height};
    const FormPresentation shown = PresentForm(definition, metrics, textWidths, titleExtent, TheView().Dpi());
    window.title = shown.title;
    window.presentation = shown.controls;
    const BaseUnits base = BaseUnitsOf(metrics.font);
    for (std::size_t i = 0; i < shown.controls.size() && i < window.controls.size(); ++i) {
        HWND control = window.controls[i];
        if (!control) continue;
        const ControlPresentation& place = shown.controls[i];
        // A drop-down list's window holds its list too: the template's whole height.
        const int height = controls[i].kind == ControlKind::ComboBox ? DialogYToPixels(controls[i].cy, base)
                                                                     : place.rect.height();
        MoveWindow(control, place.rect.left, place.rect.top, place.rect.width(), height, TRUE);
        if (!IsStaticClass(controls[i].kind)) continue;
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE) & ~LONG_PTR(SS_TYPEMASK);
        SetWindowLongPtrW(control, GWL_STYLE,
                          style | (place.alignment == HorizontalAlignment::Centre ? SS_CENTER : SS_LEFT));
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
    Present(window, *form.definition);
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
