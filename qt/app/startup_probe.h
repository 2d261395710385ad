// SPDX-License-Identifier: MIT
// Unattended runs for screenshots and start-up measurements, switched on by environment variables:
//   KALVORA_SCREENSHOT=/path.png  saves the window 1.5 s after it is first painted, then ends;
//   KALVORA_QUIT_AFTER_SHOW=1     ends as soon as the window is first painted.
// Both print to stderr when the window was painted (wall-clock nanoseconds, for measuring the
// time from process start) and the resident memory at that moment (VmRSS, where the system has it).
#pragma once

class QWidget;

namespace kalvora {

// Whether either variable is set.
bool StartupProbeRequested();

// The resident memory of this process in kB (VmRSS of /proc/self/status), or -1 where the
// system does not tell it.
long ResidentKilobytes();

// Watches `window` (not yet shown) for its first paint and does what the variables ask.
void ArmStartupProbe(QWidget* window);

}  // namespace kalvora
