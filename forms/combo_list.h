// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QComboBox;

namespace kalvora {

// The index of the item whose whole text equals `text` without regard to case, or -1.
int FindItemExact(const QComboBox& combo, const QString& text);

// Adds an item: at the end, or in a sorted list at its place in Czech alphabetical order
// without regard to case (after items that compare equal).
void AddItem(QComboBox& combo, const QString& text, bool sorted);

}  // namespace kalvora
