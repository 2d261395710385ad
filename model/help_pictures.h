// SPDX-License-Identifier: MIT
// What each help picture shows, in words and symbols, for a reader who cannot see the picture
// (a screen reader, a picture that failed to load).
#pragma once

#include <span>
#include <string_view>

namespace kalvora {

struct HelpPictureText {
    int id;
    std::string_view text;  // the picture's formulas, or its sketch in words
};

// Every help picture with its text, by picture id.
std::span<const HelpPictureText> HelpPictureTexts();

// The text of help picture `id`; empty for an id without a picture.
std::string_view HelpPictureTextOf(int id);

}  // namespace kalvora
