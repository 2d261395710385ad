// SPDX-License-Identifier: MIT
// The toolbar and its picture strip, delivered as the file toolbar508.bmp beside the program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kalvora::win32 {

// Where the strip is looked for, in order: the current folder, then the program's folder.
std::vector<std::wstring> ToolbarStripCandidates();
struct ToolbarStrips {
    HBITMAP plain = nullptr;       // null when no candidate is usable
    HBITMAP doubleSize = nullptr;  // toolbar508@2x.bmp beside the chosen strip, when it is twice its size
};
// The strip the model's rule chooses among the candidates that load as bitmaps, and its
// double-size drawing from the same folder. A file that exists but is damaged or not shaped like
// a strip is passed over.
ToolbarStrips LoadToolbarStrips(const std::vector<std::wstring>& candidates);
// The toolbar (control 179) with its eleven buttons and three separators, its images at `dpi`
// from the view's strips (the scaled strip is kept in the view); without a strip the buttons show
// their short texts. Null when the window could not be made: the program goes on without it.
HWND CreateToolbar(HWND mainWindow, HINSTANCE instance, int dpi);
// The tooltip text of a toolbar button, or null for an unknown id.
const wchar_t* ToolTipText(UINT_PTR commandId);

}  // namespace kalvora::win32
