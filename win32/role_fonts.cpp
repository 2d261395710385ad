// SPDX-License-Identifier: MIT
#include "role_fonts.h"

#include <cwchar>

#include "display_scale.h"
#include "wide_text.h"

namespace kalvora::win32 {
namespace {

// Runs `measure` on a screen device context with `font` selected.
template <typename Measure>
void WithFont(HFONT font, Measure measure) {
    HDC dc = GetDC(nullptr);
    if (!dc) return;
    HGDIOBJ previous = SelectObject(dc, font ? HGDIOBJ(font) : GetStockObject(SYSTEM_FONT));
    measure(dc);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
}

}  // namespace

HFONT CreateRoleFont(FontRole role, int dpi) {
    if (role == FontRole::Dialog || role == FontRole::System) return nullptr;
    const FontFace face = FontFor(role);
    // The dialog family and its character set, from the system's dialog font.
    LOGFONTW logFont{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    if (!face.family.empty()) wcscpy_s(logFont.lfFaceName, Widen(face.family).c_str());
    if (face.pixels) logFont.lfHeight = -Px(face.pixels, dpi);
    if (face.points) logFont.lfHeight = -MulDiv(face.points, dpi, 72);
    logFont.lfItalic = face.italic;
    logFont.lfUnderline = face.underline;
    if (face.weight == FontWeight::DemiBold) logFont.lfWeight = FW_SEMIBOLD;
    return CreateFontIndirectW(&logFont);
}

COLORREF RoleColour(FontRole role, COLORREF otherwise) {
    const auto colour = FontFor(role).colour;
    return colour ? RGB(colour->r, colour->g, colour->b) : otherwise;
}

FontMetrics MeasureFont(HFONT font) {
    FontMetrics metrics;
    WithFont(font, [&](HDC dc) {
        TEXTMETRICW text{};
        GetTextMetricsW(dc, &text);
        SIZE alphabet{};
        GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &alphabet);
        metrics = {int(alphabet.cx), int(text.tmHeight), int(text.tmAveCharWidth)};
    });
    return metrics;
}

int TextWidth(HFONT font, const std::wstring& text) {
    SIZE extent{};
    WithFont(font, [&](HDC dc) { GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent); });
    return int(extent.cx);
}

}  // namespace kalvora::win32
