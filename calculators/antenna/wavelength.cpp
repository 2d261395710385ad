// SPDX-License-Identifier: MIT
#include "calculators/antenna/wavelength.h"

namespace kalvora {
namespace {

constexpr double kSpeedOfLight = 3e8;  // metres per second
constexpr double kHertzPerMegahertz = 1e6;
constexpr double kHalfWaveDivisor = 2;

}  // namespace

double FreeSpaceHalfWave(double megahertz) { return kSpeedOfLight / (megahertz * kHertzPerMegahertz) / kHalfWaveDivisor; }

}  // namespace kalvora
