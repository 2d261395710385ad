// SPDX-License-Identifier: MIT
#include "qt/forms/control_state.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "qt/forms/qt_text.h"

namespace kalvora {
namespace {

// Whether `text` stands in `items` after position `from`.
bool StandsAfter(const std::vector<std::string>& items, std::size_t from, const QString& text) {
    return std::any_of(items.begin() + std::ptrdiff_t(from), items.end(),
                       [&](const std::string& item) { return ToQString(item) == text; });
}

// Inserts and removes items until the list holds `items` in their order: the lists only ever
// gain items, so this is one insertion where a text was learnt.
void ShowItems(QComboBox& combo, const std::vector<std::string>& items) {
    const int current = combo.currentIndex();
    const QString shown = combo.currentText();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QString item = ToQString(items[i]);
        const int at = int(i);
        while (at < combo.count() && combo.itemText(at) != item && !StandsAfter(items, i, combo.itemText(at)))
            combo.removeItem(at);
        if (at >= combo.count() || combo.itemText(at) != item) combo.insertItem(at, item);
    }
    while (combo.count() > int(items.size())) combo.removeItem(combo.count() - 1);
    // QComboBox would select the first item of a list that was empty, which a drop-down list of
    // the platform does not do; and its field keeps what it showed.
    if (current == -1 && combo.currentIndex() != -1) combo.setCurrentIndex(-1);
    if (combo.isEditable() && combo.currentText() != shown) combo.setEditText(shown);
}

}  // namespace

void ShowControlState(QWidget& widget, const ControlState& state) {
    const QString text = ToQString(state.text);
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        ShowItems(*combo, state.items);
        if (combo->currentText() != text) combo->setEditText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        if (edit->text() != text) edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (label->text() != text) label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        if (group->title() != text) group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (button->text() != text) button->setText(text);
    }
}

}  // namespace kalvora
