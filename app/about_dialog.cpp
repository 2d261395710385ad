// SPDX-License-Identifier: MIT
#include "app/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include "app/config.h"
#include "resources/resource_paths.h"

namespace kalvora {

void ShowAboutDialog(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName("aboutDialog");
    dialog.setWindowTitle(QString::fromUtf8(config::kProgramTitle));
    dialog.setAccessibleName(dialog.windowTitle());

    auto* icon = new QLabel(&dialog);
    icon->setObjectName("aboutIcon");
    icon->setAccessibleName("Ikona programu");
    icon->setPixmap(QIcon(resources::IconPath()).pixmap(32, 32));

    auto* title = new QLabel(QString::fromUtf8(config::kProgramTitle), &dialog);
    title->setObjectName("aboutTitle");
    title->setAccessibleName(title->text());
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* credit = new QLabel(QString::fromUtf8(config::kAboutCredit), &dialog);
    credit->setObjectName("aboutCredit");
    credit->setAccessibleName(credit->text());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    buttons->setObjectName("aboutButtons");
    buttons->setAccessibleName("OK");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);

    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(credit, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog.exec();
}

}  // namespace kalvora
