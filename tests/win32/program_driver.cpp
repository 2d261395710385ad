// SPDX-License-Identifier: MIT
#include "program_driver.h"

#include <stdexcept>
#include <thread>

#include "model/shell_data.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

struct Search {
    DWORD processId = 0;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(CollectTopLevel, LPARAM(&search));
    return search.windows;
}

std::vector<HWND> VisibleChildDialogs(HWND parent) {
    std::vector<HWND> dialogs;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && ClassOf(child) == L"#32770") dialogs.push_back(child);
    return dialogs;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, LPARAM(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, 256);
    return buffer;
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

std::wstring BuildFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

HWND Control(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

RunningProgram::RunningProgram(std::wstring workingFolder, std::wstring program) {
    if (workingFolder.empty()) workingFolder = BuildFolder();
    if (program.empty()) program = BuildFolder() + L"\\kalvora.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &process_))
        throw std::runtime_error("kalvora.exe did not start: error " + std::to_string(GetLastError()));
    WaitFor(
        [this] {
            for (HWND window : TopLevelWindows(process_.dwProcessId))
                if (ClassOf(window) == L"WinAPIMainClass") mainWindow_ = window;
            return mainWindow_ != nullptr;
        },
        20000ms);
    // Started: the panel and the first form stand beside each other.
    WaitFor([this] { return Panel() && VisibleForm(); });
}

RunningProgram::~RunningProgram() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<HWND> RunningProgram::OtherTopLevelWindows() const {
    std::vector<HWND> others;
    for (HWND window : TopLevelWindows(process_.dwProcessId))
        if (window != mainWindow_) others.push_back(window);
    return others;
}

HWND RunningProgram::FindChild(const std::wstring& title) const {
    for (HWND dialog : VisibleChildDialogs(mainWindow_))
        if (TextOf(dialog) == title) return dialog;
    return nullptr;
}

HWND RunningProgram::WaitForChild(const std::wstring& title, std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindChild(title)) != nullptr; }, timeout);
    return found;
}

HWND RunningProgram::VisibleForm() const {
    for (HWND dialog : VisibleChildDialogs(mainWindow_)) {
        POINT origin{WindowRectOf(dialog).left, 0};
        ScreenToClient(mainWindow_, &origin);
        if (origin.x >= 180) return dialog;
    }
    return nullptr;
}

HWND RunningProgram::Panel() const {
    for (HWND dialog : VisibleChildDialogs(mainWindow_)) {
        POINT origin{WindowRectOf(dialog).left, 0};
        ScreenToClient(mainWindow_, &origin);
        if (origin.x < 10) return dialog;
    }
    return nullptr;
}

HWND RunningProgram::OpenTopic(int fieldCommand, int label, const std::wstring& title) const {
    HWND oldPanel = Panel();
    Command(fieldCommand);
    if (!WaitFor([&] { return !IsWindow(oldPanel) && Panel(); })) return nullptr;
    if (label) {
        HWND oldForm = VisibleForm();
        Click(GetDlgItem(Panel(), label));
        if (!WaitFor([&] { return !IsWindow(oldForm); })) return nullptr;
    }
    return WaitForChild(title);
}

void RunningProgram::Command(int id) const {
    PostMessageW(mainWindow_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void RunningProgram::Click(HWND control) const {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void RunningProgram::DoubleClick(HWND control) const {
    Click(control);
    PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void RunningProgram::SetText(HWND control, const std::wstring& text) const {
    SendMessageTimeoutW(control, WM_SETTEXT, 0, LPARAM(text.c_str()), SMTO_ABORTIFHUNG, 2000, nullptr);
}

void RunningProgram::Key(HWND window, WORD virtualKey) const {
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void RunningProgram::Type(HWND control, wchar_t character) const {
    PostMessageW(control, EM_SETSEL, 0x7FFF, 0x7FFF);
    PostMessageW(control, WM_CHAR, WPARAM(character), 1);
}

std::vector<Box> RunningProgram::Boxes() const {
    std::vector<Box> boxes;
    for (HWND window : TopLevelWindows(process_.dwProcessId)) {
        if (ClassOf(window) != L"#32770" || GetDlgItem(window, kHelpPicture)) continue;
        Box box{window, TextOf(window), TextOf(GetDlgItem(window, 0xFFFF)), GetWindow(window, GW_OWNER), {}};
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (ClassOf(child) == L"Button") box.buttons.push_back(TextOf(child));
        boxes.push_back(box);
    }
    return boxes;
}

std::optional<std::vector<Box>> RunningProgram::BoxesBeforeNextCommand() const {
    const std::wstring helpText = Widen(text::kHelp);
    Command(command::kHelp);
    std::vector<Box> others;
    const bool came = WaitFor([&] {
        others = Boxes();
        return std::erase_if(others, [&](const Box& box) { return box.text == helpText; }) > 0;
    });
    if (!came) return std::nullopt;
    for (const Box& box : Boxes())
        if (box.text == helpText) {
            Answer(box, IDOK);
            if (!WaitFor([&] { return !IsWindow(box.window); })) return std::nullopt;
        }
    return others;
}

std::optional<Box> RunningProgram::WaitForBox(const std::wstring& caption,
                                              std::chrono::milliseconds timeout) const {
    std::optional<Box> found;
    WaitFor(
        [&] {
            for (const Box& box : Boxes())
                if (box.caption == caption) found = box;
            return found.has_value();
        },
        timeout);
    return found;
}

void RunningProgram::Answer(const Box& box, int buttonId) const {
    PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 LPARAM(GetDlgItem(box.window, buttonId)));
}

std::optional<DWORD> RunningProgram::WaitForExit(std::chrono::milliseconds timeout) {
    if (WaitForSingleObject(process_.hProcess, DWORD(timeout.count())) != WAIT_OBJECT_0) return std::nullopt;
    DWORD status = 0;
    GetExitCodeProcess(process_.hProcess, &status);
    return status;
}

bool RunningProgram::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

LRESULT RemoteCall(DWORD processId, HWND window, UINT message, WPARAM wParam, void* buffer,
                   std::size_t size) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return 0;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, remote, buffer, size, nullptr);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, LPARAM(remote), SMTO_ABORTIFHUNG, 2000, &result);
    ReadProcessMemory(process, remote, buffer, size, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return LRESULT(result);
}

namespace {

// The pixels of a window as it is on the screen, bottom-up 24-bit rows.
std::vector<char> Capture(HWND window, BITMAPINFOHEADER& header) {
    const RECT r = WindowRectOf(window);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, previous);
    header = {sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(std::size_t(stride) * std::size_t(height));
    GetDIBits(memory, picture, 0, UINT(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::wstring& path) {
    // Whatever waits to be painted is painted now, in the program's thread.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    BITMAPINFOHEADER header{};
    std::vector<char> pixels = Capture(window, header);
    // Drawn when a picture taken a moment later is the same.
    WaitFor(
        [&] {
            std::this_thread::sleep_for(100ms);
            std::vector<char> again = Capture(window, header);
            std::swap(again, pixels);
            return again == pixels;
        },
        3000ms);
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof header + pixels.size()), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof header};
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &header, sizeof header, &written, nullptr);
    WriteFile(out, pixels.data(), DWORD(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return true;
}

COLORREF PixelAt(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

}  // namespace kalvora::win32::test
