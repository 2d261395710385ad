// SPDX-License-Identifier: MIT
#include "calc/result_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace kalvora {
namespace {

struct FormatCase {
    double value;
    ResultFormat format;
    const char* expected;
};

class FormatResultTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, WritesTheProgramsText) {
    EXPECT_EQ(FormatResult(GetParam().value, GetParam().format), GetParam().expected);
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    HalvesAwayFromZero, FormatResultTest,
    testing::Values(FormatCase{2.5, ResultFormat::Fixed0, "3"}, FormatCase{-2.5, ResultFormat::Fixed0, "-3"},
                    FormatCase{0.125, ResultFormat::Fixed2, "0.13"}, FormatCase{229.6, ResultFormat::Fixed0, "230"},
                    FormatCase{0.4, ResultFormat::Fixed0, "0"}, FormatCase{11.5, ResultFormat::Fixed0, "12"},
                    FormatCase{0.005, ResultFormat::Fixed2, "0.01"}, FormatCase{1.0 / 3, ResultFormat::Fixed5, "0.33333"},
                    FormatCase{2.0 / 3, ResultFormat::Fixed5, "0.66667"}));

INSTANTIATE_TEST_SUITE_P(
    Carries, FormatResultTest,
    testing::Values(FormatCase{999.999, ResultFormat::Fixed2, "1000.00"}, FormatCase{9.9999996, ResultFormat::Fixed6, "10.000000"},
                    FormatCase{0.0095, ResultFormat::Fixed2, "0.01"}, FormatCase{0.5, ResultFormat::Fixed0, "1"},
                    FormatCase{0.0004, ResultFormat::Fixed3, "0.000"}, FormatCase{0.00049, ResultFormat::Fixed3, "0.000"},
                    FormatCase{0.0005, ResultFormat::Fixed3, "0.001"}, FormatCase{-0.000004, ResultFormat::Fixed5, "-0.00000"}));

INSTANTIATE_TEST_SUITE_P(
    SeventeenDigits, FormatResultTest,
    testing::Values(FormatCase{1e23, ResultFormat::Fixed0, "99999999999999992000000"},
                    FormatCase{123456789012345.67, ResultFormat::Fixed5, "123456789012345.67000"},
                    FormatCase{1e22, ResultFormat::Fixed2, "10000000000000000000000.00"},
                    FormatCase{0.1, ResultFormat::Fixed6, "0.100000"}, FormatCase{4.0, ResultFormat::Fixed5, "4.00000"},
                    FormatCase{1e-7, ResultFormat::Fixed5, "0.00000"}));

INSTANTIATE_TEST_SUITE_P(
    Exponent, FormatResultTest,
    testing::Values(FormatCase{2.0771e20, ResultFormat::Exponent2, "2.08e+020"},
                    FormatCase{6.67e-11, ResultFormat::Exponent2, "6.67e-011"},
                    FormatCase{9.995e5, ResultFormat::Exponent2, "1.00e+006"},
                    FormatCase{-1.235, ResultFormat::Exponent2, "-1.24e+000"},
                    FormatCase{0.0, ResultFormat::Exponent2, "0.00e+000"},
                    FormatCase{1.5e300, ResultFormat::Exponent2, "1.50e+300"},
                    FormatCase{4.9406564584124654e-324, ResultFormat::Exponent2, "4.94e-324"}));

INSTANTIATE_TEST_SUITE_P(
    SignsAndSpecials, FormatResultTest,
    testing::Values(FormatCase{-0.0, ResultFormat::Fixed5, "-0.00000"}, FormatCase{0.0, ResultFormat::Fixed0, "0"},
                    FormatCase{-3.0, ResultFormat::Fixed5, "-3.00000"}, FormatCase{kInf, ResultFormat::Fixed5, "inf"},
                    FormatCase{-kInf, ResultFormat::Fixed2, "-inf"},
                    FormatCase{std::numeric_limits<double>::quiet_NaN(), ResultFormat::Fixed6, "nan"},
                    FormatCase{-0.0, ResultFormat::Exponent2, "-0.00e+000"}));

TEST(FormatResult, LargestDoubleKeepsSeventeenDigitsThenZeros) {
    const std::string text = FormatResult(1.7976931348623157e308, ResultFormat::Fixed2);
    EXPECT_EQ(text.substr(0, 17), "17976931348623157");
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.find_first_not_of('0', 17), text.size() - 3);
}

}  // namespace
}  // namespace kalvora
