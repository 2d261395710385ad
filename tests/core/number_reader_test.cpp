// SPDX-License-Identifier: MIT
#include "calc/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kalvora {
namespace {

struct ReadCase {
    const char* name;
    std::string text;
    double expected;
};

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsAsTheFormsDo) {
    const ReadCase& c = GetParam();
    const double value = ReadNumber(c.text);
    if (std::isinf(c.expected)) {
        EXPECT_EQ(value, c.expected);
    } else {
        EXPECT_EQ(value, c.expected) << "text: " << c.text;
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << "sign of " << c.text;
    }
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadNumberTest,
    testing::Values(ReadCase{"Plain", "12", 12}, ReadCase{"Decimal", "85.12", 85.12},
                    ReadCase{"LeadingPoint", ".5", 0.5}, ReadCase{"ZeroPointFive", "0.5", 0.5},
                    ReadCase{"MinusPoint", "-.5", -0.5}, ReadCase{"DecimalComma", "1,5", 1.5},
                    ReadCase{"SignsOnly", "--3", 0}, ReadCase{"PlusMinus", "+-3", 0},
                    ReadCase{"SignEndsSkipping", "x-y3", 0}, ReadCase{"TextBefore", "U = -12 V", -12},
                    ReadCase{"LeadingBlank", " 12 V", 12}, ReadCase{"EqualsSign", "U=12", 12},
                    ReadCase{"UnitAfter", "12V", 12}, ReadCase{"MinusAfterLetter", "x-3", -3},
                    ReadCase{"ExponentE", "2e3", 2000}, ReadCase{"ExponentUpper", "1E3", 1000},
                    ReadCase{"ExponentD", "2d3", 2000}, ReadCase{"ExponentUpperD", "1D3", 1000},
                    ReadCase{"ExponentWithoutDigits", "5e", 5}, ReadCase{"ExponentSignOnly", "5e+", 5},
                    ReadCase{"NegativeExponent", "2e-5", 2e-5}, ReadCase{"Letters", "abc", 0},
                    ReadCase{"Empty", "", 0}, ReadCase{"NegativeZero", "-0", -0.0},
                    ReadCase{"PresetName", "měď 0.0175", 0.0175}, ReadCase{"PresetExponent", "Země 6e24", 6e24},
                    ReadCase{"HexIsNotANumber", "0x10", 0}, ReadCase{"InfWordIsNotANumber", "inf", 0},
                    ReadCase{"NanWordIsNotANumber", "nan", 0}, ReadCase{"Infinity", "infinity", 0},
                    ReadCase{"Overflow", "1e400", kInf}, ReadCase{"NegativeOverflow", "-1e400", -kInf},
                    ReadCase{"Underflow", "1e-400", 0}, ReadCase{"NegativeUnderflow", "-1e-400", -0.0},
                    ReadCase{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
                    ReadCase{"AboveHalfwayToOverflow", "1.7976931348623159e308", kInf},
                    ReadCase{"SmallestSubnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
                    ReadCase{"BelowHalfSubnormal", "2.4e-324", 0},
                    ReadCase{"AboveHalfSubnormal", "2.5e-324", 4.9406564584124654e-324},
                    ReadCase{"EmbeddedNulEndsText", std::string("x\0" "5", 3), 0},
                    ReadCase{"HighBytesAreNotDigits", "\xff\xfe\x80" "7", 7},
                    ReadCase{"CorrectRoundingHalfEven", "9007199254740993", 9007199254740992.0},
                    ReadCase{"CorrectRoundingAboveHalf", "9007199254740993.0000000001", 9007199254740994.0}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// A '.' or ',' with a digit right after it starts the number while skipping; within the number one
// ',' is the decimal point when no decimal mark and no exponent came before and a digit follows.
INSTANTIATE_TEST_SUITE_P(
    DecimalMarks, ReadNumberTest,
    testing::Values(
        ReadCase{"CommaStarts", ",5", 0.5}, ReadCase{"PointAfterName", "abc.5", 0.5},
        ReadCase{"PointAfterNameWithExponent", "x.25e2", 25},
        ReadCase{"PointInNameSkipped", "Opt.mohutnost 3", 3}, ReadCase{"CommaInNameSkipped", "x,y5", 5},
        ReadCase{"FirstOfTwoPointsSkipped", "..5", 0.5}, ReadCase{"MinusComma", "-,5", -0.5},
        ReadCase{"SignStillEndsSkipping", "-x,5", 0}, ReadCase{"CommaThenExponent", "3,8e8", 3.8e8},
        ReadCase{"NegativeComma", "-2,5", -2.5}, ReadCase{"PresetWithComma", "měď 0,0175", 0.0175},
        ReadCase{"SecondCommaEnds", "1,5,3", 1.5}, ReadCase{"CommaAfterPointEnds", "1.5,3", 1.5},
        ReadCase{"PointAfterCommaEnds", "1,5.3", 1.5}, ReadCase{"CommaBeforeBlankEnds", "1, 5", 1},
        ReadCase{"CommaBeforeExponentEnds", "1,e5", 1}, ReadCase{"CommaInExponentEnds", "6e24,5", 6e24},
        ReadCase{"CommaAtEnd", "7,", 7}, ReadCase{"CommaZero", "0,0", 0},
        ReadCase{"NegativeCommaZero", "-0,0", -0.0}, ReadCase{"CommaUnderflow", "1,5e-400", 0},
        ReadCase{"CommaOverflow", "9,9e308", kInf}, ReadCase{"CommaBeforeHighByteEnds", "1,\xb2", 1},
        ReadCase{"HighBytesThenComma", "\xc3\xa9,5", 0.5},
        ReadCase{"NulAfterPointEndsText", std::string{'.', '\0', '5'}, 0},
        ReadCase{"NulAfterCommaEndsNumber", std::string{'5', ',', '\0', '3'}, 5},
        ReadCase{"CommaRoundsTheWholeValue", "9007199254740993,0000000001", 9007199254740994.0}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadNumberLimits, HugeTextsDoNotHangOrOverflow) {
    EXPECT_EQ(ReadNumber(std::string(65535, '9')), kInf);
    EXPECT_EQ(ReadNumber(std::string(65535, '-')), 0.0);
    EXPECT_EQ(ReadNumber("1e" + std::string(500, '9')), kInf);
    EXPECT_EQ(ReadNumber("1e-" + std::string(500, '9')), 0.0);
    EXPECT_EQ(ReadNumber("0." + std::string(60000, '0') + "1e60001"), 1.0);
    EXPECT_EQ(ReadNumber(std::string(300, '0') + "1" + std::string(400, '0') + "e-400"), 1.0);
}

TEST(ScanNumber, ReportsWhatItConsumed) {
    constexpr DecimalMark kPoint = DecimalMark::Point, kComma = DecimalMark::PointOrComma;
    struct {
        const char* text;
        DecimalMark mark;
        std::size_t consumed;
    } cases[] = {{"12.5e3x", kPoint, 6}, {"5e", kPoint, 1},    {"5e+", kPoint, 1},   {"-", kPoint, 0},
                 {".", kPoint, 0},       {"-.5", kPoint, 3},   {"7.", kPoint, 2},    {"1d-2", kPoint, 4},
                 {"1,5", kPoint, 1},     {",5", kPoint, 0},    {"1,5", kComma, 3},   {",5", kComma, 2},
                 {"-,5e2", kComma, 5},   {"7,", kComma, 1},    {"7.", kComma, 2},    {"1,e5", kComma, 1},
                 {"1.5,3", kComma, 3},   {"1,5,3", kComma, 3}, {"6e24,5", kComma, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(ScanNumber(c.text, c.mark).consumed, c.consumed)
            << c.text << (c.mark == kComma ? " with comma" : "");
}

TEST(ReadNumberAtFirstDigit, SkipsSignsButStartsAtADecimalMark) {
    struct {
        std::string text;
        std::optional<double> expected;
    } cases[] = {{"-0.3", 0.3},
                 {".5", 0.5},
                 {",5", 0.5},
                 {"-0,3", 0.3},
                 {"-,5", 0.5},
                 {"Cihly pálené 0.86", 0.86},
                 {"Cihly pálené 0,86", 0.86},
                 {"YTONG,HEBEL 0.17", 0.17},
                 {"1,5,3", 1.5},
                 {"6e24,5", 6e24},
                 {"", std::nullopt},
                 {"abc", std::nullopt},
                 {"-+.", std::nullopt},
                 {"-,.", std::nullopt},
                 {std::string{'x', '\0', '5'}, std::nullopt},
                 {"0", 0.0},
                 {"x1e2", 100.0},
                 {"Polystyren pěnový 0.043", 0.043}};
    for (const auto& c : cases) EXPECT_EQ(ReadNumberAtFirstDigit(c.text), c.expected) << c.text;
}

// Like atof, with the decimal comma: only white space is skipped, so a leading point or comma
// is the decimal mark but a name before the number leaves nothing to read.
TEST(ReadLeadingNumber, ReadsLikeAtofWithTheDecimalComma) {
    struct {
        const char* text;
        double expected;
    } cases[] = {{" 12", 12},     {"\t-3.5", -3.5}, {"sklo 1.5", 0}, {" ", 0},       {"10abc", 10},
                 {".5", 0.5},     {"+4", 4},        {"20,5", 20.5},  {",5", 0.5},    {" -,5", -0.5},
                 {"sklo 1,5", 0}, {"x.5", 0},       {", 5", 0},      {"1,5,3", 1.5}, {"2,5e1", 25}};
    for (const auto& c : cases) EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace kalvora
