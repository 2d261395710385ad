// SPDX-License-Identifier: MIT
// The program at the display scale the Wine prefix is set to (LogPixels 96, 120, 144 or 192):
// the main window, its columns and bars follow the model's scaling rule, and every panel label
// and every control of every form stays where the user can reach it. The expectations come from
// the model's geometry and the panels' and forms' data.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "calc/catalogue.h"
#include "model/geometry.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::wstring Wide(std::string_view text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(std::size_t(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()))));
    return wide;
}

// The client area of `window` in screen coordinates.
RECT ClientOnScreen(HWND window) {
    RECT r = ClientRectOf(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Rect InClient(HWND parent, HWND child) {
    RECT r = WindowRectOf(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

// Whether the dialog manager turns the system font's dialog units into pixels by that font's
// size. Wine above 96 DPI reports base units that grow with the square of the scale (64 pixels
// for a 32-pixel font at 192 DPI), so forms without a font of their own come out too large there.
bool SystemFontUnitsFollowTheFont() {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return HIWORD(GetDialogBaseUnits()) == metrics.tmHeight;
}

// The smallest rectangle of the window's client area (as the screen shows it) holding every pixel
// that differs from `background`; empty when there is none.
RECT DrawnExtent(HWND window, COLORREF background) {
    const RECT area = ClientOnScreen(window);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    RECT extent{width, height, 0, 0};
    const auto* pixels = static_cast<const DWORD*>(bits);
    const DWORD wanted = DWORD(GetRValue(background)) << 16 | DWORD(GetGValue(background)) << 8 | GetBValue(background);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] & 0xFFFFFF) != wanted) {
                extent.left = std::min<LONG>(extent.left, x);
                extent.top = std::min<LONG>(extent.top, y);
                extent.right = std::max<LONG>(extent.right, x + 1);
                extent.bottom = std::max<LONG>(extent.bottom, y + 1);
            }
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return extent.right > extent.left ? extent : RECT{};
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "{%ld, %ld, %ld, %ld}", r.left, r.top, r.right, r.bottom);
    return text;
}

TEST(Scale, MainWindowColumnsAndBarsFollowTheDisplayScale) {
    const int dpi = ScreenDpi();
    RunningProgram program;
    HWND main = program.MainWindow();
    const RECT outer = WindowRectOf(main);
    const Rect expected = StartWindowRect(0, 0, GetSystemMetrics(SM_CXSCREEN), dpi);
    EXPECT_EQ((Rect{outer.left, outer.top, outer.right, outer.bottom}), expected) << dpi;

    const RECT client = ClientRectOf(main);
    const ColumnLayout created = CreationLayout(client.right, client.bottom, dpi);
    ASSERT_NE(program.Panel(), nullptr);
    ASSERT_NE(program.VisibleForm(), nullptr);
    EXPECT_EQ(InClient(main, program.Panel()), created.panel);
    EXPECT_EQ(InClient(main, program.VisibleForm()), created.form);
    HWND gauge = FindWindowExW(main, nullptr, PROGRESS_CLASSW, nullptr);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(InClient(main, gauge), created.gauge);

    HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_NE(status, nullptr);
    int edges[2] = {};
    RemoteCall(program.ProcessId(), status, SB_GETPARTS, 2, edges, sizeof edges);
    EXPECT_EQ(edges[0], StatusFirstPartEdge(dpi));

    // The toolbar's images are the strip's images at the display's scale.
    HBITMAP strip = HBITMAP(LoadImageW(nullptr, (BuildFolder() + L"\\toolbar508.bmp").c_str(), IMAGE_BITMAP, 0, 0,
                                       LR_LOADFROMFILE));
    ASSERT_NE(strip, nullptr);
    BITMAP size{};
    GetObjectW(strip, sizeof size, &size);
    DeleteObject(strip);
    HWND toolbar = GetDlgItem(main, 179);
    ASSERT_NE(toolbar, nullptr);
    const LRESULT button = SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GE(int(HIWORD(button)), Scaled(size.bmHeight, dpi));
    EXPECT_LT(int(HIWORD(button)), Scaled(size.bmHeight, dpi) + Scaled(16, dpi));
}

// Every panel's labels lie inside the panel; every form opened from them lies, with each of its
// controls, inside the main window's client area and above the status bar.
TEST(Scale, EveryPanelLabelAndEveryFormControlIsInsideTheMainWindow) {
    RunningProgram program;
    HWND main = program.MainWindow();
    HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_NE(status, nullptr);
    RECT usable = ClientOnScreen(main);
    for (const FieldCommand& field : kFieldCommands) {
        HWND oldPanel = program.Panel();
        program.Command(field.buttonId);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(oldPanel) && program.Panel(); })) << field.name;
        HWND panel = program.Panel();
        const RECT panelArea = ClientOnScreen(panel);
        for (const PanelLabel& label : PanelFor(field.field).labels) {
            HWND labelWindow = GetDlgItem(panel, label.id);
            ASSERT_NE(labelWindow, nullptr) << label.text;
            // The label's window is as wide as in its template, wider than the panel, which cuts it.
            RECT labelArea = WindowRectOf(labelWindow);
            labelArea.right = std::min(labelArea.right, panelArea.right);
            EXPECT_TRUE(Inside(labelArea, panelArea))
                << label.text << " " << Describe(WindowRectOf(labelWindow)) << " in " << Describe(panelArea);
            if (label.action != LabelAction::OpenForm) continue;
            HWND oldForm = program.VisibleForm();
            program.Click(labelWindow);
            HWND form = nullptr;
            ASSERT_TRUE(WaitFor([&] {
                form = program.FindChild(Wide(label.target));
                return form && form != oldForm;
            }))
                << label.target;
            const FormDefinition* definition = nullptr;
            for (const FormDefinition* candidate : Catalogue())
                if (candidate->title == label.target) definition = candidate;
            ASSERT_NE(definition, nullptr) << label.target;
            if (definition->dialog.font == DialogFont::System && !SystemFontUnitsFollowTheFont()) {
                std::printf("not measured here (the system's dialog units): %s\n", std::string(definition->slug).c_str());
                continue;
            }
            // The liquid-mixing form widens the window: what is usable is read again.
            usable = ClientOnScreen(main);
            usable.bottom = WindowRectOf(status).top;
            for (HWND control = GetWindow(form, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
                if (!IsWindowVisible(control)) continue;
                EXPECT_TRUE(Inside(WindowRectOf(control), usable))
                    << label.target << ": " << testing::PrintToString(TextOf(control)) << " "
                    << Describe(WindowRectOf(control)) << " outside " << Describe(usable);
            }
        }
    }
}

// The help picture is drawn at the display's scale, centred in its frame: what differs from the
// frame's background covers the scaled picture, cut to the frame.
TEST(Scale, TheHelpPictureIsScaledAndCentredInItsFrame) {
    const int dpi = ScreenDpi();
    const FormDefinition* current = nullptr;
    for (const FormDefinition* form : Catalogue())
        if (form->slug == kFieldCommands[0].firstFormSlug) current = form;
    ASSERT_NE(current, nullptr);
    ASSERT_EQ(current->help, HelpAction::StorePicture);
    HMODULE exe = LoadLibraryExW((BuildFolder() + L"\\kalvora.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HBITMAP bitmap = HBITMAP(LoadImageW(exe, MAKEINTRESOURCEW(current->helpBitmapId), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP picture{};
    GetObjectW(bitmap, sizeof picture, &picture);
    DeleteObject(bitmap);
    FreeLibrary(exe);

    RunningProgram program;
    HWND form = program.VisibleForm();
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, 230));
    HWND help = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND window : program.OtherTopLevelWindows())
            if (GetDlgItem(window, kHelpPicture)) help = window;
        return help != nullptr;
    }));
    HWND frame = GetDlgItem(help, kHelpPicture);
    EXPECT_TRUE(Inside(WindowRectOf(frame), ClientOnScreen(help)));
    EXPECT_TRUE(Inside(WindowRectOf(GetDlgItem(help, IDOK)), ClientOnScreen(help)));
    const RECT client = ClientRectOf(frame);
    const int width = Scaled(picture.bmWidth, dpi), height = Scaled(picture.bmHeight, dpi);
    const int x = CentredOffset(client.right, width), y = CentredOffset(client.bottom, height);
    const RECT expected{std::max(0, x), std::max(0, y), std::min<int>(client.right, x + width),
                        std::min<int>(client.bottom, y + height)};
    // What differs from the background covers the picture; its own edge may match the background
    // in places, hence a pixel of slack. Waited for: the frame is painted after it appears.
    RECT drawn{};
    const auto within1 = [&](LONG a, LONG b) { return a - b <= 1 && b - a <= 1; };
    EXPECT_TRUE(WaitFor([&] {
        drawn = DrawnExtent(frame, GetSysColor(COLOR_BTNFACE));
        return within1(drawn.left, expected.left) && within1(drawn.top, expected.top) &&
               within1(drawn.right, expected.right) && within1(drawn.bottom, expected.bottom);
    })) << "drawn " << Describe(drawn) << ", expected " << Describe(expected) << " at " << dpi << " DPI";
}

// Moved to a display of another scale (WM_DPICHANGED, as Windows sends it, with its suggested
// rectangle) while the liquid-mixing form has widened the window: the window takes the
// rectangle, the columns and the status bar follow the new scale, what the user typed stays, and
// Storno gives back the size from before the widening in the new scale.
TEST(Scale, AMoveToADisplayOfAnotherScaleLaysTheWindowOutAgain) {
    const int dpi = ScreenDpi();
    const int newDpi = dpi == 144 ? 96 : 144;
    const FormDefinition* mixing = nullptr;
    for (const FormDefinition* form : Catalogue())
        if (form->behaviours & kWidensMainWindow) mixing = form;
    ASSERT_NE(mixing, nullptr);
    const FieldCommand* field = nullptr;
    for (const FieldCommand& command : kFieldCommands)
        if (command.field == mixing->field) field = &command;
    ASSERT_NE(field, nullptr);
    int labelId = 0;
    for (const PanelLabel& label : PanelFor(mixing->field).labels)
        if (label.target == mixing->title) labelId = label.id;
    ASSERT_NE(labelId, 0);
    const int input = mixing->inputs.front().controlId;

    RunningProgram program;
    HWND main = program.MainWindow();
    const RECT start = WindowRectOf(main);
    HWND form = program.OpenTopic(field->buttonId, labelId, Wide(mixing->title));
    ASSERT_NE(form, nullptr);
    program.SetText(Control(form, input), L"12");
    const RECT widened = WindowRectOf(main);
    ASSERT_NE(widened.right - widened.left, start.right - start.left);

    const Rect target = Rescaled({widened.left, widened.top, widened.right, widened.bottom}, dpi, newDpi, 40, 30);
    RECT suggested{target.left, target.top, target.right, target.bottom};
    RemoteCall(program.ProcessId(), main, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), &suggested, sizeof suggested);
    EXPECT_TRUE(WaitFor([&] {
        const RECT r = WindowRectOf(main);
        return Rect{r.left, r.top, r.right, r.bottom} == target;
    }));
    HWND rebuilt = program.WaitForChild(Wide(mixing->title));
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_EQ(TextOf(Control(rebuilt, input)), L"12");

    HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_NE(status, nullptr);
    int edges[2] = {};
    RemoteCall(program.ProcessId(), status, SB_GETPARTS, 2, edges, sizeof edges);
    EXPECT_EQ(edges[0], StatusFirstPartEdge(newDpi));
    const RECT client = ClientRectOf(main);
    const ColumnLayout columns = ResizeLayout(client.right, client.bottom, WindowRectOf(GetDlgItem(main, 179)).bottom -
                                                                               WindowRectOf(GetDlgItem(main, 179)).top,
                                              WindowRectOf(status).bottom - WindowRectOf(status).top, newDpi);
    ASSERT_NE(program.Panel(), nullptr);
    EXPECT_EQ(InClient(main, program.Panel()), columns.panel);
    EXPECT_EQ(InClient(main, FindWindowExW(main, nullptr, PROGRESS_CLASSW, nullptr)), columns.gauge);

    program.Click(Control(rebuilt, IDCANCEL));
    const Rect restored = Rescaled({start.left, start.top, start.right, start.bottom}, dpi, newDpi, 40, 30);
    EXPECT_TRUE(WaitFor([&] {
        const RECT r = WindowRectOf(main);
        return Rect{r.left, r.top, r.right, r.bottom} == restored;
    })) << Describe(WindowRectOf(main));
}

}  // namespace
}  // namespace kalvora::win32::test
