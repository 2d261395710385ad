// SPDX-License-Identifier: MIT
#include "app/toolbar.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>

namespace kalvora {
namespace {

// The size of the strip's pictures as delivered; picture-less buttons keep it.
constexpr QSize kDefaultImageSize(32, 32);

}  // namespace

QList<QPixmap> CutToolbarStrip(const QImage& strip) {
    const int count = int(kToolbarButtons.size());
    const int width = strip.width() / count;
    QList<QPixmap> images;
    if (strip.isNull() || width == 0) return images;
    for (int i = 0; i < count; ++i)
        images.append(QPixmap::fromImage(strip.copy(i * width, 0, width, strip.height())));
    return images;
}

QToolBar* CreateToolbar(QWidget* parent, const QImage& strip, const std::function<void(int)>& onCommand) {
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName("toolbar");
    toolbar->setAccessibleName("Nástrojová lišta");
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const QList<QPixmap> images = CutToolbarStrip(strip);
    toolbar->setIconSize(images.isEmpty() ? kDefaultImageSize : images.front().size());

    for (std::size_t i = 0; i < kToolbarButtons.size(); ++i) {
        const ToolbarButton& button = kToolbarButtons[i];
        auto* action = new QAction(QString::fromUtf8(button.shortText), toolbar);
        action->setObjectName(QString::fromUtf8(button.objectName) + "Action");
        action->setToolTip(QString::fromUtf8(button.toolTip));
        action->setData(button.commandId);
        if (!images.isEmpty()) action->setIcon(QIcon(images[qsizetype(i)]));
        QObject::connect(action, &QAction::triggered, toolbar,
                         [onCommand, id = button.commandId] { onCommand(id); });
        toolbar->addAction(action);
        auto* widget = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
        // Raised buttons, not the flat ones that show their edge only under the mouse.
        widget->setAutoRaise(false);
        widget->setObjectName(QString::fromUtf8(button.objectName));
        widget->setAccessibleName(action->toolTip());
        if (images.isEmpty()) widget->setMinimumSize(kDefaultImageSize);
    }
    for (int position : kSeparatorPositions) {
        QAction* separator = toolbar->insertSeparator(toolbar->actions().at(position));
        separator->setObjectName(QStringLiteral("toolbarSeparator%1").arg(position));
        QWidget* widget = toolbar->widgetForAction(separator);
        widget->setObjectName(separator->objectName());
        widget->setAccessibleName(QStringLiteral("Oddělovač"));
    }
    return toolbar;
}

}  // namespace kalvora
