// SPDX-License-Identifier: MIT
// The program's fixed texts that are ours to choose, and its outside addresses.
#pragma once

// The author's mail address and the outside pages: chosen when the program is configured.
#include "config/contact_addresses.h"

namespace kalvora::config {

inline constexpr char kProgramTitle[] = "Kalvora 5.0.9";
// The offline help page, installed beside the toolbar strip.
inline constexpr char kHelpPageFileName[] = "kalvora-napoveda.html";
inline constexpr char kAboutCredit[] = "Kalvora – kalkulačka pro fyziku a elektrotechniku";

}  // namespace kalvora::config
