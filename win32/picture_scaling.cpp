// SPDX-License-Identifier: MIT
#include "picture_scaling.h"

namespace kalvora::win32 {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP description{};
    if (!bitmap || !GetObjectW(bitmap, sizeof description, &description)) return {0, 0};
    return {description.bmWidth, description.bmHeight};
}

bool DrawScaled(HDC target, int x, int y, int width, int height, HBITMAP source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight) {
    if (!target || !source || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return false;
    HDC memory = CreateCompatibleDC(target);
    if (!memory) return false;
    HGDIOBJ previous = SelectObject(memory, source);
    bool drawn;
    if (width == sourceWidth && height == sourceHeight) {
        drawn = BitBlt(target, x, y, width, height, memory, sourceX, sourceY, SRCCOPY) != FALSE;
    } else {
        const bool whole = (width % sourceWidth == 0 && height % sourceHeight == 0 &&
                            width / sourceWidth == height / sourceHeight);
        const int oldMode = SetStretchBltMode(target, whole ? COLORONCOLOR : HALFTONE);
        POINT oldOrigin{};
        // Halftone needs the brush origin set after the mode.
        if (!whole) SetBrushOrgEx(target, 0, 0, &oldOrigin);
        drawn = StretchBlt(target, x, y, width, height, memory, sourceX, sourceY, sourceWidth, sourceHeight,
                           SRCCOPY) != FALSE;
        if (!whole) SetBrushOrgEx(target, oldOrigin.x, oldOrigin.y, nullptr);
        if (oldMode) SetStretchBltMode(target, oldMode);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    return drawn;
}

}  // namespace kalvora::win32
