// SPDX-License-Identifier: MIT
// Runs the kalvora-calc binary itself: exit codes, streams, and a batch through a pipe.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

struct ProcessResult {
    int code = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the binary with `args` (already shell-quoted) and `input` on standard input.
ProcessResult RunCalc(const std::string& args, const std::string& input = "") {
    // Names unique to this process: CTest runs the tests of this file in parallel processes.
    static int calls = 0;
    const std::string stem = testing::TempDir() + "kalvora_" + std::to_string(getpid()) + "_" + std::to_string(++calls);
    const std::string in = stem + ".in", out = stem + ".out", err = stem + ".err";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command =
        std::string("'") + KALVORA_CALC_PATH + "' " + args + " <'" + in + "' >'" + out + "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    ProcessResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    for (const std::string& file : {in, out, err}) std::remove(file.c_str());
    return result;
}

TEST(CalcBinary, PrintsResultsAndMessagesOnTheirStreams) {
    struct {
        std::string args;
        int code;
        std::string out;
        std::string err;
    } cases[] = {
        {"current 12 3", 0, "4.00000\n", ""},
        {"current 12 0", 1, "", "chyba: Zadejte do pole číslici\n"},
        {"current ' 12 V' 'U=3'", 0, "4.00000\n", ""},
        {"current 1,5 ,5", 0, "3.00000\n", ""},
        {"transformer 1000 50 230", 0, "12\n", ""},
        {"liquid-mixing 10 20 40 30", 1, "",
         "Error: Nelze zýšit koncentraci ředěním,\nnebo zvýšit teplotu chlazením\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = RunCalc(c.args);
        EXPECT_EQ(r.code, c.code) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_EQ(r.err, c.err) << c.args;
    }
}

TEST(CalcBinary, UsageErrorsExitTwoWithUsageText) {
    for (const char* args : {"", "nosuchtopic 1", "current 1 2 3", "--list extra"}) {
        const ProcessResult r = RunCalc(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_NE(r.err.find("usage: kalvora-calc"), std::string::npos) << args;
    }
}

TEST(CalcBinary, BatchAnswersOneLinePerInputLine) {
    std::string input;
    for (int i = 1; i <= 1000; ++i) input += "voltage\t" + std::to_string(i) + "\t2\n" + (i % 100 ? "" : "junk\n");
    const ProcessResult r = RunCalc("--batch", input);
    EXPECT_EQ(r.code, 0);
    std::size_t lines = 0, oks = 0;
    for (std::size_t at = 0; (at = r.out.find('\n', at)) != std::string::npos; ++at) ++lines;
    for (std::size_t at = 0; (at = r.out.find("ok\t", at)) != std::string::npos; ++at) ++oks;
    EXPECT_EQ(lines, 1010u);
    EXPECT_EQ(oks, 1000u);
    EXPECT_NE(r.out.find("ok\t2000.00000\n"), std::string::npos);
}

}  // namespace

namespace {

// The first worked example of every topic, a few messages and the examples that a leading point
// or a decimal comma decides, through the binary's batch mode.
TEST(CalcBinary, BatchMatchesTheGoldenAnswers) {
    const std::string dir = KALVORA_GOLDEN_DIR;
    const ProcessResult r = RunCalc("--batch", ReadFile(dir + "/examples.tsv"));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, ReadFile(dir + "/expected.tsv"));
}

}  // namespace

namespace {

// Every mode writing into a full device says so and fails, as a script must learn of lost results.
TEST(CalcBinary, FullDeviceFailsInEveryMode) {
    const std::string expected = std::string("kalvora-calc: cannot write the output: ") + std::strerror(ENOSPC) + "\n";
    for (const char* args : {"current 12 3", "--list", "--batch", "--help"}) {
        const std::string command = std::string("'") + KALVORA_CALC_PATH + "' " + args +
                                    " 2>&1 >/dev/full <<'END'\ncurrent\t12\t3\nEND";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string err;
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), int(chunk.size()), pipe)) err += chunk.data();
        const int status = pclose(pipe);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 3) << args;
        EXPECT_EQ(err, expected) << args;
    }
}

// A reader that stops after the first line ends the program without a word on standard error:
// killed by the broken-pipe signal by default, or ending with status 3 when the caller ignores it.
TEST(CalcBinary, ReaderClosingEarlyEndsQuietly) {
    std::string input;
    for (int i = 0; i < 200000; ++i) input += "current\t12\t3\n";
    struct {
        const char* name;
        const char* prelude;
        int status;
    } cases[] = {
        {"SignalKills", "", 128 + SIGPIPE},
        {"SignalIgnored", "trap '' PIPE; ", 3},
    };
    const std::string firstAnswer = RunCalc("--batch", "current\t12\t3\n").out;
    for (const auto& c : cases) {
        const std::string stem = testing::TempDir() + "kalvora_pipe_" + std::to_string(getpid());
        std::ofstream(stem + ".in", std::ios::binary) << input;
        std::ofstream(stem + ".sh") << c.prelude << "'" << KALVORA_CALC_PATH << "' --batch <'" << stem << ".in' 2>'"
                                    << stem << ".err' | head -n 1 >'" << stem << ".out'; echo ${PIPESTATUS[0]}\n";
        FILE* pipe = popen(("bash '" + stem + ".sh'").c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::array<char, 64> line{};
        ASSERT_NE(std::fgets(line.data(), int(line.size()), pipe), nullptr);
        pclose(pipe);
        EXPECT_EQ(std::atoi(line.data()), c.status) << c.name;
        EXPECT_EQ(ReadFile(stem + ".out"), firstAnswer) << c.name;
        EXPECT_EQ(ReadFile(stem + ".err"), "") << c.name;
        for (const char* suffix : {".in", ".sh", ".err", ".out"}) std::remove((stem + suffix).c_str());
    }
}

}  // namespace
