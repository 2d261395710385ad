// SPDX-License-Identifier: MIT
#include "qt/app/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include "qt/forms/qt_text.h"
#include "model/shell_data.h"
#include "qt/resource_paths.h"

namespace kalvora {

QDialog* ShowAboutDialog(QWidget* owner) {
    auto* dialog = new QDialog(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName("aboutDialog");
    dialog->setWindowTitle(ToQString(text::kProgramTitle));
    dialog->setAccessibleName(dialog->windowTitle());

    auto* icon = new QLabel(dialog);
    icon->setObjectName("aboutIcon");
    icon->setAccessibleName("Ikona programu");
    icon->setPixmap(QIcon(resources::IconPath()).pixmap(32, 32));

    auto* title = new QLabel(ToQString(text::kProgramTitle), dialog);
    title->setObjectName("aboutTitle");
    title->setAccessibleName(title->text());
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* credit = new QLabel(ToQString(text::kAboutCredit), dialog);
    credit->setObjectName("aboutCredit");
    credit->setAccessibleName(credit->text());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    buttons->setObjectName("aboutButtons");
    buttons->setAccessibleName("OK");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);

    auto* layout = new QGridLayout(dialog);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(credit, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Window-modal and without a local event loop: the program goes on drawing meanwhile.
    dialog->open();
    return dialog;
}

}  // namespace kalvora
