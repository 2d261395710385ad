// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace kalvora {

// Where the files delivered beside the program (the toolbar strip, the help page) are looked
// for, in order: the current directory, the program's own folder, its installed data folder
// reached from the program's folder (../share/kalvora with the usual install directories) and
// the data folder it was configured to install into.
QStringList DefaultDataFolders();

// The full path of `fileName` in the first of `folders` that has it, or an empty string.
QString FindDataFile(const QStringList& folders, const QString& fileName);

struct ToolbarStrips {
    QImage strip;    // null when no folder has a usable strip
    QImage doubled;  // the strip drawn at twice the size, null when it has none
};

// The toolbar strip from the first of `folders` whose file loads as a usable strip (see
// IsUsableToolbarStrip), and the twice-size strip beside it (see ChooseDoubleToolbarStrip), with
// device pixel ratio 2.
ToolbarStrips LoadToolbarStrips(const QStringList& folders);

}  // namespace kalvora
