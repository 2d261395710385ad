// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <streambuf>
#include <string>

#include "calc/catalogue.h"

namespace kalvora::cli {
namespace {

struct RunResult {
    int code;
    std::string out;
    std::string err;
};

RunResult RunWith(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = Run(args, in, out, err);
    return {code, out.str(), err.str()};
}

TEST(CommandLine, ExitCodesFollowTheContract) {
    struct {
        const char* name;
        std::vector<std::string_view> args;
        int code;
        std::string out;
        std::string errStart;
    } cases[] = {
        {"Result", {"current", "12", "3"}, kOk, "4.00000\n", ""},
        {"MissingTrailingTextIsEmpty", {"current", "12"}, kMessage, "", "chyba: Zadejte do pole číslici\n"},
        {"NoTextsAtAll", {"voltage"}, kMessage, "", "chyba: Zadejte do pole číslici\n"},
        {"TooManyTexts", {"current", "1", "2", "3"}, kUsage, "", "kalvora-calc: topic 'current'"},
        {"UnknownTopic", {"ohm", "1"}, kUsage, "", "kalvora-calc: unknown topic 'ohm'"},
        {"NoArguments", {}, kUsage, "", "usage: kalvora-calc"},
        {"ListTakesNothingMore", {"--list", "x"}, kUsage, "", "kalvora-calc: --list"},
        {"Help", {"--help"}, kOk, "usage: kalvora-calc", ""},
    };
    for (const auto& c : cases) {
        const RunResult r = RunWith(c.args);
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.name;
        EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << c.name;
        if (c.code == kOk) {
            EXPECT_EQ(r.err, "") << c.name;
        } else {
            EXPECT_EQ(r.out, "") << c.name;
        }
    }
}

TEST(CommandLine, ListHasOneLinePerFormWithTitleAndCaptions) {
    const RunResult r = RunWith({"--list"});
    ASSERT_EQ(r.code, kOk);
    std::istringstream lines(r.out);
    std::string line;
    std::size_t count = 0;
    for (const FormDefinition* form : Catalogue()) {
        ASSERT_TRUE(std::getline(lines, line));
        ++count;
        EXPECT_EQ(line.substr(0, line.find('\t')), form->slug);
        const std::size_t captions = line.rfind('\t') + 1;
        const std::string joined = line.substr(captions);
        std::size_t separators = 0;
        for (std::size_t at = joined.find(" | "); at != std::string::npos; at = joined.find(" | ", at + 1)) ++separators;
        EXPECT_EQ(separators + 1, form->inputs.size()) << line;
    }
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_EQ(count, Catalogue().size());
    EXPECT_NE(r.out.find("current\tProud\tNapětí U (Volt) | Odpor R (Ohm)\n"), std::string::npos);
}

TEST(BatchLine, AnswersEachKindOfLine) {
    struct {
        const char* name;
        std::string line;
        std::string answer;
    } cases[] = {
        {"Result", "current\t12\t3", "ok\t4.00000"},
        {"TopicOnlyMeansEmptyFields", "current", "error\tchyba\tZadejte do pole číslici"},
        {"EmptyTextsKept", "current\t\t3", "error\tchyba\tZadejte do pole číslici"},
        {"CarriageReturnIgnored", "voltage\t2\t4\r", "ok\t8.00000"},
        {"UnknownTopic", "nothing\t1", "usage\tunknown topic 'nothing'"},
        {"EmptyLine", "", "usage\tunknown topic ''"},
        {"TooManyTexts", "resistance\t1\t2\t3", "usage\ttopic 'resistance' takes at most 2 texts"},
        {"InvalidUtf8IsJustBytes", "current\t\xff\xfe" "12\t\x80" "3", "ok\t4.00000"},
        {"Overflow", "voltage\t1e300\t1e300", "ok\tinf"},
    };
    for (const auto& c : cases) EXPECT_EQ(AnswerBatchLine(c.line), c.answer) << c.name;
}

TEST(BatchLine, LineBreaksInMessagesAreEscaped) {
    EXPECT_EQ(AnswerBatchLine("liquid-mixing\t10\t20\t40\t30"),
              "error\tError\tNelze zýšit koncentraci ředěním,\\nnebo zvýšit teplotu chlazením");
}

TEST(Batch, AnswersEveryLineAndGoesOnAfterBadOnes) {
    const RunResult r = RunWith({"--batch"}, "current\t12\t3\nbogus\ncurrent\t1\t2\t3\nvoltage\t2\t4\n\ncurrent\t9\t3");
    EXPECT_EQ(r.code, kOk);
    EXPECT_EQ(r.out,
              "ok\t4.00000\nusage\tunknown topic 'bogus'\nusage\ttopic 'current' takes at most 2 texts\n"
              "ok\t8.00000\nusage\tunknown topic ''\nok\t3.00000\n");
}

TEST(Batch, HugeAndHostileTextsAreAnswered) {
    const std::string longText(65535, '7');
    const std::string input = "voltage\t" + longText + "\t1\ncurrent\t" + std::string(65535, '-') + "\t1\n" +
                              "current\t1e" + std::string(400, '9') + "\t1\ncurrent\t1e-400\t1\n";
    const RunResult r = RunWith({"--batch"}, input);
    EXPECT_EQ(r.out,
              "ok\tinf\nerror\tchyba\tZadejte do pole číslici\nok\tinf\nerror\tchyba\tZadejte do pole číslici\n");
}

// An output that takes `room` bytes and then fails the way a write(2) does, with `cause` in errno.
class FailingOutput : public std::streambuf {
public:
    FailingOutput(std::size_t room, int cause) : room_(room), cause_(cause) {}

protected:
    int_type overflow(int_type c) override {
        if (room_ == 0) {
            errno = cause_;
            return traits_type::eof();
        }
        --room_;
        return c;
    }

private:
    std::size_t room_;
    int cause_;
};

TEST(WriteFailure, IsReportedWithItsCauseUnlessTheReaderWentAway) {
    struct {
        const char* name;
        std::vector<std::string_view> args;
        std::size_t room;
        int cause;
        std::string err;
    } cases[] = {
        {"DiskFullAtOnce", {"--list"}, 0, ENOSPC, std::string("kalvora-calc: cannot write the output: ") + std::strerror(ENOSPC) + "\n"},
        {"DiskFullHalfWay", {"--list"}, 100, EIO, std::string("kalvora-calc: cannot write the output: ") + std::strerror(EIO) + "\n"},
        {"CauseUnknown", {"current", "12", "3"}, 0, 0, "kalvora-calc: cannot write the output\n"},
        {"ReaderWentAway", {"--help"}, 10, EPIPE, ""},
    };
    for (const auto& c : cases) {
        FailingOutput failing(c.room, c.cause);
        std::ostream out(&failing);
        std::istringstream in;
        std::ostringstream err;
        EXPECT_EQ(cli::Run(c.args, in, out, err), kWriteFailed) << c.name;
        EXPECT_EQ(err.str(), c.err) << c.name;
    }
}

TEST(WriteFailure, BatchStopsReadingOnceNothingCanBeWritten) {
    std::string input;
    for (int i = 0; i < 100000; ++i) input += "current\t12\t3\n";
    std::istringstream in(input);
    FailingOutput failing(0, ENOSPC);
    std::ostream out(&failing);
    std::ostringstream err;
    EXPECT_EQ(cli::Run({"--batch"}, in, out, err), kWriteFailed);
    EXPECT_FALSE(in.eof());
}

}  // namespace
}  // namespace kalvora::cli
