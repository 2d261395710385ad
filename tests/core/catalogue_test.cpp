// SPDX-License-Identifier: MIT
// Consistency of every form's data: what the window side and the command line rely on.
#include "calc/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace kalvora {
namespace {

bool IsInputKind(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::ComboBox; }
bool IsResultKind(ControlKind kind) { return kind == ControlKind::ResultField || kind == ControlKind::ReadOnlyEdit; }
bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton;
}
bool IsLabelKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CentredLabel || kind == ControlKind::SunkenLabel;
}

class FormData : public testing::TestWithParam<const FormDefinition*> {};

TEST_P(FormData, InputsAreEditableControlsWithCaptions) {
    const FormDefinition& form = *GetParam();
    ASSERT_FALSE(form.inputs.empty());
    std::set<int> seen;
    for (std::size_t i = 0; i < form.inputs.size(); ++i) {
        const InputDefinition& input = form.inputs[i];
        EXPECT_TRUE(seen.insert(input.controlId).second) << "input read twice: " << input.controlId;
        const ControlDefinition* control = form.dialog.Find(input.controlId);
        ASSERT_NE(control, nullptr) << "input " << input.controlId;
        EXPECT_TRUE(IsInputKind(control->kind)) << "input " << input.controlId;
        ASSERT_LT(input.captionIndex, form.dialog.controls.size());
        EXPECT_TRUE(IsLabelKind(form.dialog.controls[input.captionIndex].kind)) << "caption of " << input.controlId;
        EXPECT_FALSE(form.InputCaption(i).empty()) << "caption of " << input.controlId;
    }
    if (form.focusAtOpen || form.focusAfterResult || form.focusId != 0) {
        EXPECT_TRUE(seen.count(form.focusId)) << "focus target " << form.focusId << " is no input";
    }
}

TEST_P(FormData, ResultsButtonsAndHelpExist) {
    const FormDefinition& form = *GetParam();
    for (int id : form.resultIds) {
        const ControlDefinition* control = form.dialog.Find(id);
        ASSERT_NE(control, nullptr) << "result " << id;
        EXPECT_TRUE(IsResultKind(control->kind)) << "result " << id;
    }
    const ControlDefinition* ok = form.dialog.Find(form.okId);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(IsButtonKind(ok->kind));
    const ControlDefinition* cancel = form.dialog.Find(form.cancelId);
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(IsButtonKind(cancel->kind));
    const long defaults = std::count_if(form.dialog.controls.begin(), form.dialog.controls.end(),
                                        [](const ControlDefinition& c) { return c.kind == ControlKind::DefaultPushButton; });
    EXPECT_LE(defaults, 1);
    if (form.help != HelpAction::None) {
        EXPECT_NE(form.dialog.Find(230), nullptr) << "Help action without a Help button";
        EXPECT_NE(form.helpBitmapId, 0);
    }
}

TEST_P(FormData, PresetsAndRelabelsNameExistingControls) {
    const FormDefinition& form = *GetParam();
    for (const PresetList& list : form.lists) {
        const ControlDefinition* control = form.dialog.Find(list.controlId);
        ASSERT_NE(control, nullptr) << "list " << list.controlId;
        EXPECT_EQ(control->kind, ControlKind::ComboBox);
        EXPECT_FALSE(list.items.empty());
    }
    for (const PresetText& preset : form.presets) EXPECT_NE(form.dialog.Find(preset.controlId), nullptr);
    for (const PresetText& relabel : form.relabels) EXPECT_NE(form.dialog.Find(relabel.controlId), nullptr);
}

// Static texts may share an id (the reactance forms' note line and result caption are both 100);
// what the program addresses (inputs, results, buttons) must be unique.
TEST_P(FormData, AddressedControlIdsAreUnique) {
    std::set<int> ids;
    for (const ControlDefinition& control : GetParam()->dialog.controls) {
        if (control.id == -1 || control.kind == ControlKind::GroupBox || IsLabelKind(control.kind)) continue;
        EXPECT_TRUE(ids.insert(control.id).second) << "duplicate control id " << control.id;
        EXPECT_GT(control.cx, 0);
        EXPECT_GT(control.cy, 0);
    }
}

// Every input stands in the input group ("Zadání") with its caption, every result in the result
// group ("Výsledek"); a caption stands above its input or on its row to its left.
TEST_P(FormData, InputsAndResultsStandInTheirGroupsUnderTheirCaptions) {
    const FormDefinition& form = *GetParam();
    auto group = [&](std::string_view title) {
        const auto found = std::find_if(
            form.dialog.controls.begin(), form.dialog.controls.end(),
            [&](const ControlDefinition& c) { return c.kind == ControlKind::GroupBox && c.text == title; });
        return found == form.dialog.controls.end() ? nullptr : &*found;
    };
    auto inside = [](const ControlDefinition& outer, const ControlDefinition& c) {
        return c.x >= outer.x && c.y >= outer.y && c.x + c.cx <= outer.x + outer.cx &&
               c.y + c.cy <= outer.y + outer.cy;
    };
    const ControlDefinition* inputs = group("Zadání");
    const ControlDefinition* results = group("Výsledek");
    ASSERT_NE(inputs, nullptr);
    ASSERT_NE(results, nullptr);
    for (const InputDefinition& input : form.inputs) {
        const ControlDefinition& control = *form.dialog.Find(input.controlId);
        const ControlDefinition& caption = form.dialog.controls[input.captionIndex];
        // Drop-down lists reach below the group with their list; their field stands inside.
        ControlDefinition field = control;
        if (control.kind == ControlKind::ComboBox) field.cy = 12;
        EXPECT_TRUE(inside(*inputs, field)) << "input " << input.controlId;
        EXPECT_TRUE(inside(*inputs, caption)) << "caption of " << input.controlId;
        const bool above = caption.y < control.y && caption.x <= control.x + control.cx &&
                           control.x <= caption.x + caption.cx;
        const bool left = caption.x + caption.cx <= control.x && caption.y < control.y + control.cy &&
                          control.y < caption.y + caption.cy;
        EXPECT_TRUE(above || left) << "caption of " << input.controlId;
    }
    for (int id : form.resultIds) EXPECT_TRUE(inside(*results, *form.dialog.Find(id))) << "result " << id;
}

TEST_P(FormData, EmptyFieldsNeverGiveAResult) {
    const FormDefinition& form = *GetParam();
    const Outcome outcome = Evaluate(form, {});
    EXPECT_FALSE(outcome.ok()) << form.slug << " computed from empty fields";
}

TEST_P(FormData, ResultCountMatchesResultFields) {
    const FormDefinition& form = *GetParam();
    std::vector<std::string_view> ones(form.inputs.size(), "1.5");
    const Outcome outcome = Evaluate(form, ones);
    if (outcome.ok()) {
        EXPECT_EQ(outcome.results.size(), form.resultIds.size()) << form.slug;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, FormData, testing::ValuesIn(Catalogue().begin(), Catalogue().end()),
                         [](const testing::TestParamInfo<const FormDefinition*>& info) {
                             std::string name(info.param->slug);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(Catalogue, SlugsAreUniqueAndFound) {
    std::set<std::string_view> slugs;
    for (const FormDefinition* form : Catalogue()) {
        EXPECT_TRUE(slugs.insert(form->slug).second) << form->slug;
        EXPECT_EQ(FindForm(form->slug), form);
    }
    EXPECT_EQ(FindForm("no-such-topic"), nullptr);
    EXPECT_EQ(Catalogue().size(), 22u);
}

}  // namespace
}  // namespace kalvora
