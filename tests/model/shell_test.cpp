// SPDX-License-Identifier: MIT
// The main window's commands, the close question and the memory texts.
#include <gtest/gtest.h>

#include "config/contact_addresses.h"
#include "model/shell_data.h"
#include "tests/model/program_fixture.h"

namespace kalvora::testing {
namespace {

TEST_F(ProgramTest, EveryCommandAsksForItsEffectAndThenAMemoryRefresh) {
    struct Case {
        int id;
        std::vector<EffectKind> effects;
    };
    const Case cases[] = {
        {command::kAbout, {EffectKind::ShowAbout, EffectKind::RefreshMemory}},
        {command::kOnlineHelp, {EffectKind::OpenHelpPage, EffectKind::RefreshMemory}},
        {command::kTextEditor, {EffectKind::StartTextEditor, EffectKind::RefreshMemory}},
        {command::kCalculator, {EffectKind::StartCalculator, EffectKind::RefreshMemory}},
        {command::kMail, {EffectKind::OpenAddress, EffectKind::RefreshMemory}},
        {command::kHelp, {EffectKind::RefreshMemory}},
        {4242, {EffectKind::RefreshMemory}},
        {0, {EffectKind::RefreshMemory}},
    };
    for (const Case& c : cases) {
        program.Command(c.id);
        EXPECT_EQ(EffectKinds(), c.effects) << c.id;
        EXPECT_EQ(LiveSlots(), std::vector<int>{Slot("current")}) << c.id;
    }
}

TEST_F(ProgramTest, MailToMeWritesToTheAuthor) {
    program.Command(command::kMail);
    const std::vector<Effect> effects = program.TakeEffects();
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects[0].address, "mailto:" + std::string(config::kAuthorMail));
    EXPECT_FALSE(effects[0].maximised);
}

TEST_F(ProgramTest, TheHelpTextBoxHasNoOwnerAndEveryPressOpensOne) {
    program.Command(command::kHelp);
    program.Command(command::kHelp);
    ASSERT_EQ(program.State().boxes.size(), 2u);
    for (const WaitingBox& box : program.State().boxes) {
        EXPECT_EQ(box.caption, "Kalvora 5.0.9");
        EXPECT_EQ(box.text, text::kHelp);
        EXPECT_EQ(box.owner, BoxOwner::None);
        EXPECT_EQ(box.icon, MessageIcon::None);
    }
    // The main window stays usable meanwhile.
    program.Command(1602);
    EXPECT_EQ(program.State().panel->field, Field::Mechanics);
}

TEST_F(ProgramTest, TheCloseQuestionEndsEverythingOnYesAndNothingOnNo) {
    for (const auto request :
         {+[](Program& p) { p.RequestClose(); }, +[](Program& p) { p.Command(command::kEnd); }}) {
        request(program);
        request(program);  // one question at a time
        ASSERT_EQ(program.State().boxes.size(), 1u);
        const WaitingBox question = program.State().boxes[0];
        EXPECT_EQ(question.text, "Přejete si ukončit?");
        EXPECT_EQ(question.caption, "Kalvora 5.0.9");
        EXPECT_EQ(question.buttons, BoxButtons::YesNo);
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_EQ(question.owner, BoxOwner::MainWindow);
        program.TakeEffects();
        program.Answer(question.id, BoxAnswer::No);
        EXPECT_TRUE(program.State().boxes.empty());
        EXPECT_FALSE(program.State().ended);
        EXPECT_EQ(LiveSlots(), std::vector<int>{Slot("current")});
        EXPECT_TRUE(program.TakeEffects().empty());
    }

    // Yes with the help window, a help text box and a form's box open: all of it goes.
    program.PressButton(Slot("current"), 230);
    program.Command(command::kHelp);
    PressOk("current");
    program.RequestClose();
    const int question = program.State().boxes.back().id;
    program.TakeEffects();
    program.Answer(question, BoxAnswer::Yes);
    const ProgramState& state = program.State();
    EXPECT_TRUE(state.ended);
    EXPECT_FALSE(state.helpWindowOpen);
    EXPECT_TRUE(state.boxes.empty());
    EXPECT_TRUE(LiveSlots().empty());
    EXPECT_FALSE(state.panel.has_value());
    EXPECT_EQ(EffectKinds(), std::vector<EffectKind>{EffectKind::Quit});

    // Nothing happens any more.
    program.Command(command::kElectrical);
    program.RequestClose();
    program.Tick(kMemory);
    EXPECT_FALSE(program.State().panel.has_value());
    EXPECT_TRUE(program.State().boxes.empty());
    EXPECT_TRUE(program.TakeEffects().empty());
}

TEST_F(ProgramTest, AnAnswerToABoxThatIsGoneChangesNothing) {
    program.Command(command::kHelp);
    const int id = program.State().boxes[0].id;
    program.Answer(id, BoxAnswer::Ok);
    program.RequestClose();
    program.Answer(id, BoxAnswer::Yes);  // the old id is not the question's
    EXPECT_FALSE(program.State().ended);
    EXPECT_EQ(program.State().boxes.size(), 1u);
}

TEST(MemoryTextTest, TextsFromEveryTickAndTheGaugeFromStartOnly) {
    Program program;
    program.Start(
        {0, 0, 1024, MemoryFigures{std::uint64_t(2'097'152) << 10, std::uint64_t(1'048'576) << 10}, true});
    EXPECT_EQ(program.State().totalMemoryText, "RAM CELKEM = 2097152 KB");
    EXPECT_EQ(program.State().availableMemoryText, "VOLNE =1048576 KB");
    EXPECT_EQ(program.State().gaugePosition, 50);
    program.Tick(MemoryFigures{std::uint64_t(24'683'772) << 10 | 1023, std::uint64_t(5) << 10});
    EXPECT_EQ(program.State().totalMemoryText, "RAM CELKEM = 24683772 KB");
    EXPECT_EQ(program.State().availableMemoryText, "VOLNE =5 KB");
    EXPECT_EQ(program.State().gaugePosition, 50);
    program.Tick(std::nullopt);
    EXPECT_EQ(program.State().totalMemoryText, "RAM CELKEM = ? KB");
    EXPECT_EQ(program.State().availableMemoryText, "VOLNE =? KB");
}

TEST(MemoryTextTest, GaugeTruncatesAtEachDivisionInThirtyTwoBits) {
    struct Case {
        std::optional<MemoryFigures> memory;
        int position;
    };
    auto kb = [](std::uint64_t total, std::uint64_t available) {
        return MemoryFigures{total << 10, available << 10};
    };
    const Case cases[] = {
        {kb(1'000'000, 333'333), 67},  // 100 - 333,333 / 10,000
        {kb(2'097'152, 1'048'576), 50},
        {kb(2'097'152, 0), 100},
        {kb(99, 50), 0},                                   // less than 100 KB in all: nothing to divide by
        {kb(1'000, 2'000), 0},                             // more free than there is
        {kb(std::uint64_t(1) << 32 | 1'000'000, 0), 100},  // KB counts are cut to 32 bits
        {std::nullopt, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(GaugePosition(c.memory), c.position);
}

}  // namespace
}  // namespace kalvora::testing
