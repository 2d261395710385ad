// SPDX-License-Identifier: MIT
// What the status bar and the memory gauge show of the physical memory.
#pragma once

#include <QString>

#include "platform/memory_info.h"

namespace kalvora {

// "RAM CELKEM = <total KB> KB" and "VOLNE =<available KB> KB", KB being bytes shifted right by 10.
QString TotalMemoryText(const platform::MemoryInfo& memory);
QString AvailableMemoryText(const platform::MemoryInfo& memory);

// The share of memory in use, 0 to 100, as the gauge shows it: 100 - available KB / (total KB / 100)
// in unsigned 32-bit arithmetic, truncating at each division. Less than 100 KB in all (nothing
// to divide by) gives 0; more available than total gives 0, the bottom of the gauge's range.
int GaugePosition(const platform::MemoryInfo& memory);

}  // namespace kalvora
