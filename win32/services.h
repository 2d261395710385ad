// SPDX-License-Identifier: MIT
// What the program asks of Windows beyond its own windows: addresses, other programs, memory.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/effect.h"
#include "model/memory_status.h"

namespace kalvora::win32 {

// Physical memory from GlobalMemoryStatusEx, or nothing when the call fails.
std::optional<MemoryFigures> ReadMemory();
// Opens a web page or a mailto: link with the user's default program.
void OpenAddress(std::string_view address, bool maximised);
// Where a file delivered with the program is looked for, in order: the current folder, then the
// program's own folder.
std::vector<std::wstring> DeliveredFileCandidates(std::wstring_view fileName);
// The full path of a file delivered with the program: in the current folder, else in the
// program's own folder; empty when neither has it.
std::wstring FindDeliveredFile(std::wstring_view fileName);
// Opens the offline help page delivered beside the program in the default browser.
void OpenHelpPage();
// Starts a program of the Windows system folder (notepad.exe, calc.exe) without a shell.
void StartSystemProgram(const wchar_t* fileName);
void ShowAbout(HWND owner);
// Carries out an effect that asks something of the system (an address, the help page, another
// program, the about box, owned by `owner`); false for an effect on the program's own windows.
bool CarryOutService(const Effect& effect, HWND owner);
// Balances the COM initialisation the shell functions made, if they were used; at the end.
void ReleaseShell();

}  // namespace kalvora::win32
