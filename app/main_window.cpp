// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/commands.h"
#include "app/config.h"
#include "app/data_files.h"
#include "app/memory_status.h"
#include "app/outer_size.h"
#include "app/toolbar.h"
#include "app/topic_menu.h"
#include "app/window_registry.h"
#include "calc/catalogue.h"
#include "forms/calculator_form.h"
#include "forms/help_window.h"
#include "panels/topic_panel.h"
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "resources/resource_paths.h"

namespace kalvora {
namespace {

constexpr QSize kOuterSize(580, 600);
constexpr int kPanelWidth = 170;
constexpr int kGaugeX = 171;
constexpr int kGaugeWidth = 18;
constexpr int kFormX = 190;
constexpr int kStatusFirstPartWidth = 170;
constexpr int kMemoryRefreshMs = 500;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// A menu text as a screen reader says it: without the mnemonic marker.
QString Spoken(const QString& menuText) {
    return QString(menuText).remove('&');
}

// The first status part is 170 pixels wide whatever the font; with a wide desktop font its text
// (up to 99 GB of memory) would be cut off, so the status bar's font shrinks until it fits.
void FitStatusFont(QStatusBar* statusBar, const QLabel* firstPart) {
    const QString widest = TotalMemoryText({std::uint64_t(99'999'999) << 10, 0});
    QFont font = statusBar->font();
    const int room = firstPart->contentsRect().width() - 2 * firstPart->margin() - 4;
    while (QFontMetrics(font).horizontalAdvance(widest) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    statusBar->setFont(font);
}

platform::MessageBoxRequest ProgramMessage(QWidget* owner, const char* text, MessageIcon icon,
                                           platform::MessageButtons buttons) {
    return {owner, Text(config::kProgramTitle), Text(text), icon, buttons};
}

}  // namespace

QPoint MainWindow::StartPosition(int screenWidth) {
    return {screenWidth / 2 - 275, 50};
}

MainWindow::MainWindow(MainWindowOptions options) : options_(std::move(options)) {
    if (options_.dataFolders.isEmpty()) options_.dataFolders = DefaultDataFolders();
    if (!options_.readMemory) options_.readMemory = platform::ReadMemoryInfo;

    setObjectName("mainWindow");
    setWindowTitle(Text(config::kProgramTitle));
    setAccessibleName(windowTitle());
    setWindowIcon(QIcon(resources::IconPath()));
    Registry().mainWindow = this;

    client_ = new QWidget(this);
    client_->setObjectName("clientArea");
    client_->setAccessibleName(windowTitle());
    client_->installEventFilter(this);
    setCentralWidget(client_);
    Registry().client = client_;

    BuildMenu();
    const QRect screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    // Position and size are those of the frame; the client area is what the frame leaves.
    GiveOuterGeometry(this, QRect(screen.topLeft() + StartPosition(screen.width()), kOuterSize));
    BuildToolbar();

    // The panel and the form place themselves on the client area's size, so it must be final now.
    layout()->activate();
    toolbar_->setGeometry(0, 0, client_->width(), toolbar_->sizeHint().height());
    CreateTopicPanel(Field::Electrical);
    if (const FormDefinition* form = FindForm(kFieldCommands[0].firstFormSlug)) OpenForm(*form);
    FillTopicMenu(*topicMenu_);

    BuildStatusBar();
    BuildGauge();
    memoryTimer_ = new QTimer(this);
    memoryTimer_->setObjectName("memoryTimer");
    memoryTimer_->setInterval(kMemoryRefreshMs);
    connect(memoryTimer_, &QTimer::timeout, this, &MainWindow::UpdateMemoryStatus);
    memoryTimer_->start();

    const platform::MemoryInfo memory = options_.readMemory();
    gauge_->setValue(GaugePosition(memory));
    totalLabel_->setText(TotalMemoryText(memory));
    availableLabel_->setText(AvailableMemoryText(memory));
}

MainWindow::~MainWindow() {
    CloseHelpWindow();  // it has no owner, but never outlives the main window
}

void MainWindow::BuildMenu() {
    menuBar()->setObjectName("menuBar");
    menuBar()->setAccessibleName("Nabídka");
    auto addItem = [this](QMenu* menu, const QString& text, int id, const QString& name) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    };
    auto addMenu = [this](const char* text, const char* name) {
        QMenu* menu = menuBar()->addMenu(Text(text));
        menu->setObjectName(name);
        menu->setAccessibleName(Spoken(menu->title()));
        return menu;
    };
    addItem(addMenu("Program(&P)", "menuProgram"), "END(&X)", command::kEnd, "actionEnd");
    QMenu* fields = addMenu("Výpočty(&V)", "menuCalculations");
    for (const FieldCommand& field : kFieldCommands)
        addItem(fields, Text(field.menuText), field.menuId, "action" + Text(field.name));
    // The open panel's topics for the keyboard; filled whenever a field opens.
    topicMenu_ = addMenu("Témata(&T)", "menuTopics");
    addItem(addMenu("O programu(&O)", "menuAboutProgram"), "About(&A)", command::kAbout, "actionAbout");
}

void MainWindow::BuildToolbar() {
    const QImage strip = LoadToolbarStrip(options_.dataFolders);
    if (strip.isNull()) {
        // Before the window is shown: the user learns at once why the buttons have no pictures.
        platform::ShowMessageBox(ProgramMessage(
            this, "Není ve složce programu toolbarXXX.bmp\nNinstalujte orginal i s toolbar bitmapou",
            MessageIcon::Information, platform::MessageButtons::Ok));
    }
    toolbar_ = CreateToolbar(client_, strip, [this](int id) { RunCommand(id); });
    Registry().toolbar = toolbar_;
}

void MainWindow::BuildStatusBar() {
    statusBar_ = new QStatusBar(client_);
    statusBar_->setObjectName("statusBar");
    statusBar_->setAccessibleName("Stavový řádek");
    // The parts carry no names of their own: screen readers read their current texts. Each part
    // has the sunken edge of a status-bar part.
    totalLabel_ = new QLabel(statusBar_);
    totalLabel_->setObjectName("statusTotalMemory");
    totalLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    totalLabel_->setFixedWidth(kStatusFirstPartWidth);
    availableLabel_ = new QLabel(statusBar_);
    availableLabel_->setObjectName("statusAvailableMemory");
    availableLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar_->addWidget(totalLabel_);
    statusBar_->addWidget(availableLabel_, 1);
    FitStatusFont(statusBar_, totalLabel_);
    const int height = statusBar_->sizeHint().height();
    statusBar_->setGeometry(0, client_->height() - height, client_->width(), height);
    Registry().statusBar = statusBar_;
}

void MainWindow::BuildGauge() {
    gauge_ = new QProgressBar(client_);
    gauge_->setObjectName("memoryGauge");
    gauge_->setAccessibleName("Využití paměti");
    gauge_->setOrientation(Qt::Vertical);
    gauge_->setTextVisible(false);
    gauge_->setRange(0, 100);
    // Green where memory is free, magenta for the share in use, in a sunken frame.
    gauge_->setStyleSheet(
        "QProgressBar { background-color: rgb(0, 255, 0); border: 2px inset gray; }"
        "QProgressBar::chunk { background-color: rgb(255, 0, 255); }");
    gauge_->setGeometry(kGaugeX, 45, kGaugeWidth, client_->height() - 60);
    Registry().gauge = gauge_;
}

void MainWindow::RunCommand(int id) {
    if (const FieldCommand* field = FindFieldCommand(id)) {
        OpenField(*field);
        FillTopicMenu(*topicMenu_);
    } else {
        switch (id) {
            case command::kEnd:
                close();
                break;
            case command::kAbout:
                ShowAboutDialog(this);
                break;
            case command::kHelp:
                platform::ShowMessageBox(
                    ProgramMessage(nullptr, kHelpText, MessageIcon::None, platform::MessageButtons::Ok));
                break;
            case command::kOnlineHelp:
                OpenOnlineHelp();
                break;
            case command::kTextEditor:
                platform::StartFirstAvailable(platform::TextEditors());
                break;
            case command::kCalculator:
                platform::StartFirstAvailable(platform::Calculators());
                break;
            case command::kMail:
                platform::OpenUrl(QUrl(Text(config::kAuthorMailUrl)));
                break;
            default:
                break;
        }
    }
    UpdateMemoryStatus();
}

void MainWindow::OpenOnlineHelp() {
    const QString page = FindDataFile(options_.dataFolders, Text(config::kHelpPageFileName));
    if (!page.isEmpty()) platform::OpenUrl(QUrl::fromLocalFile(page));
}

void MainWindow::UpdateMemoryStatus() {
    const platform::MemoryInfo memory = options_.readMemory();
    totalLabel_->setText(TotalMemoryText(memory));
    availableLabel_->setText(AvailableMemoryText(memory));
}

void MainWindow::LayOut() {
    const int width = client_->width();
    const int height = client_->height();
    toolbar_->setGeometry(0, 0, width, toolbar_->sizeHint().height());
    const int top = toolbar_->height();
    const int statusHeight = statusBar_->height();
    const int middle = height - top - statusHeight;
    for (const QPointer<QWidget>& panel : Registry().panels)
        if (panel) panel->setGeometry(0, top, kPanelWidth, middle);
    if (QWidget* form = Registry().activeCalculator) form->setGeometry(kFormX, top, width - kFormX, middle);
    gauge_->setGeometry(kGaugeX, top, kGaugeWidth, middle);
    statusBar_->setGeometry(0, height - statusHeight, width, statusHeight);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const auto answer = platform::ShowMessageBox(
        ProgramMessage(this, "Přejete si ukončit?", MessageIcon::Question, platform::MessageButtons::YesNo));
    if (answer != platform::MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
    // The program ends with the main window, whatever else is open: the help window and the
    // boxes without owner would otherwise keep it running. Once this window is hidden, quitting
    // closes every other window (a box's local event loop ends with it) and then ends every
    // event loop, so exec() returns 0.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The client area got its first size while the window was being shown; resizes from now
    // on are the user's (or a form's) and lay the children out anew.
    layoutArmed_ = true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && layoutArmed_) LayOut();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kalvora
