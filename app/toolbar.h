// SPDX-License-Identifier: MIT
// The toolbar: eleven buttons with pictures cut from the strip "toolbar508.bmp", three separators.
#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <array>
#include <functional>

class QToolBar;
class QWidget;

namespace kalvora {

struct ToolbarButton {
    int commandId;
    const char* objectName;
    const char* toolTip;
    const char* shortText;  // shown on the button when the strip is missing
};

// Buttons in strip order: button i shows image i and sends command 1600 + i.
inline constexpr std::array<ToolbarButton, 11> kToolbarButtons{{
    {1600, "toolbarElectrical", "Elektro výpočty", "El"},
    {1601, "toolbarThermal", "Termo výpočty", "Te"},
    {1602, "toolbarMechanics", "Mechanika", "Me"},
    {1603, "toolbarOptics", "Optika", "Op"},
    {1604, "toolbarGasesAndLiquids", "Mechanika plynů a kapalin", "Pl"},
    {1605, "toolbarAntenna", "Antény", "An"},
    {1606, "toolbarHelp", "Help", "?"},
    {1607, "toolbarOnlineHelp", "Online nápověda", "www"},
    {1608, "toolbarTextEditor", "Poznámkový blok", "Txt"},
    {1609, "toolbarCalculator", "Kalkulator", "Kal"},
    {1610, "toolbarMail", "Mail to me", "@"},
}};

// The separators are inserted after the eleven buttons, one after another at these positions.
inline constexpr std::array<int, 3> kSeparatorPositions{6, 9, 12};

// Cuts the strip into the eleven button pictures: each one eleventh of its width (truncated)
// and its full height. Gives nothing for a strip narrower than eleven pixels.
QList<QPixmap> CutToolbarStrip(const QImage& strip);

// Builds the toolbar as a plain child of `parent` (the main window's client area). `strip` is
// the loaded picture strip, or a null image when there is none: then the buttons show their
// short texts at the strip's usual 32 x 32 size. A click on a button calls `onCommand` with
// its command id.
QToolBar* CreateToolbar(QWidget* parent, const QImage& strip, const std::function<void(int)>& onCommand);

}  // namespace kalvora
