// SPDX-License-Identifier: MIT
// Screen readers name every control: each widget of every form and every panel has an
// accessible name, inputs and results by their captions, buttons and labels by their texts.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "calc/catalogue.h"
#include "form_panel_fixture.h"
#include "model/panel_data.h"
#include "model/result_caption.h"
#include "model/shell_data.h"
#include "qt/forms/qt_text.h"
#include "qt/forms/result_box.h"

namespace kalvora {
namespace {

using testing_support::ClientAreaTest;

// The widgets of `root` that are the program's own: Qt's parts of composite widgets (the line
// edit and list of an editable combo box) are named through the widget they belong to, and the
// client area inside a window's frame is a plain container of the window's controls.
QList<QWidget*> OwnWidgets(QWidget* root) {
    QList<QWidget*> own;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->objectName() == QLatin1String("windowClient")) continue;
        bool partOfAnother = widget->objectName().startsWith(QLatin1String("qt_"));
        for (QWidget* up = widget->parentWidget(); up && up != root && !partOfAnother;
             up = up->parentWidget())
            partOfAnother = qobject_cast<QComboBox*>(up) != nullptr;
        if (!partOfAnother) own.append(widget);
    }
    return own;
}

QString Describe(const QWidget* widget) {
    return widget->objectName() + QStringLiteral(" (") + QLatin1String(widget->metaObject()->className()) +
           QLatin1Char(')');
}

bool IsResult(const FormDefinition& form, const QWidget& widget) {
    for (int id : form.resultIds)
        if (widget.objectName() == QStringLiteral("ctl%1").arg(id)) return true;
    return false;
}

class AccessibilityTest : public ClientAreaTest {};

TEST_F(AccessibilityTest, EveryWidgetOfEveryFormIsNamed) {
    for (const FormDefinition* definition : Catalogue()) {
        SCOPED_TRACE(definition->slug);
        QWidget* form = OpenSlot(window->SlotOf(definition->slug));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->accessibleName(), ToQString(definition->title));
        int inputs = 0, buttons = 0;
        for (QWidget* widget : OwnWidgets(form)) {
            const std::string what = Describe(widget).toStdString();
            // A static text left empty (a subtitle some forms blank out) shows nothing to name.
            auto* label = qobject_cast<QLabel*>(widget);
            const bool showsNothing = label && label->text().isEmpty() && label->pixmap().isNull() &&
                                      !IsResult(*definition, *widget);
            if (!showsNothing) {
                EXPECT_FALSE(widget->accessibleName().trimmed().isEmpty()) << what;
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                ++buttons;
                EXPECT_EQ(widget->accessibleName(), button->text().remove(QLatin1Char('&'))) << what;
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                EXPECT_EQ(widget->accessibleName(), box->title()) << what;
            } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)) {
                ++inputs;
            }
        }
        // Every form has its inputs and at least OK among its buttons.
        EXPECT_GE(inputs, int(definition->inputs.size()));
        EXPECT_GE(buttons, 1);
        // Inputs are named by their captions as the form shows them.
        for (std::size_t i = 0; i < definition->inputs.size(); ++i) {
            QWidget* input =
                form->findChild<QWidget*>(QStringLiteral("ctl%1").arg(definition->inputs[i].controlId));
            ASSERT_NE(input, nullptr);
            EXPECT_EQ(input->accessibleName(), ToQString(definition->InputCaption(i)));
        }
        // A result is a result box, named by its caption, never by the number it shows: the
        // number is its value (the result box's own test reads it as a screen reader does).
        for (int id : definition->resultIds) {
            auto* result = form->findChild<ResultBox*>(QStringLiteral("ctl%1").arg(id));
            ASSERT_NE(result, nullptr) << id;
            const ControlDefinition* caption = ResultCaption(*definition, *definition->dialog.Find(id));
            ASSERT_NE(caption, nullptr) << id;
            EXPECT_EQ(result->accessibleName(), ToQString(definition->InitialText(*caption))) << id;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name),
                      result->accessibleName())
                << id;
        }
    }
}

TEST_F(AccessibilityTest, EveryLabelOfEveryPanelIsNamedByItsText) {
    for (const FieldCommand& field : kFieldCommands) {
        window->RunCommand(field.menuId);
        QWidget* panel = OpenPanel();
        ASSERT_NE(panel, nullptr);
        SCOPED_TRACE(panel->objectName().toStdString());
        const QList<QWidget*> widgets = OwnWidgets(panel);
        EXPECT_EQ(widgets.size(), qsizetype(PanelFor(field.field).labels.size()));
        for (QWidget* widget : widgets) {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr) << Describe(widget).toStdString();
            EXPECT_FALSE(label->accessibleName().isEmpty()) << Describe(widget).toStdString();
            EXPECT_EQ(label->accessibleName(), label->text());
        }
    }
}

}  // namespace
}  // namespace kalvora
