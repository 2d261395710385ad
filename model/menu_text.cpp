// SPDX-License-Identifier: MIT
#include "model/menu_text.h"

namespace kalvora {
namespace {

// UTF-16 code units of one UTF-8 lead byte's character; continuation bytes count nothing.
int Utf16Units(unsigned char byte) {
    if ((byte & 0xC0) == 0x80) return 0;
    return byte >= 0xF0 ? 2 : 1;
}

}  // namespace

MenuLabel ReadMenuText(std::string_view marked) {
    MenuLabel label;
    int units = 0;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        char c = marked[i];
        if (c == '&') {
            if (i + 1 >= marked.size()) break;
            ++i;
            c = marked[i];
            if (c != '&' && label.mnemonic < 0) {
                label.mnemonic = units;
                label.mnemonicByte = int(label.text.size());
            }
        }
        label.text += c;
        units += Utf16Units(static_cast<unsigned char>(c));
    }
    return label;
}

std::string MarkMenuText(std::string_view plain) {
    std::string marked;
    for (char c : plain) {
        if (c == '&') marked += '&';
        marked += c;
    }
    return marked;
}

std::string_view WithoutMnemonicHint(std::string_view marked) {
    const std::size_t hint = marked.find("(&");
    return hint == std::string_view::npos ? marked : marked.substr(0, hint);
}

}  // namespace kalvora
