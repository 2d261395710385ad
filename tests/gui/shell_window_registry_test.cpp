// SPDX-License-Identifier: MIT
// The window slots: destroyed windows read as empty, and the two routines that empty the screen.
#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "app/window_registry.h"
#include "calc/catalogue.h"

namespace kalvora {
namespace {

// Fills every panel and form slot and the help slot with a child of one parent window.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = std::make_unique<QWidget>();
        for (auto& slot : Registry().panels) slot = new QWidget(parent.get());
        for (auto& slot : Registry().forms) slot = new QWidget(parent.get());
        Registry().helpWindow = new QWidget(parent.get());
        Registry().activeCalculator = Registry().forms[3];
    }
    void TearDown() override { parent.reset(); }

    static std::size_t Filled(const auto& slotList) {
        return std::size_t(std::count_if(slotList.begin(), slotList.end(),
                                         [](const QPointer<QWidget>& s) { return !s.isNull(); }));
    }

    std::unique_ptr<QWidget> parent;
};

TEST_F(RegistryTest, DestroyCalculatorsRemovesEveryFormHiddenOnesAndTheHelpWindow) {
    Registry().forms[5]->hide();  // a form closed with Storno stays alive until now
    QPointer<QWidget> hidden = Registry().forms[5];
    DestroyCalculators();
    EXPECT_EQ(Filled(Registry().forms), 0u);
    EXPECT_TRUE(hidden.isNull());
    EXPECT_TRUE(Registry().helpWindow.isNull());
    EXPECT_TRUE(Registry().activeCalculator.isNull());
    EXPECT_EQ(Filled(Registry().panels), kFieldCount);  // panels are not calculators
    EXPECT_EQ(parent->findChildren<QWidget*>().size(), qsizetype(kFieldCount));

    DestroyCalculators();  // a second run finds only empty slots
    EXPECT_EQ(Filled(Registry().forms), 0u);
}

TEST_F(RegistryTest, DestroyTopicPanelsRemovesEveryPanelOnly) {
    DestroyTopicPanels();
    EXPECT_EQ(Filled(Registry().panels), 0u);
    EXPECT_EQ(Filled(Registry().forms), kFormCount);
    EXPECT_FALSE(Registry().helpWindow.isNull());
    DestroyTopicPanels();
    EXPECT_EQ(Filled(Registry().panels), 0u);
}

TEST_F(RegistryTest, ASlotWhoseWindowWentAnotherWayReadsEmpty) {
    delete Registry().forms[0].data();
    delete Registry().panels[2].data();
    EXPECT_TRUE(Registry().forms[0].isNull());
    EXPECT_TRUE(Registry().panels[2].isNull());
    DestroyCalculators();  // passes over the empty slot
    DestroyTopicPanels();
    EXPECT_TRUE(parent->findChildren<QWidget*>().isEmpty());

    // Slots of windows destroyed with their parent read empty as well.
    for (auto& slot : Registry().forms) slot = new QWidget(parent.get());
    parent.reset();
    EXPECT_EQ(Filled(Registry().forms), 0u);
}

TEST(WindowRegistry, EveryFormHasItsOwnSlot) {
    const auto forms = Catalogue();
    ASSERT_EQ(forms.size(), kFormCount);
    for (std::size_t i = 0; i < forms.size(); ++i) EXPECT_EQ(FormSlot(*forms[i]), i);
}

}  // namespace
}  // namespace kalvora
