// SPDX-License-Identifier: MIT
#include "toolbar.h"

#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include <array>
#include <optional>

#include "model/shell_data.h"
#include "model/toolbar_strip.h"
#include "services.h"
#include "view.h"
#include "wide_text.h"

namespace kalvora::win32 {
namespace {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP description{};
    GetObjectW(bitmap, sizeof description, &description);
    return {description.bmWidth, description.bmHeight};
}

// The tooltips and short texts as the toolbar takes them, kept for the program's life.
struct ButtonTexts {
    std::array<std::wstring, kToolbarButtons.size()> toolTips;
    std::array<std::wstring, kToolbarButtons.size()> shortTexts;
};

const ButtonTexts& Texts() {
    static const ButtonTexts texts = [] {
        ButtonTexts t;
        for (std::size_t i = 0; i < kToolbarButtons.size(); ++i) {
            t.toolTips[i] = Widen(kToolbarButtons[i].toolTip);
            t.shortTexts[i] = Widen(kToolbarButtons[i].shortText);
        }
        return t;
    }();
    return texts;
}

}  // namespace

std::vector<std::wstring> ToolbarStripCandidates() {
    return DeliveredFileCandidates(Widen(text::kToolbarFileName));
}

HBITMAP LoadToolbarStrip(const std::vector<std::wstring>& candidates) {
    std::vector<HBITMAP> loaded;
    std::vector<std::optional<PictureSize>> sizes;
    for (const std::wstring& candidate : candidates) {
        HBITMAP strip = HBITMAP(LoadImageW(nullptr, candidate.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        loaded.push_back(strip);
        if (!strip) {
            sizes.emplace_back();
            continue;
        }
        const SIZE size = BitmapSize(strip);
        sizes.push_back(PictureSize{size.cx, size.cy});
    }
    const std::optional<std::size_t> chosen = ChooseToolbarStrip(sizes);
    for (std::size_t i = 0; i < loaded.size(); ++i)
        if (loaded[i] && i != chosen) DeleteObject(loaded[i]);
    return chosen ? loaded[*chosen] : nullptr;
}

HWND CreateToolbar(HWND mainWindow, HINSTANCE instance, HBITMAP strip) {
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                                   mainWindow, HMENU(INT_PTR(kToolbarId)), instance, nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const int count = int(kToolbarButtons.size());
    SIZE image{kToolbarImageSize, kToolbarImageSize};
    if (strip) {
        image = BitmapSize(strip);
        image.cx /= count;
    }
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(image.cx, image.cy));
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELONG(image.cx, image.cy));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    if (strip) {
        TBADDBITMAP bitmap{nullptr, UINT_PTR(strip)};
        SendMessageW(toolbar, TB_ADDBITMAP, WPARAM(count), LPARAM(&bitmap));
    }
    std::array<TBBUTTON, kToolbarButtons.size()> buttons{};
    for (int i = 0; i < count; ++i) {
        buttons[std::size_t(i)].iBitmap = strip ? i : I_IMAGENONE;
        buttons[std::size_t(i)].idCommand = kToolbarButtons[std::size_t(i)].commandId;
        buttons[std::size_t(i)].fsState = TBSTATE_ENABLED;
        buttons[std::size_t(i)].fsStyle = BTNS_BUTTON;
        // Without pictures a button shows its short text.
        buttons[std::size_t(i)].iString = strip ? 0 : INT_PTR(Texts().shortTexts[std::size_t(i)].c_str());
    }
    SendMessageW(toolbar, TB_ADDBUTTONSW, WPARAM(count), LPARAM(buttons.data()));
    for (int position : kSeparatorPositions) {
        TBBUTTON separator{};
        separator.fsState = TBSTATE_ENABLED;
        separator.fsStyle = BTNS_SEP;
        SendMessageW(toolbar, TB_INSERTBUTTONW, WPARAM(position), LPARAM(&separator));
    }
    ShowWindow(toolbar, SW_SHOW);
    return toolbar;
}

const wchar_t* ToolTipText(UINT_PTR commandId) {
    for (std::size_t i = 0; i < kToolbarButtons.size(); ++i)
        if (UINT_PTR(kToolbarButtons[i].commandId) == commandId) return Texts().toolTips[i].c_str();
    return nullptr;
}

}  // namespace kalvora::win32
