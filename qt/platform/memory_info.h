// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/memory_status.h"

namespace kalvora::platform {

// Physical memory of the machine, in bytes: the figures the program's memory texts come from.
using MemoryInfo = MemoryFigures;

// Reads MemTotal and MemAvailable out of the text of Linux's /proc/meminfo. Kernels older than
// 3.14 have no MemAvailable; then MemFree + Buffers + Cached stands in for it. Gives nothing when
// MemTotal is missing or a needed line is not "<name>: <digits> kB".
std::optional<MemoryInfo> ParseProcMeminfo(std::string_view text);

// The machine's physical memory now; zeros when the system does not tell.
MemoryInfo ReadMemoryInfo();

}  // namespace kalvora::platform
