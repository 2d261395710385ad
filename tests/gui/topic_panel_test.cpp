// SPDX-License-Identifier: MIT
// The six topic panels: labels, colours, fonts, the gradient, and what a click does.
#include <gtest/gtest.h>

#include <ostream>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/config.h"
#include "app/window_registry.h"
#include "calc/catalogue.h"
#include "form_panel_fixture.h"
#include "forms/calculator_form.h"
#include "forms/static_cursor.h"
#include "panels/form_lookup.h"
#include "panels/panel_data.h"
#include "panels/topic_panel.h"

namespace kalvora {
namespace {

using testing_support::ClientAreaTest;

struct LabelRow {
    int id;
    const char* text;
};

struct PanelCase {
    const char* name;
    Field field;
    QColor background;
    QColor text;
    std::vector<LabelRow> labels;

    friend void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }
};

const std::vector<PanelCase>& PanelCases() {
    static const std::vector<PanelCase> cases{
        {"Electrical", Field::Electrical, QColor(255, 0, 0), QColor(255, 255, 0),
         {{150, "Proud"}, {198, "Napětí"}, {199, "Odpor"}, {151, "Cívka"}, {152, "Kondenzátor"}, {153, "Transformátor"},
          {157, "Odpor vodiče"}, {155, "Zářivka za žárovku"}, {159, "Světelný tok"}, {160, "Příkon spotřebiče"},
          {161, "Činný výkon "}, {169, "Úbytek napětí"}, {202, "Další programy"}, {203, config::kAuthorMail}}},
        {"Thermal", Field::Thermal, QColor(0, 160, 160), QColor(0, 255, 0), {{207, "Tep.odpor stěny"}}},
        {"Mechanics", Field::Mechanics, QColor(54, 139, 235), QColor(0, 255, 0),
         {{214, "Gravitační zákon"}, {229, "Gravitační zrychlení"}, {235, "Volný pád"}}},
        {"Optics", Field::Optics, QColor(238, 246, 255), QColor(255, 0, 0), {{299, "Opt.mohutnost čočky"}}},
        {"GasesAndLiquids", Field::GasesAndLiquids, QColor(255, 255, 0), QColor(255, 0, 0),
         {{248, "Aerodyn.odporová síla"}, {246, "Archimédův zákon"}, {258, "Mísení kapalin"}}},
        {"Antenna", Field::Antenna, QColor(255, 217, 179), QColor(0, 0, 255),
         {{252, "Půlvlnový dipol"}, {254, "Koaxiální kabel"}}},
    };
    return cases;
}

class TopicPanelTest : public ClientAreaTest {
protected:
    QLabel* Label(QWidget* panel, int id) {
        auto* label = panel->findChild<QLabel*>(QStringLiteral("ctl%1").arg(id));
        EXPECT_NE(label, nullptr) << id;
        return label;
    }
    // Counts the forms created in the client area from now on.
    int CountFormsOpenedBy(const std::function<void()>& action) {
        int opened = 0;
        struct Filter : QObject {
            int* opened;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::ChildAdded) ++*opened;
                return false;
            }
        } filter;
        filter.opened = &opened;
        client().installEventFilter(&filter);
        action();
        client().removeEventFilter(&filter);
        return opened;
    }
};

class PanelContentsTest : public TopicPanelTest, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(PanelContentsTest, LabelsTextsColoursAndFonts) {
    const PanelCase& c = GetParam();
    QWidget* panel = CreateTopicPanel(c.field);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), &client());
    EXPECT_EQ(panel->geometry(), QRect(0, 43, 170, 541 - 60));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(Registry().panels[static_cast<std::size_t>(c.field)], panel);

    const auto labels = panel->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), qsizetype(c.labels.size()));
    int previousY = -1;
    for (const LabelRow& row : c.labels) {
        QLabel* label = Label(panel, row.id);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text)) << row.id;
        EXPECT_EQ(label->accessibleName(), QString::fromUtf8(row.text)) << row.id;
        EXPECT_GT(label->y(), previousY) << row.id << " lies below the label before it";
        previousY = label->y();
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.text) << row.id;
        EXPECT_EQ(label->palette().color(QPalette::Window), c.background) << row.id;
        EXPECT_TRUE(label->autoFillBackground()) << row.id;
        EXPECT_EQ(label->cursor().shape(), StaticControlCursor().shape()) << row.id;
        EXPECT_GE(label->height(), label->fontMetrics().height()) << row.id << " shows accents and descenders";
        const QFont font = label->font();
        if (row.id == 203) {
            EXPECT_FALSE(font.underline());
            EXPECT_EQ(font.pointSize(), 9);
        } else {
            EXPECT_EQ(font.family(), "Times New Roman") << row.id;
            EXPECT_EQ(font.pixelSize(), 14) << row.id;
            EXPECT_EQ(font.weight(), QFont::DemiBold) << row.id;
            EXPECT_TRUE(font.underline()) << row.id;
        }
    }
    EXPECT_EQ(Label(panel, c.labels.front().id)->y(), 0);

    // The labels stand in the client area inside the sizing frame, which keeps the system's colours.
    const QRect client = panel->contentsRect();
    EXPECT_EQ(client, panel->rect().adjusted(4, 4, -4, -4));
    const QImage image = panel->grab().toImage();
    EXPECT_EQ(image.pixel(0, image.height() / 2), panel->palette().color(QPalette::Midlight).rgb());
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() / 2), panel->palette().color(QPalette::Shadow).rgb());
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() - 1), panel->palette().color(QPalette::Shadow).rgb());
    for (const LabelRow& row : c.labels) {
        const QRect label = Label(panel, row.id)->geometry().translated(client.topLeft());
        EXPECT_TRUE(client.contains(label.topLeft())) << row.id;
        EXPECT_EQ(image.pixelColor(label.left(), label.top() + 1), c.background) << row.id << " is drawn inside the frame";
    }
    if (c.field != Field::Electrical) {
        // The whole client area stands in the panel's background colour: below the last label,
        // and between the letters of a label.
        EXPECT_EQ(image.pixelColor(160, client.bottom() - 1), c.background);
        EXPECT_EQ(image.pixelColor(160, client.top() + 2), c.background);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFields, PanelContentsTest, ::testing::ValuesIn(PanelCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TopicPanelTest, ElectricalGradientRepeatsEvery512Rows) {
    ResizeClient(564, 700);
    QWidget* panel = CreateTopicPanel(Field::Electrical);
    ASSERT_EQ(panel->height(), 640);
    const QImage image = panel->grab().toImage();
    image.save(testing_support::ScreenshotFolder() + QStringLiteral("/electrical_panel.png"));
    // Row 0 of the gradient is the top row of the client area, inside the 4-pixel frame, which
    // leaves 632 rows for it. Rows below the last label show the gradient itself; x 160 is clear
    // of every label's text.
    const QPoint client = panel->contentsRect().topLeft();
    ASSERT_EQ(client, QPoint(4, 4));
    const QWidget* lastLabel = Label(panel, 203);
    ASSERT_LT(lastLabel->geometry().bottom(), 500);
    struct Row {
        int y;
        int red;
    };
    for (const Row row : {Row{0, 255}, Row{500, 5}, Row{509, 1}, Row{510, 0}, Row{511, 0}, Row{512, 255},
                          Row{513, 255}, Row{514, 254}, Row{631, 196}})
        EXPECT_EQ(image.pixelColor(160, client.y() + row.y), QColor(row.red, 0, 0)) << "row " << row.y;
    // The frame runs round the gradient on every side.
    EXPECT_NE(image.pixelColor(160, 0).green(), 0);
    EXPECT_NE(image.pixelColor(160, 639).green(), 0);
    EXPECT_NE(image.pixelColor(0, 300).green(), 0);
    // Between two labels the gradient shows too: label 0 ends above the row where label 1 begins.
    const int gap = Label(panel, 150)->geometry().bottom() + 1;
    ASSERT_LT(gap, Label(panel, 198)->y());
    EXPECT_EQ(image.pixelColor(160, client.y() + gap), QColor(255 - gap / 2, 0, 0));
    // The labels' rectangles are filled with the panel's red brush over the gradient.
    EXPECT_EQ(image.pixelColor(160, client.y() + Label(panel, 169)->y() + 1), QColor(255, 0, 0));
}

TEST(GradientRed, WrapsAtTheLowByte) {
    struct Row {
        int y, red;
    };
    for (const Row row : {Row{0, 255}, Row{1, 255}, Row{2, 254}, Row{3, 254}, Row{100, 205}, Row{509, 1}, Row{510, 0},
                          Row{511, 0}, Row{512, 255}, Row{514, 254}, Row{1023, 0}, Row{1024, 255}})
        EXPECT_EQ(GradientRed(row.y), row.red) << "row " << row.y;
}

TEST_F(TopicPanelTest, LabelClickReplacesTheOpenForm) {
    QWidget* panel = CreateTopicPanel(Field::Electrical);
    QPointer<QWidget> current = OpenForm(*FindForm("current"));
    current->findChild<QLineEdit*>("ctl107")->setText("12");
    QTest::mouseClick(Label(panel, 198), Qt::LeftButton);
    EXPECT_TRUE(current.isNull());
    QWidget* voltage = Registry().forms[FormSlot(*FindForm("voltage"))];
    ASSERT_NE(voltage, nullptr);
    EXPECT_TRUE(voltage->isVisible());
    EXPECT_EQ(Registry().activeCalculator, voltage);
    EXPECT_EQ(voltage->geometry(), QRect(190, 43, 564 - 190, 541 - 60));
}

TEST_F(TopicPanelTest, ClickingTheOpenTopicGivesAFreshForm) {
    QWidget* panel = CreateTopicPanel(Field::Electrical);
    QPointer<QWidget> first = OpenForm(*FindForm("current"));
    first->findChild<QLineEdit*>("ctl107")->setText("12");
    QTest::mouseClick(Label(panel, 150), Qt::LeftButton);
    EXPECT_TRUE(first.isNull());
    QWidget* fresh = Registry().forms[FormSlot(*FindForm("current"))];
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->findChild<QLineEdit*>("ctl107")->text(), "");
}

TEST_F(TopicPanelTest, DoubleClickOpensTheFormTwice) {
    QWidget* panel = CreateTopicPanel(Field::Electrical);
    QLabel* label = Label(panel, 199);
    // A double click arrives as a press and release, then the double-click press and a release.
    QPointer<QWidget> afterFirstClick;
    const int opened = CountFormsOpenedBy([&] {
        QTest::mouseClick(label, Qt::LeftButton);
        afterFirstClick = Registry().forms[FormSlot(*FindForm("resistance"))];
        QTest::mouseDClick(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
    });
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(afterFirstClick.isNull()) << "the second form replaces the first";
    EXPECT_NE(Registry().forms[FormSlot(*FindForm("resistance"))], nullptr);
}

TEST_F(TopicPanelTest, OtherMouseButtonsDoNothing) {
    QWidget* panel = CreateTopicPanel(Field::Electrical);
    const int opened = CountFormsOpenedBy([&] { QTest::mouseClick(Label(panel, 150), Qt::RightButton); });
    EXPECT_EQ(opened, 0);
}

TEST_F(TopicPanelTest, LinkLabelsOpenTheirAddressesAndLeaveTheFormAlone) {
    QWidget* panel = CreateTopicPanel(Field::Electrical);
    QPointer<QWidget> form = OpenForm(*FindForm("current"));
    form->findChild<QLineEdit*>("ctl107")->setText("12");
    QTest::mouseClick(Label(panel, 202), Qt::LeftButton);
    QTest::mouseClick(Label(panel, 203), Qt::LeftButton);
    QTest::mouseDClick(Label(panel, 203), Qt::LeftButton);
    ASSERT_EQ(urls_.urls.size(), 3u);
    EXPECT_EQ(urls_.urls[0], QUrl(QString::fromUtf8(config::kOtherProgramsUrl)));
    EXPECT_EQ(urls_.urls[1], QUrl(QString::fromUtf8(config::kAuthorMailUrl)));
    EXPECT_EQ(urls_.urls[2], QUrl(QString::fromUtf8(config::kAuthorMailUrl)));
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->findChild<QLineEdit*>("ctl107")->text(), "12");
}

// Forms made up for the labels whose forms a test asks for, so that what a click does can be
// seen whatever forms the catalogue holds.
class LabelActionTest : public TopicPanelTest {
protected:
    void SetUp() override {
        TopicPanelTest::SetUp();
        stand_in_ = *FindForm("current");
        stand_in_.slug = "stand-in";
        SetFormLookup([this](Field field, std::string_view title) -> const FormDefinition* {
            asked_.emplace_back(field, std::string(title));
            return missing_ ? nullptr : &stand_in_;
        });
    }
    FormDefinition stand_in_;
    bool missing_ = false;
    std::vector<std::pair<Field, std::string>> asked_;
};

struct LabelActionCase {
    const char* name;
    Field field;
    int label;
    const char* formTitle;
    int helpBitmapId;  // after the click; the test stores 77 before it

    friend void PrintTo(const LabelActionCase& c, std::ostream* os) { *os << c.name; }
};

class LabelOpensTest : public LabelActionTest, public ::testing::WithParamInterface<LabelActionCase> {};

TEST_P(LabelOpensTest, OpensTheFormOfItsTitleAndStoresItsHelpPicture) {
    const LabelActionCase& c = GetParam();
    QWidget* panel = CreateTopicPanel(c.field);
    QPointer<QWidget> before = OpenForm(*FindForm("voltage"));
    Registry().helpBitmapId = 77;
    QTest::mouseClick(Label(panel, c.label), Qt::LeftButton);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].first, c.field);
    EXPECT_EQ(asked_[0].second, c.formTitle);
    EXPECT_EQ(Registry().helpBitmapId, c.helpBitmapId);
    EXPECT_TRUE(before.isNull());
    ASSERT_NE(Registry().activeCalculator, nullptr);
    EXPECT_EQ(Registry().activeCalculator->objectName(), "form_stand-in");
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelOpensTest,
    ::testing::Values(LabelActionCase{"Coil", Field::Electrical, 151, "Cívka v obvodě střídavého proudu", 77},
                      LabelActionCase{"ActivePower", Field::Electrical, 161, "Činný výkon spotř.s induk.odporem", 77},
                      LabelActionCase{"Wall", Field::Thermal, 207, "Tepelný odpor stěny", 77},
                      LabelActionCase{"Gravitation", Field::Mechanics, 214, "Newtonův gravitační zákon", 2000},
                      LabelActionCase{"Acceleration", Field::Mechanics, 229, "Gravitační zrychleni", 234},
                      LabelActionCase{"FreeFall", Field::Mechanics, 235, "Volný pád", 2001},
                      LabelActionCase{"Lens", Field::Optics, 299, "Optická mohutnost čočky(dioptrie)", 77},
                      LabelActionCase{"Drag", Field::GasesAndLiquids, 248, "Aerodynamiká odporová síla", 77},
                      LabelActionCase{"Buoyancy", Field::GasesAndLiquids, 246, "Archimédův zákon", 77},
                      LabelActionCase{"Mixing", Field::GasesAndLiquids, 258, "Roztoky kapalin", 77},
                      LabelActionCase{"Dipole", Field::Antenna, 252, "Půlvlnový dipól", 77},
                      LabelActionCase{"Coax", Field::Antenna, 254, "Délka koaxiálního kabelu", 77}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabelActionTest, AMissingFormLeavesEverythingAsItWas) {
    missing_ = true;
    QWidget* panel = CreateTopicPanel(Field::Mechanics);
    QPointer<QWidget> before = OpenForm(*FindForm("voltage"));
    Registry().helpBitmapId = 77;
    QTest::mouseClick(Label(panel, 214), Qt::LeftButton);
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_FALSE(before.isNull());
    EXPECT_EQ(Registry().helpBitmapId, 77);
}

TEST(FormLookup, FindsCatalogueFormsByFieldAndTitle) {
    EXPECT_EQ(LookupForm(Field::Electrical, "Proud"), FindForm("current"));
    EXPECT_EQ(LookupForm(Field::Electrical, "Odpor"), FindForm("resistance"));
    EXPECT_EQ(LookupForm(Field::Thermal, "Proud"), nullptr);
    EXPECT_EQ(LookupForm(Field::Electrical, "proud"), nullptr);
}

// Every form of the catalogue is reached from exactly one label of its field's panel.
TEST(PanelData, EveryCatalogueFormHasOneLabel) {
    for (const FormDefinition* form : Catalogue()) {
        int labels = 0;
        for (const PanelLabel& label : PanelFor(form->field).labels)
            if (label.action == LabelAction::OpenForm && label.target == form->title) ++labels;
        EXPECT_EQ(labels, 1) << form->slug;
    }
}

}  // namespace
}  // namespace kalvora
