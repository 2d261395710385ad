// SPDX-License-Identifier: MIT
#pragma once

class QDialog;
class QWidget;

namespace kalvora {

// Shows the About box, modal to `owner`'s window, and returns at once: the program's title, icon
// and one-line credit. The box deletes itself when closed.
QDialog* ShowAboutDialog(QWidget* owner);

}  // namespace kalvora
