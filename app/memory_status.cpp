// SPDX-License-Identifier: MIT
#include "app/memory_status.h"

#include <cstdint>

namespace kalvora {

QString TotalMemoryText(const platform::MemoryInfo& memory) {
    return QStringLiteral("RAM CELKEM = %1 KB").arg(memory.totalBytes >> 10);
}

QString AvailableMemoryText(const platform::MemoryInfo& memory) {
    return QStringLiteral("VOLNE =%1 KB").arg(memory.availableBytes >> 10);
}

int GaugePosition(const platform::MemoryInfo& memory) {
    const auto totalKb = static_cast<std::uint32_t>(memory.totalBytes >> 10);
    const auto availableKb = static_cast<std::uint32_t>(memory.availableBytes >> 10);
    const std::uint32_t hundredth = totalKb / 100;
    if (hundredth == 0) return 0;
    const std::uint32_t used = availableKb / hundredth;
    return used >= 100 ? 0 : static_cast<int>(100 - used);
}

}  // namespace kalvora
