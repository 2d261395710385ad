// SPDX-License-Identifier: MIT
// The command line's golden files, built into the test program (tests/cli/golden).
#pragma once

namespace kalvora::win32::test {

extern const char kGoldenExamples[];
extern const char kGoldenExpected[];

}  // namespace kalvora::win32::test
