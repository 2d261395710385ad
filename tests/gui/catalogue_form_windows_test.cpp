// SPDX-License-Identifier: MIT
// Every form of the catalogue realised by the one frame, and worked examples typed into the
// windows the way a user does.
#include <gtest/gtest.h>

#include <ostream>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "app/config.h"
#include "app/window_registry.h"
#include "calc/catalogue.h"
#include "form_panel_fixture.h"
#include "forms/calculator_form.h"
#include "forms/qt_text.h"
#include "panels/topic_panel.h"

namespace kalvora {

// Names a catalogue form by its slug in test output.
void PrintTo(const FormDefinition* form, std::ostream* os) { *os << form->slug; }

namespace {

using testing_support::ClientAreaTest;


class CatalogueFormTest : public ClientAreaTest, public ::testing::WithParamInterface<const FormDefinition*> {};

TEST_P(CatalogueFormTest, OpensWithItsInputsResultsListsAndFocus) {
    const FormDefinition& definition = *GetParam();
    QWidget* form = OpenForm(definition);
    form->grab().save(testing_support::ScreenshotFolder() + QStringLiteral("/form_%1.png").arg(ToQString(definition.slug)));
    EXPECT_EQ(Registry().forms[FormSlot(definition)], form);
    EXPECT_EQ(Registry().activeCalculator, form);
    EXPECT_EQ(form->geometry(), QRect(190, 43, client().width() - 190, client().height() - 60));

    const auto control = [&](int id) { return form->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)); };
    for (std::size_t i = 0; i < definition.inputs.size(); ++i) {
        QWidget* input = control(definition.inputs[i].controlId);
        ASSERT_NE(input, nullptr) << definition.inputs[i].controlId;
        EXPECT_TRUE(qobject_cast<QLineEdit*>(input) || qobject_cast<QComboBox*>(input));
        EXPECT_EQ(input->accessibleName(), ToQString(definition.InputCaption(i)));
    }
    for (int id : definition.resultIds) {
        QWidget* result = control(id);
        ASSERT_NE(result, nullptr) << id;
        const auto* label = qobject_cast<QLabel*>(result);
        const auto* edit = qobject_cast<QLineEdit*>(result);
        ASSERT_TRUE(label || (edit && edit->isReadOnly())) << id;
        EXPECT_EQ(label ? label->text() : edit->text(), ToQString(definition.dialog.Find(id)->text)) << id;
        EXPECT_FALSE(result->accessibleName().isEmpty()) << id;
    }
    for (const PresetList& list : definition.lists) {
        auto* combo = qobject_cast<QComboBox*>(control(list.controlId));
        ASSERT_NE(combo, nullptr) << list.controlId;
        EXPECT_EQ(combo->count(), qsizetype(list.items.size()));
        EXPECT_EQ(combo->currentText(), "");
        std::set<QString> items;
        for (int i = 0; i < combo->count(); ++i) items.insert(combo->itemText(i));
        for (std::string_view item : list.items) EXPECT_EQ(items.count(ToQString(item)), 1u) << item;
    }
    for (const PresetText& preset : definition.presets) {
        auto* edit = qobject_cast<QLineEdit*>(control(preset.controlId));
        ASSERT_NE(edit, nullptr) << preset.controlId;
        EXPECT_EQ(edit->text(), ToQString(preset.text));
    }
    for (const PresetText& relabel : definition.relabels) {
        auto* label = qobject_cast<QLabel*>(control(relabel.controlId));
        ASSERT_NE(label, nullptr) << relabel.controlId;
        EXPECT_EQ(label->text(), ToQString(relabel.text));
    }
    if (definition.focusAtOpen)
        EXPECT_EQ(QApplication::focusWidget(), control(definition.focusId));
    else
        EXPECT_FALSE(form->isAncestorOf(QApplication::focusWidget()));

    // Tab visits every tab stop once and comes back to where it started.
    std::vector<QWidget*> stops;
    for (const ControlDefinition& c : definition.dialog.controls)
        if (TakesTabStop(c)) stops.push_back(form->findChildren<QWidget*>(QStringLiteral("ctl%1").arg(c.id)).value(0));
    ASSERT_FALSE(stops.empty());
    stops.front()->setFocus();
    for (std::size_t i = 1; i <= stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), stops[i % stops.size()]) << "Tab " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(All, CatalogueFormTest, ::testing::ValuesIn(Catalogue().begin(), Catalogue().end()),
                         [](const auto& info) {
                             std::string name(info.param->slug);
                             std::erase(name, '-');
                             return name;
                         });

class WorkedExampleTest : public ClientAreaTest {
protected:
    QWidget* Open(std::string_view slug) {
        DestroyCalculators();
        form_ = OpenForm(*FindForm(slug));
        return form_;
    }
    template <typename T = QWidget>
    T* Ctl(int id) const {
        T* widget = form_->findChild<T*>(QStringLiteral("ctl%1").arg(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    void Type(int id, const char* text) { QTest::keyClicks(Ctl(id), QString::fromUtf8(text)); }
    void Choose(int comboId, const char* item) {
        auto* combo = Ctl<QComboBox>(comboId);
        const int index = combo->findText(QString::fromUtf8(item));
        ASSERT_GE(index, 0) << item;
        combo->setCurrentIndex(index);
    }
    void Enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    QString Text(int id) const {
        if (auto* label = form_->findChild<QLabel*>(QStringLiteral("ctl%1").arg(id))) return label->text();
        return Ctl<QLineEdit>(id)->text();
    }

    QPointer<QWidget> form_;
};

TEST_F(WorkedExampleTest, GravitationLawFromThePresetLists) {
    Open("gravitation-law");
    auto* m1 = Ctl<QComboBox>(107);
    QStringList items;
    for (int i = 0; i < m1->count(); ++i) items << m1->itemText(i);
    EXPECT_EQ(items, QStringList({"Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
    Choose(107, "Země 6e24");
    Choose(106, "Měsíc 7.5e22");
    Choose(105, "Země Měsíc 3.8e8");
    Enter();
    EXPECT_EQ(Text(111), "2.08e+020");
    EXPECT_EQ(m1->count(), 3);
}

TEST_F(WorkedExampleTest, WallListInCzechOrderAndThickness) {
    Open("wall-thermal-resistance");
    auto* materials = Ctl<QComboBox>(208);
    ASSERT_EQ(materials->count(), 20);
    EXPECT_EQ(materials->itemText(0), "Beton hutný 1.30");
    EXPECT_EQ(materials->itemText(6), "Děrovaní cihly Cdm 0.69");
    EXPECT_EQ(materials->itemText(7), "Desky z minerálních vláken 0.045");
    EXPECT_EQ(materials->itemText(8), "Dřevo měkké 0.17");
    EXPECT_EQ(materials->itemText(18), "Škvára sypká 0.27");
    EXPECT_EQ(materials->itemText(19), "YTONG,HEBEL 0.17");
    Choose(208, "Cihly pálené 0.86");
    Type(207, "0.3");
    Enter();
    EXPECT_EQ(Text(111), "0.348837");
}

TEST_F(WorkedExampleTest, LensPresetsEnterComputesEscapeStays) {
    Open("lens-power");
    EXPECT_EQ(Text(306), "sklo 1.5");
    EXPECT_EQ(Text(300), "vzduch 1");
    Type(301, "0.1");
    Type(302, "0.1");
    Enter();
    EXPECT_EQ(Text(111), "10.000");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(form_->isVisible());
    QTest::mouseClick(Ctl(227), Qt::LeftButton);
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(WorkedExampleTest, BuoyancyShowsBothResults) {
    Open("buoyancy");
    Type(240, "0.002");
    Type(241, "7800");
    Type(243, "0.002");
    Enter();
    EXPECT_EQ(Text(111), "19.620");
    EXPECT_EQ(Text(250), "13.600");
    EXPECT_EQ(QApplication::focusWidget(), Ctl(240));
}

TEST_F(WorkedExampleTest, LiquidMixingWidensComputesAndRestores) {
    client().setGeometry(100, 80, 564, 541);
    const QRect before = client().frameGeometry();
    Open("liquid-mixing");
    EXPECT_EQ(client().frameGeometry(), QRect(before.x(), before.y(), 660, before.y() + before.height() - 40));
    Enter();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Error - Zadání:Edit 1");
    EXPECT_EQ(messages_[0].owner, nullptr);
    Type(1202, "10");
    Type(1203, "20");
    Type(1204, "40");
    Type(1206, "80");
    Enter();
    EXPECT_EQ(Text(1200), "5.00");
    EXPECT_EQ(Text(1205), "15.00");
    QTest::mouseClick(Ctl(2), Qt::LeftButton);
    EXPECT_EQ(client().frameGeometry(), before);
}

TEST_F(WorkedExampleTest, CoaxLinkAndResult) {
    Open("coax-cable-length");
    Type(107, "27");
    Type(106, "0.66");
    Type(105, "10");
    Enter();
    EXPECT_EQ(Text(111), "11.0000");
    QTest::mouseClick(Ctl(256), Qt::LeftButton);
    ASSERT_EQ(urls_.urls.size(), 1u);
    EXPECT_EQ(urls_.urls[0], QUrl(QString::fromUtf8(config::kCoaxArticleUrl)));
}

TEST_F(WorkedExampleTest, ActivePowerComboIsSkippedByTab) {
    Open("active-power");
    EXPECT_FALSE(form_->isAncestorOf(QApplication::focusWidget()));
    Choose(204, "0.8");
    Ctl(106)->setFocus();
    Type(106, "2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Type(105, "230");
    Enter();
    EXPECT_EQ(Text(111), "368.00");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Ctl(106)) << "Shift+Tab passes over the power-factor list";
}

TEST_F(WorkedExampleTest, FreeFallRelabelsTheResistanceTemplate) {
    Open("free-fall");
    EXPECT_EQ(Text(100), "Dráha s (m)");
    EXPECT_EQ(Text(101), "Gravit.zrychlení g (m/s)");
    EXPECT_EQ(Text(102), "Čas t (sekunda)");
    EXPECT_EQ(Text(118), "");
    Open("resistance");
    EXPECT_EQ(Text(100), "Odpor R (Ohm)=");
    EXPECT_EQ(Text(118), "Odpor");
}

TEST_F(WorkedExampleTest, VoltageDropBecomesTheActiveCalculator) {
    Open("voltage-drop");
    EXPECT_EQ(Registry().activeCalculator, form_);
    Ctl(107)->setFocus();
    Type(107, "2");
    Type(106, "0.35");
    Enter();
    EXPECT_EQ(Text(111), "0.70");
}

TEST_F(WorkedExampleTest, MechanicsPanelStoresThePictureHelpShows) {
    QWidget* panel = CreateTopicPanel(Field::Mechanics);
    QTest::mouseClick(panel->findChild<QWidget*>("ctl229"), Qt::LeftButton);
    form_ = Registry().activeCalculator;
    ASSERT_NE(form_, nullptr);
    EXPECT_EQ(form_->objectName(), "form_gravitational-acceleration");
    QTest::mouseClick(Ctl(230), Qt::LeftButton);
    EXPECT_EQ(Registry().helpBitmapId, 234);
    EXPECT_FALSE(Registry().helpWindow.isNull());

    QTest::mouseClick(panel->findChild<QWidget*>("ctl214"), Qt::LeftButton);
    EXPECT_TRUE(Registry().helpWindow.isNull()) << "opening a topic closes the help window";
    form_ = Registry().activeCalculator;
    QTest::mouseClick(Ctl(230), Qt::LeftButton);
    EXPECT_EQ(Registry().helpBitmapId, 2000);
}

TEST_F(WorkedExampleTest, DipoleShowsItsSketchFrame) {
    Open("half-wave-dipole");
    auto* picture = Ctl<QLabel>(233);
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    Type(107, "27");
    Enter();
    EXPECT_EQ(Text(111), "5.556");
}

}  // namespace
}  // namespace kalvora
