// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "calc/form_definition.h"

namespace kalvora {

// Creates the topic panel of `field` as a child of the main window's client area
// (Registry().client) at x 0 from y 43, 170 wide, records it in its registry slot and shows it.
// Callers run DestroyTopicPanels() first.
QWidget* CreateTopicPanel(Field field);

}  // namespace kalvora
