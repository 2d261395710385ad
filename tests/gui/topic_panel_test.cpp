// SPDX-License-Identifier: MIT
// The six topic panels: labels, colours, fonts, the gradient, and clicks reaching the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "config/contact_addresses.h"
#include "form_panel_fixture.h"
#include "model/font_roles.h"
#include "model/geometry.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "qt/forms/qt_rect.h"
#include "qt/forms/static_cursor.h"

namespace kalvora {
namespace {

using testing_support::ClientAreaTest;

QColor Colour(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

class TopicPanelTest : public ClientAreaTest {
protected:
    QLabel* Label(QWidget* panel, int id) {
        auto* label = panel->findChild<QLabel*>(QStringLiteral("ctl%1").arg(id));
        EXPECT_NE(label, nullptr) << id;
        return label;
    }
    // Opens the panel of a field with its menu command.
    QWidget* OpenField(int menuId) {
        window->RunCommand(menuId);
        return OpenPanel();
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

class PanelContentsTest : public TopicPanelTest, public ::testing::WithParamInterface<FieldCommand> {};

TEST_P(PanelContentsTest, LabelsTextsColoursAndFonts) {
    const FieldCommand& command = GetParam();
    const PanelData& data = PanelFor(command.field);
    const QColor background = Colour(data.background);
    QWidget* panel = OpenField(command.menuId);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), &client());
    EXPECT_EQ(panel->geometry(), ToQRect(CreationLayout(client().width(), client().height()).panel));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(window->State().panel->field, command.field);

    const auto labels = panel->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), qsizetype(data.labels.size()));
    int previousY = -1;
    for (const PanelLabel& row : data.labels) {
        QLabel* label = Label(panel, row.id);
        ASSERT_NE(label, nullptr);
        const QString text = QString::fromUtf8(row.text.data(), qsizetype(row.text.size()));
        EXPECT_EQ(label->text(), text) << row.id;
        EXPECT_EQ(label->accessibleName(), text) << row.id;
        EXPECT_GT(label->y(), previousY) << row.id << " lies below the label before it";
        previousY = label->y();
        EXPECT_EQ(label->palette().color(QPalette::WindowText), Colour(data.labelText)) << row.id;
        EXPECT_EQ(label->palette().color(QPalette::Window), background) << row.id;
        EXPECT_TRUE(label->autoFillBackground()) << row.id;
        EXPECT_EQ(label->cursor().shape(), StaticControlCursor().shape()) << row.id;
        EXPECT_GE(label->height(), label->fontMetrics().height())
            << row.id << " shows accents and descenders";
        // A label keeping the panel's font has the dialog face, the others the panel label face.
        const QFont font = label->font();
        const FontFace face = FontFor(row.panelFont ? FontRole::Dialog : FontRole::PanelLabel);
        if (!face.family.empty()) {
            EXPECT_EQ(font.family().toStdString(), face.family) << row.id;
        }
        EXPECT_EQ(face.pixels ? font.pixelSize() : font.pointSize(), face.pixels ? face.pixels : face.points)
            << row.id;
        EXPECT_EQ(font.weight(), face.weight == FontWeight::DemiBold ? QFont::DemiBold : QFont::Normal)
            << row.id;
        EXPECT_EQ(font.underline(), face.underline) << row.id;
    }
    EXPECT_EQ(Label(panel, data.labels.front().id)->y(), 0);

    // The labels stand in the client area inside the sizing frame, which keeps the system's colours.
    const QRect client = panel->contentsRect();
    EXPECT_EQ(client, panel->rect().adjusted(4, 4, -4, -4));
    const QImage image = panel->grab().toImage();
    EXPECT_EQ(image.pixel(0, image.height() / 2), panel->palette().color(QPalette::Midlight).rgb());
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() / 2),
              panel->palette().color(QPalette::Shadow).rgb());
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() - 1),
              panel->palette().color(QPalette::Shadow).rgb());
    for (const PanelLabel& row : data.labels) {
        const QRect label = Label(panel, row.id)->geometry().translated(client.topLeft());
        EXPECT_TRUE(client.contains(label.topLeft())) << row.id;
        EXPECT_EQ(image.pixelColor(label.left(), label.top() + 1), background)
            << row.id << " is drawn inside the frame";
    }
    if (!data.gradient) {
        // The whole client area stands in the panel's background colour: below the last label,
        // and between the letters of a label.
        EXPECT_EQ(image.pixelColor(160, client.bottom() - 1), background);
        EXPECT_EQ(image.pixelColor(160, client.top() + 2), background);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFields, PanelContentsTest, ::testing::ValuesIn(kFieldCommands),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TopicPanelTest, ElectricalGradientRepeatsEvery512Rows) {
    window->resize(window->width(), window->height() - client().height() + 700);
    QWidget* panel = OpenField(command::kElectrical);
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
    for (const int row : {0, 500, 509, 510, 511, 512, 513, 514, 631})
        EXPECT_EQ(image.pixelColor(160, client.y() + row), QColor(GradientRed(row), 0, 0)) << "row " << row;
    // The frame runs round the gradient on every side.
    EXPECT_NE(image.pixelColor(160, 0).green(), 0);
    EXPECT_NE(image.pixelColor(160, 639).green(), 0);
    EXPECT_NE(image.pixelColor(0, 300).green(), 0);
    // Between two labels the gradient shows too: label 0 ends above the row where label 1 begins.
    const int gap = Label(panel, 150)->geometry().bottom() + 1;
    ASSERT_LT(gap, Label(panel, 198)->y());
    EXPECT_EQ(image.pixelColor(160, client.y() + gap), QColor(GradientRed(gap), 0, 0));
    // The labels' rectangles are filled with the panel's red brush over the gradient.
    EXPECT_EQ(image.pixelColor(160, client.y() + Label(panel, 169)->y() + 1), QColor(255, 0, 0));
}

TEST_F(TopicPanelTest, LabelClickReplacesTheOpenForm) {
    QWidget* panel = OpenPanel();
    QPointer<QWidget> current = FormOf("current");
    ASSERT_FALSE(current.isNull());
    current->findChild<QLineEdit*>("ctl107")->setText("12");
    QTest::mouseClick(Label(panel, 198), Qt::LeftButton);
    EXPECT_TRUE(current.isNull());
    QWidget* voltage = FormOf("voltage");
    ASSERT_NE(voltage, nullptr);
    EXPECT_TRUE(voltage->isVisible());
    EXPECT_EQ(ActiveForm(), voltage);
    EXPECT_EQ(voltage->geometry(), ToQRect(CreationLayout(client().width(), client().height()).form));
    EXPECT_EQ(OpenPanel(), panel) << "the panel stays";
}

TEST_F(TopicPanelTest, ClickingTheOpenTopicGivesAFreshForm) {
    QWidget* panel = OpenPanel();
    QPointer<QWidget> first = FormOf("current");
    first->findChild<QLineEdit*>("ctl107")->setText("12");
    QTest::mouseClick(Label(panel, 150), Qt::LeftButton);
    EXPECT_TRUE(first.isNull());
    QWidget* fresh = FormOf("current");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->findChild<QLineEdit*>("ctl107")->text(), "");
}

TEST_F(TopicPanelTest, DoubleClickOpensTheFormTwice) {
    QLabel* label = Label(OpenPanel(), 199);
    // A double click arrives as a press and release, then the double-click press and a release.
    QPointer<QWidget> afterFirstClick;
    const int opened = CountFormsOpenedBy([&] {
        QTest::mouseClick(label, Qt::LeftButton);
        afterFirstClick = FormOf("resistance");
        QTest::mouseDClick(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
    });
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(afterFirstClick.isNull()) << "the second form replaces the first";
    EXPECT_NE(FormOf("resistance"), nullptr);
}

TEST_F(TopicPanelTest, OtherMouseButtonsDoNothing) {
    const int opened =
        CountFormsOpenedBy([&] { QTest::mouseClick(Label(OpenPanel(), 150), Qt::RightButton); });
    EXPECT_EQ(opened, 0);
}

TEST_F(TopicPanelTest, LinkLabelsOpenTheirAddressesAndLeaveTheFormAlone) {
    QWidget* panel = OpenPanel();
    QPointer<QWidget> form = FormOf("current");
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

}  // namespace
}  // namespace kalvora
