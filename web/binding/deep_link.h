// SPDX-License-Identifier: MIT
// Links to one calculation: "SLUG/TEXT/TEXT..." after the page's '#', the form by its
// command-line slug and its input texts in reading order, each percent-encoded.
#pragma once

#include <string>
#include <string_view>

#include "model/program.h"

namespace kalvora::web {

// "%XX" becomes the byte XX; a '%' without two hex digits after it stays as it is.
std::string PercentDecoded(std::string_view text);
// Keeps letters, digits and "-._~" of ASCII; every other byte becomes "%XX".
std::string PercentEncoded(std::string_view text);

// Opens the form the link names as its panel label does (its field first), fills its inputs in
// reading order and, when the link gives every input, presses OK. A link with an unknown slug
// changes nothing and returns false.
bool OpenLink(Program& program, std::string_view link);

// The link to the active form with its current input texts, or "" when no form is on screen.
std::string LinkToActiveForm(const Program& program);

}  // namespace kalvora::web
