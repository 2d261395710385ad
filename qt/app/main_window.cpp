// SPDX-License-Identifier: MIT
#include "qt/app/main_window.h"

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

#include "model/effect_order.h"
#include "model/menu_text.h"
#include "model/shell_data.h"
#include "model/status_bar.h"
#include "qt/app/data_files.h"
#include "qt/app/outer_size.h"
#include "qt/app/toolbar.h"
#include "qt/forms/calculator_form.h"
#include "qt/forms/help_window.h"
#include "qt/forms/qt_rect.h"
#include "qt/forms/qt_text.h"
#include "qt/panels/topic_panel.h"
#include "qt/resource_paths.h"

namespace kalvora {
namespace {

// The first status part has its fixed width whatever the font; with a wide desktop font its
// widest text would be cut off, so the status bar's font shrinks until it fits.
void FitStatusFont(QStatusBar* statusBar, const QLabel* firstPart) {
    const QString widest = ToQString(WidestTotalMemoryText());
    QFont font = statusBar->font();
    const int room = firstPart->contentsRect().width() - 2 * firstPart->margin() - 4;
    while (QFontMetrics(font).horizontalAdvance(widest) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    statusBar->setFont(font);
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options) : options_(std::move(options)), program_(options_.forms) {
    if (options_.dataFolders.isEmpty()) options_.dataFolders = DefaultDataFolders();
    if (!options_.readMemory) options_.readMemory = platform::ReadMemoryInfo;

    setObjectName("mainWindow");
    setWindowTitle(ToQString(text::kProgramTitle));
    setAccessibleName(windowTitle());
    setWindowIcon(QIcon(resources::IconPath()));

    client_ = new QWidget(this);
    client_->setObjectName("clientArea");
    client_->setAccessibleName(windowTitle());
    client_->installEventFilter(this);
    setCentralWidget(client_);
    BuildMenu();

    const ToolbarStrips strips = LoadToolbarStrips(options_.dataFolders);
    const QRect screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    program_.Start(
        {screen.left(), screen.top(), screen.width(), options_.readMemory(), !strips.strip.isNull()});

    // Position and size are those of the frame; the client area is what the frame leaves.
    placedRect_ = State().mainWindow;
    GiveOuterGeometry(this, ToQRect(placedRect_));
    const bool pictures = State().toolbarPictures;
    toolbar_ = CreateToolbar(client_, pictures ? strips.strip : QImage(),
                             pictures ? strips.doubled : QImage(), [this](int id) { RunCommand(id); });
    // The panel and the form place themselves on the client area's size, so it must be final now.
    layout()->activate();
    toolbar_->setGeometry(0, 0, client_->width(), toolbar_->sizeHint().height());
    BuildStatusBar();
    BuildGauge();

    memoryTimer_ = new QTimer(this);
    memoryTimer_->setObjectName("memoryTimer");
    memoryTimer_->setInterval(kMemoryTickIntervalMs);
    connect(memoryTimer_, &QTimer::timeout, this, &MainWindow::UpdateMemoryStatus);
    memoryTimer_->start();

    // The first drawing: the panel, the form and, before the window appears, any box.
    Send([](Program&) {});
}

MainWindow::~MainWindow() {
    // The windows go before the program they show; what they report on their way (a focus
    // moving) is no longer drawn. The help window and the boxes without owner are no children,
    // but never outlive this window.
    processing_ = true;
    for (QPointer<CalculatorForm>& form : forms_) delete form.data();
    delete panel_.data();
    delete help_.data();
    for (auto& [id, box] : openBoxes_) delete box.data();
}

void MainWindow::BuildMenu() {
    menuBar()->setObjectName("menuBar");
    menuBar()->setAccessibleName("Nabídka");
    for (const MenuPopup& popup : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(ToQString(popup.title));
        menu->setObjectName(ToQString(popup.name));
        menu->setAccessibleName(ToQString(ReadMenuText(popup.title).text));
        // The open panel's topics, for the keyboard; filled whenever a panel opens.
        if (popup.topics) topicMenu_ = menu;
        for (const MenuItem& item : popup.items) {
            QAction* action = menu->addAction(ToQString(item.text));
            action->setObjectName(QString::fromStdString(item.name));
            action->setData(item.id);
            connect(action, &QAction::triggered, this, [this, id = item.id] { RunCommand(id); });
        }
    }
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
    // Qt scales the window by itself: the parts take the lengths of 100 %.
    totalLabel_->setFixedWidth(StatusPartEdges()[0]);
    availableLabel_ = new QLabel(statusBar_);
    availableLabel_->setObjectName("statusAvailableMemory");
    availableLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar_->addWidget(totalLabel_);
    statusBar_->addWidget(availableLabel_, 1);
    FitStatusFont(statusBar_, totalLabel_);
    const int height = statusBar_->sizeHint().height();
    statusBar_->setGeometry(0, client_->height() - height, client_->width(), height);
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
    gauge_->setGeometry(ToQRect(CreationLayout(client_->width(), client_->height()).gauge));
}

void MainWindow::Send(const std::function<void(Program&)>& event) {
    event(program_);
    if (processing_) {
        pending_ = true;
        return;
    }
    processing_ = true;
    do {
        pending_ = false;
        Reconcile();
        for (const Effect& effect : EffectsToCarryOut(program_.TakeEffects(), State())) CarryOut(effect);
    } while (pending_);
    processing_ = false;
}

void MainWindow::RunCommand(int id) {
    Send([id](Program& program) { program.Command(id); });
}

void MainWindow::UpdateMemoryStatus() {
    const platform::MemoryInfo memory = options_.readMemory();
    Send([&memory](Program& program) { program.Tick(memory); });
}

QWidget* MainWindow::PanelWindow() const {
    return panel_;
}

QWidget* MainWindow::FormWindow(int slot) const {
    if (slot < 0 || slot >= int(kFormSlotCount)) return nullptr;
    const std::optional<FormInstance>& form = State().forms[std::size_t(slot)];
    // A widget of a form that the program no longer holds is on its way out.
    return form && shown_.forms[std::size_t(slot)] == form->serial ? forms_[std::size_t(slot)] : nullptr;
}

QWidget* MainWindow::ActiveFormWindow() const {
    return FormWindow(State().activeForm);
}

QWidget* MainWindow::HelpWindowOnScreen() const {
    return help_;
}

void MainWindow::LayOut() {
    const int width = client_->width();
    const int height = client_->height();
    toolbar_->setGeometry(0, 0, width, toolbar_->sizeHint().height());
    const int statusHeight = statusBar_->height();
    const ColumnLayout columns = ResizeLayout(width, height, toolbar_->height(), statusHeight);
    if (panel_) panel_->setGeometry(ToQRect(columns.panel));
    if (QWidget* form = ActiveFormWindow()) form->setGeometry(ToQRect(columns.form));
    gauge_->setGeometry(ToQRect(columns.gauge));
    statusBar_->setGeometry(0, height - statusHeight, width, statusHeight);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box, Alt+F4 or END(&X) ask first; the window closes once the program has ended,
    // at once where the question was answered while it was asked.
    if (!State().ended) Send([](Program& program) { program.RequestClose(); });
    event->setAccepted(State().ended);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The client area got its first size while the window was being shown; resizes from now
    // on are the user's (or a form's) and lay the children out anew.
    layoutArmed_ = true;
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    ReportWindowRect();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ReportWindowRect();
}

void MainWindow::ReportWindowRect() {
    // The program's own moves are known to it; the user's (and the window manager's) are told.
    if (placing_ || !State().started) return;
    const Rect outer = ToRect(frameGeometry());
    placedRect_ = outer;
    if (outer != State().mainWindow) Send([&outer](Program& program) { program.MainWindowMoved(outer); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && layoutArmed_) LayOut();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kalvora
