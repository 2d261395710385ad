// SPDX-License-Identifier: MIT
// Fuzz target: the result formatter. The text must have the format's shape, carry '-' exactly
// for negative values, and read back to the value's 17-significant-digit rounding at the shown
// precision (halves away from zero).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/result_format.h"
#include "fuzz/fuzz_check.h"

namespace {

using kalvora::ResultFormat;

constexpr ResultFormat kFormats[] = {ResultFormat::Fixed0, ResultFormat::Fixed2, ResultFormat::Fixed3,
                                     ResultFormat::Fixed4, ResultFormat::Fixed5, ResultFormat::Fixed6,
                                     ResultFormat::Exponent2};
constexpr int kDecimals[] = {0, 2, 3, 4, 5, 6, 2};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void CheckShape(const std::string& body, int decimals, bool exponent) {
    std::size_t i = 0;
    while (i < body.size() && IsDigit(body[i])) ++i;
    FUZZ_CHECK(i >= 1);
    if (exponent) FUZZ_CHECK(i == 1);
    if (decimals > 0) {
        FUZZ_CHECK(i < body.size() && body[i] == '.');
        ++i;
        for (int d = 0; d < decimals; ++d, ++i) FUZZ_CHECK(i < body.size() && IsDigit(body[i]));
    }
    if (exponent) {
        FUZZ_CHECK(i + 5 <= body.size() && body[i] == 'e' && (body[i + 1] == '+' || body[i + 1] == '-'));
        i += 2;
        std::size_t expDigits = 0;
        while (i < body.size() && IsDigit(body[i])) ++i, ++expDigits;
        FUZZ_CHECK(expDigits >= 3);
    }
    FUZZ_CHECK(i == body.size());
}

// Significant digits past the 17th must print as zeros.
void CheckTrailingZeros(const std::string& body) {
    int significant = 0;
    bool started = false;
    for (char c : body) {
        if (c == 'e') break;
        if (!IsDigit(c)) continue;
        if (c != '0') started = true;
        if (started && ++significant > 17) FUZZ_CHECK(c == '0');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::size_t which = data[8] % 7;
    const std::string text = kalvora::FormatResult(value, kFormats[which]);
    if (std::isnan(value)) {
        FUZZ_CHECK(text == "nan");
        return 0;
    }
    if (std::isinf(value)) {
        FUZZ_CHECK(text == (value < 0 ? "-inf" : "inf"));
        return 0;
    }
    const bool negative = std::signbit(value);
    FUZZ_CHECK((text[0] == '-') == negative);
    const std::string body = negative ? text.substr(1) : text;
    const bool exponent = kFormats[which] == ResultFormat::Exponent2;
    const int decimals = kDecimals[which];
    CheckShape(body, decimals, exponent);
    CheckTrailingZeros(body);

    // The 17-digit value, then the shown precision's step; the text may differ from it by at
    // most half a step, rounding up exactly at a half. Exponent texts are compared in units of
    // the 17-digit value's power of ten, so that values near the top of the range do not overflow.
    char digits17[64];
    std::snprintf(digits17, sizeof digits17, "%.16e", std::fabs(value));
    double reference = std::strtod(digits17, nullptr);
    double shown;
    if (exponent) {
        const int e17 = std::atoi(std::strchr(digits17, 'e') + 1);
        const int e = std::atoi(std::strchr(body.c_str(), 'e') + 1);
        FUZZ_CHECK(e == e17 || e == e17 + 1);
        reference = std::strtod(std::string(digits17, std::strchr(digits17, 'e')).c_str(), nullptr);
        shown = std::strtod(std::string(body, 0, body.find('e')).c_str(), nullptr) * (e == e17 ? 1.0 : 10.0);
    } else {
        shown = std::strtod(body.c_str(), nullptr);
    }
    const double step = std::pow(10.0, -decimals);
    const double difference = shown - reference;
    const double slack = std::fabs(reference) * 1e-15 + 1e-300;
    FUZZ_CHECK(difference > -0.5 * step - slack);
    FUZZ_CHECK(difference <= 0.5 * step + slack);
    return 0;
}
