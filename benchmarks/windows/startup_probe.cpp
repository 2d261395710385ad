// SPDX-License-Identifier: MIT
// Starts a program, measures the time until its main window (by class) is visible and its
// working set once it has settled, then ends it. Prints "<milliseconds> <kilobytes>".
// Usage: startup_probe <program.exe> <window class>
#include <windows.h>
// Process memory figures need the window system's types first.
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

struct Search {
    DWORD processId;
    const wchar_t* className;
    bool found = false;
};

BOOL CALLBACK FindMain(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    if (owner == search->processId && IsWindowVisible(window) && std::wstring(name) == search->className)
        search->found = true;
    return !search->found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto begin = std::chrono::steady_clock::now();
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 1;
    Search search{process.dwProcessId, argv[2]};
    while (!search.found) {
        EnumWindows(FindMain, LPARAM(&search));
        if (!search.found) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const auto shown = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf(
        "%lld %llu\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(shown - begin).count()),
        static_cast<unsigned long long>(memory.WorkingSetSize / 1024));
    return 0;
}
