// SPDX-License-Identifier: MIT
#include "qt/app/topic_menu.h"

#include <QKeySequence>
#include <QMenu>

#include "qt/forms/qt_text.h"

namespace kalvora {

void FillTopicMenu(QMenu& menu, const PanelData* panel, const std::function<void(int)>& onLabel) {
    menu.clear();
    if (!panel) return;
    for (const TopicMenuItem& item : TopicMenuItems(*panel)) {
        if (item.separatorBefore) menu.addSeparator();
        QAction* action = menu.addAction(ToQString(item.text));
        action->setObjectName(QStringLiteral("actionTopic%1").arg(item.labelId));
        if (item.shortcutDigit)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + *item.shortcutDigit)));
        QObject::connect(action, &QAction::triggered, &menu, [onLabel, id = item.labelId] { onLabel(id); });
    }
}

}  // namespace kalvora
