// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace kalvora {

// The form data holds its texts as UTF-8.
inline QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace kalvora
