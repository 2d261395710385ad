// SPDX-License-Identifier: MIT
#include "toolbar.h"

#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include <array>
#include <optional>

#include "model/shell_data.h"
#include "model/toolbar_strip.h"
#include "model/geometry.h"
#include "picture_scaling.h"
#include "services.h"
#include "view.h"
#include "wide_text.h"

namespace kalvora::win32 {
namespace {

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

// "folder\\toolbar508.bmp" becomes "folder\\toolbar508@2x.bmp".
std::wstring DoubleSizeName(const std::wstring& path) {
    const std::size_t dot = path.find_last_of(L'.');
    const std::size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return path + L"@2x";
    return path.substr(0, dot) + L"@2x" + path.substr(dot);
}

// The strip cut into its images, each scaled to `image` pixels, side by side; null when the
// bitmap could not be made.
HBITMAP ScaledStrip(HBITMAP source, SIZE image, int count) {
    const SIZE size = BitmapSize(source);
    const int sourceWidth = size.cx / count;
    HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    HBITMAP scaled = CreateCompatibleBitmap(screen, image.cx * count, image.cy);
    HDC target = scaled ? CreateCompatibleDC(screen) : nullptr;
    ReleaseDC(nullptr, screen);
    if (!target) {
        if (scaled) DeleteObject(scaled);
        return nullptr;
    }
    HGDIOBJ previous = SelectObject(target, scaled);
    bool drawn = true;
    // Image by image, so that filtering never mixes the edges of two neighbours.
    for (int i = 0; i < count && drawn; ++i)
        drawn = DrawScaled(target, i * image.cx, 0, image.cx, image.cy, source, i * sourceWidth, 0, sourceWidth,
                           size.cy);
    SelectObject(target, previous);
    DeleteDC(target);
    if (!drawn) {
        DeleteObject(scaled);
        return nullptr;
    }
    return scaled;
}

// The strip the toolbar shows at `dpi`, and its image size. At 100 % the strip as found; above,
// a bitmap the view keeps, made from the double-size drawing where there is one. When scaling
// fails the plain strip serves at its own size.
HBITMAP StripAtScale(int dpi, int count, SIZE& image) {
    View& view = TheView();
    if (view.scaledStrip) {
        DeleteObject(view.scaledStrip);
        view.scaledStrip = nullptr;
    }
    const SIZE plain = BitmapSize(view.strip);
    image = {plain.cx / count, plain.cy};
    if (dpi == kBaseDpi) return view.strip;
    const bool fromDouble = ScalesFromDoubleSize(dpi, view.doubleStrip != nullptr);
    const SIZE scaled{Scaled(image.cx, dpi), Scaled(image.cy, dpi)};
    view.scaledStrip = ScaledStrip(fromDouble ? view.doubleStrip : view.strip, scaled, count);
    if (!view.scaledStrip) return view.strip;
    image = scaled;
    return view.scaledStrip;
}

}  // namespace

std::vector<std::wstring> ToolbarStripCandidates() {
    return DeliveredFileCandidates(Widen(text::kToolbarFileName));
}

ToolbarStrips LoadToolbarStrips(const std::vector<std::wstring>& candidates) {
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
    ToolbarStrips strips;
    if (!chosen) return strips;
    strips.plain = loaded[*chosen];
    // Only the twin beside the chosen strip is read: the others could not be chosen.
    const std::wstring doublePath = DoubleSizeName(candidates[*chosen]);
    HBITMAP doubled = HBITMAP(LoadImageW(nullptr, doublePath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    std::vector<std::optional<PictureSize>> doubles(candidates.size());
    if (doubled) doubles[*chosen] = PictureSize{BitmapSize(doubled).cx, BitmapSize(doubled).cy};
    if (ChooseDoubleToolbarStrip(sizes, doubles))
        strips.doubleSize = doubled;
    else if (doubled)
        DeleteObject(doubled);
    return strips;
}

HWND CreateToolbar(HWND mainWindow, HINSTANCE instance, int dpi) {
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                                   mainWindow, HMENU(INT_PTR(kToolbarId)), instance, nullptr);
    if (!toolbar) return nullptr;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const int count = int(kToolbarButtons.size());
    SIZE image{Scaled(kToolbarImageSize, dpi), Scaled(kToolbarImageSize, dpi)};
    HBITMAP strip = TheView().strip ? StripAtScale(dpi, count, image) : nullptr;
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
