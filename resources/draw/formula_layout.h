// SPDX-License-Identifier: MIT
// A small formula typesetter for the help pictures: text runs with italic variables, sub- and
// superscripts, fractions with true bars, frames and stacked lines, laid out as boxes.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace kalvora::draw {

struct MathStyle {
    int pixelSize = 16;
    QColor ink = Qt::black;
    QString family = QStringLiteral("Liberation Serif");
    qreal relationSpace = 0.26;  // on each side of = ≤ <, in ems
    qreal operatorSpace = 0.18;  // on each side of + − · /, in ems
};

// A laid-out piece of a formula. Vertical extents are those of the ink, so frames and fraction
// gaps hug the glyphs; the origin of `paint` is the left end of the baseline.
struct Box {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
    qreal italicCorrection = 0;  // how far a slanted last glyph leans past the advance
    std::function<void(QPainter&, QPointF)> paint;

    qreal height() const { return ascent + descent; }
};

// Reads a line of formula markup:
//   letters are italic variables (upright inside sub- and superscripts, where they are labels),
//   digits, brackets and other signs are upright; "..." is upright text (units, cos);
//   = ≤ < > get relation spacing, + − - · / × get operator spacing (none when unary);
//   _x or _{..} is a subscript, ^x or ^{..} a superscript; ~ is a word space; blanks are ignored.
Box Math(const QString& markup, const MathStyle& style);

// Plain text in the formula font, upright or italic.
Box Text(const QString& text, const MathStyle& style, bool italic = false);

Box Frac(const Box& numerator, const Box& denominator, const MathStyle& style);
Box Row(const std::vector<Box>& parts);
Box Space(qreal width);
// A thin rectangle around the box, `padding` pixels clear of the ink; a narrower box is centred
// in `minWidth`, so that stacked frames can share one width.
Box Framed(const Box& inner, qreal padding, const MathStyle& style, qreal minWidth = 0);

enum class Align { Left, Centre };
// Lines stacked with `gap` pixels of clear space between their ink; the baseline is the first line's.
Box Column(const std::vector<Box>& lines, qreal gap, Align align);

// Paints the box with its ink centred in the area (the baseline snapped to a whole pixel).
void PaintCentred(QPainter& painter, const Box& box, const QRectF& area);
// Paints the box with the top-left corner of its ink at the point.
void PaintAt(QPainter& painter, const Box& box, QPointF topLeft);

}  // namespace kalvora::draw
