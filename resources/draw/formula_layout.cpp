// SPDX-License-Identifier: MIT
#include "formula_layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kalvora::draw {
namespace {

QFont FormulaFont(const MathStyle& style, bool italic) {
    QFont font(style.family);
    font.setPixelSize(style.pixelSize);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

MathStyle ScriptStyle(const MathStyle& style) {
    MathStyle script = style;
    script.pixelSize = std::max(8, static_cast<int>(std::lround(style.pixelSize * 0.68)));
    return script;
}

bool IsRelation(QChar c) {
    return QStringLiteral("=≤<>≈≥").contains(c);
}
bool IsBinaryOperator(QChar c) {
    return QStringLiteral("+−-·/×").contains(c);
}
// Letters that name no variable: the difference sign stays upright.
bool IsUprightLetter(QChar c) {
    return c == QChar(0x0394);
}

// One item of a line: a base with optional scripts.
struct Atom {
    Box base;
    Box sub;
    Box sup;
    bool hasSub = false;
    bool hasSup = false;
};

Box WithScripts(const Atom& atom, const MathStyle& style) {
    if (!atom.hasSub && !atom.hasSup) return atom.base;
    const qreal drop = style.pixelSize * 0.22;
    const qreal rise = style.pixelSize * 0.40;
    const Box base = atom.base;
    const Box sub = atom.sub;
    const Box sup = atom.sup;
    const bool hasSub = atom.hasSub;
    const bool hasSup = atom.hasSup;
    const qreal supX = base.width + base.italicCorrection;
    Box box;
    box.ascent = base.ascent;
    box.descent = base.descent;
    qreal right = base.width + base.italicCorrection;
    if (hasSub) {
        box.ascent = std::max(box.ascent, sub.ascent - drop);
        box.descent = std::max(box.descent, sub.descent + drop);
        right = std::max(right, base.width + sub.width + sub.italicCorrection);
    }
    if (hasSup) {
        box.ascent = std::max(box.ascent, sup.ascent + rise);
        right = std::max(right, supX + sup.width + sup.italicCorrection);
    }
    box.width = right + style.pixelSize * 0.04;
    box.paint = [=](QPainter& painter, QPointF origin) {
        base.paint(painter, origin);
        if (hasSub) sub.paint(painter, origin + QPointF(base.width, drop));
        if (hasSup) sup.paint(painter, origin + QPointF(supX, -rise));
    };
    return box;
}

class MathReader {
public:
    MathReader(const QString& markup, const MathStyle& style, bool script)
        : markup_(markup), style_(style), script_(script) {}

    // Reads up to the end of the markup or the '}' that closes the current group.
    Box ReadLine() {
        enum class Last { Nothing, Ordinary, Relation, Operator, Open } last = Last::Nothing;
        std::vector<Atom> atoms;
        const qreal em = style_.pixelSize;
        auto push = [&atoms](const Box& box) { atoms.push_back(Atom{box, {}, {}, false, false}); };
        while (pos_ < markup_.size()) {
            const QChar c = markup_[pos_];
            if (c == '}') {
                ++pos_;
                break;
            }
            if (c == ' ') {
                ++pos_;
                continue;
            }
            if (c == '~') {
                ++pos_;
                push(Space(em * 0.28));
                continue;
            }
            if (c == '_' || c == '^') {
                ++pos_;
                const Box script = ReadScript();
                if (atoms.empty()) push(Space(0));
                Atom& target = atoms.back();
                (c == '_' ? target.sub : target.sup) = script;
                (c == '_' ? target.hasSub : target.hasSup) = true;
                continue;
            }
            if (c == '"') {
                const qsizetype end = markup_.indexOf('"', pos_ + 1);
                const qsizetype stop = end < 0 ? markup_.size() : end;
                push(Text(markup_.mid(pos_ + 1, stop - pos_ - 1), style_));
                pos_ = stop + 1;
                last = Last::Ordinary;
                continue;
            }
            if (c.isDigit() || (c == '.' && pos_ + 1 < markup_.size() && markup_[pos_ + 1].isDigit())) {
                qsizetype end = pos_;
                while (end < markup_.size() && (markup_[end].isDigit() || markup_[end] == '.')) ++end;
                push(Text(markup_.mid(pos_, end - pos_), style_));
                pos_ = end;
                last = Last::Ordinary;
                continue;
            }
            ++pos_;
            if (IsRelation(c) || IsBinaryOperator(c)) {
                const QChar sign = c == '-' ? QChar(0x2212) : c;
                const bool relation = IsRelation(c);
                const bool unary = !relation && last != Last::Ordinary;
                const qreal side = unary ? 0.0
                                         : em * (script_    ? 0.10
                                                 : relation ? style_.relationSpace
                                                            : style_.operatorSpace);
                push(Row({Space(side), Text(sign, style_), Space(side)}));
                last = relation ? Last::Relation : Last::Operator;
                continue;
            }
            const bool italic = c.isLetter() && !script_ && !IsUprightLetter(c);
            push(Text(c, style_, italic));
            last = (c == '(' || c == '[') ? Last::Open : Last::Ordinary;
        }
        std::vector<Box> boxes;
        for (const Atom& atom : atoms) boxes.push_back(WithScripts(atom, style_));
        return Row(boxes);
    }

private:
    Box ReadScript() {
        MathReader reader(markup_, ScriptStyle(style_), true);
        if (pos_ < markup_.size() && markup_[pos_] == '{') {
            reader.pos_ = pos_ + 1;
            Box box = reader.ReadLine();
            pos_ = reader.pos_;
            return box;
        }
        if (pos_ >= markup_.size()) return Space(0);
        const QString one(markup_[pos_]);
        ++pos_;
        MathReader single(one, ScriptStyle(style_), true);
        return single.ReadLine();
    }

    const QString& markup_;
    MathStyle style_;
    bool script_;
    qsizetype pos_ = 0;
};

}  // namespace

Box Text(const QString& text, const MathStyle& style, bool italic) {
    const QFont font = FormulaFont(style, italic);
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    const qreal advance = metrics.horizontalAdvance(text);
    const qreal lead = std::max<qreal>(0, -ink.left());
    Box box;
    box.width = lead + advance;
    box.ascent = std::max<qreal>(0, -ink.top());
    box.descent = std::max<qreal>(0, ink.bottom());
    box.italicCorrection = std::max<qreal>(0, ink.right() - advance);
    const QColor colour = style.ink;
    box.paint = [font, text, lead, colour](QPainter& painter, QPointF origin) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(origin.x() + lead, std::round(origin.y())), text);
    };
    return box;
}

Box Math(const QString& markup, const MathStyle& style) {
    MathReader reader(markup, style, false);
    return reader.ReadLine();
}

Box Space(qreal width) {
    Box box;
    box.width = width;
    box.paint = [](QPainter&, QPointF) {};
    return box;
}

Box Row(const std::vector<Box>& parts) {
    Box box;
    std::vector<qreal> offsets;
    for (const Box& part : parts) {
        offsets.push_back(box.width);
        box.width += part.width + part.italicCorrection;
        box.ascent = std::max(box.ascent, part.ascent);
        box.descent = std::max(box.descent, part.descent);
    }
    box.paint = [parts, offsets](QPainter& painter, QPointF origin) {
        for (size_t i = 0; i < parts.size(); ++i) parts[i].paint(painter, origin + QPointF(offsets[i], 0));
    };
    return box;
}

Box Frac(const Box& numerator, const Box& denominator, const MathStyle& style) {
    const QFontMetricsF metrics(FormulaFont(style, false));
    const qreal axis = -metrics.tightBoundingRect(QString(QChar(0x2212))).center().y();
    const qreal thickness = std::max(1, static_cast<int>(std::lround(style.pixelSize / 16.0)));
    const qreal gap = std::max(1.5, style.pixelSize * 0.13);
    const qreal pad = std::max(1.0, style.pixelSize * 0.1);
    const qreal numWidth = numerator.width + numerator.italicCorrection;
    const qreal denWidth = denominator.width + denominator.italicCorrection;
    const qreal bar = std::max(numWidth, denWidth) + 2 * pad;
    Box box;
    box.width = bar + style.pixelSize * 0.08;
    box.ascent = axis + thickness / 2 + gap + numerator.descent + numerator.ascent;
    box.descent = std::max<qreal>(0, thickness / 2 + gap + denominator.ascent + denominator.descent - axis);
    const QColor colour = style.ink;
    box.paint = [=](QPainter& painter, QPointF origin) {
        const qreal left = origin.x() + style.pixelSize * 0.04;
        const qreal barTop = std::round(origin.y() - axis - thickness / 2);
        painter.fillRect(QRectF(std::round(left), barTop, std::round(bar), thickness), colour);
        numerator.paint(painter, QPointF(left + (bar - numWidth) / 2, barTop - gap - numerator.descent));
        denominator.paint(
            painter, QPointF(left + (bar - denWidth) / 2, barTop + thickness + gap + denominator.ascent));
    };
    return box;
}

Box Framed(const Box& inner, qreal padding, const MathStyle& style, qreal minWidth) {
    const qreal margin = padding + 1;
    const qreal innerWidth = inner.width + inner.italicCorrection;
    const qreal shift = std::max<qreal>(0, minWidth - innerWidth) / 2;
    Box box;
    box.width = std::max(innerWidth, minWidth) + 2 * margin;
    box.ascent = inner.ascent + margin;
    box.descent = inner.descent + margin;
    const QColor colour = style.ink;
    const qreal height = box.height();
    const qreal width = box.width;
    const qreal ascent = box.ascent;
    box.paint = [=](QPainter& painter, QPointF origin) {
        const QRectF frame(std::round(origin.x()) + 0.5, std::round(origin.y() - ascent) + 0.5,
                           std::round(width) - 1, std::round(height) - 1);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
        inner.paint(painter, origin + QPointF(margin + shift, 0));
    };
    return box;
}

Box Column(const std::vector<Box>& lines, qreal gap, Align align) {
    Box box;
    std::vector<qreal> baselines;
    qreal baseline = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) baseline += lines[i - 1].descent + gap + lines[i].ascent;
        baselines.push_back(baseline);
        box.width = std::max(box.width, lines[i].width + lines[i].italicCorrection);
    }
    if (lines.empty()) return Space(0);
    box.ascent = lines.front().ascent;
    box.descent = baseline + lines.back().descent;
    const qreal width = box.width;
    box.paint = [=](QPainter& painter, QPointF origin) {
        for (size_t i = 0; i < lines.size(); ++i) {
            const qreal shift =
                align == Align::Centre ? (width - lines[i].width - lines[i].italicCorrection) / 2 : 0;
            lines[i].paint(painter, origin + QPointF(shift, baselines[i]));
        }
    };
    return box;
}

void PaintCentred(QPainter& painter, const Box& box, const QRectF& area) {
    const qreal x = area.left() + (area.width() - box.width - box.italicCorrection) / 2;
    const qreal y = area.top() + (area.height() - box.height()) / 2 + box.ascent;
    box.paint(painter, QPointF(std::round(x), std::round(y)));
}

void PaintAt(QPainter& painter, const Box& box, QPointF topLeft) {
    box.paint(painter, QPointF(std::round(topLeft.x()), std::round(topLeft.y() + box.ascent)));
}

}  // namespace kalvora::draw
