// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include "qt/forms/window_edges.h"

namespace kalvora {

// Where a form shows a result: a read-only text the user can select and copy (mouse, keyboard,
// context menu), drawn with the edge its template gives on the face colour. Screen readers get
// its caption as the name and its text as the value. A text too wide for the box shows its
// beginning (the sign and the leading digits) whenever the user is not working in it, and stays
// whole in the box, which scrolls, and in its tooltip.
class ResultBox : public QLineEdit {
    Q_OBJECT

public:
    ResultBox(const QString& text, WindowEdge edge, Qt::Alignment alignment, QWidget* parent);

    // Whether the whole text fits in the box.
    bool TextFits() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Leaving the box (not for its own context menu) shows the beginning of its text again.
    void focusOutEvent(QFocusEvent* event) override;
    // A result is one value: a double click selects all of it, not the digits on one side of its point.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ShowBeginning();
    void UpdateToolTip();

    WindowEdge edge_;
};

}  // namespace kalvora
