// SPDX-License-Identifier: MIT
// Menu texts taken apart: the mnemonic's place, the doubled '&', and the menus' own tables.
#include "model/menu_text.h"

#include <gtest/gtest.h>

#include <set>

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

// Alt with a letter names one popup of the bar and one item of a popup; a panel's title is its
// field's item without the hint that holds the mnemonic.
TEST(MenuTextTest, EveryMenuHasMnemonicsOfItsOwn) {
    const auto letter = [](std::string_view marked) {
        const MenuLabel label = ReadMenuText(marked);
        return label.mnemonicByte < 0 ? std::string() : label.text.substr(std::size_t(label.mnemonicByte), 1);
    };
    std::set<std::string> titles{""};
    for (const MenuPopup& popup : MainMenu()) {
        EXPECT_TRUE(titles.insert(letter(popup.title)).second) << popup.title;
        std::set<std::string> items{""};
        for (const MenuItem& item : popup.items)
            EXPECT_TRUE(items.insert(letter(item.text)).second) << item.text;
    }
    for (const FieldCommand& field : kFieldCommands)
        EXPECT_EQ(std::string(WithoutMnemonicHint(field.menuText)) + "(" + letter(field.menuText) + ")",
                  ReadMenuText(field.menuText).text);
}

}  // namespace
}  // namespace kalvora
