// SPDX-License-Identifier: MIT
#include "message_box.h"

#include "wide_text.h"

namespace kalvora::win32 {
namespace {

HHOOK czechButtonsHook = nullptr;

// Renames the Yes and No buttons of the box being activated, then steps aside: the next hook
// hears of the activation while this one is still installed, and only then is it removed.
LRESULT CALLBACK CzechButtons(int code, WPARAM wParam, LPARAM lParam) {
    HHOOK hook = czechButtonsHook;
    if (code != HCBT_ACTIVATE) return CallNextHookEx(hook, code, wParam, lParam);
    HWND box = HWND(wParam);
    if (GetDlgItem(box, IDYES)) SetDlgItemTextW(box, IDYES, L"&Ano");
    if (GetDlgItem(box, IDNO)) SetDlgItemTextW(box, IDNO, L"&Ne");
    const LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
    if (hook) UnhookWindowsHookEx(hook);
    czechButtonsHook = nullptr;
    return result;
}

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
        case MessageIcon::None:
            break;
    }
    return 0;
}

}  // namespace

BoxAnswer ShowMessageBox(HWND owner, const WaitingBox& box) {
    const UINT buttons = box.buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    // Without the hook (it could not be set) the box still asks, with the system's button texts.
    if (box.buttons == BoxButtons::YesNo)
        czechButtonsHook = SetWindowsHookExW(WH_CBT, CzechButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, Widen(box.text).c_str(), Widen(box.caption).c_str(),
                                   buttons | IconStyle(box.icon));
    if (czechButtonsHook) {
        UnhookWindowsHookEx(czechButtonsHook);
        czechButtonsHook = nullptr;
    }
    if (answer == IDYES) return BoxAnswer::Yes;
    if (answer == IDNO) return BoxAnswer::No;
    return BoxAnswer::Ok;
}

}  // namespace kalvora::win32
