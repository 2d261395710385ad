// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QValidator>

class QLineEdit;

namespace kalvora {

// Refuses any edit after which the text would no longer fit in the visible width of `edit`:
// an edit field without horizontal scrolling, where typing stops at the field's right edge.
class FitWidthValidator : public QValidator {
    Q_OBJECT

public:
    explicit FitWidthValidator(QLineEdit* edit);

    State validate(QString& input, int& pos) const override;

private:
    QPointer<QLineEdit> edit_;
    QString shown_;  // the text before the edit being validated

};

}  // namespace kalvora
