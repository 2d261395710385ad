// SPDX-License-Identifier: MIT
// The toolbar strip beside the program: a damaged or wrong file in the working folder is passed
// over for the program's own; the information box only when no place has a usable strip.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "model/shell_data.h"
#include "topics.h"
#include "view.h"
#include "wide_text.h"

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
    HWND toolbar = GetDlgItem(program.MainWindow(), kToolbarId);
    return SendMessageW(toolbar, TB_GETBITMAP, kToolbarButtons.front().commandId, 0) == 0;
}

// Whether the box saying that the strip is missing is among `boxes`.
bool StripMissingAmong(const std::vector<Box>& boxes) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const Box& box) { return box.text == Widen(text::kStripMissing); });
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
    ASSERT_NE(program.WaitForChild(Widen(StartForm().title)), nullptr);
    const auto boxes = program.BoxesBeforeNextCommand();
    ASSERT_TRUE(boxes);
    EXPECT_FALSE(StripMissingAmong(*boxes));
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
    const auto box = program.WaitForBox(Widen(text::kProgramTitle));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, Widen(text::kStripMissing));
    program.Answer(*box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box->window); }));
    EXPECT_FALSE(ToolbarHasPictures(program));
    const auto boxes = program.BoxesBeforeNextCommand();
    ASSERT_TRUE(boxes);
    EXPECT_FALSE(StripMissingAmong(*boxes)) << "asked once only";
    EXPECT_NE(program.WaitForChild(Widen(StartForm().title)), nullptr);
}

}  // namespace
}  // namespace kalvora::win32::test
