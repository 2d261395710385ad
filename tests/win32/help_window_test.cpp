// SPDX-License-Identifier: MIT
// The help window: opened by Help without owner, every picture drawn, closed by OK, Storno and
// switching, not by Esc.
#include <gtest/gtest.h>

#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

constexpr wchar_t kHelpTitle[] = L"Nápověda k tématu";

HWND WaitForHelpWindow(const RunningProgram& program) {
    HWND help = nullptr;
    WaitFor([&] {
        for (HWND window : program.OtherTopLevelWindows())
            if (TextOf(window) == kHelpTitle && GetDlgItem(window, kHelpPicture)) help = window;
        return help != nullptr;
    });
    return help;
}

// Share of pixels in the picture frame that differ from the frame's background.
double DrawnShare(HWND help) {
    HWND frame = GetDlgItem(help, kHelpPicture);
    const RECT client = ClientRectOf(frame);
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    int drawn = 0, all = 0;
    for (int y = 2; y < client.bottom - 2; y += 3)
        for (int x = 2; x < client.right - 2; x += 3, ++all)
            if (PixelAt(frame, x, y) != background) ++drawn;
    return all ? double(drawn) / all : 0;
}

struct HelpCase {
    const char* name;
    int fieldCommand;
    int label;
    const wchar_t* title;
};

class HelpPictures : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpPictures, HelpShowsThePictureCentred) {
    const HelpCase& c = GetParam();
    RunningProgram program;
    HWND form = program.OpenTopic(c.fieldCommand, c.label, c.title);
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, 230));
    HWND help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(GetWindow(help, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(help), nullptr);
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    EXPECT_TRUE(WaitFor([&] { return DrawnShare(help) > 0.01; })) << "no picture in the frame";
    program.Click(Control(help, IDOK));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help); }));
}

INSTANTIATE_TEST_SUITE_P(
    EveryPicture, HelpPictures,
    testing::Values(HelpCase{"Current", 1600, 150, L"Proud"}, HelpCase{"Resistance", 1600, 199, L"Odpor"},
                    HelpCase{"Voltage", 1600, 198, L"Napětí"},
                    HelpCase{"Capacitor", 1600, 152, L"Kondenzátor v obvodě střídavého proudu"},
                    HelpCase{"Coil", 1600, 151, L"Cívka v obvodě střídavého proudu"},
                    HelpCase{"Transformer", 1600, 153, L"Transformátor"},
                    HelpCase{"Conductor", 1600, 157, L"Odpor vodiče"},
                    HelpCase{"Fluorescent", 1600, 155, L"Zářivka za žárovku"},
                    HelpCase{"LuminousFlux", 1600, 159, L"Světelný tok"},
                    HelpCase{"InputPower", 1600, 160, L"Příkon spotřebiče"},
                    HelpCase{"ActivePower", 1600, 161, L"Činný výkon spotř.s induk.odporem"},
                    HelpCase{"VoltageDrop", 1600, 169, L"Úbytek napětí vlivem odp.vodiče"},
                    HelpCase{"Wall", 1601, 0, L"Tepelný odpor stěny"},
                    HelpCase{"Gravitation", 1602, 214, L"Newtonův gravitační zákon"},
                    HelpCase{"Acceleration", 1602, 229, L"Gravitační zrychleni"},
                    HelpCase{"FreeFall", 1602, 235, L"Volný pád"},
                    HelpCase{"Lens", 1603, 0, L"Optická mohutnost čočky(dioptrie)"},
                    HelpCase{"Drag", 1604, 0, L"Aerodynamiká odporová síla"},
                    HelpCase{"Coax", 1605, 254, L"Délka koaxiálního kabelu"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpWindow, EscKeepsItStornoAndSwitchingCloseIt) {
    RunningProgram program;
    HWND form = program.WaitForChild(L"Proud");
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, 230));
    HWND help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr);
    program.Key(Control(help, IDOK), VK_ESCAPE);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(help));
    // The form still takes typing while the help window is open.
    program.SetText(Control(form, 107), L"1");
    program.Click(Control(form, 2));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help) && !IsWindowVisible(form); }));

    form = program.OpenTopic(1600, 0, L"Proud");
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, 230));
    help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr);
    program.Command(1602);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help); }));
}

}  // namespace
}  // namespace kalvora::win32::test
