// SPDX-License-Identifier: MIT
// Fuzz target: the number readers. The value read must equal the C library's correctly rounded
// conversion of exactly the prefix the reader consumed, and nothing past the text is read.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/number_reader.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The C grammar, checked independently of the reader: sign, digits, '.', digits, exponent.
bool IsCNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
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

// strtod on a copy with the exponent letter made 'e' (the text holds only sign, digits, '.', e).
double Reference(std::string_view prefix) {
    std::string copy(prefix);
    for (char& c : copy)
        if (c == 'd' || c == 'D') c = 'e';
    return std::strtod(copy.c_str(), nullptr);
}

void CheckScan(std::string_view text) {
    const kalvora::NumberScan scan = kalvora::ScanNumber(text);
    FUZZ_CHECK(scan.consumed <= text.size());
    if (scan.consumed == 0) {
        FUZZ_CHECK(scan.value == 0.0 && !std::signbit(scan.value));
        return;
    }
    const std::string_view prefix = text.substr(0, scan.consumed);
    FUZZ_CHECK(IsCNumber(prefix));
    // The reader takes the longest number: valid longer prefixes lie at most three characters
    // further (an exponent needs 'e', a sign and a digit), so none of those may be a number.
    for (std::size_t extra = 1; extra <= 3 && scan.consumed + extra <= text.size(); ++extra)
        FUZZ_CHECK(!IsCNumber(text.substr(0, scan.consumed + extra)));
    const double expected = Reference(prefix);
    FUZZ_CHECK(scan.value == expected && std::signbit(scan.value) == std::signbit(expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes: AddressSanitizer reports any read past the text.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckScan(text);
    const double lenient = kalvora::ReadNumber(text);
    (void)lenient;
    const auto firstDigit = kalvora::ReadNumberAtFirstDigit(text);
    if (firstDigit) FUZZ_CHECK(!std::signbit(*firstDigit));
    (void)kalvora::ReadLeadingNumber(text);
    return 0;
}
