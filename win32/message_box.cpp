// SPDX-License-Identifier: MIT
#include "message_box.h"

#include "wide_text.h"

namespace kalvora::win32 {
namespace {

HHOOK czechButtonsHook = nullptr;

// Renames the Yes and No buttons of the box being activated, then steps aside.
LRESULT CALLBACK CzechButtons(int code, WPARAM wParam, LPARAM lParam) {
    HHOOK hook = czechButtonsHook;
    if (code == HCBT_ACTIVATE) {
        HWND box = HWND(wParam);
        if (GetDlgItem(box, IDYES)) SetDlgItemTextW(box, IDYES, L"&Ano");
        if (GetDlgItem(box, IDNO)) SetDlgItemTextW(box, IDNO, L"&Ne");
        UnhookWindowsHookEx(hook);
        czechButtonsHook = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
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
