// SPDX-License-Identifier: MIT
// The toolbar strip beside the program: a damaged or wrong file in the working folder is passed
// over for the program's own; the information box only when no place has a usable strip.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

std::wstring TempFolder(const wchar_t* name) {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    const std::wstring folder = std::wstring(base) + L"kalvora-strip-" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(out);
}

// A valid 24-bit BMP of the given size.
std::string Bitmap(int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, DWORD(stride * height), 0, 0, 0, 0};
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof file + sizeof info + info.biSizeImage), 0, 0,
                          sizeof file + sizeof info};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(std::size_t(stride * height), '\x40');
    return bytes;
}

bool ToolbarHasPictures(const RunningProgram& program) {
    HWND toolbar = GetDlgItem(program.MainWindow(), 179);
    return SendMessageW(toolbar, TB_GETBITMAP, 1600, 0) == 0;
}

struct StripCase {
    const char* name;
    std::string bytes;
};

class BadStripInWorkingFolder : public testing::TestWithParam<StripCase> {};

TEST_P(BadStripInWorkingFolder, IsPassedOverForTheProgramsOwn) {
    const std::wstring folder =
        TempFolder(std::wstring(GetParam().name, GetParam().name + strlen(GetParam().name)).c_str());
    WriteFileBytes(folder + L"\\toolbar508.bmp", GetParam().bytes);
    RunningProgram program(folder);
    ASSERT_NE(program.WaitForChild(L"Proud"), nullptr);
    EXPECT_FALSE(program.WaitForBox(L"Kalvora 5.0.9", 1500ms));
    EXPECT_TRUE(ToolbarHasPictures(program));
}

INSTANTIATE_TEST_SUITE_P(Damaged, BadStripInWorkingFolder,
                         testing::Values(StripCase{"Corrupt", "BM this is no picture at all"},
                                         StripCase{"Empty", ""}, StripCase{"WrongSize", Bitmap(64, 16)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Strip, NoUsableStripAnywhereIsReportedOnceAndTheButtonsShowTexts) {
    // The program alone in a folder, started from another folder with a damaged strip.
    const std::wstring alone = TempFolder(L"alone");
    const std::wstring working = TempFolder(L"working");
    CopyFileW((BuildFolder() + L"\\kalvora.exe").c_str(), (alone + L"\\kalvora.exe").c_str(), FALSE);
    DeleteFileW((alone + L"\\toolbar508.bmp").c_str());
    WriteFileBytes(working + L"\\toolbar508.bmp", Bitmap(64, 16));
    RunningProgram program(working, alone + L"\\kalvora.exe");
    const auto box = program.WaitForBox(L"Kalvora 5.0.9");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, L"Není ve složce programu toolbarXXX.bmp\nNinstalujte orginal i s toolbar bitmapou");
    program.Answer(*box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box->window); }));
    EXPECT_FALSE(ToolbarHasPictures(program));
    EXPECT_FALSE(program.WaitForBox(L"Kalvora 5.0.9", 700ms)) << "asked once only";
    EXPECT_NE(program.WaitForChild(L"Proud"), nullptr);
}

}  // namespace
}  // namespace kalvora::win32::test
