// SPDX-License-Identifier: MIT
// The toolbar strip "toolbar508.bmp": eleven 32 x 32 button images side by side, in button order,
// on the classic light grey of a button face. Only the background has exactly that grey, so a
// toolbar can mask it out.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>
#include <functional>

#include "drawing_kit.h"
#include "qt/resource_paths.h"

namespace kalvora::draw {
namespace {

constexpr int kCell = 32;
const QColor kBackground = QColor::fromRgb(resources::ToolbarBackground());

void Lightning(QPainter& p) {
    const QPolygonF bolt({{20, 1.5}, {7, 17.5}, {14.5, 17.5}, {10, 30.5}, {25.5, 12}, {17.5, 12}, {24, 1.5}});
    QLinearGradient fill(0, 0, 0, 32);
    fill.setColorAt(0, QColor(255, 245, 120));
    fill.setColorAt(1, QColor(255, 170, 0));
    p.setPen(QPen(QColor(130, 70, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(bolt);
}

void Gradient(QPainter& p) {
    QLinearGradient fill(4, 4, 28, 28);
    fill.setColorAt(0, QColor(230, 0, 0));
    fill.setColorAt(0.3, QColor(255, 160, 0));
    fill.setColorAt(0.5, QColor(255, 255, 60));
    fill.setColorAt(0.7, QColor(0, 200, 230));
    fill.setColorAt(1, QColor(0, 40, 200));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3.5, 3.5, 25, 25), 4, 4);
}

void Wheel(QPainter& p) {
    const QPointF centre(16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 35, 35));
    p.drawEllipse(centre, 14.5, 14.5);
    QRadialGradient rim(centre, 10, centre - QPointF(3, 3));
    rim.setColorAt(0, QColor(250, 250, 250));
    rim.setColorAt(1, QColor(130, 135, 145));
    p.setBrush(rim);
    p.drawEllipse(centre, 9.5, 9.5);
    p.setPen(QPen(QColor(60, 60, 70), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(90.0 + 72.0 * i);
        p.drawLine(centre, centre + QPointF(8.5 * std::cos(angle), -8.5 * std::sin(angle)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawEllipse(centre, 3.2, 3.2);
}

void GlowingLens(QPainter& p) {
    const QPointF centre(16, 16);
    QRadialGradient glow(centre, 16);
    glow.setColorAt(0, QColor(255, 255, 150, 255));
    glow.setColorAt(0.6, QColor(255, 220, 60, 170));
    glow.setColorAt(1, QColor(255, 200, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 16, 16);
    QPainterPath lens;
    lens.moveTo(16, 3);
    lens.quadTo(25, 16, 16, 29);
    lens.quadTo(7, 16, 16, 3);
    QLinearGradient glass(10, 0, 22, 0);
    glass.setColorAt(0, QColor(120, 190, 255));
    glass.setColorAt(0.4, QColor(230, 245, 255));
    glass.setColorAt(1, QColor(70, 140, 230));
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(glass);
    p.drawPath(lens);
}

void LightRays(QPainter& p) {
    const QColor colours[] = {{230, 0, 0},   {255, 140, 0}, {245, 220, 0}, {0, 180, 0},
                              {0, 190, 220}, {0, 60, 230},  {140, 0, 200}};
    const QPointF source(3, 16);
    for (int i = 0; i < 7; ++i) {
        const qreal angle = qDegreesToRadians(36.0 - 12.0 * i);
        p.setPen(QPen(colours[i], 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(source, source + QPointF(25 * std::cos(angle), -25 * std::sin(angle)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(source, 2.5, 2.5);
}

void RadioMast(QPainter& p) {
    const QPointF top(16, 10);
    p.setPen(QPen(QColor(60, 60, 60), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{10.5, 31}, top, {21.5, 31}}));
    p.drawLine(QPointF(13.5, 22), QPointF(18.5, 22));
    p.drawLine(QPointF(12, 26.5), QPointF(20, 26.5));
    p.drawLine(QPointF(13.5, 22), QPointF(20, 26.5));
    p.drawLine(QPointF(18.5, 22), QPointF(12, 26.5));
    p.setPen(QPen(QColor(210, 0, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {4.5, 8.5, 12.5}) {
        const QRectF circle(top.x() - radius, top.y() - radius, 2 * radius, 2 * radius);
        p.drawArc(circle, -40 * 16, 80 * 16);
        p.drawArc(circle, 140 * 16, 80 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 0, 0));
    p.drawEllipse(top, 2, 2);
}

void QuestionMarks(QPainter& p) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(28);
    p.setFont(font);
    p.setPen(QColor(0, 60, 190));
    p.drawText(QRectF(0, 0, 22, 32), Qt::AlignCenter, QStringLiteral("?"));
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRectF(16, 10, 16, 22), Qt::AlignCenter, QStringLiteral("?"));
}

void Globe(QPainter& p) {
    const QPointF centre(16, 16);
    QRadialGradient sea(centre, 14.5, centre - QPointF(4, 5));
    sea.setColorAt(0, QColor(140, 200, 255));
    sea.setColorAt(1, QColor(10, 70, 170));
    p.setPen(QPen(QColor(0, 40, 110), 1));
    p.setBrush(sea);
    p.drawEllipse(centre, 14.5, 14.5);
    p.setPen(QPen(QColor(255, 255, 255, 140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 6.5, 14.5);
    p.drawLine(QPointF(16, 1.5), QPointF(16, 30.5));
    p.drawLine(QPointF(3, 9), QPointF(29, 9));
    p.drawLine(QPointF(3, 23), QPointF(29, 23));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(10);
    QPainterPath text;
    text.addText(QPointF(0, 0), font, QStringLiteral("WWW"));
    const QRectF bounds = text.boundingRect();
    text.translate(centre - bounds.center());
    p.setPen(QPen(QColor(0, 30, 90), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 0));
    p.drawPath(text);
}

void TextPage(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(6.5, 2.5);
    sheet.lineTo(20.5, 2.5);
    sheet.lineTo(26.5, 8.5);
    sheet.lineTo(26.5, 29.5);
    sheet.lineTo(6.5, 29.5);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(215, 215, 215));
    p.drawPolygon(QPolygonF({{20.5, 2.5}, {20.5, 8.5}, {26.5, 8.5}}));
    p.setPen(QPen(QColor(40, 40, 120), 1));
    const qreal ends[] = {18, 23, 23, 20, 23, 23, 16};
    for (int i = 0; i < 7; ++i) p.drawLine(QPointF(9.5, 7.5 + 3 * i), QPointF(ends[i], 7.5 + 3 * i));
}

void Calculator(QPainter& p) {
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(70, 75, 85));
    p.drawRoundedRect(QRectF(6.5, 1.5, 19, 29), 2.5, 2.5);
    p.setBrush(QColor(170, 200, 150));
    p.drawRect(QRectF(9.5, 4.5, 13, 6));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool operation = column == 2;
            p.setBrush(operation ? QColor(240, 150, 40) : QColor(235, 235, 235));
            p.drawRect(QRectF(9 + 5 * column, 13 + 4.5 * row, 4, 3.5));
        }
    }
}

void CardWithDot(QPainter& p) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 7.5, 25, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 0, 200));
    p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
}

// One button image on a transparent cell.
QImage Cell(const std::function<void(QPainter&)>& draw, int scale) {
    QImage cell = ClearCanvas(kCell, kCell, scale);
    QPainter painter(&cell);
    Smooth(painter);
    draw(painter);
    return cell;
}

// The cells laid on the background. A drawn pixel that happens to blend to exactly the background
// grey is moved off it by one step, so the grey marks the background alone.
// Works in the cells' own pixels, whatever their scale.
QImage Strip(const std::vector<QImage>& cells, int scale) {
    const int side = kCell * scale;
    QImage strip(side * static_cast<int>(cells.size()), side, QImage::Format_RGB32);
    strip.fill(kBackground);
    for (size_t i = 0; i < cells.size(); ++i) {
        QImage cell = cells[i].convertToFormat(QImage::Format_ARGB32);
        cell.setDevicePixelRatio(1);
        QPainter painter(&strip);
        painter.drawImage(side * static_cast<int>(i), 0, cell);
        painter.end();
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const int sx = side * static_cast<int>(i) + x;
                if (qAlpha(cell.pixel(x, y)) != 0 && strip.pixel(sx, y) == kBackground.rgb())
                    strip.setPixel(sx, y, qRgb(193, 193, 193));
            }
        }
    }
    return strip;
}

}  // namespace

PictureList DrawToolbarPictures(int scale) {
    const std::vector<std::function<void(QPainter&)>> buttons = {
        Lightning,     Gradient, Wheel,    GlowingLens, LightRays,  RadioMast,
        QuestionMarks, Globe,    TextPage, Calculator,  CardWithDot};
    std::vector<QImage> cells;
    for (const auto& draw : buttons) cells.push_back(Cell(draw, scale));
    QImage strip = Strip(cells, scale);
    strip.setDevicePixelRatio(scale);
    return {{QStringLiteral("toolbar508.bmp"), strip}};
}

}  // namespace kalvora::draw
