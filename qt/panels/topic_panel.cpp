// SPDX-License-Identifier: MIT
#include "qt/panels/topic_panel.h"

#include <QPaintEvent>
#include <QPainter>

#include "model/form_presentation.h"
#include "qt/forms/notify_label.h"
#include "qt/forms/qt_rect.h"
#include "qt/forms/qt_text.h"
#include "qt/forms/static_cursor.h"
#include "qt/platform/dialog_units.h"

namespace kalvora {
namespace {

QColor ToColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

}  // namespace

TopicPanel::TopicPanel(const PanelData& data, QWidget* parent) : FramedWindow(parent), data_(data) {
    setObjectName(QStringLiteral("panel%1").arg(data.templateId));
    setFont(platform::DialogFontFor(DialogFont::Dialog9pt));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToColor(data.background));
    colours.setColor(QPalette::WindowText, ToColor(data.labelText));
    setPalette(colours);
    if (data.gradient)
        setAttribute(Qt::WA_OpaquePaintEvent);
    else
        setAutoFillBackground(true);

    const QFont labelFont = platform::FontForRole(FontRole::PanelLabel);
    const PanelPresentation shown =
        PresentPanel(data, platform::MeasureFont(font()), platform::MeasureFont(labelFont));
    for (std::size_t i = 0; i < data.labels.size(); ++i) {
        const PanelLabel& label = data.labels[i];
        auto* widget = new NotifyLabel(ToQString(label.text), Client());
        widget->setObjectName(QStringLiteral("ctl%1").arg(label.id));
        widget->setAccessibleName(widget->text());
        widget->setTextFormat(Qt::PlainText);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (shown.labels[i].font == FontRole::PanelLabel) widget->setFont(labelFont);
        widget->setGeometry(ToQRect(shown.labels[i].rect));
        // The label's rectangle is filled with the panel's colour, also over the gradient.
        widget->setAutoFillBackground(true);
        if (shown.labels[i].cursor == CursorRole::Static) widget->setCursor(StaticControlCursor());
        connect(widget, &NotifyLabel::notified, this, [this, id = label.id] { emit labelClicked(id); });
    }
}

void TopicPanel::paintEvent(QPaintEvent* event) {
    if (data_.gradient) {
        // Row 0 of the gradient is the top row of the client area.
        QPainter painter(this);
        const QRect client = contentsRect();
        const QRect area = event->rect() & client;
        for (int y = area.top(); y <= area.bottom(); ++y)
            painter.fillRect(QRect(client.left(), y, client.width(), 1),
                             QColor(GradientRed(y - client.top()), 0, 0));
    }
    FramedWindow::paintEvent(event);
}

}  // namespace kalvora
