// SPDX-License-Identifier: MIT
// The calculator frame on forms made up for the test, one per kind of control the catalogue's
// forms do not show alone: a combo box Tab skips, a combo box that stops typing at its width, a
// list that learns, the static cursor, a template's own font, the link label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>

#include "calc/catalogue.h"
#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"
#include "config/contact_addresses.h"
#include "form_panel_fixture.h"
#include "model/font_roles.h"
#include "qt/forms/calculator_form.h"
#include "qt/forms/control_factory.h"
#include "qt/forms/qt_text.h"
#include "qt/forms/static_cursor.h"
#include "qt/platform/dialog_units.h"
#include "qt/resource_paths.h"

namespace kalvora {
namespace {

using testing_support::ClientAreaTest;

double Product(std::span<const double> v) {
    double p = 1;
    for (double x : v) p *= x;
    return p;
}
Outcome EvaluateProduct(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, Product, ResultFormat::Fixed2);
}
FormDefinition BaseForm(std::string_view slug, std::vector<ControlDefinition> controls) {
    FormDefinition definition;
    definition.slug = slug;
    definition.title = "Zkouška";
    definition.dialog = {999, 120, 240, DialogFont::Dialog9pt, std::move(controls)};
    definition.evaluate = EvaluateProduct;
    return definition;
}

// A sorted combo with a tab stop, an unsorted one without, and an edit.
const FormDefinition& CombosForm() {
    static const FormDefinition definition = [] {
        FormDefinition s = BaseForm(
            "combos",
            Concat({ResultArea("Výsledek ="),
                    {{101, ControlKind::Label, "Lambda", 15, 80, 157, 12},
                     {208, ControlKind::ComboBox, "", 25, 90, 138, 84, kSorted | kTabStop | kNoAutoScroll},
                     {102, ControlKind::Label, "Materiál", 15, 115, 157, 8},
                     {107, ControlKind::ComboBox, "", 68, 125, 74, 84, kNoAutoScroll},
                     {-1, ControlKind::Label, "Třetí", 15, 150, 157, 8},
                     {106, ControlKind::Edit, "", 68, 160, 54, 12}},
                    ButtonRow(ButtonOrder::OkStorno)}));
        s.inputs = {{208, 3}, {107, 5}, {106, 7}};
        s.lists = {{208, FindForm("wall-thermal-resistance")->lists[0].items},
                   {107, {"stříbro 0.016", "měď 0.0175", "hliník 0.0285"}}};
        s.focusId = 208;
        s.focusAfterResult = false;
        return s;
    }();
    return definition;
}

// Three sorted combos that learn the texts OK reads, like the gravitation form.
const FormDefinition& LearningForm() {
    static const FormDefinition definition = [] {
        const unsigned style = kSorted | kVerticalScroll | kTabStop | kNoAutoScroll;
        FormDefinition s =
            BaseForm("learning", Concat({ResultArea("Síla ="),
                                         {StandardCaption(0, "m1")},
                                         {{107, ControlKind::ComboBox, "", 48, 90, 84, 60, style}},
                                         {StandardCaption(1, "m2")},
                                         {{106, ControlKind::ComboBox, "", 48, 125, 84, 60, style}},
                                         ButtonRow(ButtonOrder::OkStorno)}));
        s.inputs = {{107, 3}, {106, 5}};
        const std::vector<std::string_view> bodies{"Země 6e24", "Měsíc 7.5e22", "Slunce 2e30"};
        s.lists = {{107, bodies}, {106, bodies}};
        s.behaviours = kListsLearnTexts;
        s.focusId = 107;
        return s;
    }();
    return definition;
}

// A relabelled caption, a caption, a result field, an edit and the buttons.
const FormDefinition& CaptionsForm() {
    static const FormDefinition definition = [] {
        FormDefinition s = BaseForm("captions", {{118, ControlKind::CentredLabel, "Odpor", 15, 25, 153, 11},
                                                 {100, ControlKind::Label, "Odpor R (Ohm)=", 18, 30, 70, 22},
                                                 {111, ControlKind::ResultField, "0.00", 120, 30, 54, 12},
                                                 {101, ControlKind::Label, "Objem", 18, 110, 96, 12},
                                                 {240, ControlKind::Edit, "", 121, 110, 54, 12, kClientEdge},
                                                 {1, ControlKind::DefaultPushButton, "OK", 10, 220, 51, 15},
                                                 {2, ControlKind::PushButton, "Storno", 126, 220, 51, 15}});
        s.relabels = {{118, ""}, {100, "Dráha s (m)"}};
        s.inputs = {{240, 3}};
        s.focusId = 240;
        return s;
    }();
    return definition;
}

// OK and Storno with their own ids, a Help button that stores its picture, the system font.
const FormDefinition& LensLikeForm() {
    static const FormDefinition definition = [] {
        FormDefinition s =
            BaseForm("lens-like", {{100, ControlKind::Label, "Optická mohutnost =", 18, 48, 60, 9},
                                   {111, ControlKind::ResultField, "0.00", 120, 46, 54, 12},
                                   {226, ControlKind::DefaultPushButton, "OK", 10, 193, 50, 14},
                                   {230, ControlKind::PushButton, "Help", 68, 193, 50, 14},
                                   {227, ControlKind::PushButton, "Storno", 126, 193, 50, 14},
                                   {306, ControlKind::Edit, "", 121, 81, 54, 12, kClientEdge},
                                   {300, ControlKind::Edit, "", 121, 102, 54, 12, kClientEdge},
                                   {101, ControlKind::Label, "Index lomu materialu čočky", 18, 81, 96, 12},
                                   {303, ControlKind::Label, "Index lomu okolí", 18, 102, 96, 12}});
        s.dialog.font = DialogFont::System;
        s.inputs = {{306, 7}, {300, 8}};
        s.presets = {{306, "sklo 1.5"}};
        s.okId = 226;
        s.cancelId = 227;
        s.help = HelpAction::StorePicture;
        s.helpBitmapId = 2009;
        s.focusId = 306;
        return s;
    }();
    return definition;
}

// A link label below the buttons and a picture; Help shows the picture the opener stored.
const FormDefinition& LinkForm() {
    static const FormDefinition definition = [] {
        FormDefinition s = BaseForm(
            "link",
            Concat({ResultArea("Délka ="),
                    StandardInputRow(0, 107, "Frekvence"),
                    {{233, ControlKind::Picture, "MYBMP", 15, 114, 156, 68}},
                    ButtonRow(ButtonOrder::HelpOkStorno),
                    {{256, ControlKind::LinkLabel, "Dovanové stránky o PMR a CB", 15, 213, 157, 14}}}));
        s.inputs = {{107, 3}};
        s.behaviours = kArticleLink;
        s.help = HelpAction::ShowStored;
        s.focusId = 107;
        s.focusAtOpen = false;
        return s;
    }();
    return definition;
}

// The program of these tests holds the made-up forms alone, in this order of slots.
std::span<const FormDefinition* const> VariantForms() {
    static const std::array<const FormDefinition*, 5> forms{&CombosForm(), &LearningForm(), &CaptionsForm(),
                                                            &LensLikeForm(), &LinkForm()};
    return forms;
}

class FormVariantsTest : public ClientAreaTest {
protected:
    FormVariantsTest() { forms = VariantForms(); }

    QWidget* Open(const FormDefinition& definition) {
        const auto all = VariantForms();
        form_ = OpenSlot(int(std::find(all.begin(), all.end(), &definition) - all.begin()));
        return form_;
    }
    template <typename T = QWidget>
    T* Ctl(const char* name) const {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QStringList Items(const QComboBox& combo) {
        QStringList items;
        for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
        return items;
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QPointer<QWidget> form_;
};

TEST_F(FormVariantsTest, TabPassesOverComboBoxesWithoutTabStop) {
    Open(CombosForm());
    // From the combo box that Tab skips, Tab goes on to the next tab stop after it.
    Ctl("ctl107")->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Ctl("ctl106"));
    Ctl("ctl107")->setFocus();
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Ctl("ctl208"));
}

TEST_F(FormVariantsTest, TypingStopsAtTheFieldWidthWhereTheFieldDoesNotScroll) {
    Open(CombosForm());
    const QString many(200, QLatin1Char('8'));
    QTest::keyClicks(Ctl("ctl106"), many);
    EXPECT_EQ(Ctl<QLineEdit>("ctl106")->text(), many) << "an auto-scrolling edit takes everything";

    auto* combo = Ctl<QComboBox>("ctl107");
    QTest::keyClicks(combo, many);
    const QString typed = combo->currentText();
    EXPECT_GT(typed.size(), 3);
    EXPECT_LT(typed.size(), 40);
    EXPECT_TRUE(many.startsWith(typed));
    EXPECT_LT(combo->lineEdit()->fontMetrics().horizontalAdvance(typed), combo->lineEdit()->width());
    // The field is full: one more character is refused, deleting still works.
    QTest::keyClick(combo, Qt::Key_8);
    EXPECT_EQ(combo->currentText(), typed);
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), typed.chopped(1));
}

// Enter in a learning list reaches the program, and the list shows the items the program holds
// afterwards (what is learnt, and when, the model's form tests check).
TEST_F(FormVariantsTest, AListShowsTheTextsItLearnt) {
    Open(LearningForm());
    auto* m1 = Ctl<QComboBox>("ctl107");
    QTest::keyClicks(m1, "abc");
    Press(Qt::Key_Return);
    QStringList expected;
    for (const std::string& item : window->State().forms[1]->Control(107)->items)
        expected << QString::fromStdString(item);
    EXPECT_EQ(expected.size(), qsizetype(LearningForm().lists[0].items.size()) + 1);
    EXPECT_EQ(Items(*m1), expected);
    EXPECT_EQ(m1->currentText(), "abc");
}

TEST_F(FormVariantsTest, StaticControlsShowTheHandOthersTheirOwnCursor) {
    Open(CaptionsForm());
    const Qt::CursorShape hand = StaticControlCursor().shape();
    EXPECT_EQ(Ctl("ctl100")->cursor().shape(), hand);
    EXPECT_EQ(Ctl("ctl111")->cursor().shape(), hand);
    EXPECT_EQ(Ctl("ctl118")->cursor().shape(), hand);
    EXPECT_FALSE(Ctl("ctl1")->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(Ctl("ctl240")->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(FormVariantsTest, AFormTakesTheFontOfItsTemplate) {
    Open(LensLikeForm());
    EXPECT_EQ(form_->font(), platform::DialogFontFor(DialogFont::System));
}

TEST_F(FormVariantsTest, MadeUpFormsTakeTheSlotsOfTheirProgram) {
    Open(LensLikeForm());
    EXPECT_EQ(window->FormWindow(3), form_);
    EXPECT_EQ(ActiveForm(), form_);
    EXPECT_EQ(form_->objectName(), "form_lens-like");
}

TEST_F(FormVariantsTest, LinkLabelOpensTheArticleOnEveryClick) {
    Open(LinkForm());
    auto* link = Ctl<QLabel>("ctl256");
    const FontFace face = FontFor(FontRole::Link);
    const Rgb colour = *face.colour;
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(colour.r, colour.g, colour.b));
    EXPECT_EQ(link->font().family(), ToQString(face.family));
    EXPECT_EQ(link->font().pixelSize(), face.pixels);
    EXPECT_EQ(link->font().italic(), face.italic);
    EXPECT_EQ(link->font().underline(), face.underline);
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(urls_.urls.size(), 1u);
    EXPECT_EQ(urls_.urls[0], QUrl(QString::fromUtf8(config::kCoaxArticleUrl)));
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseDClick(link, Qt::LeftButton);
    EXPECT_EQ(urls_.urls.size(), 3u) << "a double click is a second notification";
}

TEST(PicturePath, NamesAndIds) {
    EXPECT_EQ(PicturePath("MYBMP"), resources::DipoleSketchPath());
    EXPECT_EQ(PicturePath("2009"), resources::HelpPicturePath(2009));
    EXPECT_EQ(PicturePath("OTHER"), QString());
    EXPECT_EQ(PicturePath("12x"), QString());
}

}  // namespace
}  // namespace kalvora
