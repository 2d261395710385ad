// SPDX-License-Identifier: MIT
// Links to one calculation: every form opens from its slug on its own field's panel, takes its
// texts in reading order, computes as OK does, and its copied link is the same link; partial,
// broken and unknown links.
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

TEST(OpenLink, EveryFormOpensFillsComputesAndCopiesTheSameLink) {
    const std::vector<std::string_view> texts{"1,5", "Země 6e24", "2e-3", "7", "a/b%"};
    for (const FormDefinition* form : Catalogue()) {
        std::string link = PercentEncoded(form->slug);
        std::vector<std::string_view> given;
        for (std::size_t i = 0; i < form->inputs.size(); ++i)
            link += "/" + PercentEncoded(given.emplace_back(texts[i % texts.size()]));
        Program program = Started();
        ASSERT_TRUE(OpenLink(program, link)) << link;
        const ProgramState& state = program.State();
        const int slot = program.SlotOf(form->slug);
        ASSERT_EQ(state.activeForm, slot) << link;
        ASSERT_TRUE(state.panel) << link;
        EXPECT_EQ(state.panel->field, form->field) << link;
        for (std::size_t i = 0; i < given.size(); ++i)
            EXPECT_EQ(TextOf(program, slot, form->inputs[i].controlId), given[i]) << link;
        const Outcome expected = Evaluate(*form, given);
        for (std::size_t r = 0; expected.ok() && r < form->resultIds.size(); ++r)
            EXPECT_EQ(TextOf(program, slot, form->resultIds[r]), expected.results.at(r)) << link;
        EXPECT_EQ(state.boxes.empty(), expected.ok()) << link;
        EXPECT_EQ(LinkToActiveForm(program), link);
    }
}

// A slug alone opens the form empty, broken escapes stay as typed; an unknown slug or an empty
// link changes nothing.
TEST(OpenLink, PartialBrokenAndUnknownLinks) {
    const FormDefinition& form = *Catalogue().front();
    Program program = Started();
    ASSERT_TRUE(OpenLink(program, std::string(form.slug) + "/%zz%4%2C"));
    EXPECT_EQ(TextOf(program, program.SlotOf(form.slug), form.inputs.at(0).controlId), "%zz%4,");
    EXPECT_EQ(TextOf(program, program.SlotOf(form.slug), form.inputs.at(1).controlId), "");
    for (std::string_view link : {"no-such-form/1/2", "", "/12/3"}) {
        Program program = Started();
        const std::string before = StateJson(program.State(), program.Forms());
        EXPECT_FALSE(OpenLink(program, link)) << link;
        EXPECT_EQ(StateJson(program.State(), program.Forms()), before) << link;
    }
}

}  // namespace
}  // namespace kalvora::web
