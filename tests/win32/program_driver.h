// SPDX-License-Identifier: MIT
// Starts the real kalvora.exe and drives its windows from outside, as a user or an assistive tool
// does: window messages to set texts, click and press keys, and reading what the windows show.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvora::win32::test {

using namespace std::chrono_literals;

// The help window's picture frame: a dialog with it is the help window, not a message box.
inline constexpr int kHelpPicture = 233;

// Waits until `condition` holds, checking every 20 ms; false when `timeout` passed first.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5000ms);

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);

// A message box of the program: its window, caption, text and button texts.
struct Box {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    HWND owner = nullptr;
    std::vector<std::wstring> buttons;
};

// The folder of this test program, where kalvora.exe and its files lie.
std::wstring BuildFolder();

class RunningProgram {
public:
    // Starts `program` (default: kalvora.exe of the build folder) with `workingFolder` as its
    // current folder (default: the build folder) and waits for its main window.
    explicit RunningProgram(std::wstring workingFolder = {}, std::wstring program = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    // The program's visible top-level windows other than the main window.
    std::vector<HWND> OtherTopLevelWindows() const;

    // The visible child dialog of the main window whose window text is `title` (a form or a
    // panel), waiting for it; null when none appears.
    HWND WaitForChild(const std::wstring& title, std::chrono::milliseconds timeout = 5000ms) const;
    HWND FindChild(const std::wstring& title) const;
    // The form on screen: the visible child dialog right of the panel.
    HWND VisibleForm() const;
    HWND Panel() const;

    // Opens a topic as the user does: the field's command (a fresh panel and its first form), then
    // the topic's label unless `label` is 0; the form with this title, or null.
    HWND OpenTopic(int fieldCommand, int label, const std::wstring& title) const;
    // A menu or toolbar command, as the menu or the toolbar sends it.
    void Command(int id) const;
    // A mouse click (or double click) on a control, as the mouse gives it.
    void Click(HWND control) const;
    void DoubleClick(HWND control) const;
    // Types `text` into an edit or a drop-down list's field, replacing what it held.
    void SetText(HWND control, const std::wstring& text) const;
    // A key pressed and released in `window` (through the program's message loop).
    void Key(HWND window, WORD virtualKey) const;

    // Posts a character typed at the end of an edit's text. Posted messages are handled in the order they
    // were posted: once the character shows, everything posted before it has been handled.
    void Type(HWND control, wchar_t character) const;

    // The message boxes of this program on screen now.
    std::vector<Box> Boxes() const;
    // The boxes the program shows before it handles a command posted now: asks for the help text,
    // whose box comes after every box the program had waiting, answers it and returns the other
    // boxes on screen at that moment; nothing when the help text did not come.
    std::optional<std::vector<Box>> BoxesBeforeNextCommand() const;

    // The message box of this program with this caption, waiting for it.
    std::optional<Box> WaitForBox(const std::wstring& caption,
                                  std::chrono::milliseconds timeout = 5000ms) const;
    void Answer(const Box& box, int buttonId) const;

    // Waits for the process to end; its exit status, or nothing when it still runs.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = 10000ms);
    bool Running() const;

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// The control `id` of a dialog (first of that id).
HWND Control(HWND dialog, int id);
// Sends a message whose lParam points to a buffer the control fills: the buffer lives in the
// program's process for the call and is copied into `buffer` afterwards.
LRESULT RemoteCall(DWORD processId, HWND window, UINT message, WPARAM wParam, void* buffer, std::size_t size);
// A picture of a window as it is on the screen, saved as a 24-bit BMP file, once the window is
// drawn: two pictures taken one after the other are the same.
bool SaveScreenshot(HWND window, const std::wstring& path);
// The colour of pixel (x, y) of the window's client area on the screen.
COLORREF PixelAt(HWND window, int x, int y);

}  // namespace kalvora::win32::test
