// SPDX-License-Identifier: MIT
// The smallest Qt Widgets program shaped like Kalvora's main window: a menu, a toolbar, a status
// bar, a dozen labels and three edits. benchmarks/startup.sh compares Kalvora's start against it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "qt/app/startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.move(100, 50);
    window.resize(580, 600);
    for (const char* title : {"Program", "Výpočty", "O programu"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("Položka"));
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Lišta"));
    for (int i = 0; i < 11; ++i) toolbar->addAction(QString::number(i));
    auto* client = new QWidget(&window);
    for (int i = 0; i < 12; ++i) (new QLabel(QStringLiteral("Téma %1").arg(i), client))->move(0, 20 * i);
    for (int i = 0; i < 3; ++i) (new QLineEdit(client))->setGeometry(250, 40 * i, 100, 22);
    window.setCentralWidget(client);
    window.statusBar()->showMessage(QStringLiteral("RAM CELKEM = 0 KB"));
    kalvora::ArmStartupProbe(&window);
    window.show();
    return QApplication::exec();
}
