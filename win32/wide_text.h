// SPDX-License-Identifier: MIT
// The one place where the model's UTF-8 texts meet the window system's UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace kalvora::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace kalvora::win32
