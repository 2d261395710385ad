// SPDX-License-Identifier: MIT
// Menu texts as the menu tables write them: '&' before a character marks it as the mnemonic
// (underlined; Alt with it, or the character alone in an open popup, chooses the item), and
// "&&" stands for one '&' shown as it is. Qt and Windows read this marking themselves; a view
// that draws its own menus, or needs the text as it is read aloud, takes it apart here.
#pragma once

#include <string>
#include <string_view>

namespace kalvora {

struct MenuLabel {
    std::string text;       // as shown and as read aloud: without the markers, "&&" as '&'
    int mnemonic = -1;      // where the mnemonic stands in `text`, in UTF-16 code units; -1: none
    int mnemonicByte = -1;  // the same place as a byte offset into the UTF-8 `text`; -1: none

    friend bool operator==(const MenuLabel&, const MenuLabel&) = default;
};

// Takes a marked text apart. The first single '&' that has a character after it marks the
// mnemonic; a later one is dropped like the first. A lone '&' at the end is dropped.
MenuLabel ReadMenuText(std::string_view marked);

// A text to be shown as it is: every '&' doubled, so that nothing becomes a mnemonic.
std::string MarkMenuText(std::string_view plain);

// The text without its trailing mnemonic hint: "Elektro(&E)" gives "Elektro" (a window title
// named after the menu item). A text without "(&" stays whole.
std::string_view WithoutMnemonicHint(std::string_view marked);

}  // namespace kalvora
