// SPDX-License-Identifier: MIT
#include "calc/result_format.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kalvora {
namespace {

constexpr int kSignificantDigits = 17;

// A finite, non-negative value written with 17 significant digits: value = D0.D1D2... x 10^exponent.
struct Digits17 {
    char digits[kSignificantDigits];
    int exponent = 0;

    // The digit at decimal place `place` (10^place), 0 outside the 17 digits.
    char At(int place) const {
        const int index = exponent - place;
        return index >= 0 && index < kSignificantDigits ? digits[index] : '0';
    }
};

Digits17 ToDigits(double magnitude) {
    Digits17 d{};
    if (magnitude == 0.0) {
        std::fill(std::begin(d.digits), std::end(d.digits), '0');
        return d;
    }
    char buffer[64];
#if defined(__cpp_lib_to_chars)
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    (void)ec;
#else
    // Standard libraries without to_chars for doubles (emscripten's): snprintf rounds correctly
    // too. The program never changes the locale, so the point stays '.'.
    const char* end =
        buffer + std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
#endif
    // buffer: "d.dddddddddddddddde+XX"
    int n = 0;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') d.digits[n++] = *p;
    const char* exponentText = p + 1;
    if (exponentText != end && *exponentText == '+') ++exponentText;
    std::from_chars(exponentText, end, d.exponent);
    return d;
}

// Increments a string of decimal digits by one in its last place; returns true on a carry out.
bool Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

std::string FormatFixed(const Digits17& d, int decimals) {
    const int high = std::max(d.exponent, 0);
    std::string digits;
    for (int place = high; place >= -decimals; --place) digits.push_back(d.At(place));
    int integerDigits = high + 1;
    if (d.At(-decimals - 1) >= '5' && Increment(digits)) {
        digits.insert(digits.begin(), '1');
        ++integerDigits;
    }
    std::string text = digits.substr(0, integerDigits);
    // Appended in place: `"." + digits.substr(...)` draws a false -Wrestrict from GCC 12 at -O2.
    if (decimals > 0) text.append(1, '.').append(digits, std::size_t(integerDigits));
    return text;
}

std::string FormatExponent(const Digits17& d, int decimals, bool zero) {
    std::string digits(d.digits, d.digits + decimals + 1);
    int exponent = zero ? 0 : d.exponent;
    if (d.digits[decimals + 1] >= '5' && Increment(digits)) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
    }
    std::string text = digits.substr(0, 1);
    if (decimals > 0) text.append(1, '.').append(digits, 1);
    text += exponent < 0 ? "e-" : "e+";
    std::string expDigits = std::to_string(std::abs(exponent));
    if (expDigits.size() < 3) expDigits.insert(0, 3 - expDigits.size(), '0');
    return text + expDigits;
}

}  // namespace

std::string FormatResult(double value, ResultFormat format) {
    if (std::isnan(value)) return "nan";
    const bool negative = std::signbit(value);
    if (std::isinf(value)) return negative ? "-inf" : "inf";
    const double magnitude = std::fabs(value);
    const Digits17 digits = ToDigits(magnitude);
    std::string text;
    switch (format) {
    case ResultFormat::Fixed0: text = FormatFixed(digits, 0); break;
    case ResultFormat::Fixed2: text = FormatFixed(digits, 2); break;
    case ResultFormat::Fixed3: text = FormatFixed(digits, 3); break;
    case ResultFormat::Fixed4: text = FormatFixed(digits, 4); break;
    case ResultFormat::Fixed5: text = FormatFixed(digits, 5); break;
    case ResultFormat::Fixed6: text = FormatFixed(digits, 6); break;
    case ResultFormat::Exponent2: text = FormatExponent(digits, 2, magnitude == 0.0); break;
    }
    return negative ? "-" + text : text;
}

}  // namespace kalvora
