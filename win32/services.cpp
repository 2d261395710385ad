// SPDX-License-Identifier: MIT
#include "services.h"

#include <objbase.h>

#include "model/shell_data.h"
#include "wide_text.h"

namespace kalvora::win32 {
namespace {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// shell32 and COM, set up on first use: they cost start-up time the program needs only when the
// user opens an address, a page or the About box. One library and one COM initialisation for the
// whole program, whichever shell function asks first.
struct ShellLibrary {
    HMODULE module = nullptr;
    bool comInitialised = false;  // this thread's CoInitializeEx succeeded and is to be balanced
};

ShellLibrary& TheShell() {
    static ShellLibrary shell = [] {
        ShellLibrary s;
        // Handlers of addresses may rely on COM. S_FALSE (already initialised) is balanced too;
        // a failure (another apartment model set before) leaves COM as it is.
        const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        s.comInitialised = SUCCEEDED(result);
        s.module = LoadLibraryW(L"shell32.dll");
        return s;
    }();
    return shell;
}

bool shellRequested = false;

template <typename Function>
Function Shell(const char* name) {
    shellRequested = true;
    HMODULE module = TheShell().module;
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

void ShellOpen(const std::wstring& target, int show) {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    if (auto execute = Shell<ShellExecuteFunction>("ShellExecuteW"))
        execute(nullptr, L"open", target.c_str(), nullptr, nullptr, show);
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::optional<MemoryFigures> ReadMemory() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
    return MemoryFigures{status.ullTotalPhys, status.ullAvailPhys};
}

void OpenAddress(std::string_view address, bool maximised) {
    // What the default browser or mail program does with it is theirs; a failure is not reported.
    ShellOpen(Widen(address), maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

std::vector<std::wstring> DeliveredFileCandidates(std::wstring_view fileName) {
    std::vector<std::wstring> candidates;
    // The current folder, however long; when it cannot be read it is left out, never taken as
    // the root of the drive.
    std::wstring current(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(DWORD(current.size()), current.data());
        if (length == 0) {
            current.clear();
            break;
        }
        if (length < current.size()) {
            current.resize(length);
            break;
        }
        current.resize(length);  // the size needed, with its terminating zero
    }
    if (!current.empty()) {
        if (current.back() != L'\\' && current.back() != L'/') current += L'\\';
        candidates.push_back(current + std::wstring(fileName));
    }
    candidates.push_back(ProgramFolder() + std::wstring(fileName));
    return candidates;
}

std::wstring FindDeliveredFile(std::wstring_view fileName) {
    for (const std::wstring& path : DeliveredFileCandidates(fileName))
        if (FileExists(path)) return path;
    return {};
}

void OpenHelpPage() {
    const std::wstring page = FindDeliveredFile(Widen(text::kHelpPageFileName));
    if (!page.empty()) ShellOpen(page, SW_SHOWMAXIMIZED);
}

void StartSystemProgram(const wchar_t* fileName) {
    // By its full path in the system folder: nothing of the same name elsewhere is started.
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), UINT(folder.size())));
    const std::wstring path = folder + L"\\" + fileName;
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void ReleaseShell() {
    if (!shellRequested) return;
    ShellLibrary& shell = TheShell();
    if (shell.comInitialised) CoUninitialize();
    shell.comInitialised = false;
}

void ShowAbout(HWND owner) {
    HICON icon = HICON(GetClassLongPtrW(owner, GCLP_HICON));
    using ShellAboutFunction = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, HICON);
    if (auto about = Shell<ShellAboutFunction>("ShellAboutW"))
        about(owner, Widen(text::kProgramTitle).c_str(), Widen(text::kAboutCredit).c_str(), icon);
}

bool CarryOutService(const Effect& effect, HWND owner) {
    if (effect.kind == EffectKind::OpenAddress)
        OpenAddress(effect.address, effect.maximised);
    else if (effect.kind == EffectKind::OpenHelpPage)
        OpenHelpPage();
    else if (effect.kind == EffectKind::StartTextEditor)
        StartSystemProgram(L"notepad.exe");
    else if (effect.kind == EffectKind::StartCalculator)
        StartSystemProgram(L"calc.exe");
    else if (effect.kind == EffectKind::ShowAbout)
        ShowAbout(owner);
    else
        return false;
    return true;
}

}  // namespace kalvora::win32
