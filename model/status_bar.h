// SPDX-License-Identifier: MIT
// The status bar's parts and the timer that refreshes their memory texts.
#pragma once

#include <array>
#include <string>

#include "model/geometry.h"

namespace kalvora {

// The memory texts are refreshed by a timer every 500 milliseconds.
inline constexpr int kMemoryTickIntervalMs = 500;

// The right edges of the status bar's two parts at `dpi`, as the window system takes them: the
// first part (the total memory) ends at StatusFirstPartEdge, the second (the available memory)
// reaches the bar's right edge, written -1.
std::array<int, 2> StatusPartEdges(int dpi = kBaseDpi);

// The widest text the first part is to hold whole: the total memory of a machine with
// 99,999,999 KB (just under 100 GB). A view whose font writes it wider than the part shrinks
// the status font until it fits.
std::string WidestTotalMemoryText();

}  // namespace kalvora
