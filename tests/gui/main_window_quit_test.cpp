// SPDX-License-Identifier: MIT
// Ending the program with real message boxes and the real event loop: "Ano" ends the loop with
// status 0 and leaves no window, whatever is open; "Ne" changes nothing.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

constexpr int kLoopGuardStatus = 99;  // the loop was still running after the guard's time
constexpr int kTestEndStatus = 7;     // the test ended the loop itself

QList<QWidget*> VisibleWindows() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) windows.append(widget);
    return windows;
}

// Answers the question "Přejete si ukončit?" with `button` as soon as it shows.
// The close question, where it is on screen.
QMessageBox* QuestionOnScreen() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->text() == QString::fromUtf8("Přejete si ukončit?")) return box;
    }
    return nullptr;
}

class QuestionAnswerer : public QObject {
public:
    explicit QuestionAnswerer(QMessageBox::StandardButton button) : button_(button) {
        timer_.callOnTimeout([this] {
            // The answer may close other windows at once: no window is looked at after it.
            if (QMessageBox* box = QuestionOnScreen()) {
                ++asked;
                box->button(button_)->click();
            }
        });
        timer_.start(20);
    }
    int asked = 0;

private:
    QMessageBox::StandardButton button_;
    QTimer timer_;
};

class QuitTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        platform::SetMessageBoxHandler({});  // the real boxes, each waiting in its own loop
    }

    void TearDown() override {
        // The main window goes without being asked, with the fixture.
        for (QWidget* widget : VisibleWindows())
            if (widget != window.get()) widget->close();
        MainWindowTest::TearDown();
    }

    // Runs the program's event loop: `open` runs first (it may wait in a box's own loop), then
    // the program is ended the way `end` does it, the question is answered with `answer`, and
    // after `answer` No the test ends the loop itself. Gives the loop's exit status.
    int RunProgram(const std::function<void()>& open, const std::function<void()>& end,
                   QMessageBox::StandardButton answer) {
        QCoreApplication::processEvents();  // nothing left over from earlier tests
        QuestionAnswerer answerer(answer);
        QTimer guard;
        guard.setSingleShot(true);
        guard.callOnTimeout([] { QCoreApplication::exit(kLoopGuardStatus); });
        guard.start(5000);
        QTimer::singleShot(0, &guard, [&] {
            // Started before `open`, so that it comes while a box opened there is waiting.
            QTimer::singleShot(200, &guard, [&] {
                visibleBeforeEnd = VisibleWindows().size();
                end();
                if (answer == QMessageBox::No) {
                    // The windows are counted once Ne has been clicked and its box is gone.
                    auto* afterNo = new QTimer(&guard);
                    afterNo->callOnTimeout([&, afterNo] {
                        if (answerer.asked == 0 || QuestionOnScreen()) return;
                        afterNo->stop();
                        visibleAfterNo = VisibleWindows().size();
                        QCoreApplication::exit(kTestEndStatus);
                    });
                    afterNo->start(10);
                }
            });
            open();
        });
        const int status = QApplication::exec();
        asked = answerer.asked;
        return status;
    }

    qsizetype visibleBeforeEnd = -1;
    qsizetype visibleAfterNo = -1;
    int asked = 0;
};

TEST_F(QuitTest, AnoEndsTheEventLoopWithZeroAndClosesEveryWindowNeChangesNothing) {
    struct Opener {
        const char* name;
        std::function<void()> open;
        int windows;  // the main window, and what `open` shows
    };
    const Opener openers[] = {
        {"nothing else", [] {}, 1},
        {"the topic help window",
         [this] { QTest::mouseClick(ActiveForm()->findChild<QWidget*>("ctl230"), Qt::LeftButton); }, 2},
        {"the help text box of the toolbar", [this] { ClickToolbarButton(1606); }, 2},
        {"a form's message box without owner",
         [this] {
             ClickToolbarButton(1604);
             ClickPanelLabel(258);  // the liquid-mixing form: OK with empty inputs
             QTest::mouseClick(ActiveForm()->findChild<QWidget*>("ctl1"), Qt::LeftButton);
         },
         2},
    };
    struct Ending {
        const char* name;
        std::function<void(MainWindow&)> end;
    };
    const Ending endings[] = {
        {"END(&X)", [](MainWindow& window) { window.RunCommand(109); }},
        {"the close box or Alt+F4", [](MainWindow& window) { window.close(); }},
    };
    for (const Opener& opener : openers)
        for (const Ending& ending : endings)
            for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
                SCOPED_TRACE(std::string(opener.name) + ", " + ending.name +
                             (answer == QMessageBox::Yes ? ", Ano" : ", Ne"));
                Show();
                const int status = RunProgram(
                    opener.open, [&] { ending.end(*window); }, answer);
                EXPECT_EQ(visibleBeforeEnd, opener.windows);
                EXPECT_EQ(asked, 1);
                if (answer == QMessageBox::Yes) {
                    EXPECT_EQ(status, 0);
                    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().size() << " windows left";
                } else {
                    EXPECT_EQ(status, kTestEndStatus);
                    EXPECT_EQ(visibleAfterNo, opener.windows);
                }
                TearDown();
                SetUp();
            }
}

TEST_F(MainWindowTest, TheHelpWindowDoesNotOutliveTheMainWindow) {
    Show();
    QTest::mouseClick(ActiveForm()->findChild<QWidget*>("ctl230"), Qt::LeftButton);
    QPointer<QWidget> help = HelpWindow();
    ASSERT_FALSE(help.isNull());
    window.reset();
    EXPECT_TRUE(help.isNull());
}

}  // namespace
}  // namespace kalvora::testing
