// SPDX-License-Identifier: MIT
// The memory texts and the gauge from given memory figures.
#include "model/memory_status.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

constexpr std::uint64_t KiB(std::uint64_t kilobytes) {
    return kilobytes * 1024;
}

TEST(MemoryStatus, TextsShowKilobytesTruncated) {
    const MemoryFigures memory{KiB(16318404) + 1023, KiB(9718776) + 5};
    EXPECT_EQ(TotalMemoryText(memory), "RAM CELKEM = 16318404 KB");
    EXPECT_EQ(AvailableMemoryText(memory), "VOLNE =9718776 KB");
    EXPECT_EQ(TotalMemoryText(MemoryFigures{}), "RAM CELKEM = 0 KB");
    EXPECT_EQ(AvailableMemoryText(MemoryFigures{}), "VOLNE =0 KB");
}

TEST(MemoryStatus, GaugePositionTruncatesEachDivision) {
    struct Row {
        const char* name;
        std::uint64_t totalKb;
        std::uint64_t availableKb;
        int expected;
    };
    const Row rows[] = {
        {"half in use", 2'097'152, 1'048'576, 50},      // 100 - 1,048,576 / 20,971
        {"a third available", 1'000'000, 333'333, 67},  // 100 - 333,333 / 10,000
        {"hundredth truncated", 999, 500, 45},          // 100 - 500 / 9 = 100 - 55
        {"all available", 4'000'000, 4'000'000, 0},
        {"none available", 4'000'000, 0, 100},
        {"available above total reads as none in use", 1'000, 1'050, 0},
        {"below a hundred kilobytes: nothing to divide by", 99, 10, 0},
        {"16 GB machine", 16'318'404, 9'718'776, 41},  // 100 - 9,718,776 / 163,184 = 100 - 59
        {"sizes beyond 32 bits of KB wrap as in 32-bit arithmetic", (std::uint64_t(1) << 32) + 2'000'000,
         1'000'000, 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GaugePosition(MemoryFigures{KiB(row.totalKb), KiB(row.availableKb)}), row.expected);
    }
}

}  // namespace
}  // namespace kalvora
