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
#include "control_matching.h"
#include "embedded_picture.h"
#include "model/form_presentation.h"
#include "model/geometry.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "role_fonts.h"
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

// A font as the dialog manager makes it from a template's font.
struct TemplateFont {
    HFONT font;
    TemplateFont(const wchar_t* face, int points, int dpi) {
        LOGFONTW logFont{};
        logFont.lfHeight = -MulDiv(points, dpi, 72);
        logFont.lfCharSet = DEFAULT_CHARSET;
        wcscpy_s(logFont.lfFaceName, face);
        font = CreateFontIndirectW(&logFont);
    }
    explicit TemplateFont(HFONT made) : font(made) {}
    TemplateFont(const TemplateFont&) = delete;
    ~TemplateFont() {
        if (font) DeleteObject(font);
    }
};

// The windows of a form's template controls, in template order.
std::vector<HWND> TemplateWindows(HWND form, const FormDefinition& definition) {
    std::vector<HWND> children;
    std::vector<int> ids, templateIds;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child), ids.push_back(GetDlgCtrlID(child));
    for (const ControlDefinition& control : definition.dialog.controls) templateIds.push_back(control.id);
    std::vector<HWND> windows;
    for (int match : MatchControlsById(templateIds, ids))
        windows.push_back(match < 0 ? nullptr : children[std::size_t(match)]);
    return windows;
}

// The model's rectangles of a form's controls, from fonts made here as the program makes them and
// its drop-down fields as they stand.
std::vector<Rect> ModelRects(const FormDefinition& definition, const std::vector<HWND>& windows, int dpi) {
    const TemplateFont dialog = definition.dialog.font == DialogFont::System
                                    ? TemplateFont(nullptr)
                                    : TemplateFont(L"MS Shell Dlg", 9, dpi);
    const TemplateFont link(CreateRoleFont(FontRole::Link, dpi));
    ControlMetrics metrics{MeasureFont(dialog.font), MeasureFont(link.font), 0, 0};
    std::vector<int> widths;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const ControlKind kind = definition.dialog.controls[i].kind;
        widths.push_back(
            TextWidth(kind == ControlKind::LinkLabel ? link.font : dialog.font, TextOf(windows[i])));
        if (kind != ControlKind::ComboBox) continue;
        metrics.comboFieldHeight = AsRect(WindowRectOf(windows[i])).height();
        metrics.listRowHeight = int(SendMessageW(windows[i], CB_GETITEMHEIGHT, 0, 0));
    }
    std::vector<Rect> rects;
    for (const ControlPresentation& control : PresentControls(definition.dialog, metrics, widths))
        rects.push_back(control.rect);
    return rects;
}

// Every panel label and every control of every form stands where the model puts it, and the form
// column holds the form's controls above the status bar.
TEST(Scale, EveryPanelLabelAndFormControlStandsWhereTheModelPutsIt) {
    const int dpi = ScreenDpi();
    const TemplateFont panelFont(L"MS Shell Dlg", 9, dpi),
        labelFont(CreateRoleFont(FontRole::PanelLabel, dpi));
    RunningProgram program;
    HWND main = program.MainWindow();
    HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
    for (const FieldCommand& field : kFieldCommands) {
        HWND oldPanel = program.Panel();
        program.Command(field.buttonId);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(oldPanel) && program.Panel(); })) << field.name;
        HWND panel = program.Panel();
        const PanelData& data = PanelFor(field.field);
        const PanelPresentation shown =
            PresentPanel(data, MeasureFont(panelFont.font), MeasureFont(labelFont.font));
        for (std::size_t i = 0; i < data.labels.size(); ++i) {
            HWND label = GetDlgItem(panel, data.labels[i].id);
            ASSERT_NE(label, nullptr) << data.labels[i].text;
            EXPECT_EQ(InClient(panel, label), shown.labels[i].rect) << data.labels[i].text;
        }
    }
    for (const FormDefinition* definition : Catalogue()) {
        HWND form = OpenForm(program, *definition);
        ASSERT_NE(form, nullptr) << definition->slug;
        const std::vector<HWND> windows = TemplateWindows(form, *definition);
        const std::vector<Rect> expected = ModelRects(*definition, windows, dpi);
        // Read after the form opened: the liquid-mixing form widens the window.
        RECT usable = ClientOnScreen(main);
        usable.bottom = WindowRectOf(status).top;
        for (std::size_t i = 0; i < windows.size(); ++i) {
            ASSERT_NE(windows[i], nullptr) << definition->slug << " control " << i;
            EXPECT_EQ(InClient(form, windows[i]), expected[i]) << definition->slug << " control " << i;
            EXPECT_TRUE(Inside(WindowRectOf(windows[i]), usable)) << definition->slug << " control " << i;
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
    const TemplateFont helpFont(L"MS Sans Serif", 10, dpi);
    const HelpWindowPresentation shown = PresentHelpWindow(MeasureFont(helpFont.font));
    EXPECT_EQ(AsRect(ClientRectOf(help)), shown.window);
    EXPECT_EQ(InClient(help, frame), shown.picture.rect);
    EXPECT_EQ(InClient(help, GetDlgItem(help, IDOK)), shown.ok.rect);
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
