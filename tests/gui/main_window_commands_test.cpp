// SPDX-License-Identifier: MIT
// The menu and toolbar commands: switching fields, the help texts and pages, outside programs,
// the About box and ending the program.
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "app/config.h"
#include "calc/catalogue.h"
#include "forms/calculator_form.h"
#include "main_window_fixture.h"

namespace kalvora::testing {

// Counts the pages and links the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder() {
        for (const char* scheme : {"file", "mailto", "http", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"file", "mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    Q_INVOKABLE void Open(const QUrl& url) { urls.append(url); }

    QList<QUrl> urls;
};

namespace {

constexpr int kNoCommand = 4242;

QAction* MenuAction(QMainWindow& window, int id) {
    for (QAction* popup : window.menuBar()->actions())
        for (QAction* item : popup->menu()->actions())
            if (item->data().toInt() == id) return item;
    return nullptr;
}

// Clicks the toolbar button of command `id` as a user does.
void ClickButton(int id) {
    auto* toolbar = qobject_cast<QToolBar*>(Registry().toolbar.data());
    for (QAction* action : toolbar->actions())
        if (!action->isSeparator() && action->data().toInt() == id) {
            QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
            return;
        }
    ADD_FAILURE() << "no button " << id;
}

std::size_t OpenPanelCount() {
    return std::size_t(std::count_if(Registry().panels.begin(), Registry().panels.end(),
                                     [](const QPointer<QWidget>& p) { return !p.isNull(); }));
}

std::size_t OpenFormCount() {
    return std::size_t(std::count_if(Registry().forms.begin(), Registry().forms.end(),
                                     [](const QPointer<QWidget>& p) { return !p.isNull(); }));
}

TEST_F(MainWindowTest, FieldCommandsReplacePanelFormsAndHelpWindow) {
    struct Row {
        const char* name;
        int id;
        bool fromToolbar;
        Field field;
        const char* firstForm;
        int helpBitmapAfter;  // the sentinel 77 stays when the field stores no picture
    };
    const Row rows[] = {
        {"menu Elektro", 209, false, Field::Electrical, "current", 2002},
        {"menu Termo", 177, false, Field::Thermal, "wall-thermal-resistance", 77},
        {"menu Mechanika", 211, false, Field::Mechanics, "gravitation-law", 2000},
        {"menu Optika", 223, false, Field::Optics, "lens-power", 77},
        {"menu plyny a kapaliny", 237, false, Field::GasesAndLiquids, "aerodynamic-drag", 77},
        {"menu Anténa", 257, false, Field::Antenna, "half-wave-dipole", 77},
        {"button Elektro", 1600, true, Field::Electrical, "current", 2002},
        {"button Termo", 1601, true, Field::Thermal, "wall-thermal-resistance", 77},
        {"button Mechanika", 1602, true, Field::Mechanics, "gravitation-law", 2000},
        {"button Optika", 1603, true, Field::Optics, "lens-power", 77},
        {"button plyny a kapaliny", 1604, true, Field::GasesAndLiquids, "aerodynamic-drag", 77},
        {"button Antény", 1605, true, Field::Antenna, "half-wave-dipole", 77},
    };
    Show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Before: the open panel, a visible form, a form hidden by Storno and a help window.
        QPointer<QWidget> oldPanel;
        for (auto& panel : Registry().panels)
            if (panel) oldPanel = panel;
        ASSERT_FALSE(oldPanel.isNull());
        const FormDefinition* hiddenSpec = FindForm("resistance");
        ASSERT_NE(hiddenSpec, nullptr);
        QPointer<QWidget> hidden = OpenForm(*hiddenSpec);
        hidden->hide();
        const FormDefinition* visibleSpec = FindForm("voltage");
        QPointer<QWidget> visible = OpenForm(*visibleSpec);
        QPointer<QWidget> help = new QWidget(Client());
        Registry().helpWindow = help;
        Registry().helpBitmapId = 77;

        if (row.fromToolbar)
            ClickButton(row.id);
        else
            MenuAction(*window, row.id)->trigger();

        EXPECT_TRUE(oldPanel.isNull());
        EXPECT_TRUE(hidden.isNull());
        EXPECT_TRUE(visible.isNull());
        EXPECT_TRUE(help.isNull());
        EXPECT_EQ(Registry().helpBitmapId, row.helpBitmapAfter);

        QWidget* panel = Registry().panels[std::size_t(row.field)];
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->isVisible());
        EXPECT_EQ(panel->parentWidget(), Client());
        EXPECT_EQ(OpenPanelCount(), 1u);

        // The field's first form, where the catalogue has it already.
        if (const FormDefinition* first = FindForm(row.firstForm)) {
            QWidget* form = Registry().forms[FormSlot(*first)];
            ASSERT_NE(form, nullptr);
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(OpenFormCount(), 1u);
        } else {
            EXPECT_EQ(OpenFormCount(), 0u);
        }
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(MainWindowTest, ChoosingTheOpenFieldAgainGivesAFreshPanelAndForm) {
    Show();
    QPointer<QWidget> panel = Registry().panels[std::size_t(Field::Electrical)];
    QPointer<QWidget> form = Registry().activeCalculator;
    ASSERT_FALSE(panel.isNull());
    ASSERT_FALSE(form.isNull());
    ClickButton(1600);
    EXPECT_TRUE(panel.isNull());
    EXPECT_TRUE(form.isNull());
    EXPECT_NE(Registry().panels[std::size_t(Field::Electrical)], nullptr);
    EXPECT_NE(Registry().forms[FormSlot(*FindForm("current"))], nullptr);
}

TEST_F(MainWindowTest, HelpButtonShowsTheInputRulesWithoutOwner) {
    Show();
    ClickButton(1606);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].hadOwner);
    EXPECT_EQ(boxes[0].caption, "Kalvora 5.0.9");
    EXPECT_EQ(boxes[0].icon, MessageIcon::None);
    EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(
        boxes[0].text,
        QString::fromUtf8(
            "Z menu si vybereme požadovaný výpočet, zadáme údaje do editboxů ve formátu: Číslo příkladně "
            "85.12 s desetinnou tečkou, nebo 9e6 což znamená, že za číslem \"9\" bude šest nul 9 000 000 "
            "a,nebo 2e-5 což znamená, že na pátem místě za desetinnou tečkou bude číslo \"2\" což je číslo "
            "0.000 02 a zmáčkneme OK."));
}

TEST_F(MainWindowTest, OnlineHelpOpensTheHelpPageFromTheDataFolder) {
    QFile page(QDir(dataDir.path()).filePath("kalvora-napoveda.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();
    UrlRecorder recorder;
    Show();
    ClickButton(1607);
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls[0], QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));

    // Without the page nothing opens and nothing is reported.
    ASSERT_TRUE(page.remove());
    ClickButton(1607);
    EXPECT_EQ(recorder.urls.size(), 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, MailButtonOpensANewMessageToTheAuthor) {
    UrlRecorder recorder;
    Show();
    ClickButton(1610);
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls[0].scheme(), "mailto");
    EXPECT_EQ(recorder.urls[0], QUrl(QString::fromUtf8(config::kAuthorMailUrl)));
}

TEST_F(MainWindowTest, EveryCommandRefreshesTheMemoryTexts) {
    UrlRecorder recorder;
    Show();
    auto* total = window->findChild<QLabel*>("statusTotalMemory");
    auto* available = window->findChild<QLabel*>("statusAvailableMemory");
    for (int id : {1610, 1606, kNoCommand}) {
        SCOPED_TRACE(id);
        memory = {std::uint64_t(4000 + id) << 10, std::uint64_t(id) << 10};
        window->RunCommand(id);  // no event processing in between: the timer cannot have run
        EXPECT_EQ(total->text(), QStringLiteral("RAM CELKEM = %1 KB").arg(4000 + id));
        EXPECT_EQ(available->text(), QStringLiteral("VOLNE =%1 KB").arg(id));
    }
}

// Puts fake programs on an otherwise empty search path; each records that it ran in a file.
class FakeProgramsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("PATH", savedPath_);
        MainWindowTest::TearDown();
    }
    void AddProgram(const QString& name) {
        QFile script(QDir(bin.path()).filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(Marker(name)).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Marker(const QString& name) const { return QDir(bin.path()).filePath(name + ".ran"); }

    QTemporaryDir bin;

private:
    QByteArray savedPath_;
};

#if defined(Q_OS_LINUX)
TEST_F(FakeProgramsTest, EditorAndCalculatorButtonsStartTheInstalledPrograms) {
    struct Row {
        const char* name;
        int id;
        QString program;
    };
    for (const Row& row : {Row{"text editor", 1608, "mousepad"}, Row{"calculator", 1609, "galculator"}}) {
        SCOPED_TRACE(row.name);
        AddProgram(row.program);
        Show();
        ClickButton(row.id);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(Marker(row.program)); }, 5000));
        window.reset();
    }
}

TEST_F(FakeProgramsTest, MissingEditorAndCalculatorAreSilentlyIgnored) {
    Show();
    ClickButton(1608);
    ClickButton(1609);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(window->isVisible());
}
#endif

TEST_F(MainWindowTest, AboutShowsTitleCreditAndIcon) {
    Show();
    QString title, credit;
    bool hasIcon = false;
    QWidget* owner = nullptr;
    // The box is modal: inspect it from inside its own event loop, then close it.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        owner = dialog->parentWidget();
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text() == QString::fromUtf8(config::kAboutCredit)) credit = label->text();
            if (!label->pixmap().isNull()) hasIcon = true;
        }
        dialog->accept();
    });
    MenuAction(*window, 112)->trigger();
    EXPECT_EQ(title, "Kalvora 5.0.9");
    EXPECT_EQ(credit, QString::fromUtf8(config::kAboutCredit));
    EXPECT_EQ(owner, window.get());
    EXPECT_TRUE(hasIcon);
}

TEST_F(MainWindowTest, ClosingAsksAndOnlyYesEnds) {
    struct Row {
        const char* name;
        bool fromMenu;  // "END(&X)" or the window's close box
        platform::MessageAnswer answer;
        bool closes;
    };
    for (const Row& row : {Row{"close box, No", false, platform::MessageAnswer::No, false},
                           Row{"close box, Yes", false, platform::MessageAnswer::Yes, true},
                           Row{"END, No", true, platform::MessageAnswer::No, false},
                           Row{"END, Yes", true, platform::MessageAnswer::Yes, true}}) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        answer = row.answer;
        Show();
        QPointer<QWidget> form = Registry().activeCalculator;
        if (row.fromMenu)
            MenuAction(*window, 109)->trigger();
        else
            window->close();

        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QString::fromUtf8("Přejete si ukončit?"));
        EXPECT_EQ(boxes[0].caption, "Kalvora 5.0.9");
        EXPECT_EQ(boxes[0].icon, MessageIcon::Question);
        EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(boxes[0].owner, window.get());
        EXPECT_EQ(window->isVisible(), !row.closes);
        if (!row.closes) {
            EXPECT_FALSE(form.isNull());
            EXPECT_TRUE(form->isVisible());
        }
        window.reset();
    }
}

}  // namespace
}  // namespace kalvora::testing

#include "main_window_commands_test.moc"
