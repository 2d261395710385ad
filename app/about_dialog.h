// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace kalvora {

// Shows the About box, modal to `owner`: the program's title, icon and one-line credit.
void ShowAboutDialog(QWidget* owner);

}  // namespace kalvora
