// SPDX-License-Identifier: MIT
// In-memory extended dialog templates (DLGTEMPLATEEX), so that every panel and form is a real
// dialog whose dialog units the dialog manager turns into pixels with its font's base units.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kalvora::win32 {

// The predefined classes of the dialog manager, by their ordinals.
enum class ControlClass : WORD { Button = 0x80, Edit = 0x81, Static = 0x82, ComboBox = 0x85 };

struct DialogItem {
    int id = -1;
    ControlClass controlClass = ControlClass::Static;
    std::wstring text;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogFontFace {
    WORD pointSize = 9;
    WORD weight = FW_NORMAL;
    bool italic = false;
    std::wstring face;
};

struct DialogLayout {
    DWORD style = 0;  // DS_SETFONT is added when `font` is given
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring title;
    std::optional<DialogFontFace> font;  // none: the dialog units follow the system font
    std::vector<DialogItem> items;
};

// The template as the dialog functions take it (DWORD-aligned).
std::vector<DWORD> BuildDialogTemplate(const DialogLayout& dialog);

}  // namespace kalvora::win32
