// SPDX-License-Identifier: MIT
// The program's outside addresses and fixed texts that are ours to choose.
#pragma once

namespace kalvora::config {

inline constexpr char kProgramTitle[] = "Kalvora 5.0.9";
// The author's page of other programs: a search page of a software download site.
inline constexpr char kOtherProgramsUrl[] = "https://sourceforge.net/directory/?q=kalvora";
inline constexpr char kAuthorMail[] = "kalvora@example.org";
inline constexpr char kAuthorMailUrl[] = "mailto:kalvora@example.org";
// An article about coaxial cables, opened by the coax form's link label.
inline constexpr char kCoaxArticleUrl[] = "https://cs.wikipedia.org/wiki/Koaxi%C3%A1ln%C3%AD_kabel";
// The offline help page, installed beside the toolbar strip.
inline constexpr char kHelpPageFileName[] = "kalvora-napoveda.html";
inline constexpr char kAboutCredit[] = "Kalvora – kalkulačka pro fyziku a elektrotechniku";

}  // namespace kalvora::config
