// SPDX-License-Identifier: MIT
// The fonts of the program's windows as Qt fonts, and what the model needs to know of them.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include "calc/dialog_template.h"
#include "model/dialog_units.h"
#include "model/font_roles.h"

namespace kalvora::platform {

using BaseUnits = kalvora::BaseUnits;

// A font measured for the model: the 52 letters' width, the line height, the average character.
FontMetrics MeasureFont(const QFont& font);

// The base units of a font (model/dialog_units.h) as measured here.
BaseUnits DialogBaseUnits(const QFont& font);

// The family of the program's dialogs: "MS Shell Dlg 2" on Windows; elsewhere "Liberation Sans"
// where it is installed, else the application's default family.
QString DialogFontFamily();

// The font whose base units a template uses, which is also the font of its controls:
// Dialog9pt is the dialog family at 9 points; System is the system font's size in the dialog
// family.
QFont DialogFontFor(DialogFont font);

// The dialog family at `points` points.
QFont SansFont(int points);

// The font of a role as the model describes it (model/font_roles.h); its colour is the caller's.
QFont FontForRole(FontRole role);

// A template rectangle in pixels (model/dialog_units.h) as Qt's rectangle.
QRect DialogRectToPixels(int x, int y, int cx, int cy, BaseUnits base);

}  // namespace kalvora::platform
