// SPDX-License-Identifier: MIT
#include "model/status_bar.h"

#include <cstdint>

#include "model/memory_status.h"

namespace kalvora {

std::array<int, 2> StatusPartEdges(int dpi) {
    return {StatusFirstPartEdge(dpi), -1};
}

std::string WidestTotalMemoryText() {
    return TotalMemoryText(MemoryFigures{std::uint64_t(99'999'999) << 10, 0});
}

}  // namespace kalvora
