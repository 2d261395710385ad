// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "calc/dialog_template.h"
#include "model/control_presentation.h"

class QWidget;

namespace kalvora {

// Creates the widget of one template control as a child of `parent`, showing `text`, as the model
// presents it (`shown`: place, alignment, wrapping, typing limit, list rows, cursor, font,
// focus). Kinds map to widgets as follows: static texts and pictures are labels, result fields
// and read-only edits ResultBox, group boxes QGroupBox, edits QLineEdit, combo boxes editable
// QComboBox, buttons QPushButton, the link label a NotifyLabel.
QWidget* CreateControl(const ControlDefinition& control, const QString& text,
                       const ControlPresentation& shown, QWidget* parent);

// The file of the picture a picture control names by its text ("MYBMP" or a help picture id),
// or an empty path when the name is unknown.
QString PicturePath(std::string_view name);

}  // namespace kalvora
