// SPDX-License-Identifier: MIT
#include "qt/forms/fit_width_validator.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kalvora {
namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kLineEditHorizontalMargin = 2;

// The width in pixels that the text of `edit` may take without scrolling.
int TextRoom(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = edit.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                               .marginsRemoved(edit.textMargins());
    return contents.width() - 2 * kLineEditHorizontalMargin;
}

}  // namespace

FitWidthValidator::FitWidthValidator(QLineEdit* edit) : QValidator(edit), edit_(edit), shown_(edit->text()) {
    // The edit holds the new text already while it is validated, so the old one is kept here.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State FitWidthValidator::validate(QString& input, int&) const {
    if (!edit_) return Acceptable;
    const QFontMetrics metrics(edit_->font());
    const int width = metrics.horizontalAdvance(input);
    // Shortening is always allowed, also for a text put in by the program that is too wide.
    if (width <= metrics.horizontalAdvance(shown_)) return Acceptable;
    // The edit would scroll as soon as the caret behind the last letter left the field.
    return width < TextRoom(*edit_) ? Acceptable : Invalid;
}

}  // namespace kalvora
