// SPDX-License-Identifier: MIT
// What the status bar and the memory gauge show of the physical memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kalvora {

// Physical memory of the machine, in bytes.
struct MemoryFigures {
    std::uint64_t totalBytes = 0;
    std::uint64_t availableBytes = 0;

    friend bool operator==(const MemoryFigures&, const MemoryFigures&) = default;
};

// "RAM CELKEM = <total KB> KB" and "VOLNE =<available KB> KB", KB being bytes shifted right by
// 10. Where the system tells no figures (a web browser) the number is a question mark.
std::string TotalMemoryText(const std::optional<MemoryFigures>& memory);
std::string AvailableMemoryText(const std::optional<MemoryFigures>& memory);

// The share of memory in use, 0 to 100, as the gauge shows it: 100 - available KB / (total KB / 100)
// in unsigned 32-bit arithmetic, truncating at each division. Less than 100 KB in all (nothing
// to divide by), more available than total, or no figures at all give 0, the bottom of the range.
int GaugePosition(const std::optional<MemoryFigures>& memory);

}  // namespace kalvora
