// SPDX-License-Identifier: MIT
// The "Témata(&T)" menu: the labels of the topic panel on screen as menu items, so that every
// topic can be opened from the keyboard, with the shortcuts Ctrl+digit of TopicShortcutDigit;
// the panel's links follow the topics after a separator.
#pragma once

#include <functional>

#include "model/panel_data.h"

class QMenu;

namespace kalvora {

// Refills `menu` with the labels of `panel`, or empties it where there is none. An item
// calls `onLabel` with its label's id, as a click on the label reports it.
void FillTopicMenu(QMenu& menu, const PanelData* panel, const std::function<void(int)>& onLabel);

}  // namespace kalvora
