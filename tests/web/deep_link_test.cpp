// SPDX-License-Identifier: MIT
// Links to one calculation: percent-coding, opening every form of the catalogue from its slug
// with its panel, filling the inputs in reading order and computing as OK does, and the link
// the page copies for the active form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "model/program.h"
#include "web/binding/deep_link.h"
#include "web/binding/program_json.h"

namespace kalvora::web {
namespace {

TEST(PercentCoding, DecodesEscapesAndLeavesBrokenOnesAlone) {
    const struct {
        std::string_view coded;
        std::string_view text;
    } cases[] = {
        {"1%2C5", "1,5"},   {"Zem%C4%9B%206e24", "Země 6e24"}, {"%2f%2F", "//"}, {"100%", "100%"},
        {"%4", "%4"},       {"%zz1", "%zz1"},                         {"a+b", "a+b"},   {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PercentDecoded(c.coded), c.text) << c.coded;
}

TEST(PercentCoding, EncodesAllButUnreservedAndReadsBack) {
    for (std::string_view text : {"Země Měsíc 3.8e8", "1,5", "a/b#c%d?e&f", "-._~09azAZ", "tab\there"}) {
        const std::string coded = PercentEncoded(text);
        EXPECT_EQ(coded.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%"),
                  std::string::npos)
            << coded;
        EXPECT_EQ(PercentDecoded(coded), text);
    }
}

Program Started() {
    Program program;
    program.Start({});
    program.TakeEffects();
    return program;
}

std::string TextOf(const Program& program, int slot, int controlId) {
    return program.State().forms[std::size_t(slot)]->Control(controlId)->text;
}

// Every form opens from its slug on its own field's panel, takes the texts in reading order and
// shows what the core computes for them (or its message), as after OK.
TEST(OpenLink, EveryFormOpensFillsAndComputesAsOk) {
    const std::vector<std::string_view> texts{"1,5", "Země 6e24", "2e-3", "7", "0.25"};
    for (const FormDefinition* form : Catalogue()) {
        Program program = Started();
        const std::size_t count = form->inputs.size();
        std::string link = PercentEncoded(form->slug);
        for (std::size_t i = 0; i < count; ++i) link += "/" + PercentEncoded(texts[i % texts.size()]);
        ASSERT_TRUE(OpenLink(program, link)) << link;
        const ProgramState& state = program.State();
        const int slot = program.SlotOf(form->slug);
        ASSERT_EQ(state.activeForm, slot) << form->slug;
        ASSERT_TRUE(state.panel.has_value());
        EXPECT_EQ(state.panel->field, form->field) << form->slug;
        std::vector<std::string_view> given;
        for (std::size_t i = 0; i < count; ++i) {
            given.push_back(texts[i % texts.size()]);
            EXPECT_EQ(TextOf(program, slot, form->inputs[i].controlId), given.back()) << form->slug << " " << i;
        }
        const Outcome expected = Evaluate(*form, given);
        if (expected.ok()) {
            for (std::size_t r = 0; r < form->resultIds.size() && r < expected.results.size(); ++r)
                EXPECT_EQ(TextOf(program, slot, form->resultIds[r]), expected.results[r]) << form->slug;
            EXPECT_TRUE(state.boxes.empty()) << form->slug;
        } else {
            ASSERT_EQ(state.boxes.size(), 1u) << form->slug;
            EXPECT_EQ(state.boxes[0].text, expected.message->text) << form->slug;
        }
    }
}

// Fewer texts than inputs fill those and compute nothing; a slug alone opens the form empty; an
// unknown slug or an empty link changes nothing.
TEST(OpenLink, PartialAndUnknownLinks) {
    const FormDefinition& form = *Catalogue().back();
    ASSERT_GE(form.inputs.size(), 2u);
    Program fresh = Started();
    ASSERT_TRUE(OpenLink(fresh, form.slug));
    const int slot = fresh.SlotOf(form.slug);
    const std::string untouched = StateJson(fresh.State(), fresh.Forms());

    Program partial = Started();
    ASSERT_TRUE(OpenLink(partial, std::string(form.slug) + "/7"));
    EXPECT_EQ(TextOf(partial, slot, form.inputs[0].controlId), "7");
    partial.EditText(slot, form.inputs[0].controlId, TextOf(fresh, slot, form.inputs[0].controlId));
    EXPECT_EQ(StateJson(partial.State(), partial.Forms()), untouched);

    for (std::string_view link : {"no-such-form/1/2", "", "/12/3", "Current/12/3"}) {
        Program program = Started();
        const std::string before = StateJson(program.State(), program.Forms());
        EXPECT_FALSE(OpenLink(program, link)) << link;
        EXPECT_EQ(StateJson(program.State(), program.Forms()), before) << link;
    }
}

// The copied link of a form reopens it with the same texts, whatever characters they hold.
TEST(LinkToActiveForm, ReopensTheFormWithItsTexts) {
    const std::vector<std::string_view> texts{"Země Měsíc 3.8e8", "a/b#c", "", "50%"};
    for (const FormDefinition* form : Catalogue()) {
        Program first = Started();
        ASSERT_TRUE(OpenLink(first, form->slug));
        const int slot = first.SlotOf(form->slug);
        for (std::size_t i = 0; i < form->inputs.size(); ++i)
            first.EditText(slot, form->inputs[i].controlId, texts[i % texts.size()]);
        const std::string link = LinkToActiveForm(first);
        EXPECT_EQ(std::count(link.begin(), link.end(), '/'), std::ptrdiff_t(form->inputs.size())) << link;
        Program second = Started();
        ASSERT_TRUE(OpenLink(second, link)) << link;
        for (const InputDefinition& input : form->inputs)
            EXPECT_EQ(TextOf(second, slot, input.controlId), TextOf(first, slot, input.controlId)) << link;
    }
    Program ended = Started();
    ended.RequestClose();
    ended.Answer(ended.State().boxes.at(0).id, BoxAnswer::Yes);
    EXPECT_EQ(LinkToActiveForm(ended), "");
}

}  // namespace
}  // namespace kalvora::web
