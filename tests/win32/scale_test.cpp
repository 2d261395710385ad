// SPDX-License-Identifier: MIT
// The program at the display scale the Wine prefix is set to (LogPixels 96, 120, 144 or 192):
// the window, its columns and bars follow the model's scaling rule, and every panel label and
// form control stays reachable. Expectations come from the model's geometry and the catalogue.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "calc/catalogue.h"
#include "embedded_picture.h"
#include "model/geometry.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "tests/model/program_fixture.h"
#include "topics.h"
#include "view.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT ClientOnScreen(HWND window) {
    RECT r = ClientRectOf(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Rect AsRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

Rect InClient(HWND parent, HWND child) {
    RECT r = WindowRectOf(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return AsRect(r);
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& r) {
    return ::testing::PrintToString(AsRect(r));
}
int StatusFirstEdge(const RunningProgram& program) {
    int edges[2] = {};
    RemoteCall(program.ProcessId(), FindWindowExW(program.MainWindow(), nullptr, STATUSCLASSNAMEW, nullptr),
               SB_GETPARTS, 2, edges, sizeof edges);
    return edges[0];
}

// Where the drawing in `window` starts and ends along its middle row (x) and middle column (y):
// the first and one past the last pixel that differs from `background`.
RECT DrawnSpan(HWND window, COLORREF background) {
    const RECT client = ClientRectOf(window);
    RECT span{client.right, client.bottom, 0, 0};
    for (int x = 0; x < client.right; ++x)
        if (PixelAt(window, x, client.bottom / 2) != background)
            span.left = std::min<LONG>(span.left, x), span.right = x + 1;
    for (int y = 0; y < client.bottom; ++y)
        if (PixelAt(window, client.right / 2, y) != background)
            span.top = std::min<LONG>(span.top, y), span.bottom = y + 1;
    return span;
}

TEST(Scale, MainWindowColumnsAndStatusBarFollowTheDisplayScale) {
    const int dpi = ScreenDpi();
    RunningProgram program;
    HWND main = program.MainWindow();
    EXPECT_EQ(AsRect(WindowRectOf(main)), StartWindowRect(0, 0, GetSystemMetrics(SM_CXSCREEN), dpi)) << dpi;
    const RECT client = ClientRectOf(main);
    const ColumnLayout created = CreationLayout(client.right, client.bottom, dpi);
    EXPECT_EQ(InClient(main, program.Panel()), created.panel);
    EXPECT_EQ(InClient(main, program.VisibleForm()), created.form);
    EXPECT_EQ(InClient(main, FindWindowExW(main, nullptr, PROGRESS_CLASSW, nullptr)), created.gauge);
    EXPECT_EQ(StatusFirstEdge(program), StatusFirstPartEdge(dpi));
}

// Every panel's labels lie inside the panel (their windows are as wide as in the template, and
// the panel cuts them on the right); every control of every form lies inside the main window's
// client area above the status bar.
TEST(Scale, EveryPanelLabelAndEveryFormControlIsInsideTheMainWindow) {
    RunningProgram program;
    HWND main = program.MainWindow();
    HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
    for (const FieldCommand& field : kFieldCommands) {
        HWND oldPanel = program.Panel();
        program.Command(field.buttonId);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(oldPanel) && program.Panel(); })) << field.name;
        HWND panel = program.Panel();
        const RECT panelArea = ClientOnScreen(panel);
        for (const PanelLabel& label : PanelFor(field.field).labels) {
            HWND labelWindow = GetDlgItem(panel, label.id);
            ASSERT_NE(labelWindow, nullptr) << label.text;
            RECT labelArea = WindowRectOf(labelWindow);
            labelArea.right = std::min(labelArea.right, panelArea.right);
            EXPECT_TRUE(Inside(labelArea, panelArea)) << label.text << " " << Describe(labelArea);
            if (label.action != LabelAction::OpenForm) continue;
            HWND oldForm = program.VisibleForm(), form = nullptr;
            program.Click(labelWindow);
            ASSERT_TRUE(WaitFor([&] { return (form = program.FindChild(Widen(label.target))) && form != oldForm; }))
                << label.target;
            // Read after the form opened: the liquid-mixing form widens the window.
            RECT usable = ClientOnScreen(main);
            usable.bottom = WindowRectOf(status).top;
            for (HWND control = GetWindow(form, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
                EXPECT_TRUE(!IsWindowVisible(control) || Inside(WindowRectOf(control), usable))
                    << label.target << ": " << ::testing::PrintToString(TextOf(control)) << " "
                    << Describe(WindowRectOf(control)) << " outside " << Describe(usable);
        }
    }
}

// The help picture is drawn at the display's scale, centred in its frame and cut to it.
TEST(Scale, TheHelpPictureIsScaledAndCentredInItsFrame) {
    const int dpi = ScreenDpi();
    const FormDefinition* current = &StartForm();
    ASSERT_EQ(current->help, HelpAction::StorePicture);
    HMODULE exe = LoadLibraryExW((BuildFolder() + L"\\kalvora.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HBITMAP bitmap = LoadEmbeddedPicture(exe, MAKEINTRESOURCEW(current->helpBitmapId));
    BITMAP picture{};
    GetObjectW(bitmap, sizeof picture, &picture);
    DeleteObject(bitmap);
    FreeLibrary(exe);

    RunningProgram program;
    ASSERT_NE(program.VisibleForm(), nullptr);
    program.Click(Control(program.VisibleForm(), HelpButtonOf(*current)));
    HWND help = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND window : program.OtherTopLevelWindows())
            if (GetDlgItem(window, kHelpPicture)) help = window;
        return help != nullptr;
    }));
    HWND frame = GetDlgItem(help, kHelpPicture);
    for (HWND control : {frame, GetDlgItem(help, IDOK)}) EXPECT_TRUE(Inside(WindowRectOf(control), ClientOnScreen(help)));
    const RECT client = ClientRectOf(frame);
    const int width = Scaled(picture.bmWidth, dpi), height = Scaled(picture.bmHeight, dpi);
    const int x = CentredOffset(client.right, width), y = CentredOffset(client.bottom, height);
    const RECT expected{std::max(0, x), std::max(0, y), std::min<int>(client.right, x + width),
                        std::min<int>(client.bottom, y + height)};
    // The picture's own edge may match the background in places: a pixel of slack. Waited for, as
    // the frame is painted after it appears.
    RECT drawn{};
    const auto within1 = [](LONG a, LONG b) { return a - b <= 1 && b - a <= 1; };
    EXPECT_TRUE(WaitFor([&] {
        drawn = DrawnSpan(frame, GetSysColor(COLOR_BTNFACE));
        return within1(drawn.left, expected.left) && within1(drawn.top, expected.top) &&
               within1(drawn.right, expected.right) && within1(drawn.bottom, expected.bottom);
    })) << "drawn " << Describe(drawn) << ", expected " << Describe(expected) << " at " << dpi << " DPI";
}

// Moved to a display of another scale (WM_DPICHANGED with the suggested rectangle, as Windows
// sends it): the window takes the rectangle, its bars and columns follow the new scale, and the
// form made anew keeps what the user typed.
TEST(Scale, AMoveToADisplayOfAnotherScaleLaysTheWindowOutAgain) {
    const int dpi = ScreenDpi(), newDpi = dpi == 144 ? 96 : 144;
    const FormDefinition* current = &StartForm();
    ASSERT_FALSE(current->inputs.empty());
    RunningProgram program;
    HWND main = program.MainWindow();
    program.SetText(Control(program.VisibleForm(), current->inputs.front().controlId), L"12");

    const Rect target = Rescaled(AsRect(WindowRectOf(main)), dpi, newDpi, 40, 30);
    RECT suggested{target.left, target.top, target.right, target.bottom};
    RemoteCall(program.ProcessId(), main, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), &suggested, sizeof suggested);
    EXPECT_TRUE(WaitFor([&] { return AsRect(WindowRectOf(main)) == target; }));
    HWND form = program.WaitForChild(Widen(current->title));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(Control(form, current->inputs.front().controlId)), L"12");
    EXPECT_EQ(StatusFirstEdge(program), StatusFirstPartEdge(newDpi));
    const RECT client = ClientRectOf(main);
    const auto heightOf = [](HWND window) { return AsRect(WindowRectOf(window)).height(); };
    const ColumnLayout columns =
        ResizeLayout(client.right, client.bottom, heightOf(GetDlgItem(main, kToolbarId)),
                     heightOf(FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr)), newDpi);
    EXPECT_EQ(InClient(main, program.Panel()), columns.panel);
    // The form made anew stands where a new form stands.
    EXPECT_EQ(InClient(main, form), CreationLayout(client.right, client.bottom, newDpi).form);
}

}  // namespace
}  // namespace kalvora::win32::test
