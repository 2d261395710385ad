// SPDX-License-Identifier: MIT
// The toolbar and its picture strip, delivered as the file toolbar508.bmp beside the program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kalvora::win32 {

// Where the strip is looked for, in order: the current folder, then the program's folder.
std::vector<std::wstring> ToolbarStripCandidates();
// The strip the model's rule chooses among the candidates that load as bitmaps; null when none
// is usable. A file that exists but is damaged or not shaped like a strip is passed over.
HBITMAP LoadToolbarStrip(const std::vector<std::wstring>& candidates);
// The toolbar (control 179) with its eleven buttons and three separators; without a strip the
// buttons show their short texts.
HWND CreateToolbar(HWND mainWindow, HINSTANCE instance, HBITMAP strip);
// The tooltip text of a toolbar button, or null for an unknown id.
const wchar_t* ToolTipText(UINT_PTR commandId);

}  // namespace kalvora::win32
