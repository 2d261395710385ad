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

// The toolbar strip from the first of `folders` whose file loads as a usable strip (see
// IsUsableToolbarStrip), or a null image when none does.
QImage LoadToolbarStrip(const QStringList& folders);

}  // namespace kalvora
