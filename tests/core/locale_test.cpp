// SPDX-License-Identifier: MIT
// Numbers are read and written by the program's own rules, whatever the user's locale: a Czech
// locale (decimal comma, space grouping) changes no reading and no result text, so the point
// is read as well as the comma and results keep the point.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "calc/catalogue.h"
#include "calc/number_reader.h"
#include "calc/result_format.h"

namespace kalvora {
namespace {

class CzechLocale : public testing::Test {
protected:
    void SetUp() override {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        saved_ = previous ? previous : "C";
        ASSERT_NE(std::setlocale(LC_ALL, "cs_CZ.UTF-8"), nullptr) << "the cs_CZ.UTF-8 locale is not installed";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(CzechLocale, ReadingTakesBothDecimalMarksWhateverTheLocale) {
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_EQ(ReadNumber("1,5"), 1.5);
    EXPECT_EQ(ReadNumberAtFirstDigit("0.86"), 0.86);
    EXPECT_EQ(ReadNumberAtFirstDigit("0,86"), 0.86);
    EXPECT_EQ(ReadLeadingNumber("2.25"), 2.25);
    EXPECT_EQ(ReadLeadingNumber("2,25"), 2.25);
}

TEST_F(CzechLocale, ResultsKeepTheDecimalPoint) {
    EXPECT_EQ(FormatResult(1234567.125, ResultFormat::Fixed2), "1234567.13");
    EXPECT_EQ(FormatResult(2.0771e20, ResultFormat::Exponent2), "2.08e+020");
    const Outcome outcome = Evaluate(*FindForm("conductor-resistance"),
                                     std::vector<std::string_view>{"měď 0.0175", "1.5", "100"});
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.results.front(), "1.16667");
}

}  // namespace
}  // namespace kalvora
