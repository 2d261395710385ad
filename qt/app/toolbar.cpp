// SPDX-License-Identifier: MIT
#include "qt/app/toolbar.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>

#include "qt/forms/qt_text.h"
#include "model/shell_data.h"
#include "model/toolbar_strip.h"

namespace kalvora {
namespace {

static_assert(kToolbarImageCount == kToolbarButtons.size(), "one strip image per toolbar button");

// The size of the strip's pictures as delivered; picture-less buttons keep it.
constexpr QSize kDefaultImageSize(kToolbarImageSize, kToolbarImageSize);

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

QToolBar* CreateToolbar(QWidget* parent, const QImage& strip, const QImage& doubled,
                        const std::function<void(int)>& onCommand) {
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName("toolbar");
    toolbar->setAccessibleName("Nástrojová lišta");
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const QList<QPixmap> images = CutToolbarStrip(strip);
    const QList<QPixmap> finer = images.isEmpty() ? QList<QPixmap>() : CutToolbarStrip(doubled);
    toolbar->setIconSize(images.isEmpty() ? kDefaultImageSize : images.front().size());

    for (std::size_t i = 0; i < kToolbarButtons.size(); ++i) {
        const ToolbarButton& button = kToolbarButtons[i];
        auto* action = new QAction(ToQString(button.shortText), toolbar);
        action->setObjectName(ToQString(button.name) + "Action");
        action->setToolTip(ToQString(button.toolTip));
        action->setData(button.commandId);
        if (!images.isEmpty()) {
            QIcon icon(images[qsizetype(i)]);
            if (!finer.isEmpty()) icon.addPixmap(finer[qsizetype(i)]);
            action->setIcon(icon);
        }
        QObject::connect(action, &QAction::triggered, toolbar,
                         [onCommand, id = button.commandId] { onCommand(id); });
        toolbar->addAction(action);
        auto* widget = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
        // Raised buttons, not the flat ones that show their edge only under the mouse.
        widget->setAutoRaise(false);
        widget->setObjectName(ToQString(button.name));
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
