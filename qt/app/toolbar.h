// SPDX-License-Identifier: MIT
// The toolbar: the model's eleven buttons with pictures cut from the strip "toolbar508.bmp",
// and its three separators.
#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <functional>

class QToolBar;
class QWidget;

namespace kalvora {

// Cuts the strip into the eleven button pictures: each one eleventh of its width (truncated)
// and its full height. Gives nothing for a strip narrower than eleven pixels.
QList<QPixmap> CutToolbarStrip(const QImage& strip);

// Builds the toolbar as a plain child of `parent` (the main window's client area). `strip` is
// the loaded picture strip, or a null image when there is none: then the buttons show their
// short texts at the strip's usual size. `doubled` is the strip drawn at twice the size (device
// pixel ratio 2) or a null image: each button's icon holds both pictures and shows the one that
// fits the device pixel ratio of the screen it is on. A click on a button calls `onCommand` with
// its command id.
QToolBar* CreateToolbar(QWidget* parent, const QImage& strip, const QImage& doubled,
                        const std::function<void(int)>& onCommand);

}  // namespace kalvora
