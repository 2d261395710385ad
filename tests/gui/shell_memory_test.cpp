// SPDX-License-Identifier: MIT
// Reading physical memory; what the status bar and the gauge make of it is the model's.
#include <gtest/gtest.h>

#include "qt/platform/memory_info.h"

namespace kalvora {
namespace {

using platform::MemoryInfo;
using platform::ParseProcMeminfo;

constexpr std::uint64_t KiB(std::uint64_t kilobytes) {
    return kilobytes * 1024;
}

TEST(ProcMeminfo, ReadsTotalAndAvailable) {
    struct Row {
        const char* name;
        const char* text;
        MemoryInfo expected;
    };
    const Row rows[] = {
        {"a current kernel",
         "MemTotal:       16318404 kB\nMemFree:          913204 kB\nMemAvailable:    9718776 kB\n"
         "Buffers:          712340 kB\nCached:          8101224 kB\nSwapCached:            0 kB\n",
         {KiB(16318404), KiB(9718776)}},
        {"no MemAvailable before kernel 3.14: free + buffers + cached",
         "MemTotal:        2048000 kB\nMemFree:          100000 kB\nBuffers:           20000 kB\n"
         "Cached:           300000 kB\nSwapCached:         5000 kB\n",
         {KiB(2048000), KiB(420000)}},
        {"no MemAvailable, no buffers or cache lines",
         "MemTotal: 1000 kB\nMemFree: 250 kB\n",
         {KiB(1000), KiB(250)}},
        {"lines in another order, tabs, CRLF, no final line feed",
         "HugePages_Total:       0\r\nMemAvailable:\t  512 kB\r\nMemTotal:\t2048 kB",
         {KiB(2048), KiB(512)}},
        {"similar names do not count",
         "MemTotalExtra: 1 kB\nMemTotal: 4096 kB\nXMemAvailable: 2 kB\nMemAvailable: 1024 kB\n",
         {KiB(4096), KiB(1024)}},
        {"zero available", "MemTotal: 4096 kB\nMemAvailable: 0 kB\n", {KiB(4096), 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed = ParseProcMeminfo(row.text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, row.expected);
    }
}

TEST(ProcMeminfo, RejectsMalformedTexts) {
    struct Row {
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        {"empty", ""},
        {"no MemTotal", "MemFree: 100 kB\nMemAvailable: 200 kB\n"},
        {"no available memory at all", "MemTotal: 100 kB\n"},
        {"number missing", "MemTotal:  kB\nMemAvailable: 200 kB\n"},
        {"not a number", "MemTotal: lots kB\nMemAvailable: 200 kB\n"},
        {"negative", "MemTotal: -100 kB\nMemAvailable: 200 kB\n"},
        {"no unit", "MemTotal: 100\nMemAvailable: 200 kB\n"},
        {"another unit", "MemTotal: 100 MB\nMemAvailable: 200 kB\n"},
        {"digits run into the unit", "MemTotal: 100kB\nMemAvailable: 200 kB\n"},
        {"bad available line", "MemTotal: 100 kB\nMemAvailable: 2x00 kB\n"},
        {"bad fallback line", "MemTotal: 100 kB\nMemFree: 10 kB\nCached: ? kB\n"},
        {"too large for bytes", "MemTotal: 18014398509481984 kB\nMemAvailable: 1 kB\n"},
        {"beyond 64 bits", "MemTotal: 99999999999999999999999 kB\nMemAvailable: 1 kB\n"},
        {"no colon", "MemTotal 100 kB\nMemAvailable: 200 kB\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(ParseProcMeminfo(row.text).has_value());
    }
}

#if defined(__linux__)
TEST(ProcMeminfo, TheMachineHasMemory) {
    const MemoryInfo memory = platform::ReadMemoryInfo();
    EXPECT_GT(memory.totalBytes, KiB(16 * 1024));
    EXPECT_LE(memory.availableBytes, memory.totalBytes);
    EXPECT_EQ(memory.totalBytes % 1024, 0u);
}
#endif

}  // namespace
}  // namespace kalvora
