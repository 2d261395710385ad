// SPDX-License-Identifier: MIT
// The outside addresses the program opens.
#pragma once

#include <string_view>

namespace kalvora::address {

// The author's page of other programs: a search page of a software download site.
inline constexpr std::string_view kOtherPrograms = "https://sourceforge.net/directory/?q=kalvora";
inline constexpr std::string_view kAuthorMail = "kalvora@example.org";
inline constexpr std::string_view kAuthorMailUrl = "mailto:kalvora@example.org";
// An article about coaxial cables, opened by the coax form's link label.
inline constexpr std::string_view kCoaxArticle = "https://cs.wikipedia.org/wiki/Koaxi%C3%A1ln%C3%AD_kabel";

}  // namespace kalvora::address
