// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <span>

#include "calc/catalogue.h"
#include "model/program.h"
#include "model/window_changes.h"
#include "qt/platform/memory_info.h"

class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTimer;
class QToolBar;

namespace kalvora {

class CalculatorForm;
class HelpWindow;
class TopicPanel;

// What the main window takes from its surroundings; tests replace them.
struct MainWindowOptions {
    QStringList dataFolders;  // where the toolbar strip and the help page are looked for; empty: the defaults
    std::function<platform::MemoryInfo()> readMemory;            // empty: the system's physical memory
    std::span<const FormDefinition* const> forms = Catalogue();  // the forms in slot order
};

// The program's one top-level window and the view of the program's behaviour model. Its client
// area (the central widget) holds the toolbar, the topic panel, the memory gauge, the calculator
// forms and the status bar as absolutely placed children, so positions are client coordinates
// as the layout rules give them. Every click, key, edit and timer tick becomes one event of the
// model; after each the window draws the model's state and carries out the effects it asks for.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(MainWindowOptions options = {});
    ~MainWindow() override;

    // Hands `event` to the program, then draws its state and carries out its effects. An event
    // that arrives while that is going on (a box answered at once, a widget's signal) is taken
    // into the same round.
    void Send(const std::function<void(Program&)>& event);
    // A menu or toolbar command by its id.
    void RunCommand(int id);
    // The timer's tick now: the memory texts from the memory figures of this moment.
    void UpdateMemoryStatus();

    // What the window shows, for tests and tools.
    const ProgramState& State() const { return program_.State(); }
    int SlotOf(std::string_view slug) const { return program_.SlotOf(slug); }
    QWidget* Client() const { return client_; }
    QWidget* PanelWindow() const;
    QWidget* FormWindow(int slot) const;
    QWidget* ActiveFormWindow() const;  // the form that gets the resize layout
    QWidget* HelpWindowOnScreen() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void BuildStatusBar();
    void BuildGauge();
    void LayOut();
    void ReportWindowRect();

    // Drawing the state (main_window_sync.cpp).
    void Reconcile();
    void RemoveGoneWindows(const WindowChanges& changes);
    void PlaceMainWindow(const Rect& outer);
    void BuildPanel(const PanelInstance& panel);
    void SyncForms(const ProgramState& state, const WindowChanges& changes);
    CalculatorForm* BuildForm(int slot, const FormInstance& form);
    void SyncHelpWindow(const ProgramState& state, bool create);
    void SyncStatus(const ProgramState& state);
    void SyncBoxes(const ProgramState& state);
    void OnTopicItem(int labelId);

    // The effects (main_window_effects.cpp).
    void CarryOut(const Effect& effect);
    void OpenHelpPage();
    void RaiseHelpWindow();
    void Quit();

    MainWindowOptions options_;
    Program program_;
    bool processing_ = false;  // Send is drawing the state or carrying out effects
    bool pending_ = false;     // an event arrived meanwhile: draw again

    QWidget* client_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* topicMenu_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QLabel* availableLabel_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QTimer* memoryTimer_ = nullptr;
    bool layoutArmed_ = false;  // the creation positions hold until the first real resize

    // The view's own bookkeeping: which widget shows which part of the state.
    ShownWindows shown_;  // the serials the windows below were built for
    QPointer<TopicPanel> panel_;
    std::array<QPointer<CalculatorForm>, kFormSlotCount> forms_;
    QPointer<HelpWindow> help_;
    bool inHelpKey_ = false;                      // a key in the help window is being handled
    std::map<int, QPointer<QWidget>> openBoxes_;  // boxes on screen (or being shown) by id
    Rect placedRect_;                             // the outer rectangle last placed or reported
    bool placing_ = false;                        // the window is being moved by the program
};

}  // namespace kalvora
