// SPDX-License-Identifier: MIT
// The help pictures that show only formulas, set like a textbook: black on white.
#include <QPainter>
#include <cstdio>
#include <functional>

#include "drawing_kit.h"

namespace kalvora::draw {
namespace {

struct FormulaPicture {
    int id;
    int width;
    int height;
    std::function<Box()> formula;
};

// Ohm's law and the other one-line formulas of the electrical field share this size.
constexpr int kLine = 14;

Box Equals(const QString& left, const Box& right, const MathStyle& style) {
    return Row({Math(left + " =", style), right});
}

Box Ratio(const QString& numerator, const QString& denominator, const MathStyle& style) {
    return Frac(Math(numerator, style), Math(denominator, style), style);
}

// Pz = P / ((P − a) · b + c) under its range of bulb powers.
Box FluorescentRow(const QString& range, const QString& a, const QString& b, const QString& c,
                   const MathStyle& style) {
    const Box law = Equals("P_z", Ratio("P", "(P - " + a + ") · " + b + " + " + c, style), style);
    return Column({Math(range, style), Row({Space(style.pixelSize * 1.2), law})}, 4, Align::Left);
}

const std::vector<FormulaPicture>& Formulas() {
    static const std::vector<FormulaPicture> table = {
        {2001, 74, 50,
         [] {
             MathStyle s = Style(13);
             s.operatorSpace = 0.12;
             return Framed(Column({Math("v = g · t", s), Math("s = ½ · g · t^2", s)}, 6, Align::Left), 3, s);
         }},
        {2002, 82, 27, [] { return Equals("I", Ratio("U", "R", Style(kLine)), Style(kLine)); }},
        {2003, 82, 27, [] { return Math("U = I · R", Style(kLine)); }},
        {2004, 82, 27, [] { return Equals("R", Ratio("U", "I", Style(kLine)), Style(kLine)); }},
        {2005, 123, 42, [] { return Math("X_L = 6.28 · f · L", Style(16)); }},
        {2006, 123, 42, [] { return Equals("X_C", Ratio("1", "6.28 · f · C", Style(16)), Style(16)); }},
        {2007, 121, 45,
         [] {
             const MathStyle s = Style(14);
             return Row({Ratio("U_2", "U_1", s), Math("=", s), Ratio("N_2", "N_1", s), Math("=", s),
                         Ratio("I_1", "I_2", s), Math("= k", s)});
         }},
        {2008, 61, 43,
         [] {
             MathStyle s = Style(15);
             s.operatorSpace = 0.12;
             s.relationSpace = 0.2;
             return Framed(Equals("R", Ratio("ρ · l", "S", s), s), 3, s);
         }},
        {2010, 111, 27,
         [] {
             MathStyle s = Style(14);
             s.operatorSpace = 0.08;
             s.relationSpace = 0.2;
             return Framed(Math("F = ½ · C · ρ · S · v^2", s), 3, s);
         }},
        {2012, 100, 27, [] { return Math("ΔU = I · R", Style(kLine)); }},
        {2013, 262, 116,
         [] {
             const MathStyle s = Style(13);
             return Column({FluorescentRow("P ≤ 100~\"W\":", "24.9", "0.0163", "3.13", s),
                            FluorescentRow("100~\"W\" < P ≤ 200~\"W\":", "99.9", "0.0065", "4.35", s),
                            Math("P > 200~\"W\": ~\"nepočítá se\"", s)},
                           7, Align::Left);
         }},
        {2014, 82, 27, [] { return Math("Φ = η · P", Style(kLine)); }},
        {2015, 82, 27, [] { return Math("P = U · I", Style(kLine)); }},
        {2016, 124, 27, [] { return Math("P = U · I · \"cos\" ~ φ", Style(kLine)); }},
        {2017, 82, 34, [] { return Equals("R", Ratio("d", "λ", Style(kLine)), Style(kLine)); }},
    };
    return table;
}

// A formula needs a pixel of white all round it; say so when a size or a font is too big.
void WarnIfCramped(int id, const QImage& image) {
    const QRgb white = qRgb(255, 255, 255);
    bool touches = false;
    for (int x = 0; x < image.width(); ++x)
        touches |= image.pixel(x, 0) != white || image.pixel(x, image.height() - 1) != white;
    for (int y = 0; y < image.height(); ++y)
        touches |= image.pixel(0, y) != white || image.pixel(image.width() - 1, y) != white;
    if (touches) std::fprintf(stderr, "picture %d: the formula touches the edge\n", id);
}

}  // namespace

PictureList DrawFormulaPictures(int scale) {
    PictureList pictures;
    for (const FormulaPicture& entry : Formulas()) {
        QImage image = WhiteCanvas(entry.width, entry.height, scale);
        QPainter painter(&image);
        Smooth(painter);
        PaintCentred(painter, entry.formula(), QRectF(0, 0, entry.width, entry.height));
        painter.end();
        WarnIfCramped(entry.id, image);
        pictures.push_back({QStringLiteral("help/%1.png").arg(entry.id), image});
    }
    return pictures;
}

}  // namespace kalvora::draw
