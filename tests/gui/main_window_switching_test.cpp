// SPDX-License-Identifier: MIT
// Switching fields and topics many times leaves nothing behind: every window of the screen that
// was replaced is gone, so the count of widgets, of the panels and forms the window holds and of
// topic items is the same as at start-up once the start-up screen is back.
#include <QApplication>
#include <QLabel>
#include <QMenu>

#include "main_window_fixture.h"
#include "model/panel_data.h"
#include "model/shell_data.h"

namespace kalvora::testing {
namespace {

struct Census {
    qsizetype clientWidgets = 0;
    qsizetype allWidgets = 0;
    qsizetype filledSlots = 0;
    qsizetype topicItems = 0;

    bool operator==(const Census&) const = default;
    friend void PrintTo(const Census& c, std::ostream* os) {
        *os << "client widgets " << c.clientWidgets << ", all widgets " << c.allWidgets << ", filled slots "
            << c.filledSlots << ", topic items " << c.topicItems;
    }
};

class SwitchingTest : public MainWindowTest {
protected:
    Census Take() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        Census census;
        census.clientWidgets = Client()->findChildren<QWidget*>().size();
        census.allWidgets = QApplication::allWidgets().size();
        census.filledSlots = (OpenPanel() ? 1 : 0) + (HelpWindow() ? 1 : 0);
        for (int slot = 0; slot < int(kFormSlotCount); ++slot)
            census.filledSlots += window->FormWindow(slot) ? 1 : 0;
        census.topicItems = window->findChild<QMenu*>("menuTopics")->actions().size();
        return census;
    }

    // Clicks topic label `n` (counted over the topics only, wrapping) of the panel on screen.
    void ClickTopic(int n) {
        QWidget* panel = OpenPanel();
        ASSERT_NE(panel, nullptr);
        std::vector<int> topics;
        for (const PanelLabel& label : PanelFor(window->State().panel->field).labels)
            if (label.action == LabelAction::OpenForm) topics.push_back(label.id);
        auto* label =
            panel->findChild<QLabel*>(QStringLiteral("ctl%1").arg(topics[std::size_t(n) % topics.size()]));
        ASSERT_NE(label, nullptr);
        QTest::mouseClick(label, Qt::LeftButton);
    }
};

TEST_F(SwitchingTest, AThousandSwitchesLeaveTheStartCountsBehind) {
    Show();
    const Census start = Take();
    ASSERT_GT(start.clientWidgets, 0);
    ASSERT_EQ(start.filledSlots, 2) << "the electrical panel and the current form";

    for (int i = 0; i < 1000; ++i) {
        if (i % 2 == 0)
            window->RunCommand(kFieldCommands[std::size_t(i / 2) % kFieldCommands.size()].menuId);
        else
            ClickTopic(i);
        if (i % 100 == 0) QCoreApplication::processEvents();
    }
    window->RunCommand(command::kElectrical);
    EXPECT_EQ(Take(), start);
}

}  // namespace
}  // namespace kalvora::testing
