// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "platform/memory_info.h"

class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTimer;
class QToolBar;

namespace kalvora {

// What the main window takes from its surroundings; tests replace both.
struct MainWindowOptions {
    QStringList dataFolders;  // where the toolbar strip and the help page are looked for; empty: the defaults
    std::function<platform::MemoryInfo()> readMemory;  // empty: the system's physical memory
};

// The program's one top-level window. Its client area (the central widget) holds the toolbar,
// the topic panel, the memory gauge, the calculator form and the status bar as absolutely
// placed children, so positions are client coordinates as the layout rules give them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(MainWindowOptions options = {});
    ~MainWindow() override;

    // Carries out a menu or toolbar command by its id, then refreshes the memory texts.
    void RunCommand(int id);
    // Refreshes the two memory texts of the status bar; the gauge keeps its start-up value.
    void UpdateMemoryStatus();

    // The top-left corner of the window on a screen of this width.
    static QPoint StartPosition(int screenWidth);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildGauge();
    void LayOut();
    void OpenOnlineHelp();

    MainWindowOptions options_;
    QWidget* client_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* topicMenu_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QLabel* availableLabel_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QTimer* memoryTimer_ = nullptr;
    bool layoutArmed_ = false;  // the start-up positions hold until the first real resize
};

}  // namespace kalvora
