// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "calc/dialog_template.h"

class QWidget;

namespace kalvora {

// Creates the widget of one template control as a child of `parent`, at `pixels` (its template
// rectangle converted to pixels), showing `text`. Kinds map to widgets as follows: static texts
// and pictures are labels, result fields and read-only edits ResultBox, group boxes QGroupBox
// (kept behind the others), edits QLineEdit, combo boxes editable QComboBox, buttons
// QPushButton, the link label a NotifyLabel. Focus policies follow the tab stops; static
// controls (result fields included) get the hand cursor.
QWidget* CreateControl(const ControlDefinition& control, const QString& text, const QRect& pixels, QWidget* parent);

// The file of the picture a picture control names by its text ("MYBMP" or a help picture id),
// or an empty path when the name is unknown.
QString PicturePath(std::string_view name);

}  // namespace kalvora
