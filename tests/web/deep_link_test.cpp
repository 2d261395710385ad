// SPDX-License-Identifier: MIT
// Links to one calculation: every form of the catalogue opens from its slug on its own field's
// panel, takes its texts in reading order and computes as OK does; partial, unknown and broken
// links; the copied link of the active form reopens it with the same texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "model/program.h"
#include "web/binding/deep_link.h"
#include "web/binding/program_json.h"

namespace kalvora::web {
namespace {

Program Started() {
    Program program;
    program.Start({});
    return program;
}
std::string TextOf(const Program& program, int slot, int controlId) {
    return program.State().forms[std::size_t(slot)]->Control(controlId)->text;
}
// The link to `form` with texts[i % size] in its inputs, and those texts.
std::pair<std::string, std::vector<std::string_view>> LinkTo(const FormDefinition& form,
                                                             const std::vector<std::string_view>& texts) {
    std::string link = PercentEncoded(form.slug);
    std::vector<std::string_view> given;
    for (std::size_t i = 0; i < form.inputs.size(); ++i) {
        given.push_back(texts[i % texts.size()]);
        link += "/" + PercentEncoded(given.back());
    }
    return {link, given};
}

TEST(OpenLink, EveryFormOpensFillsAndComputesAsOk) {
    for (const FormDefinition* form : Catalogue()) {
        Program program = Started();
        const auto [link, given] = LinkTo(*form, {"1,5", "Země 6e24", "2e-3", "7", "a/b%"});
        ASSERT_TRUE(OpenLink(program, link)) << link;
        const ProgramState& state = program.State();
        const int slot = program.SlotOf(form->slug);
        ASSERT_EQ(state.activeForm, slot) << link;
        ASSERT_TRUE(state.panel) << link;
        EXPECT_EQ(state.panel->field, form->field) << link;
        for (std::size_t i = 0; i < given.size(); ++i)
            EXPECT_EQ(TextOf(program, slot, form->inputs[i].controlId), given[i]) << link;
        const Outcome expected = Evaluate(*form, given);
        if (expected.ok()) {
            for (std::size_t r = 0; r < form->resultIds.size(); ++r)
                EXPECT_EQ(TextOf(program, slot, form->resultIds[r]), expected.results.at(r)) << link;
        } else {
            ASSERT_EQ(state.boxes.size(), 1u) << link;
            EXPECT_EQ(state.boxes[0].text, expected.message->text) << link;
        }
        // The copied link reopens the form with the same texts.
        EXPECT_EQ(LinkToActiveForm(program), link);
    }
}

// Fewer texts than inputs fill those and compute nothing; broken escapes stay as typed; an
// unknown slug or an empty link changes nothing.
TEST(OpenLink, PartialBrokenAndUnknownLinks) {
    const FormDefinition& form = *Catalogue().front();
    ASSERT_GE(form.inputs.size(), 2u);
    Program empty = Started();
    ASSERT_TRUE(OpenLink(empty, form.slug));
    Program partial = Started();
    ASSERT_TRUE(OpenLink(partial, std::string(form.slug) + "/%zz%4%2C"));
    const int slot = partial.SlotOf(form.slug);
    EXPECT_EQ(TextOf(partial, slot, form.inputs[0].controlId), "%zz%4,");
    partial.EditText(slot, form.inputs[0].controlId, TextOf(empty, slot, form.inputs[0].controlId));
    EXPECT_EQ(StateJson(partial.State(), partial.Forms()), StateJson(empty.State(), empty.Forms()));

    for (std::string_view link : {"no-such-form/1/2", "", "/12/3"}) {
        Program program = Started();
        const std::string before = StateJson(program.State(), program.Forms());
        EXPECT_FALSE(OpenLink(program, link)) << link;
        EXPECT_EQ(StateJson(program.State(), program.Forms()), before) << link;
    }
    Program ended = Started();
    ended.RequestClose();
    ended.Answer(ended.State().boxes.at(0).id, BoxAnswer::Yes);
    EXPECT_EQ(LinkToActiveForm(ended), "");
}

}  // namespace
}  // namespace kalvora::web
