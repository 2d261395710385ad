// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QSize>

namespace kalvora {

// Opens the topic help window "Nápověda k tématu", which shows the picture Registry().helpBitmapId
// names, and records it in Registry().helpWindow. It has no owner: every other window stays
// usable while it is open. When it is already open it is raised and shows the current picture.
void OpenHelpWindow();

// Closes the help window if one is open.
void CloseHelpWindow();

// Where a picture of `picture` size starts in a frame of `frame` size: centred, the odd pixel
// on the right and at the bottom, negative (and cut off) when the picture is larger.
QPoint CentredPictureOrigin(QSize frame, QSize picture);

}  // namespace kalvora
