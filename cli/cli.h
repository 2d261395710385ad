// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::cli {

// Exit codes of kalvora-calc.
enum ExitCode { kOk = 0, kMessage = 1, kUsage = 2, kWriteFailed = 3 };

// Runs kalvora-calc with `args` (without the program name): a topic and its texts, --list,
// --batch (reading `in`) or --help. Writes to `out` and `err`; returns the exit code. When `out`
// cannot take the output (a full disk, a closed pipe), says so on `err` and returns kWriteFailed;
// a reader that went away (EPIPE) is not reported, only the status tells.
int Run(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out, std::ostream& err);

// Answers one --batch line "TOPIC<TAB>TEXT1<TAB>TEXT2..." with one line (without its line feed):
// "ok<TAB>RESULT...", "error<TAB>CAPTION<TAB>TEXT" or "usage<TAB>MESSAGE".
std::string AnswerBatchLine(std::string_view line);

// Answers every line of `in` on `out`, one line each; stops only when `out` fails.
void RunBatch(std::istream& in, std::ostream& out);

// One line per topic: SLUG<TAB>title<TAB>input captions joined by " | ".
std::string ListTopics();

}  // namespace kalvora::cli
