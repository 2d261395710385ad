// SPDX-License-Identifier: MIT
// What the picture groups share: the list they return, canvases, and a few drawing strokes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <vector>

#include "formula_layout.h"

class QPainter;

namespace kalvora::draw {

// One finished picture and its path below the output folder ("help/2002.png").
struct Picture {
    QString path;
    QImage image;
};
using PictureList = std::vector<Picture>;

// Each group draws its pictures at a whole scale: 1 gives each picture at its own size, 2 gives it
// with twice as many pixels each way for screens at 125 to 200 %. The drawing code works in the
// pixels of scale 1; the canvas's device pixel ratio makes QPainter draw `scale` times finer, so
// lines, curves and text are drawn at the larger size, not enlarged.
PictureList DrawFormulaPictures(int scale);      // the help pictures that are formulas only
PictureList DrawGravitationPictures(int scale);  // two bodies (2000) and the rotating Earth (234)
PictureList DrawLensPictures(int scale);         // the converging and diverging lens (2009)
PictureList DrawCoaxPictures(int scale);         // the coaxial cable with its shield-to-shield length (2011)
PictureList DrawDipolePictures(int scale);       // the folded dipole sketch (MYBMP)
PictureList DrawToolbarPictures(int scale);      // the toolbar strip
PictureList DrawIconPictures(int scale);         // the window icon and the hand cursor
PictureList DrawAppIcons();                      // the window icon at the web app's sizes

// The path of a picture drawn at `scale` beside the one at scale 1: "help/2002@2x.png" (the name
// Qt's QIcon and QPixmap look for on a screen with twice the pixels).
QString ScaledPath(const QString& path, int scale);

// An opaque white picture, the textbook page the help pictures are printed on, `width` x `height`
// in the pixels of scale 1.
QImage WhiteCanvas(int width, int height, int scale);
// A fully transparent picture.
QImage ClearCanvas(int width, int height, int scale);
// Antialiased lines and text.
void Smooth(QPainter& painter);

// A straight shaft from `from` to `to` ending in a filled arrowhead at `to`.
void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width, qreal head);
// A measuring line between two points with arrowheads at both ends.
void DimensionLine(QPainter& painter, QPointF a, QPointF b, const QColor& colour, qreal head = 5);
// A ball lit from the upper left.
void ShadedBall(QPainter& painter, QPointF centre, qreal radius, const QColor& colour);

// The formula style at a pixel size.
MathStyle Style(int pixelSize, const QColor& ink = Qt::black);

}  // namespace kalvora::draw
