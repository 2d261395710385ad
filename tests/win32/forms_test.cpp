// SPDX-License-Identifier: MIT
// Every form realised from its template computes its worked example through its window: the
// golden file's texts typed into the real controls, OK clicked, the results read from the result
// fields. Results can be read whole, copied, and are named by their captions.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/result_caption.h"
#include "topics.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

class Forms : public testing::TestWithParam<WorkedExample> {};

TEST_P(Forms, ComputesTheTypedInputs) {
    const WorkedExample& example = GetParam();
    const FormDefinition& definition = *example.form;
    RunningProgram program;
    HWND form = OpenForm(program, definition);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form, program.VisibleForm());
    ASSERT_LE(example.texts.size(), definition.inputs.size());
    for (std::size_t i = 0; i < example.texts.size(); ++i) {
        HWND input = Control(form, definition.inputs[i].controlId);
        ASSERT_NE(input, nullptr) << definition.inputs[i].controlId;
        program.SetText(input, Widen(example.texts[i]));
    }
    program.Click(Control(form, definition.okId));
    ASSERT_EQ(example.answer.size(), definition.resultIds.size() + 1);
    for (std::size_t i = 0; i < definition.resultIds.size(); ++i) {
        HWND result = Control(form, definition.resultIds[i]);
        EXPECT_TRUE(WaitFor([&] { return TextOf(result) == Widen(example.answer[i + 1]); }))
            << "control " << definition.resultIds[i] << " shows " << testing::PrintToString(TextOf(result));
    }
}

INSTANTIATE_TEST_SUITE_P(AllTopics, Forms,
                         testing::ValuesIn(FirstOfEachKind(true, [](auto& e) { return SlotOf(*e.form); })),
                         [](const auto& info) { return CaseName(*info.param.form); });

// A result wider than its field shows its first digits, and the whole text can be copied.
TEST(Results, LongResultShowsItsBeginningAndCopiesWhole) {
    const FormDefinition& definition = *FindForm("capacitor-reactance");
    const std::string_view texts[] = {"100", "1e-12"};
    const std::wstring whole = Widen(Evaluate(definition, texts).results.at(0));
    RunningProgram program;
    HWND form = OpenForm(program, definition);
    ASSERT_NE(form, nullptr);
    for (std::size_t i = 0; i < std::size(texts); ++i)
        program.SetText(Control(form, definition.inputs[i].controlId), Widen(texts[i]));
    program.Click(Control(form, definition.okId));
    HWND result = Control(form, definition.resultIds.front());
    ASSERT_TRUE(WaitFor([&] { return TextOf(result) == whole; })) << testing::PrintToString(TextOf(result));
    RECT inside{};
    SendMessageW(result, EM_GETRECT, 0, LPARAM(&inside));
    const LRESULT last = SendMessageW(result, EM_POSFROMCHAR, WPARAM(whole.size() - 1), 0);
    ASSERT_TRUE(last == -1 || short(LOWORD(last)) >= inside.right) << "the result fits its field anyway";
    const LRESULT first = SendMessageW(result, EM_POSFROMCHAR, 0, 0);
    EXPECT_GE(short(LOWORD(first)), 0) << "the first digit is scrolled out of sight";
    EXPECT_TRUE(GetWindowLongW(result, GWL_STYLE) & ES_READONLY);
    SendMessageW(result, EM_SETSEL, 0, -1);
    SendMessageW(result, WM_COPY, 0, 0);
    ASSERT_TRUE(WaitFor([&] {
        if (!OpenClipboard(nullptr)) return false;
        std::wstring copied;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            copied = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return copied == whole;
    }));
}

// A screen reader names an edit by the label just before it and reads its text as the value: each
// result field follows its caption. Checked on the start form and on every form with more than
// one result.
TEST(Results, NamedByTheCaptionBeforeThem) {
    RunningProgram program;
    for (const FormDefinition* definition : Catalogue()) {
        if (definition != &StartForm() && definition->resultIds.size() < 2) continue;
        HWND form = OpenForm(program, *definition);
        ASSERT_NE(form, nullptr) << definition->slug;
        for (int resultId : definition->resultIds) {
            const ControlDefinition* caption = ResultCaption(*definition, *definition->dialog.Find(resultId));
            ASSERT_NE(caption, nullptr) << resultId;
            HWND field = Control(form, resultId);
            EXPECT_EQ(ClassOf(field), L"Edit");
            EXPECT_EQ(TextOf(GetWindow(field, GW_HWNDPREV)), Widen(definition->InitialText(*caption)))
                << resultId;
        }
    }
}

// A one-line caption wider than its template rectangle takes the free room beside it instead of
// losing its end. A form without a font of its own writes its statics in the system font.
TEST(Captions, AOneLineCaptionTooWideForItsRectangleIsShownWhole) {
    const FormDefinition* definition =
        FirstForm([](const FormDefinition& f) { return f.dialog.font == DialogFont::System; });
    ASSERT_NE(definition, nullptr);
    const ControlDefinition& resultDefinition = *definition->dialog.Find(definition->resultIds.front());
    const ControlDefinition* captionDefinition = ResultCaption(*definition, resultDefinition);
    ASSERT_NE(captionDefinition, nullptr);
    RunningProgram program;
    HWND form = OpenForm(program, *definition);
    ASSERT_NE(form, nullptr);
    HWND caption = Control(form, captionDefinition->id);
    const std::wstring text = TextOf(caption);
    ASSERT_EQ(text, Widen(definition->InitialText(*captionDefinition)));
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    RECT template_{captionDefinition->x, captionDefinition->y, captionDefinition->x + captionDefinition->cx,
                   captionDefinition->y + captionDefinition->cy};
    MapDialogRect(form, &template_);
    ASSERT_GT(extent.cx, template_.right - template_.left) << "the text fits its template rectangle anyway";
    const RECT shown = ClientRectOf(caption);
    EXPECT_GE(shown.right - shown.left, extent.cx);
    EXPECT_LT(WindowRectOf(caption).right, WindowRectOf(Control(form, resultDefinition.id)).left)
        << "runs into the result";
}

}  // namespace
}  // namespace kalvora::win32::test
