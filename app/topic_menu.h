// SPDX-License-Identifier: MIT
// The "Témata(&T)" menu: the labels of the topic panel on screen as menu items, so that every
// topic can be opened from the keyboard. The topics carry the shortcuts Ctrl+1 to Ctrl+9 and
// Ctrl+0 in panel order; the panel's links follow them after a separator.
#pragma once

#include <QKeySequence>

class QMenu;

namespace kalvora {

// The shortcut of the topic at `index` (from 0) in panel order: Ctrl+1 to Ctrl+9, then Ctrl+0;
// none from the eleventh topic on.
QKeySequence TopicShortcut(int index);

// Refills `menu` with the labels of the topic panel on screen; empty when there is none. An item
// does what a click on its label does. When the form it opens takes no focus, the form itself
// gets it, so that Tab moves into its inputs and Esc reaches it.
void FillTopicMenu(QMenu& menu);

}  // namespace kalvora
