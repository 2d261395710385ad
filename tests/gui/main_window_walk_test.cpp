// SPDX-License-Identifier: MIT
// A walk through the real main window as a user takes it: for each of the 22 topics, the
// field's toolbar button, then the topic's label in the panel; the first worked example of the
// golden file typed into the form's widgets, Enter (or OK), the results read back; then Help and
// Storno.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <stdexcept>

#include "desktop_fakes.h"
#include "form_panel_fixture.h"
#include "golden_examples.h"
#include "main_window_fixture.h"
#include "model/panel_data.h"
#include "model/result_caption.h"
#include "model/shell_data.h"
#include "qt/forms/help_window.h"

namespace kalvora::testing {
namespace {

QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The panel label that opens `form`, with the picture it stores.
const PanelLabel& OpeningLabel(const FormDefinition& form) {
    for (const PanelLabel& label : PanelFor(form.field).labels)
        if (label.action == LabelAction::OpenForm && label.target == form.title) return label;
    throw std::logic_error("no label opens " + std::string(form.slug));
}

class MainWindowWalkTest : public MainWindowTest,
                           public ::testing::WithParamInterface<const FormDefinition*> {
protected:
    QWidget* Ctl(int id) const {
        return form_ ? form_->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)) : nullptr;
    }

    QString ResultText(int id) const {
        if (auto* label = qobject_cast<QLabel*>(Ctl(id))) return label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(Ctl(id))) return edit->text();
        return QStringLiteral("<no result control %1>").arg(id);
    }

    bool ShowsCaption(const QString& text) const {
        const auto labels = form_->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(),
                           [&](const QLabel* l) { return l->isVisible() && l->text() == text; });
    }

    // Picks item `index` from the drop-down list of `combo` with the mouse, as a user does.
    static void ChooseWithMouse(QComboBox& combo, int index) {
        // Click into the field, open its list with Alt+Down, click the item.
        QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
        ASSERT_TRUE(combo.hasFocus());
        QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* view = combo.view();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
        const QModelIndex row = view->model()->index(index, combo.modelColumn(), view->rootIndex());
        view->scrollTo(row);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
        EXPECT_EQ(combo.lineEdit()->cursorPosition(), 0) << "a chosen item shows from its start";
    }

    // Gives input `id` the text `text`: a preset showing it already is left alone, an item of a
    // list is picked with the mouse, anything else is typed after a click into the field (which
    // puts the caret there also where Tab would not stop).
    void Fill(int id, const QString& text) {
        QWidget* control = Ctl(id);
        ASSERT_NE(control, nullptr) << id;
        auto* combo = qobject_cast<QComboBox*>(control);
        auto shown = [&] { return combo ? combo->currentText() : qobject_cast<QLineEdit*>(control)->text(); };
        if (shown() == text) return;
        if (const int item = combo ? combo->findText(text, Qt::MatchExactly) : -1; item >= 0) {
            ChooseWithMouse(*combo, item);
        } else {
            QWidget* field = combo ? combo->lineEdit() : control;
            QTest::mouseClick(field, Qt::LeftButton);
            ASSERT_TRUE(field->hasFocus()) << id;
            QTest::keyClicks(field, text);
        }
        EXPECT_EQ(shown(), text) << id;
    }

    QPointer<QWidget> form_;
};

TEST_P(MainWindowWalkTest, OpensFromItsPanelComputesShowsHelpAndCloses) {
    const FormDefinition& form = *GetParam();
    const PanelLabel& label = OpeningLabel(form);
    const testing_support::WorkedExample example = testing_support::FirstExample(form.slug);
    ASSERT_EQ(example.texts.size(), qsizetype(form.inputs.size()));
    ASSERT_EQ(example.results.size(), qsizetype(form.resultIds.size()));
    // Half of the forms compute from a click on OK, the other half from Enter.
    const bool clickOk = (std::find(Catalogue().begin(), Catalogue().end(), &form) - Catalogue().begin()) % 2;
    Show();
    testing_support::UrlRecorder urls;  // nothing on the way opens an address

    const auto command = std::find_if(kFieldCommands.begin(), kFieldCommands.end(),
                                      [&](const FieldCommand& c) { return c.field == form.field; });
    ASSERT_NE(command, kFieldCommands.end());
    ClickToolbarButton(command->buttonId);
    QPointer<QWidget> before = ActiveForm();
    ASSERT_FALSE(before.isNull()) << "the field command opens the field's first form";
    ClickPanelLabel(label.id);
    form_ = ActiveForm();
    ASSERT_NE(form_, nullptr);
    EXPECT_TRUE(before.isNull()) << "the label's click replaces the form the field command opened";

    // The form as it opens: title, captions, place and focus.
    EXPECT_EQ(form_->accessibleName(), Qs(form.title));
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(form_->parentWidget(), Client());
    EXPECT_EQ(form_->x(), 190);
    EXPECT_EQ(form_->x() + form_->width(), Client()->width());
    const ControlDefinition* resultCaption = ResultCaption(form, *form.dialog.Find(form.resultIds.front()));
    ASSERT_NE(resultCaption, nullptr);
    EXPECT_TRUE(ShowsCaption(Qs(form.InitialText(*resultCaption))));
    for (std::size_t i = 0; i < form.inputs.size(); ++i)
        EXPECT_TRUE(ShowsCaption(Qs(form.InputCaption(i)))) << form.InputCaption(i);
    QWidget* first = Ctl(form.focusId);
    if (form.focusAtOpen)
        EXPECT_EQ(QApplication::focusWidget(), first) << "focus at opening";
    else
        EXPECT_FALSE(form_->isAncestorOf(QApplication::focusWidget())) << "no focus at opening";

    for (std::size_t i = 0; i < form.inputs.size(); ++i)
        Fill(form.inputs[i].controlId, example.texts[qsizetype(i)]);
    QWidget* focusBefore = QApplication::focusWidget();
    if (clickOk) {
        QTest::mouseClick(Ctl(form.okId), Qt::LeftButton);
        focusBefore = Ctl(form.okId);  // the click focused the button
    } else {
        QTest::keyClick(focusBefore, Qt::Key_Return);
    }
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? "" : boxes[0].text.toStdString());
    for (std::size_t i = 0; i < form.resultIds.size(); ++i)
        EXPECT_EQ(ResultText(form.resultIds[i]).toStdString(), example.results[qsizetype(i)].toStdString())
            << form.resultIds[i];
    if (form.focusAfterResult)
        EXPECT_EQ(QApplication::focusWidget(), first) << "focus back to the first input";
    else
        EXPECT_EQ(QApplication::focusWidget(), focusBefore) << "focus stays where it was";
    window->grab().save(testing_support::ScreenshotFolder() +
                        QStringLiteral("/walk_%1.png").arg(Qs(form.slug)));

    // Help: the form's picture (or the one its label stored) in the help window; a form that
    // shows no picture has no Help button.
    QWidget* help = Ctl(230);
    if (form.help == HelpAction::None) {
        EXPECT_EQ(help, nullptr);
    } else {
        ASSERT_NE(help, nullptr);
        const int picture = form.help == HelpAction::ShowStored ? label.helpBitmapId : form.helpBitmapId;
        if (form.help == HelpAction::ShowStored) {
            EXPECT_EQ(HelpPicture(), picture) << "stored by the panel's label";
        }
        QTest::mouseClick(help, Qt::LeftButton);
        ASSERT_NE(HelpWindow(), nullptr);
        EXPECT_TRUE(HelpWindow()->isVisible());
        EXPECT_EQ(HelpWindow()->windowTitle(), QString::fromUtf8("Nápověda k tématu"));
        EXPECT_EQ(HelpPicture(), picture);
        EXPECT_EQ(qobject_cast<kalvora::HelpWindow*>(HelpWindow())->PictureId(), picture);
        EXPECT_TRUE(window->isEnabled()) << "the help window leaves the main window usable";
    }

    // Storno closes the help window and hides the form, which stays in its slot until the next
    // topic opens.
    QPointer<QWidget> helpWindow = HelpWindow();
    QTest::mouseClick(Ctl(form.cancelId), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(helpWindow.isNull());
    ASSERT_FALSE(form_.isNull());
    EXPECT_FALSE(form_->isVisible());
    EXPECT_TRUE(urls.urls.empty());
}

INSTANTIATE_TEST_SUITE_P(AllTopics, MainWindowWalkTest,
                         ::testing::ValuesIn(Catalogue().begin(), Catalogue().end()), [](const auto& info) {
                             std::string name(info.param->slug);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace kalvora::testing
