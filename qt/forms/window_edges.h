// SPDX-License-Identifier: MIT
// The three-dimensional edges the window styles of the templates give, drawn with the palette's
// shades so that they follow the desktop's colours.
#pragma once

#include <QPalette>
#include <QRect>
#include <span>

class QPainter;
class QWidget;

namespace kalvora {

// One ring of an edge, one pixel wide: its top and left lines in one shade, its bottom and
// right lines in another.
struct EdgeRing {
    QPalette::ColorRole topLeft;
    QPalette::ColorRole bottomRight;
};

// An edge as its rings from the outside in; it is as many pixels wide as it has rings.
using WindowEdge = std::span<const EdgeRing>;

namespace edges {

// A thin line in the text colour: a bordered static control.
inline constexpr EdgeRing kBorder[] = {{QPalette::WindowText, QPalette::WindowText}};
// The sunken client edge of an edit: a shadow above and to the left, light below and to the right.
inline constexpr EdgeRing kClientEdge[] = {{QPalette::Dark, QPalette::Light},
                                           {QPalette::Shadow, QPalette::Midlight}};
// A raised dialog frame (a raised edge and a band of the face colour) around the sunken client edge.
inline constexpr EdgeRing kDialogFrameAndClientEdge[] = {
    {QPalette::Midlight, QPalette::Shadow}, {QPalette::Light, QPalette::Dark},
    {QPalette::Button, QPalette::Button},   {QPalette::Dark, QPalette::Light},
    {QPalette::Shadow, QPalette::Midlight},
};
// The sizing frame of a window without a caption bar: a raised edge and two rings of the face
// colour, 4 pixels in all.
inline constexpr EdgeRing kSizingFrame[] = {
    {QPalette::Midlight, QPalette::Shadow},
    {QPalette::Light, QPalette::Dark},
    {QPalette::Button, QPalette::Button},
    {QPalette::Button, QPalette::Button},
};

}  // namespace edges

inline int EdgeWidth(WindowEdge edge) {
    return int(edge.size());
}

// Draws `edge` inside `outer`, its first ring on the rectangle's outermost pixels.
void PaintEdge(QPainter& painter, const QRect& outer, const QPalette& palette, WindowEdge edge);

// Makes the area inside `edge` the contents rectangle of `widget` (its client area); the widget
// paints the edge itself with PaintEdge over its whole rectangle.
void ReserveEdge(QWidget& widget, WindowEdge edge);

}  // namespace kalvora
