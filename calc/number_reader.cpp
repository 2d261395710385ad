// SPDX-License-Identifier: MIT
#include "calc/number_reader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kalvora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// More significant digits than this never change a correctly rounded double; the digits cut
// off are remembered as one sticky non-zero digit so that halfway cases still round right.
constexpr std::size_t kMaxSignificantDigits = 800;
// Decimal exponents beyond this are far outside the range of doubles either way.
constexpr long kExponentClamp = 100000;

}  // namespace

NumberScan ScanNumber(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    std::string significant;  // digits without leading zeros
    long pointExponent = 0;   // the value is 0.significant... scaled by 10^pointExponent
    bool sticky = false;
    bool anyDigit = false;
    auto takeDigit = [&](char c, bool beforePoint) {
        anyDigit = true;
        if (significant.empty() && c == '0') {
            if (!beforePoint) --pointExponent;
            return;
        }
        if (significant.size() < kMaxSignificantDigits)
            significant.push_back(c);
        else if (c != '0')
            sticky = true;
        if (beforePoint && pointExponent < kExponentClamp) ++pointExponent;
    };
    while (pos < text.size() && IsDigit(text[pos])) takeDigit(text[pos++], true);
    if (pos < text.size() && text[pos] == '.') {
        std::size_t after = pos + 1;
        bool fractionDigits = false;
        while (after < text.size() && IsDigit(text[after])) {
            if (pointExponent > -kExponentClamp || !significant.empty()) takeDigit(text[after], false);
            fractionDigits = true;
            ++after;
        }
        if (anyDigit || fractionDigits) pos = after;
    }
    if (!anyDigit) return {};

    long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
        std::size_t e = pos + 1;
        bool expNegative = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) expNegative = text[e++] == '-';
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e])) {
                if (exponent < kExponentClamp) exponent = exponent * 10 + (text[e] - '0');
                ++e;
            }
            if (expNegative) exponent = -exponent;
            pos = e;
        }
    }

    double magnitude = 0.0;
    if (!significant.empty()) {
        if (sticky) significant.push_back('1');
        const long scale = pointExponent + exponent;  // value = 0.significant * 10^scale
        if (scale > 400) {
            magnitude = std::numeric_limits<double>::infinity();
        } else if (scale < -400) {
            magnitude = 0.0;
        } else {
            const long digitExponent = scale - static_cast<long>(significant.size());
            std::string normal = significant + "e" + std::to_string(digitExponent);
#if defined(__cpp_lib_to_chars)
            auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), magnitude,
                                             std::chars_format::scientific);
            (void)end;
            if (ec == std::errc::result_out_of_range)
                magnitude = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
#else
            // Standard libraries without from_chars for doubles (emscripten's): strtod rounds
            // correctly too, and the text has no decimal point for a locale to misread.
            magnitude = std::strtod(normal.c_str(), nullptr);
#endif
        }
    }
    return {negative ? -magnitude : magnitude, pos};
}

double ReadNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && !IsDigit(text[start]) && text[start] != '+' && text[start] != '-' &&
           text[start] != '\0')
        ++start;
    if (start < text.size() && text[start] == '\0') return 0.0;
    return ScanNumber(text.substr(start)).value;
}

std::optional<double> ReadNumberAtFirstDigit(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && !IsDigit(text[start])) {
        if (text[start] == '\0') return std::nullopt;
        ++start;
    }
    if (start == text.size()) return std::nullopt;
    return ScanNumber(text.substr(start)).value;
}

double ReadLeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || (text[start] >= '\t' && text[start] <= '\r')))
        ++start;
    return ScanNumber(text.substr(start)).value;
}

}  // namespace kalvora
