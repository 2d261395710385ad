// SPDX-License-Identifier: MIT
#include "qt/forms/form_keyboard.h"

#include <QKeyEvent>
#include <QWidget>

namespace kalvora {

DialogKey ClassifyDialogKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Tab:
        if (modifiers == Qt::NoModifier) return DialogKey::NextTabStop;
        if (modifiers == Qt::ShiftModifier) return DialogKey::PreviousTabStop;
        return DialogKey::None;
    case Qt::Key_Backtab: return modifiers == Qt::ShiftModifier ? DialogKey::PreviousTabStop : DialogKey::None;
    case Qt::Key_Return:
    case Qt::Key_Enter: return modifiers == Qt::NoModifier ? DialogKey::Enter : DialogKey::None;
    case Qt::Key_Escape: return modifiers == Qt::NoModifier ? DialogKey::Escape : DialogKey::None;
    case Qt::Key_Comma:
    case Qt::Key_Period:
        return (event.modifiers() & Qt::KeypadModifier) ? DialogKey::KeypadDecimal : DialogKey::None;
    default: return DialogKey::None;
    }
}

QWidget* NextTabStop(std::span<const TabStop> controls, const QWidget* focus, bool backwards) {
    const int count = static_cast<int>(controls.size());
    int start = backwards ? count : -1;
    for (int i = 0; i < count && focus; ++i) {
        if (controls[i].widget == focus || controls[i].widget->isAncestorOf(focus)) {
            start = i;
            break;
        }
    }
    for (int step = 1; step <= count; ++step) {
        const int i = ((start + (backwards ? -step : step)) % count + count) % count;
        const TabStop& control = controls[i];
        if (control.stops && control.widget->isVisibleTo(control.widget->parentWidget()) && control.widget->isEnabled())
            return control.widget;
    }
    return nullptr;
}

}  // namespace kalvora
