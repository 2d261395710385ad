// SPDX-License-Identifier: MIT
// Every form realised from its template computes through its window: texts typed into the real
// controls, OK clicked, the result read from the result field.
#include <gtest/gtest.h>

#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

struct Typed {
    int control;
    const wchar_t* text;
};

struct FormCase {
    const char* name;
    int fieldCommand;
    int label;  // 0: the field's first form
    const wchar_t* title;
    std::vector<Typed> inputs;
    int okId;
    std::vector<Typed> results;
};

// The worked examples of each topic.
const std::vector<FormCase>& Cases() {
    static const std::vector<FormCase> cases{
        {"Current", 1600, 150, L"Proud", {{107, L"12"}, {106, L"3"}}, 1, {{111, L"4.00000"}}},
        {"Resistance", 1600, 199, L"Odpor", {{107, L"230"}, {106, L"0.5"}}, 1, {{111, L"460.00000"}}},
        {"Voltage", 1600, 198, L"Napětí", {{107, L"0.02"}, {106, L"470"}}, 1, {{111, L"9.40000"}}},
        {"Capacitor",
         1600,
         152,
         L"Kondenzátor v obvodě střídavého proudu",
         {{107, L"50"}, {106, L"1e-6"}},
         1,
         {{111, L"3184.71338"}}},
        {"Coil",
         1600,
         151,
         L"Cívka v obvodě střídavého proudu",
         {{107, L"50"}, {106, L"0.1"}},
         1,
         {{111, L"31.40000"}}},
        {"Transformer",
         1600,
         153,
         L"Transformátor",
         {{107, L"1000"}, {106, L"50"}, {105, L"230"}},
         1,
         {{111, L"12"}}},
        {"Conductor",
         1600,
         157,
         L"Odpor vodiče",
         {{107, L"stříbro 0.016"}, {106, L"-2"}, {105, L"10"}},
         1,
         {{111, L"-0.08000"}}},
        {"Fluorescent", 1600, 155, L"Zářivka za žárovku", {{107, L"60"}}, 1, {{111, L"16.21"}}},
        {"LuminousFlux",
         1600,
         159,
         L"Světelný tok",
         {{107, L"Zářivka kompaktní 53 "}, {106, L"20"}},
         1,
         {{111, L"1060.00"}}},
        {"ActivePower",
         1600,
         161,
         L"Činný výkon spotř.s induk.odporem",
         {{204, L"0.8"}, {106, L"2"}, {105, L"230"}},
         1,
         {{111, L"368.00"}}},
        {"VoltageDrop",
         1600,
         169,
         L"Úbytek napětí vlivem odp.vodiče",
         {{107, L"2"}, {106, L"0.35"}},
         1,
         {{111, L"0.70"}}},
        {"InputPower",
         1600,
         160,
         L"Příkon spotřebiče",
         {{107, L"0.5"}, {106, L"230"}},
         1,
         {{111, L"115.00000"}}},
        {"Wall",
         1601,
         0,
         L"Tepelný odpor stěny",
         {{207, L"0.3"}, {208, L"Cihly pálené 0.86"}},
         1,
         {{111, L"0.348837"}}},
        {"Gravitation",
         1602,
         0,
         L"Newtonův gravitační zákon",
         {{107, L"Země 6e24"}, {106, L"Měsíc 7.5e22"}, {105, L"Země Měsíc 3.8e8"}},
         1,
         {{111, L"2.08e+020"}}},
        {"Acceleration",
         1602,
         229,
         L"Gravitační zrychleni",
         {{107, L"6e24"}, {106, L"6.378e6"}},
         1,
         {{111, L"9.83803"}}},
        {"FreeFall", 1602, 235, L"Volný pád", {{107, L"9.81"}, {106, L"2"}}, 1, {{111, L"19.620"}}},
        {"Lens",
         1603,
         0,
         L"Optická mohutnost čočky(dioptrie)",
         {{301, L"0.1"}, {302, L"0.1"}},
         226,
         {{111, L"10.000"}}},
        {"Drag", 1604, 0, L"Aerodynamiká odporová síla", {{301, L"2"}, {302, L"30"}}, 1, {{111, L"351.000"}}},
        {"Buoyancy",
         1604,
         246,
         L"Archimédův zákon",
         {{240, L"0.002"}, {241, L"7800"}, {243, L"0.002"}},
         1,
         {{111, L"19.620"}, {250, L"13.600"}}},
        {"Mixing",
         1604,
         258,
         L"Roztoky kapalin",
         {{1202, L"10"}, {1203, L"20"}, {1204, L"40"}, {1206, L"80"}},
         1,
         {{1200, L"5.00"}, {1205, L"15.00"}}},
        {"Dipole", 1605, 0, L"Půlvlnový dipól", {{107, L"27"}}, 1, {{111, L"5.556"}}},
        {"Coax",
         1605,
         254,
         L"Délka koaxiálního kabelu",
         {{107, L"27"}, {106, L"0.66"}, {105, L"10"}},
         1,
         {{111, L"11.0000"}}},
    };
    return cases;
}

class Forms : public testing::TestWithParam<FormCase> {};

TEST_P(Forms, ComputesTheTypedInputs) {
    const FormCase& c = GetParam();
    RunningProgram program;
    HWND form = program.OpenTopic(c.fieldCommand, c.label, c.title);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form, program.VisibleForm());
    for (const Typed& input : c.inputs) {
        ASSERT_NE(Control(form, input.control), nullptr) << input.control;
        program.SetText(Control(form, input.control), input.text);
    }
    program.Click(Control(form, c.okId));
    for (const Typed& result : c.results)
        EXPECT_TRUE(WaitFor([&] { return TextOf(Control(form, result.control)) == result.text; }))
            << "control " << result.control << " shows "
            << testing::PrintToString(TextOf(Control(form, result.control)));
}

INSTANTIATE_TEST_SUITE_P(AllTopics, Forms, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A result wider than its field shows its first digits, and the whole text can be copied.
TEST(Results, LongResultShowsItsBeginningAndCopiesWhole) {
    RunningProgram program;
    HWND form = program.OpenTopic(1600, 152, L"Kondenzátor v obvodě střídavého proudu");
    ASSERT_NE(form, nullptr);
    program.SetText(Control(form, 107), L"100");
    program.SetText(Control(form, 106), L"1e-12");
    program.Click(Control(form, 1));
    HWND result = Control(form, 111);
    ASSERT_TRUE(WaitFor([&] { return TextOf(result) == L"1592356687.89809"; }))
        << testing::PrintToString(TextOf(result));
    const LRESULT first = SendMessageW(result, EM_POSFROMCHAR, 0, 0);
    EXPECT_GE(short(LOWORD(first)), 0) << "the first digit is scrolled out of sight";
    EXPECT_TRUE(GetWindowLongW(result, GWL_STYLE) & ES_READONLY);
    SendMessageW(result, EM_SETSEL, 0, -1);
    SendMessageW(result, WM_COPY, 0, 0);
    ASSERT_TRUE(WaitFor([] {
        if (!OpenClipboard(nullptr)) return false;
        std::wstring copied;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            copied = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return copied == L"1592356687.89809";
    }));
}

// A screen reader names an edit by the label just before it and reads its text as the value: each
// result field follows its caption and holds the whole result, and the status bar shows texts.
TEST(Results, NamedByTheCaptionBeforeThem) {
    struct Named {
        int fieldCommand, label;
        const wchar_t* title;
        int result;
        const wchar_t* caption;
    };
    const Named cases[] = {
        {1600, 150, L"Proud", 111, L"Proud I (Amper) ="},
        {1604, 246, L"Archimédův zákon", 250, L"Zdánlivá tíha nadnášeného tělesa(kg) ="},
        {1604, 258, L"Roztoky kapalin", 1200,
         L"Množství přidaných litrů pro vznik roztoku určených vlastností:"},
        {1604, 258, L"Roztoky kapalin", 1205, L"Celkový objem roztoku:"},
    };
    RunningProgram program;
    for (const Named& c : cases) {
        HWND form = program.OpenTopic(c.fieldCommand, c.label, c.title);
        ASSERT_NE(form, nullptr);
        HWND field = Control(form, c.result);
        EXPECT_EQ(ClassOf(field), L"Edit");
        EXPECT_EQ(TextOf(GetWindow(field, GW_HWNDPREV)), c.caption) << c.result;
    }
}

}  // namespace
}  // namespace kalvora::win32::test

namespace kalvora::win32::test {
namespace {

// A one-line caption wider than its template rectangle takes the free room beside it instead of
// losing its end. The lens form has no font of its own: its statics write in the system font.
TEST(Captions, AOneLineCaptionTooWideForItsRectangleIsShownWhole) {
    RunningProgram program;
    HWND form = program.OpenTopic(1603, 0, L"Optická mohutnost čočky(dioptrie)");
    ASSERT_NE(form, nullptr);
    HWND caption = Control(form, 100);
    const std::wstring text = TextOf(caption);
    ASSERT_EQ(text, L"Optická mohutnost =");
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    RECT template_{18, 48, 18 + 60, 48 + 9};
    MapDialogRect(form, &template_);
    ASSERT_GT(extent.cx, template_.right - template_.left) << "the text fits its template rectangle anyway";
    const RECT shown = ClientRectOf(caption);
    EXPECT_GE(shown.right - shown.left, extent.cx);
    EXPECT_LT(WindowRectOf(caption).right, WindowRectOf(Control(form, 111)).left) << "runs into the result";
}

}  // namespace
}  // namespace kalvora::win32::test
