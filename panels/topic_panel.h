// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "calc/form_definition.h"

namespace kalvora {

struct PanelData;
struct PanelLabel;

// Creates the topic panel of `field` as a child of the main window's client area
// (Registry().client) at x 0 from y 43, 170 wide, records it in its registry slot and shows it.
// Callers run DestroyTopicPanels() first.
QWidget* CreateTopicPanel(Field field);

// What a click on `label` of `panel` does: a topic destroys the open forms, stores its help
// picture (if it has one) and opens its form; a link opens its address and leaves the form alone.
void ActivateLabel(const PanelData& panel, const PanelLabel& label);

}  // namespace kalvora
