// SPDX-License-Identifier: MIT
#include "forms/combo_list.h"

#include <QCollator>
#include <QComboBox>

namespace kalvora {
namespace {

const QCollator& CzechCollator() {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Czech));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

}  // namespace

int FindItemExact(const QComboBox& combo, const QString& text) {
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i).compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void AddItem(QComboBox& combo, const QString& text, bool sorted) {
    int position = combo.count();
    if (sorted) {
        position = 0;
        while (position < combo.count() && CzechCollator().compare(combo.itemText(position), text) <= 0) ++position;
    }
    // Adding an item never changes what the edit field shows: QComboBox would select the first
    // item of an empty list, which a drop-down list of the platform does not do.
    const int current = combo.currentIndex();
    const QString shown = combo.currentText();
    combo.insertItem(position, text);
    if (current == -1) combo.setCurrentIndex(-1);
    if (combo.isEditable() && combo.currentText() != shown) combo.setEditText(shown);
}

}  // namespace kalvora
