// SPDX-License-Identifier: MIT
// The main window as the program starts: title, place, menu, children and their positions.
#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "main_window_fixture.h"
#include "model/geometry.h"
#include "model/memory_status.h"
#include "qt/forms/qt_rect.h"

namespace kalvora::testing {
namespace {

TEST_F(MainWindowTest, WindowHasTheProgramTitleAndItsOuterSizeAndPlace) {
    Show();
    EXPECT_EQ(window->windowTitle(), "Kalvora 5.0.9");
    // Icon 201: green, blue and red bands from the top.
    const QImage icon = window->windowIcon().pixmap(QSize(32, 32)).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(16, 5).green(), 255);
    EXPECT_EQ(icon.pixelColor(16, 26).red(), 255);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->frameGeometry().topLeft(), screen.topLeft() + QPoint(screen.width() / 2 - 275, 50));
    EXPECT_EQ(window->frameGeometry().size(), QSize(580, 600));
}

TEST_F(MainWindowTest, MenuHasItsPopupsWithTheirCommands) {
    Create();
    struct Item {
        QString text;
        int id;
    };
    struct Popup {
        QString title;
        std::vector<Item> items;
    };
    const std::vector<Popup> expected{
        {"Program(&P)", {{"END(&X)", 109}}},
        {"Výpočty(&V)",
         {{"Elektro(&E)", 209},
          {"Termo(&T)", 177},
          {"Mechanika(&M)", 211},
          {"Optika(&O)", 223},
          {"Mechanika plynů a kapalin(&P)", 237},
          {"Anténa(&A)", 257}}},
        // The open panel's topics, for the keyboard: checked by the keyboard tests.
        {"Témata(&T)", {}},
        {"O programu(&O)", {{"About(&A)", 112}}},
    };
    const QList<QAction*> popups = window->menuBar()->actions();
    ASSERT_EQ(popups.size(), qsizetype(expected.size()));
    for (std::size_t p = 0; p < expected.size(); ++p) {
        SCOPED_TRACE(expected[p].title.toStdString());
        QMenu* menu = popups[qsizetype(p)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), expected[p].title);
        if (expected[p].items.empty()) continue;
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), qsizetype(expected[p].items.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->text(), expected[p].items[std::size_t(i)].text);
            EXPECT_EQ(items[i]->data().toInt(), expected[p].items[std::size_t(i)].id);
            EXPECT_FALSE(items[i]->objectName().isEmpty());
        }
    }
}

TEST_F(MainWindowTest, ItsOwnWindowsStandInTheClientArea) {
    Create();
    EXPECT_EQ(Client(), window->centralWidget());
    for (QWidget* part : std::initializer_list<QWidget*>{
             Toolbar(), window->findChild<QStatusBar*>("statusBar"),
             window->findChild<QProgressBar*>("memoryGauge"), OpenPanel(), ActiveForm()}) {
        ASSERT_NE(part, nullptr);
        EXPECT_EQ(part->parentWidget(), Client()) << part->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, StartPositionsHoldUntilTheFirstRealResize) {
    Show();
    const int clientHeight = Client()->height();
    const int clientWidth = Client()->width();
    ASSERT_NE(Toolbar()->height(), 43) << "the toolbar height would hide a layout run";

    EXPECT_EQ(Toolbar()->geometry(), QRect(0, 0, clientWidth, Toolbar()->height()));
    const ColumnLayout columns = CreationLayout(clientWidth, clientHeight);
    EXPECT_EQ(window->findChild<QProgressBar*>("memoryGauge")->geometry(), ToQRect(columns.gauge));
    QWidget* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), ToQRect(columns.panel));
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->geometry().topLeft(), ToQRect(columns.form).topLeft());

    const QRect status = window->findChild<QStatusBar*>("statusBar")->geometry();
    EXPECT_EQ(status.bottom(), clientHeight - 1);
    EXPECT_EQ(status.left(), 0);
    EXPECT_EQ(status.width(), clientWidth);
}

TEST_F(MainWindowTest, StatusBarShowsTotalAndAvailableMemoryInKilobytes) {
    memory = {8'589'934'592, 3'221'225'984};  // 8 GiB, 3 GiB + 511 bytes that the shift drops
    Show();
    auto* total = window->findChild<QLabel*>("statusTotalMemory");
    auto* available = window->findChild<QLabel*>("statusAvailableMemory");
    ASSERT_NE(total, nullptr);
    ASSERT_NE(available, nullptr);
    EXPECT_EQ(total->text(), QString::fromStdString(TotalMemoryText(memory)));
    EXPECT_EQ(available->text(), QString::fromStdString(AvailableMemoryText(memory)));

    // The first part is 170 pixels wide and shows its whole text; the second takes the rest.
    EXPECT_EQ(total->width(), 170);
    EXPECT_LE(total->fontMetrics().horizontalAdvance(total->text()), total->contentsRect().width());
    EXPECT_GT(available->geometry().left(), total->geometry().right());
    EXPECT_GT(available->width(), window->findChild<QStatusBar*>("statusBar")->width() / 2);

    // Each part has the sunken edge of a status-bar part: shadow above, light below.
    for (QLabel* part : {total, available}) {
        const QImage image = part->grab().toImage();
        const int x = image.width() - 3;  // clear of the texts
        EXPECT_EQ(image.pixel(x, 0), part->palette().color(QPalette::Dark).rgb())
            << part->objectName().toStdString();
        EXPECT_EQ(image.pixel(x, image.height() - 1), part->palette().color(QPalette::Light).rgb())
            << part->objectName().toStdString();
    }
}

// Screen readers read the status-bar parts as the texts they show now, never as fixed names.
TEST_F(MainWindowTest, StatusPartsAreReadAsTheirCurrentTexts) {
    memory = {std::uint64_t(4096) << 10, std::uint64_t(1024) << 10};
    Show();
    memory = {std::uint64_t(8192) << 10, std::uint64_t(2048) << 10};
    window->UpdateMemoryStatus();
    for (const auto& [name, text] : {std::pair{"statusTotalMemory", TotalMemoryText(memory)},
                                     std::pair{"statusAvailableMemory", AvailableMemoryText(memory)}}) {
        QAccessibleInterface* part = QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(name));
        ASSERT_NE(part, nullptr) << name;
        EXPECT_EQ(part->text(QAccessible::Name).toStdString(), text) << name;
    }
}

TEST_F(MainWindowTest, GaugeShowsTheShareInUseInMagentaOverGreen) {
    memory = {std::uint64_t(2'097'152) << 10, std::uint64_t(1'048'576) << 10};
    Show();
    auto* gauge = window->findChild<QProgressBar*>("memoryGauge");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->orientation(), Qt::Vertical);
    EXPECT_EQ(gauge->minimum(), 0);
    EXPECT_EQ(gauge->maximum(), 100);
    EXPECT_EQ(gauge->value(), 50);

    // Half in use: the lower half is the magenta bar, the upper half the green background.
    const QImage image = gauge->grab().toImage();
    const int x = image.width() / 2;
    EXPECT_EQ(image.pixelColor(x, image.height() / 4), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(x, image.height() * 3 / 4), QColor(255, 0, 255));
}

TEST_F(MainWindowTest, TimerRefreshesTheTextsButNeverTheGauge) {
    memory = {std::uint64_t(1'000'000) << 10, std::uint64_t(333'333) << 10};
    Show();
    auto* gauge = window->findChild<QProgressBar*>("memoryGauge");
    auto* available = window->findChild<QLabel*>("statusAvailableMemory");
    ASSERT_EQ(gauge->value(), 67);

    memory.availableBytes = std::uint64_t(900'000) << 10;
    const QString refreshed = QString::fromStdString(AvailableMemoryText(memory));
    EXPECT_TRUE(QTest::qWaitFor([&] { return available->text() == refreshed; }, 5000));
    EXPECT_EQ(gauge->value(), 67);
}

TEST_F(MainWindowTest, EveryWidgetHasAnObjectNameAndAnAccessibleName) {
    Show();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.append(window.get());
    // Qt's own parts of composite widgets (the extension buttons and their untitled menus, the
    // size grip) carry Qt's names or none; panels and forms are checked with their own tests.
    auto notOurs = [this](const QWidget* widget) {
        if (widget->inherits("QSizeGrip")) return true;
        if (auto* menu = qobject_cast<const QMenu*>(widget); menu && menu->title().isEmpty()) return true;
        for (; widget; widget = widget->parentWidget())
            if (widget->objectName().startsWith("qt_") || widget == ActiveForm() || widget == OpenPanel())
                return true;
        return false;
    };
    for (QWidget* widget : widgets) {
        if (notOurs(widget)) continue;
        SCOPED_TRACE(std::string(widget->metaObject()->className()) + " in " +
                     (widget->parent() ? widget->parent()->metaObject()->className() : ""));
        EXPECT_FALSE(widget->objectName().isEmpty());
        // The name screen readers get: the widget's accessible name, or its text where it has none.
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
            << widget->objectName().toStdString();
    }
}

}  // namespace
}  // namespace kalvora::testing
