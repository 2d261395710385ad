// SPDX-License-Identifier: MIT
#pragma once

namespace kalvora {

// Half the free-space wavelength in metres of a frequency in MHz:
// 300,000,000 / (f * 1,000,000) / 2, in this order.
double FreeSpaceHalfWave(double megahertz);

}  // namespace kalvora
