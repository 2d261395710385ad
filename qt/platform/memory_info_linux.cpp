// SPDX-License-Identifier: MIT
#include <fstream>
#include <sstream>

#include "qt/platform/memory_info.h"

namespace kalvora::platform {

MemoryInfo ReadMemoryInfo() {
    std::ifstream file("/proc/meminfo");
    if (!file) return {};
    std::ostringstream text;
    text << file.rdbuf();
    return ParseProcMeminfo(text.str()).value_or(MemoryInfo{});
}

}  // namespace kalvora::platform
