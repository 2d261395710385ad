// SPDX-License-Identifier: MIT
// The fonts of the model's roles (model/font_roles.h) as the window system makes them, and their
// measurements as the model takes them.
#pragma once

#include <windows.h>

#include <string>

#include "model/dialog_units.h"
#include "model/font_roles.h"

namespace kalvora::win32 {

// The font of `role` at `dpi`; null where the role has no font of its own (the forms' and
// panels' dialog font and the system font come with their dialogs) or it could not be made.
HFONT CreateRoleFont(FontRole role, int dpi);
// The text colour of `role`, or `otherwise` where the role keeps the window's.
COLORREF RoleColour(FontRole role, COLORREF otherwise);

// The measurements of `font` (null: the system font).
FontMetrics MeasureFont(HFONT font);
// The width of `text` written in `font` (null: the system font).
int TextWidth(HFONT font, const std::wstring& text);

}  // namespace kalvora::win32
