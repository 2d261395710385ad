// SPDX-License-Identifier: MIT
// Fuzz target: the number readers. The value read must equal the C library's correctly rounded
// conversion of exactly the prefix the reader consumed (a decimal comma turned into a point), and
// nothing past the text is read.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/number_reader.h"
#include "fuzz/fuzz_check.h"

namespace {

using kalvora::DecimalMark;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The grammar, checked independently of the reader: sign, digits, a decimal mark, digits,
// exponent. A comma stands for the point only with the comma mark and a digit right after it.
bool IsNumber(std::string_view s, DecimalMark mark) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    const bool comma =
        mark == DecimalMark::PointOrComma && i + 1 < s.size() && s[i] == ',' && IsDigit(s[i + 1]);
    if (i < s.size() && (s[i] == '.' || comma)) {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

// strtod on a copy with the exponent letter made 'e' and the comma made '.' (the text holds
// only sign, digits, one decimal mark and the exponent).
double Reference(std::string_view prefix) {
    std::string copy(prefix);
    for (char& c : copy) {
        if (c == 'd' || c == 'D') c = 'e';
        if (c == ',') c = '.';
    }
    return std::strtod(copy.c_str(), nullptr);
}

void CheckScan(std::string_view text, DecimalMark mark) {
    const kalvora::NumberScan scan = kalvora::ScanNumber(text, mark);
    FUZZ_CHECK(scan.consumed <= text.size());
    if (scan.consumed == 0) {
        FUZZ_CHECK(scan.value == 0.0 && !std::signbit(scan.value));
        return;
    }
    const std::string_view prefix = text.substr(0, scan.consumed);
    FUZZ_CHECK(IsNumber(prefix, mark));
    // The reader takes the longest number: valid longer prefixes lie at most three characters
    // further (an exponent needs 'e', a sign and a digit), so none of those may be a number.
    for (std::size_t extra = 1; extra <= 3 && scan.consumed + extra <= text.size(); ++extra)
        FUZZ_CHECK(!IsNumber(text.substr(0, scan.consumed + extra), mark));
    const double expected = Reference(prefix);
    FUZZ_CHECK(scan.value == expected && std::signbit(scan.value) == std::signbit(expected));
}

// Whether a digit comes before the end of the text or its first NUL.
bool HasDigit(std::string_view text) {
    for (char c : text) {
        if (c == '\0') return false;
        if (IsDigit(c)) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes: AddressSanitizer reports any read past the text.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckScan(text, DecimalMark::Point);
    CheckScan(text, DecimalMark::PointOrComma);

    const double lenient = kalvora::ReadNumber(text);
    const auto firstDigit = kalvora::ReadNumberAtFirstDigit(text);
    // Without a digit there is nothing to read; the wall's reading says so, the lenient gives 0.
    FUZZ_CHECK(firstDigit.has_value() == HasDigit(text));
    if (!HasDigit(text)) FUZZ_CHECK(lenient == 0.0 && !std::signbit(lenient));
    if (firstDigit) FUZZ_CHECK(!std::signbit(*firstDigit));
    // Both skip the same characters when the text holds no sign, so they read the same number.
    if (text.find_first_of("+-") == std::string_view::npos) FUZZ_CHECK(firstDigit.value_or(0.0) == lenient);
    (void)kalvora::ReadLeadingNumber(text);
    return 0;
}
