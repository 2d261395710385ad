// SPDX-License-Identifier: MIT
// The boxes on screen, Esc in the boxes and the help window, and which effects a view carries out.
#include "model/box_queue.h"

#include <gtest/gtest.h>

#include "model/effect_order.h"
#include "model/shell_data.h"
#include "tests/model/program_fixture.h"

namespace kalvora::testing {
namespace {

std::vector<int> Ids(const std::vector<BoxToOpen>& boxes) {
    std::vector<int> ids;
    for (const BoxToOpen& box : boxes) ids.push_back(box.box.id);
    return ids;
}

TEST_F(ProgramTest, BoxesOpenOnceInOrderAndCloseWhenAnswered) {
    program.Command(command::kHelp);  // no owner: every window stays usable
    EXPECT_FALSE(MainWindowWaits(program.State()));
    PressOk("current");  // empty inputs: the input error over the form
    program.RequestClose();
    const std::vector<WaitingBox> boxes = program.State().boxes;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(MainWindowWaits(program.State()));

    const BoxChanges first = ChangeBoxes({}, program.State());
    EXPECT_EQ(Ids(first.open), (std::vector<int>{boxes[0].id, boxes[1].id, boxes[2].id}));
    EXPECT_FALSE(first.open[0].modal);
    EXPECT_TRUE(first.open[2].modal);
    EXPECT_TRUE(first.close.empty());

    const std::vector<int> shown = Ids(first.open);
    program.Answer(boxes[1].id, BoxAnswer::Ok);
    const BoxChanges second = ChangeBoxes(shown, program.State());
    EXPECT_TRUE(second.open.empty());
    EXPECT_EQ(second.close, std::vector<int>{boxes[1].id});
}

TEST_F(ProgramTest, EscAnswersAnOkBoxButNotAQuestionAndOnlyEnterClosesTheHelpWindow) {
    program.Command(command::kHelp);
    program.RequestClose();
    const std::vector<WaitingBox> boxes = program.State().boxes;
    ASSERT_EQ(boxes.size(), 2u);
    program.PressEscapeInBox(boxes[1].id);
    program.PressEscapeInBox(boxes[0].id);
    EXPECT_EQ(program.State().boxes, std::vector<WaitingBox>{boxes[1]});

    program.PressButton(Slot("current"), 230);
    program.PressKeyInHelpWindow(HelpWindowKey::Escape);
    EXPECT_TRUE(program.State().helpWindowOpen);
    program.PressKeyInHelpWindow(HelpWindowKey::Enter);
    EXPECT_FALSE(program.State().helpWindowOpen);
}

TEST_F(ProgramTest, EffectsThatNoLongerApplyAreLeftOut) {
    const int slot = Slot("current");
    const Effect focus = Effect::FocusOn(slot, 105), about = Effect::Of(EffectKind::ShowAbout);
    const Effect refresh = Effect::Of(EffectKind::RefreshMemory),
                 raise = Effect::Of(EffectKind::RaiseHelpWindow);
    const Effect quit = Effect::Of(EffectKind::Quit);
    struct Case {
        std::vector<Effect> effects, carriedOut;
    };
    const Case cases[] = {
        {{focus, Effect::FocusOn(slot + 1, 105), Effect::FocusOn(-1, 1)}, {focus}},  // shown form only
        {{refresh, about, refresh}, {refresh, about}},
        {{raise}, {}},  // the help window is closed
        {{about, quit, refresh}, {about, quit}},
    };
    for (const Case& c : cases) EXPECT_EQ(EffectsToCarryOut(c.effects, program.State()), c.carriedOut);
    program.PressButton(slot, 230);
    EXPECT_EQ(EffectsToCarryOut({raise}, program.State()), std::vector<Effect>{raise});
    program.PressEscape(slot);  // hidden by Storno
    EXPECT_TRUE(EffectsToCarryOut({focus}, program.State()).empty());
}

}  // namespace
}  // namespace kalvora::testing
