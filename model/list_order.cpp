// SPDX-License-Identifier: MIT
#include "model/list_order.h"

#include <algorithm>
#include <cstdint>

namespace kalvora {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes UTF-8; every byte of a broken sequence stands for itself as U+FFFD.
std::u32string Decode(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        char32_t cp = length == 1   ? lead
                      : length == 2 ? lead & 0x1F
                      : length == 3 ? lead & 0x0F
                                    : lead & 0x07;
        bool valid = length > 0 && i + std::size_t(length) <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += std::size_t(length);
    }
    return out;
}

// Lower case for ASCII, Latin-1 and Latin Extended-A, the letters Czech texts are written in.
char32_t Lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x178) return 0xFF;  // Ÿ
        if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        if (oddUpper ? (c % 2 == 1) : (c % 2 == 0)) return c + 1;
    }
    return c;
}

// A lower-case letter as its base letter and the accent that only breaks ties (0: none).
struct Letter {
    char base;
    int accent;
};

Letter Decompose(char32_t c) {
    switch (c) {
        case 0xE1:
            return {'a', 1};  // á
        case 0xE4:
            return {'a', 4};  // ä
        case 0x10F:
            return {'d', 2};  // ď
        case 0xE9:
            return {'e', 1};  // é
        case 0x11B:
            return {'e', 2};  // ě
        case 0xEB:
            return {'e', 4};  // ë
        case 0xED:
            return {'i', 1};  // í
        case 0x13A:
            return {'l', 1};  // ĺ
        case 0x13E:
            return {'l', 2};  // ľ
        case 0x148:
            return {'n', 2};  // ň
        case 0xF3:
            return {'o', 1};  // ó
        case 0xF4:
            return {'o', 3};  // ô
        case 0xF6:
            return {'o', 4};  // ö
        case 0x155:
            return {'r', 1};  // ŕ
        case 0x165:
            return {'t', 2};  // ť
        case 0xFA:
            return {'u', 1};  // ú
        case 0x16F:
            return {'u', 3};  // ů
        case 0xFC:
            return {'u', 4};  // ü
        case 0xFD:
            return {'y', 1};  // ý
        default:
            return {c >= 'a' && c <= 'z' ? char(c) : '\0', 0};
    }
}

// The letters of the Czech alphabet that are letters of their own, right after their base.
bool IsOwnLetter(char32_t c) {
    return c == 0x10D || c == 0x159 || c == 0x161 || c == 0x17E;
}  // č ř š ž

char OwnLetterBase(char32_t c) {
    return c == 0x10D ? 'c' : c == 0x159 ? 'r' : c == 0x161 ? 's' : 'z';
}

// One collation element: the primary weight decides, the accent breaks ties.
struct Element {
    std::uint32_t primary;
    int accent;
};

constexpr std::uint32_t kSpaceWeight = 1;
constexpr std::uint32_t kSignWeight = 2;  // + the code point: other signs in code order
constexpr std::uint32_t kDigitWeight = 0x200;
constexpr std::uint32_t kLetterWeight = 0x300;
constexpr std::uint32_t kOtherWeight = 0x1000;  // + the code point: scripts the lists never hold

std::uint32_t LetterWeight(char base, int step) {
    return kLetterWeight + std::uint32_t(base - 'a') * 3 + std::uint32_t(step);
}

std::vector<Element> Elements(std::string_view text) {
    const std::u32string chars = Decode(text);
    std::vector<Element> elements;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = Lower(chars[i]);
        if (c == 'c' && i + 1 < chars.size() && Lower(chars[i + 1]) == 'h') {
            elements.push_back({LetterWeight('h', 1), 0});  // ch follows h
            ++i;
        } else if (IsOwnLetter(c)) {
            elements.push_back({LetterWeight(OwnLetterBase(c), 1), 0});
        } else if (const Letter letter = Decompose(c); letter.base != '\0') {
            elements.push_back({LetterWeight(letter.base, 0), letter.accent});
        } else if (c >= '0' && c <= '9') {
            elements.push_back({kDigitWeight + std::uint32_t(c - '0'), 0});
        } else if (c == ' ' || c == '\t' || c == 0xA0) {
            elements.push_back({kSpaceWeight, 0});
        } else if (c < 0x80) {
            elements.push_back({kSignWeight + std::uint32_t(c), 0});
        } else {
            elements.push_back({kOtherWeight + std::uint32_t(c), 0});
        }
    }
    return elements;
}

template <typename Key>
int CompareBy(const std::vector<Element>& a, const std::vector<Element>& b, Key key) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
        if (key(a[i]) != key(b[i])) return key(a[i]) < key(b[i]) ? -1 : 1;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

}  // namespace

int CompareCzech(std::string_view a, std::string_view b) {
    const std::vector<Element> left = Elements(a);
    const std::vector<Element> right = Elements(b);
    if (int primary = CompareBy(left, right, [](const Element& e) { return std::int64_t(e.primary); }))
        return primary;
    return CompareBy(left, right, [](const Element& e) { return std::int64_t(e.accent); });
}

std::size_t SortedPosition(const std::vector<std::string>& items, std::string_view text) {
    std::size_t position = 0;
    while (position < items.size() && CompareCzech(items[position], text) <= 0) ++position;
    return position;
}

std::optional<std::size_t> FindIgnoringCase(const std::vector<std::string>& items, std::string_view text) {
    std::u32string wanted = Decode(text);
    std::transform(wanted.begin(), wanted.end(), wanted.begin(), Lower);
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::u32string item = Decode(items[i]);
        std::transform(item.begin(), item.end(), item.begin(), Lower);
        if (item == wanted) return i;
    }
    return std::nullopt;
}

}  // namespace kalvora
