// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kalvora {

// The result of converting a number at the start of a text.
struct NumberScan {
    double value = 0.0;
    std::size_t consumed = 0;  // bytes that belong to the number; 0 when nothing converted
};

// Which characters may stand for the decimal point.
enum class DecimalMark {
    Point,         // only '.', exactly the classic "C" grammar
    PointOrComma,  // '.', or a ',' directly followed by a digit (the Czech decimal comma)
};

// Converts the number at the very start of `text` (no skipping): an optional sign, digits, an
// optional decimal mark with digits, an optional exponent introduced by e, E, d or D with an
// optional sign and at least one digit. At most one decimal mark is taken, and only before the
// exponent, so "1,5,3" and "1.5,3" convert 1.5 and "6e24,5" converts 6e24. Correctly rounded
// over all the digits; overflow gives +-inf, underflow +-0; negative zero is kept. Hexadecimal
// numbers and the words inf/nan are not numbers here. Texts are bytes: every byte from 0x80 up
// is a non-digit.
NumberScan ScanNumber(std::string_view text, DecimalMark mark);

// The lenient reading of the standard forms: skip everything up to the first digit, '+', '-',
// or '.' or ',' directly followed by a digit, then convert from there with the decimal comma.
// An embedded NUL ends the text. A text without a convertible number reads as 0.
double ReadNumber(std::string_view text);

// The wall form's reading: skip everything up to the first decimal digit, or a '.' or ','
// directly followed by one (signs are skipped too, so they are lost), then convert from there
// with the decimal comma. Empty when the text holds no digit before its end or an embedded NUL.
std::optional<double> ReadNumberAtFirstDigit(std::string_view text);

// The liquid-mixing form's reading, like the C library's atof with the decimal comma added: skip
// leading white space only, then convert. A text that does not begin with a number reads as 0.
double ReadLeadingNumber(std::string_view text);

}  // namespace kalvora
