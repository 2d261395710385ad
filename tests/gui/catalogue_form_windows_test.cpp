// SPDX-License-Identifier: MIT
// Every form of the catalogue realised by the one frame, and worked examples typed into the
// windows the way a user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <ostream>
#include <set>

#include "calc/catalogue.h"
#include "config/contact_addresses.h"
#include "form_panel_fixture.h"
#include "qt/forms/help_window.h"
#include "qt/forms/qt_text.h"
#include "model/shell_data.h"
#include "qt/platform/dialog_units.h"
#include "qt/resource_paths.h"

namespace kalvora {

// Names a catalogue form by its slug in test output.
void PrintTo(const FormDefinition* form, std::ostream* os) {
    *os << form->slug;
}

namespace {

using testing_support::ClientAreaTest;

class CatalogueFormTest : public ClientAreaTest,
                          public ::testing::WithParamInterface<const FormDefinition*> {};

TEST_P(CatalogueFormTest, OpensWithItsInputsResultsListsAndFocus) {
    const FormDefinition& definition = *GetParam();
    QWidget* form = OpenSlot(window->SlotOf(definition.slug));
    ASSERT_NE(form, nullptr);
    form->grab().save(testing_support::ScreenshotFolder() +
                      QStringLiteral("/form_%1.png").arg(ToQString(definition.slug)));
    EXPECT_EQ(ActiveForm(), form);
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

    // Every text is shown whole: one-line texts fit their width, wrapped texts their height.
    // The templates' room fits a face with Arial's metrics; another face may need more.
    if (platform::DialogFontFamily() == QStringLiteral("Liberation Sans")) {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << label->text().toStdString();
            else
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                    << label->text().toStdString();
        }
    }

    // Tab visits every tab stop once and comes back to where it started.
    std::vector<QWidget*> stops;
    for (const ControlDefinition& c : definition.dialog.controls)
        if (TakesTabStop(c))
            stops.push_back(form->findChildren<QWidget*>(QStringLiteral("ctl%1").arg(c.id)).value(0));
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

class WorkedExampleTest : public testing_support::OpenFormTest {
protected:
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
    EXPECT_EQ(materials->lineEdit()->cursorPosition(), 0) << "a chosen item shows from its start";
    Type(207, "0.3");
    Enter();
    EXPECT_EQ(Text(111), "0.348837");
}

TEST_F(WorkedExampleTest, LensPresetsEnterComputesEscapeStays) {
    Open("lens-power");
    EXPECT_EQ(Text(118), "U spojek kladná, u rozptylek záporná hodnota");
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
    // OK and Storno lower than in the other forms, at y 220; no Help button.
    const platform::BaseUnits base = platform::DialogBaseUnits(form_->font());
    EXPECT_EQ(Ctl(1)->geometry(), platform::DialogRectToPixels(10, 220, 51, 15, base));
    EXPECT_EQ(Ctl(2)->geometry(), platform::DialogRectToPixels(126, 220, 51, 15, base));
    EXPECT_EQ(form_->findChild<QWidget*>("ctl230"), nullptr);
}

// The drop-down lists of the real forms show the program's items in the program's order (Czech
// alphabetical for the sorted ones, the model's list-order tests check it) with none chosen, and
// Tab stops only at those with a tab stop.
TEST_F(WorkedExampleTest, DropDownListsShowTheProgramsItemsAndTabStops) {
    struct Row {
        const char* slug;
        int id;
        bool tabStop;
        int count;
    };
    const Row rows[] = {
        {"conductor-resistance", 107, false, 8}, {"luminous-flux", 107, false, 4},
        {"active-power", 204, false, 9},         {"wall-thermal-resistance", 208, true, 20},
        {"gravitation-law", 107, true, 3},       {"gravitation-law", 106, true, 3},
        {"gravitation-law", 105, true, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.slug) + " " + std::to_string(row.id));
        Open(row.slug);
        auto* combo = Ctl<QComboBox>(row.id);
        ASSERT_NE(combo, nullptr);
        QStringList items, expected;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        const FormInstance& state = *window->State().forms[std::size_t(window->SlotOf(row.slug))];
        for (const std::string& item : state.Control(row.id)->items) expected << QString::fromStdString(item);
        EXPECT_EQ(items.size(), row.count);
        EXPECT_EQ(items, expected);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->focusPolicy(), row.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

TEST_F(WorkedExampleTest, LiquidMixingWidensComputesAndRestores) {
    window->setGeometry(100, 80, 580, 600);
    const QRect before = window->frameGeometry();
    Open("liquid-mixing");
    EXPECT_EQ(window->frameGeometry(), QRect(before.x(), before.y(), 660, before.y() + before.height() - 40));
    Enter();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error - Zadání:Edit 1");
    EXPECT_FALSE(boxes[0].hadOwner);
    Type(1202, "10");
    Type(1203, "20");
    Type(1204, "40");
    Type(1206, "80");
    Enter();
    EXPECT_EQ(Text(1200), "5.00");
    EXPECT_EQ(Text(1205), "15.00");
    QTest::mouseClick(Ctl(2), Qt::LeftButton);
    EXPECT_EQ(window->frameGeometry(), before);
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
    EXPECT_EQ(ActiveForm(), form_);
    Ctl(107)->setFocus();
    Type(107, "2");
    Type(106, "0.35");
    Enter();
    EXPECT_EQ(Text(111), "0.70");
}

TEST_F(WorkedExampleTest, MechanicsPanelStoresThePictureHelpShows) {
    window->RunCommand(command::kElectrical + 2);
    QWidget* panel = OpenPanel();
    QTest::mouseClick(panel->findChild<QWidget*>("ctl229"), Qt::LeftButton);
    form_ = ActiveForm();
    ASSERT_NE(form_, nullptr);
    EXPECT_EQ(form_->objectName(), "form_gravitational-acceleration");
    QTest::mouseClick(Ctl(230), Qt::LeftButton);
    EXPECT_EQ(HelpPicture(), 234);
    EXPECT_NE(HelpWindow(), nullptr);

    QTest::mouseClick(panel->findChild<QWidget*>("ctl214"), Qt::LeftButton);
    EXPECT_EQ(HelpWindow(), nullptr) << "opening a topic closes the help window";
    form_ = ActiveForm();
    QTest::mouseClick(Ctl(230), Qt::LeftButton);
    EXPECT_EQ(HelpPicture(), 2000);
}

TEST_F(WorkedExampleTest, DipoleShowsItsSketchFrame) {
    Open("half-wave-dipole");
    auto* picture = Ctl<QLabel>(233);
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    // The sketch at its own size, centred in the frame.
    const QImage sketch(resources::DipoleSketchPath());
    ASSERT_EQ(sketch.size(), QSize(229, 97));
    const QImage shown = picture->grab().toImage();
    const QRect inside = picture->contentsRect();
    ASSERT_TRUE(inside.width() >= sketch.width() && inside.height() >= sketch.height());
    const QPoint origin = inside.topLeft() + CentredPictureOrigin(inside.size(), sketch.size());
    for (int y = 0; y < sketch.height(); y += 5)
        for (int x = 0; x < sketch.width(); x += 5)
            ASSERT_EQ(shown.pixelColor(origin + QPoint(x, y)).rgb(), sketch.pixelColor(x, y).rgb())
                << x << "," << y;
    Type(107, "27");
    Enter();
    EXPECT_EQ(Text(111), "5.556");
}

TEST_F(WorkedExampleTest, ComboTextIsReadAtOkWhetherChosenTypedOrEdited) {
    struct Row {
        const char* name;
        const char* item;   // chosen first, or nullptr
        const char* typed;  // then typed over the field's text, or nullptr
        const char* result;
    };
    // S = 1.5 mm², l = 100 m: R = ρ · 100 / 1.5.
    for (const Row& row : {Row{"chosen item", "měď 0.0175", nullptr, "1.16667"},
                           Row{"typed number", nullptr, "0.1", "6.66667"},
                           Row{"chosen item with its number edited", "měď 0.0175", "měď 0.02", "1.33333"}}) {
        SCOPED_TRACE(row.name);
        Open("conductor-resistance");
        auto* material = Ctl<QComboBox>(107);
        if (row.item) Choose(107, row.item);
        if (row.typed) {
            if (row.item) {
                // Select the number behind the name and type the new one over it.
                material->lineEdit()->setFocus();
                QTest::keyClick(material->lineEdit(), Qt::Key_End);
                for (int i = 0; i < 6; ++i)
                    QTest::keyClick(material->lineEdit(), Qt::Key_Left, Qt::ShiftModifier);
                QTest::keyClicks(material->lineEdit(), "0.02");
            } else {
                Type(107, row.typed);
            }
            EXPECT_EQ(material->currentText(), QString::fromUtf8(row.typed));
        }
        Type(106, "1.5");
        Type(105, "100");
        Enter();
        EXPECT_EQ(Text(111), QString::fromUtf8(row.result));
        EXPECT_EQ(material->count(), 8) << "the list learns nothing";
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(WorkedExampleTest, OwnMessagesOfTheLightingAndWallForms) {
    struct Row {
        const char* name;
        const char* slug;
        std::vector<std::pair<int, const char*>> inputs;
        const char* caption;
        const char* text;
    };
    const Row rows[] = {
        {"bulb above 200 W",
         "fluorescent-for-bulb",
         {{107, "200.5"}},
         "Chyba",
         "Počítá jen do příkonu 200 Watt "},
        {"bulb of 0 W", "fluorescent-for-bulb", {{107, "0"}}, "chyba", "Zadejte do pole číslici"},
        {"wall without thickness or material",
         "wall-thermal-resistance",
         {},
         "chyba",
         "Text neobsahuje číslici"},
        {"wall without material",
         "wall-thermal-resistance",
         {{207, "0.3"}},
         "chyba",
         "Text neobsahuje číslici"},
        {"wall with a material without digit",
         "wall-thermal-resistance",
         {{207, "0.3"}, {208, "cihla"}},
         "chyba",
         "Text neobsahuje číslici"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        Open(row.slug);
        for (const auto& [id, text] : row.inputs) Type(id, text);
        Ctl(1)->setFocus();
        Enter();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, QString::fromUtf8(row.caption));
        EXPECT_EQ(boxes[0].text, QString::fromUtf8(row.text));
        EXPECT_EQ(boxes[0].owner, form_) << "owned by the form";
        EXPECT_EQ(boxes[0].icon, MessageIcon::None);
        EXPECT_EQ(Text(111), "0.00") << "the result field keeps its text";
    }
}

TEST_F(WorkedExampleTest, GravitationListsLearnEachNewTextOnceInAlphabeticalOrder) {
    Open("gravitation-law");
    auto* m1 = Ctl<QComboBox>(107);
    auto* m2 = Ctl<QComboBox>(106);
    auto* r = Ctl<QComboBox>(105);
    const auto items = [](const QComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
        return list;
    };
    // An input error still teaches each list its new text, before any number is tested.
    Type(107, "abc");
    Type(106, "Jupiter 1.9e27");
    Type(105, "0");
    Enter();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Zadejte do pole číslici");
    EXPECT_EQ(items(m1), QStringList({"abc", "Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
    EXPECT_EQ(items(m2), QStringList({"Jupiter 1.9e27", "Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
    EXPECT_EQ(items(r), QStringList({"0", "Slunce Země 1.5e11", "Země Měsíc 3.8e8"}));

    // The same texts again, and texts that differ from an item only in case, are not added.
    m1->setEditText("ZEMĚ 6E24");
    m2->setEditText("jupiter 1.9E27");
    r->setEditText("země měsíc 3.8e8");
    Enter();
    EXPECT_EQ(m1->count(), 4);
    EXPECT_EQ(m2->count(), 4);
    EXPECT_EQ(r->count(), 3);
    EXPECT_EQ(Text(111), "5.27e+024");
    // A learnt text takes its place in Czech order: "Č" after "a" and before "M".
    m1->setEditText("Čtvrtý 4e24");
    Enter();
    EXPECT_EQ(items(m1), QStringList({"abc", "Čtvrtý 4e24", "Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
}

TEST_F(WorkedExampleTest, CoaxLinkOpensOnEveryNotification) {
    Open("coax-cable-length");
    QWidget* link = Ctl(256);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(urls_.urls.size(), 1u);
    // A double click: the first press, then the double-click press.
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseDClick(link, Qt::LeftButton);
    EXPECT_EQ(urls_.urls.size(), 3u);
    for (const QUrl& url : urls_.urls) EXPECT_EQ(url, QUrl(QString::fromUtf8(config::kCoaxArticleUrl)));
    QTest::mouseClick(Ctl(230), Qt::LeftButton);
    EXPECT_EQ(HelpPicture(), 2011);
}

TEST_F(WorkedExampleTest, LiquidMixingInputsStopAtTheFieldWidth) {
    Open("liquid-mixing");
    auto* edit = Ctl<QLineEdit>(1202);
    const QString many(120, QLatin1Char('7'));
    QTest::keyClicks(edit, many);
    const QString typed = edit->text();
    EXPECT_GT(typed.size(), 3);
    EXPECT_LT(typed.size(), many.size());
    EXPECT_TRUE(many.startsWith(typed));
    EXPECT_LT(edit->fontMetrics().horizontalAdvance(typed), edit->width());
    EXPECT_TRUE(Ctl<QLineEdit>(1200)->isReadOnly());
    EXPECT_TRUE(Ctl<QLineEdit>(1205)->isReadOnly());
}

}  // namespace
}  // namespace kalvora
