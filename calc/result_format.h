// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kalvora {

// The printf formats the forms write their results with.
enum class ResultFormat {
    Fixed0,     // "%.f"
    Fixed2,     // "%.2f"
    Fixed3,     // "%.3f"
    Fixed4,     // "%.4f"
    Fixed5,     // "%.5f"
    Fixed6,     // "%f"
    Exponent2,  // "%.2e", exponent signed and at least three digits: 2.08e+020
};

// Formats `value` as the program shows results: the value is first written with 17 significant
// digits, cut after the last shown digit and rounded half away from zero on that digit string;
// places beyond the 17th significant digit print as 0. '-' on negative values and negative
// zero. Infinities and NaN show as "inf", "-inf" and "nan".
std::string FormatResult(double value, ResultFormat format);

}  // namespace kalvora
