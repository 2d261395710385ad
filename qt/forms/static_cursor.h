// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>

namespace kalvora {

// The cursor over every static control the program creates (panel labels, form captions and
// result fields): the program's hand pointing left with its hot spot at the top-left corner,
// or the platform's pointing hand when that picture is missing.
QCursor StaticControlCursor();

}  // namespace kalvora
