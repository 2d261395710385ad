// SPDX-License-Identifier: MIT
#include "app/topic_menu.h"

#include <QKeySequence>
#include <QMenu>

#include "forms/qt_text.h"

namespace kalvora {
namespace {

// A label text as a menu item: '&' would mark a mnemonic, and the panel's trailing blanks mean
// nothing in a menu.
QString ItemText(std::string_view labelText) {
    return ToQString(labelText).trimmed().replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void FillTopicMenu(QMenu& menu, const PanelData* panel, const std::function<void(int)>& onLabel) {
    menu.clear();
    if (!panel) return;
    bool linksStarted = false;
    for (std::size_t i = 0; i < panel->labels.size(); ++i) {
        const PanelLabel& label = panel->labels[i];
        if (label.action == LabelAction::OpenUrl && !linksStarted) {
            menu.addSeparator();
            linksStarted = true;
        }
        QAction* action = menu.addAction(ItemText(label.text));
        action->setObjectName(QStringLiteral("actionTopic%1").arg(label.id));
        if (const std::optional<int> digit = TopicShortcutDigit(*panel, i))
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + *digit)));
        QObject::connect(action, &QAction::triggered, &menu, [onLabel, id = label.id] { onLabel(id); });
    }
}

}  // namespace kalvora
