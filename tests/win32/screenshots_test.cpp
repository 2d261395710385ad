// SPDX-License-Identifier: MIT
// Pictures of the main window with every form and of the help window, for a person to look at:
// taken when KALVORA_SCREENSHOTS names a folder (scripts/test-windows.sh sets it).
#include <gtest/gtest.h>

#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

struct Topic {
    const char* name;
    int fieldCommand;
    int label;
    const wchar_t* title;
};

TEST(Screenshots, MainWindowWithEveryForm) {
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"KALVORA_SCREENSHOTS", folder, MAX_PATH))
        GTEST_SKIP() << "KALVORA_SCREENSHOTS not set";
    const Topic topics[] = {
        {"01-current", 1600, 150, L"Proud"},
        {"02-resistance", 1600, 199, L"Odpor"},
        {"03-voltage", 1600, 198, L"Napětí"},
        {"04-capacitor", 1600, 152, L"Kondenzátor v obvodě střídavého proudu"},
        {"05-coil", 1600, 151, L"Cívka v obvodě střídavého proudu"},
        {"06-transformer", 1600, 153, L"Transformátor"},
        {"07-conductor", 1600, 157, L"Odpor vodiče"},
        {"08-fluorescent", 1600, 155, L"Zářivka za žárovku"},
        {"09-luminous-flux", 1600, 159, L"Světelný tok"},
        {"10-input-power", 1600, 160, L"Příkon spotřebiče"},
        {"11-active-power", 1600, 161, L"Činný výkon spotř.s induk.odporem"},
        {"12-voltage-drop", 1600, 169, L"Úbytek napětí vlivem odp.vodiče"},
        {"13-wall", 1601, 0, L"Tepelný odpor stěny"},
        {"14-gravitation", 1602, 0, L"Newtonův gravitační zákon"},
        {"15-acceleration", 1602, 229, L"Gravitační zrychleni"},
        {"16-free-fall", 1602, 235, L"Volný pád"},
        {"17-lens", 1603, 0, L"Optická mohutnost čočky(dioptrie)"},
        {"18-drag", 1604, 0, L"Aerodynamiká odporová síla"},
        {"19-buoyancy", 1604, 246, L"Archimédův zákon"},
        {"20-mixing", 1604, 258, L"Roztoky kapalin"},
        {"21-dipole", 1605, 0, L"Půlvlnový dipól"},
        {"22-coax", 1605, 254, L"Délka koaxiálního kabelu"},
    };
    RunningProgram program;
    for (const Topic& topic : topics) {
        HWND form = program.OpenTopic(topic.fieldCommand, topic.label, topic.title);
        ASSERT_NE(form, nullptr) << topic.name;
        Sleep(400);  // drawn
        const std::string name(topic.name);
        EXPECT_TRUE(
            SaveScreenshot(program.MainWindow(),
                           std::wstring(folder) + L"\\" + std::wstring(name.begin(), name.end()) + L".bmp"));
    }
    HWND form = program.OpenTopic(1600, 0, L"Proud");
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, 230));
    ASSERT_TRUE(WaitFor([&] { return !program.OtherTopLevelWindows().empty(); }));
    Sleep(400);
    EXPECT_TRUE(
        SaveScreenshot(program.OtherTopLevelWindows().front(), std::wstring(folder) + L"\\23-help.bmp"));
}

}  // namespace
}  // namespace kalvora::win32::test
