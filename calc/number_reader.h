// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kalvora {

// The result of converting a number in the classic "C" grammar at the start of a text.
struct NumberScan {
    double value = 0.0;
    std::size_t consumed = 0;  // bytes that belong to the number; 0 when nothing converted
};

// Converts the C-locale number at the very start of `text` (no skipping): an optional sign,
// digits, an optional '.' with digits, an optional exponent introduced by e, E, d or D with an
// optional sign and at least one digit. Correctly rounded; overflow gives +-inf, underflow +-0;
// negative zero is kept. Hexadecimal numbers and the words inf/nan are not numbers here.
// Texts are bytes: every byte from 0x80 up is a non-digit.
NumberScan ScanNumber(std::string_view text);

// The lenient reading of the standard forms: skip everything up to the first digit, '+' or '-',
// then convert from there. A text without a convertible number reads as 0.
double ReadNumber(std::string_view text);

// The wall form's reading: skip everything up to the first decimal digit (signs and points are
// skipped too), then convert from there. Empty when the text holds no digit at all.
std::optional<double> ReadNumberAtFirstDigit(std::string_view text);

// The liquid-mixing form's reading, like the C library's atof: skip leading white space only,
// then convert. A text that does not begin with a number reads as 0.
double ReadLeadingNumber(std::string_view text);

}  // namespace kalvora
