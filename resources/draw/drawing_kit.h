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

// Each group draws its pictures.
PictureList DrawFormulaPictures();      // the help pictures that are formulas only
PictureList DrawGravitationPictures();  // two bodies (2000) and the rotating Earth (234)
PictureList DrawLensPictures();         // the converging and diverging lens (2009)
PictureList DrawCoaxPictures();         // the coaxial cable with its shield-to-shield length (2011)
PictureList DrawDipolePictures();       // the folded dipole sketch (MYBMP)
PictureList DrawToolbarPictures();      // the toolbar strip
PictureList DrawIconPictures();         // the window icon and the hand cursor

// An opaque white picture, the textbook page the help pictures are printed on.
QImage WhiteCanvas(int width, int height);
// A fully transparent picture.
QImage ClearCanvas(int width, int height);
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
