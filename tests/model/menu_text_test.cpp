// SPDX-License-Identifier: MIT
// Menu texts taken apart: the mnemonic's place, the doubled '&', and the menus' own tables.
#include "model/menu_text.h"

#include <gtest/gtest.h>

#include <set>

#include "model/panel_data.h"
#include "model/shell_data.h"

namespace kalvora {
namespace {

TEST(MenuTextTest, TakesTheMarkersOutAndFindsTheMnemonic) {
    struct Case {
        std::string_view marked;
        MenuLabel label;
    };
    const Case cases[] = {
        {"Program(&P)", {"Program(P)", 8, 8}},
        {"&End", {"End", 0, 0}},
        {"plynů(&P)", {"plynů(P)", 6, 7}},  // 'ů' is one UTF-16 unit, two bytes
        {"A && B", {"A & B", -1, -1}},
        {"&&&x", {"&x", 1, 1}},
        {"&a&b", {"ab", 0, 0}},  // the first marker counts
        {"end&", {"end", -1, -1}},
        {"", {"", -1, -1}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadMenuText(c.marked), c.label) << c.marked;
}

TEST(MenuTextTest, MarkedPlainTextsReadBackWholeWithoutMnemonic) {
    for (const FieldCommand& field : kFieldCommands)
        for (const TopicMenuItem& item : TopicMenuItems(PanelFor(field.field))) {
            const MenuLabel label = ReadMenuText(item.text);
            EXPECT_EQ(label.mnemonic, -1) << item.text;
            EXPECT_EQ(MarkMenuText(label.text), item.text);
        }
}

// Alt with a letter must name one item: within each popup, and among the popups of the bar.
TEST(MenuTextTest, EveryMenuItemHasAMnemonicOfItsOwn) {
    std::set<std::string> titles;
    for (const MenuPopup& popup : MainMenu()) {
        const MenuLabel title = ReadMenuText(popup.title);
        ASSERT_GE(title.mnemonicByte, 0) << popup.title;
        EXPECT_TRUE(titles.insert(title.text.substr(std::size_t(title.mnemonicByte), 1)).second)
            << popup.title;
        std::set<std::string> letters;
        for (const MenuItem& item : popup.items) {
            const MenuLabel label = ReadMenuText(item.text);
            ASSERT_GE(label.mnemonicByte, 0) << item.text;
            EXPECT_TRUE(letters.insert(label.text.substr(std::size_t(label.mnemonicByte), 1)).second)
                << item.text;
        }
    }
}

TEST(MenuTextTest, TitleDropsOnlyTheTrailingHint) {
    for (const FieldCommand& field : kFieldCommands) {
        const std::string_view title = WithoutMnemonicHint(field.menuText);
        const MenuLabel label = ReadMenuText(field.menuText);
        EXPECT_FALSE(title.empty()) << field.menuText;
        EXPECT_EQ(label.text.substr(0, title.size()), title);
        EXPECT_EQ(label.mnemonicByte, int(title.size()) + 1) << field.menuText;
    }
    EXPECT_EQ(WithoutMnemonicHint("Plain"), "Plain");
}

}  // namespace
}  // namespace kalvora
