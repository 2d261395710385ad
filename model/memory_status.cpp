// SPDX-License-Identifier: MIT
#include "model/memory_status.h"

namespace kalvora {
namespace {

std::string Kilobytes(const std::optional<MemoryFigures>& memory, std::uint64_t MemoryFigures::*bytes) {
    return memory ? std::to_string((*memory).*bytes >> 10) : std::string("?");
}

}  // namespace

std::string TotalMemoryText(const std::optional<MemoryFigures>& memory) {
    return "RAM CELKEM = " + Kilobytes(memory, &MemoryFigures::totalBytes) + " KB";
}

std::string AvailableMemoryText(const std::optional<MemoryFigures>& memory) {
    return "VOLNE =" + Kilobytes(memory, &MemoryFigures::availableBytes) + " KB";
}

int GaugePosition(const std::optional<MemoryFigures>& memory) {
    if (!memory) return 0;
    const auto totalKb = static_cast<std::uint32_t>(memory->totalBytes >> 10);
    const auto availableKb = static_cast<std::uint32_t>(memory->availableBytes >> 10);
    const std::uint32_t hundredth = totalKb / 100;
    if (hundredth == 0) return 0;
    const std::uint32_t free = availableKb / hundredth;
    return free >= 100 ? 0 : static_cast<int>(100 - free);
}

}  // namespace kalvora
