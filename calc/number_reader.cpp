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

bool FollowedByDigit(std::string_view text, std::size_t pos) {
    return pos + 1 < text.size() && IsDigit(text[pos + 1]);
}

// A comma counts only with a digit after it, so that a comma between numbers ("1, 5") still
// ends the number.
bool IsDecimalMark(std::string_view text, std::size_t pos, DecimalMark mark) {
    if (pos >= text.size()) return false;
    if (text[pos] == '.') return true;
    return mark == DecimalMark::PointOrComma && text[pos] == ',' && FollowedByDigit(text, pos);
}

enum class Signs { EndSkipping, AreSkipped };

// Where the number begins once everything before it is skipped: at a digit, at a '.' or ','
// directly followed by a digit (".5" is a half, not five), or at '+' or '-' when signs end the
// skipping. Empty when the text, or an embedded NUL, ends first.
std::optional<std::size_t> NumberStart(std::string_view text, Signs signs) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '\0') return std::nullopt;
        if (IsDigit(c) || ((c == '.' || c == ',') && FollowedByDigit(text, pos))) return pos;
        if (signs == Signs::EndSkipping && (c == '+' || c == '-')) return pos;
    }
    return std::nullopt;
}

// More significant digits than this never change a correctly rounded double; the digits cut
// off are remembered as one sticky non-zero digit so that halfway cases still round right.
constexpr std::size_t kMaxSignificantDigits = 800;
// Decimal exponents beyond this are far outside the range of doubles either way.
constexpr long kExponentClamp = 100000;

}  // namespace

NumberScan ScanNumber(std::string_view text, DecimalMark mark) {
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
    if (IsDecimalMark(text, pos, mark)) {
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
    const std::optional<std::size_t> start = NumberStart(text, Signs::EndSkipping);
    if (!start) return 0.0;
    return ScanNumber(text.substr(*start), DecimalMark::PointOrComma).value;
}

std::optional<double> ReadNumberAtFirstDigit(std::string_view text) {
    const std::optional<std::size_t> start = NumberStart(text, Signs::AreSkipped);
    if (!start) return std::nullopt;
    return ScanNumber(text.substr(*start), DecimalMark::PointOrComma).value;
}

double ReadLeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || (text[start] >= '\t' && text[start] <= '\r')))
        ++start;
    return ScanNumber(text.substr(start), DecimalMark::PointOrComma).value;
}

}  // namespace kalvora
