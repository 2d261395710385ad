// SPDX-License-Identifier: MIT
#include "app/topic_menu.h"

#include <QApplication>
#include <QMenu>
#include <optional>

#include "app/window_registry.h"
#include "forms/qt_text.h"
#include "panels/panel_data.h"
#include "panels/topic_panel.h"

namespace kalvora {
namespace {

constexpr int kShortcutCount = 10;

std::optional<Field> FieldOnScreen() {
    const auto& panels = Registry().panels;
    for (std::size_t i = 0; i < panels.size(); ++i)
        if (panels[i]) return static_cast<Field>(i);
    return std::nullopt;
}

// A label text as a menu item: '&' would mark a mnemonic, and the panel's trailing blanks mean
// nothing in a menu.
QString ItemText(std::string_view labelText) {
    return ToQString(labelText).trimmed().replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void ActivateFromMenu(Field field, const PanelLabel& label) {
    // An item of a panel that is no longer on screen has nothing to stand for.
    if (!Registry().panels.at(static_cast<std::size_t>(field))) return;
    ActivateLabel(PanelFor(field), label);
    QWidget* form = Registry().activeCalculator;
    if (label.action == LabelAction::OpenForm && form && !form->isAncestorOf(QApplication::focusWidget()))
        form->setFocus(Qt::ShortcutFocusReason);
}

}  // namespace

QKeySequence TopicShortcut(int index) {
    if (index < 0 || index >= kShortcutCount) return {};
    return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + (index + 1) % kShortcutCount));
}

void FillTopicMenu(QMenu& menu) {
    menu.clear();
    const std::optional<Field> field = FieldOnScreen();
    if (!field) return;
    int topics = 0;
    bool linksStarted = false;
    for (const PanelLabel& label : PanelFor(*field).labels) {
        if (label.action == LabelAction::OpenUrl && !linksStarted) {
            menu.addSeparator();
            linksStarted = true;
        }
        QAction* action = menu.addAction(ItemText(label.text));
        action->setObjectName(QStringLiteral("actionTopic%1").arg(label.id));
        if (label.action == LabelAction::OpenForm) action->setShortcut(TopicShortcut(topics++));
        QObject::connect(action, &QAction::triggered, &menu,
                         [f = *field, &label] { ActivateFromMenu(f, label); });
    }
}

}  // namespace kalvora
