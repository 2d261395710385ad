// SPDX-License-Identifier: MIT
#include "window_templates.h"

#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include "model/control_presentation.h"
#include "model/shell_data.h"
#include "wide_text.h"

namespace kalvora::win32 {
namespace {

// The forms' and panels' own 9-point font.
DialogFontFace DialogFont9pt() {
    return {9, FW_NORMAL, false, L"MS Shell Dlg"};
}

// What the dialog manager creates for a control of the core's template: its class and styles,
// the alignment, typing limit and tab stop as the model presents it. The view places it later,
// once its fonts can be measured.
DialogItem ItemFor(const FormDefinition& form, const ControlDefinition& control,
                   const ControlPresentation& shown) {
    DialogItem item;
    item.id = control.id;
    item.text = Widen(form.InitialText(control));
    item.x = short(control.x);
    item.y = short(control.y);
    item.cx = short(control.cx);
    item.cy = short(control.cy);
    DWORD style = WS_CHILD | WS_VISIBLE | (shown.focus == FocusKind::TabStop ? WS_TABSTOP : 0);
    const unsigned flags = control.flags;
    const bool centred = shown.alignment == HorizontalAlignment::Centre;
    const DWORD staticAlignment = centred ? SS_CENTER : SS_LEFT;
    const DWORD editAlignment = centred ? ES_CENTER : ES_LEFT;
    switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::CentredLabel:
        case ControlKind::SunkenLabel:
            item.controlClass = ControlClass::Static;
            style |= staticAlignment | (control.kind == ControlKind::SunkenLabel ? SS_SUNKEN : 0);
            break;
        case ControlKind::GroupBox:
            item.controlClass = ControlClass::Button;
            style |= BS_GROUPBOX | ((flags & kFlat) ? BS_FLAT : 0);
            break;
        case ControlKind::ResultField:
            // The bordered centred box of the template as a read-only edit: a screen reader reads
            // its caption and its text, the user can select and copy the whole result, and a result
            // wider than the box shows its beginning and scrolls.
            item.controlClass = ControlClass::Edit;
            style |= ES_READONLY | editAlignment | ES_AUTOHSCROLL | WS_BORDER;
            break;
        case ControlKind::ReadOnlyEdit:
            item.controlClass = ControlClass::Edit;
            style |= ES_READONLY | editAlignment | ES_AUTOHSCROLL;
            item.exStyle |= WS_EX_CLIENTEDGE | ((flags & kDialogFrame) ? WS_EX_DLGMODALFRAME : 0);
            break;
        case ControlKind::Edit:
            item.controlClass = ControlClass::Edit;
            style |= editAlignment | (shown.stopsAtWidth ? 0 : ES_AUTOHSCROLL);
            if (flags & kClientEdge)
                item.exStyle |= WS_EX_CLIENTEDGE;
            else
                style |= WS_BORDER;
            break;
        case ControlKind::ComboBox:
            // The model keeps the items in the order the list shows them: the list never sorts.
            item.controlClass = ControlClass::ComboBox;
            style |= CBS_DROPDOWN | (shown.stopsAtWidth ? 0 : CBS_AUTOHSCROLL) |
                     ((flags & kVerticalScroll) ? WS_VSCROLL : 0);
            break;
        case ControlKind::PushButton:
            item.controlClass = ControlClass::Button;
            style |= BS_PUSHBUTTON;
            break;
        case ControlKind::DefaultPushButton:
            item.controlClass = ControlClass::Button;
            style |= BS_DEFPUSHBUTTON;
            break;
        case ControlKind::Picture:
            // Its text names the embedded picture the form window puts into the static.
            item.controlClass = ControlClass::Static;
            style |= SS_BITMAP | SS_CENTERIMAGE | SS_REALSIZEIMAGE | SS_SUNKEN | WS_BORDER;
            break;
        case ControlKind::LinkLabel:
            item.controlClass = ControlClass::Static;
            style |= staticAlignment | SS_NOTIFY;
            break;
    }
    item.style = style;
    return item;
}

}  // namespace

DialogLayout FormDialogLayout(const FormDefinition& form) {
    DialogLayout dialog;
    // A child with a sizing frame and no caption bar, made hidden (the view shows it when the
    // model does); the window's text is the painted title, so that screen readers name the form.
    dialog.style = WS_CHILD | WS_THICKFRAME | WS_CLIPSIBLINGS;
    dialog.cx = short(form.dialog.cx);
    dialog.cy = short(form.dialog.cy);
    dialog.title = Widen(form.title);
    if (form.dialog.font == kalvora::DialogFont::Dialog9pt) dialog.font = DialogFont9pt();
    // The styles do not depend on the fonts' measurements.
    const std::vector<ControlPresentation> shown = PresentControls(form.dialog, {}, {});
    for (std::size_t i = 0; i < form.dialog.controls.size(); ++i)
        dialog.items.push_back(ItemFor(form, form.dialog.controls[i], shown[i]));
    return dialog;
}

DialogLayout PanelDialogLayout(const PanelData& panel) {
    DialogLayout dialog;
    dialog.style = WS_CHILD | WS_VISIBLE | WS_THICKFRAME | WS_CLIPSIBLINGS;
    dialog.cx = 80;
    dialog.cy = 240;
    dialog.title = PanelTitle(panel.field);
    dialog.font = DialogFont9pt();
    short y = 0;
    for (const PanelLabel& label : panel.labels) {
        DialogItem item;
        item.id = label.id;
        item.text = Widen(label.text);
        item.style = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOTIFY | SS_LEFT;
        item.x = 1;
        item.y = y;
        item.cx = 157;
        item.cy = 8;
        dialog.items.push_back(item);
        y = short(y + 15);
    }
    return dialog;
}

DialogLayout HelpWindowLayout() {
    DialogLayout dialog;
    // A top-level window without owner at 5, 5 of the screen, with caption, system menu, sizing
    // frame and the minimise and maximise boxes.
    dialog.style =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE;
    dialog.exStyle = WS_EX_APPWINDOW;
    dialog.x = 5;
    dialog.y = 5;
    dialog.cx = 188;
    dialog.cy = 103;
    dialog.title = Widen(text::kHelpWindowTitle);
    dialog.font = DialogFontFace{10, FW_NORMAL, false, L"MS Sans Serif"};
    DialogItem picture;
    picture.id = kHelpPictureId;
    picture.style =
        WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE | SS_REALSIZEIMAGE | SS_SUNKEN | WS_BORDER;
    picture.x = 4;
    picture.y = 3;
    picture.cx = 179;
    picture.cy = 77;
    DialogItem ok;
    ok.id = IDOK;
    ok.controlClass = ControlClass::Button;
    ok.text = L"OK";
    ok.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
    ok.x = 67;
    ok.y = 84;
    ok.cx = 50;
    ok.cy = 14;
    dialog.items = {picture, ok};
    return dialog;
}

std::wstring PanelTitle(Field field) {
    for (const FieldCommand& command : kFieldCommands) {
        if (command.field != field) continue;
        std::string_view text = command.menuText;
        if (const auto mnemonic = text.find("(&"); mnemonic != std::string_view::npos)
            text = text.substr(0, mnemonic);
        return Widen(text);
    }
    return {};
}

}  // namespace kalvora::win32
