// SPDX-License-Identifier: MIT
#include "panels/topic_panel.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>
#include <algorithm>

#include "app/window_registry.h"
#include "forms/calculator_form.h"
#include "forms/framed_window.h"
#include "forms/notify_label.h"
#include "forms/qt_text.h"
#include "forms/static_cursor.h"
#include "panels/form_lookup.h"
#include "panels/panel_data.h"
#include "platform/dialog_units.h"

namespace kalvora {
namespace {

constexpr int kLabelStep = 15;  // dialog units from one label to the next

QColor ToColor(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QFont LabelFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(14);
    font.setWeight(QFont::DemiBold);
    font.setUnderline(true);
    return font;
}

void Activate(const PanelData& panel, const PanelLabel& label) {
    switch (label.action) {
    case LabelAction::OpenUrl:
        // A link leaves the open form alone.
        QDesktopServices::openUrl(QUrl(ToQString(label.target)));
        return;
    case LabelAction::OpenForm: {
        const FormDefinition* form = LookupForm(panel.field, label.target);
        if (!form) return;
        DestroyCalculators();
        if (label.helpBitmapId != 0) Registry().helpBitmapId = label.helpBitmapId;
        OpenForm(*form);
        return;
    }
    }
}

// One frame for all six panels: labels from the panel's data, its colours, the painted gradient
// of the electrical panel, and the template's sizing frame around the client area.
class TopicPanel : public FramedWindow {
public:
    TopicPanel(const PanelData& data, QWidget* parent) : FramedWindow(parent), data_(data) {
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

        const platform::BaseUnits base = platform::DialogBaseUnits(font());
        const QFont labelFont = LabelFont();
        for (std::size_t i = 0; i < data.labels.size(); ++i) {
            const PanelLabel& label = data.labels[i];
            auto* widget = new NotifyLabel(ToQString(label.text), Client());
            widget->setObjectName(QStringLiteral("ctl%1").arg(label.id));
            widget->setAccessibleName(widget->text());
            widget->setTextFormat(Qt::PlainText);
            widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (!label.panelFont) widget->setFont(labelFont);
            // At least one line of its font high: the label font is taller than the 8 dialog
            // units of the panel's own font, and would lose its accents and descenders.
            QRect rect = platform::DialogRectToPixels(1, kLabelStep * int(i), 157, 8, base);
            rect.setHeight(std::max(rect.height(), QFontMetrics(widget->font()).height()));
            widget->setGeometry(rect);
            // The label's rectangle is filled with the panel's colour, also over the gradient.
            widget->setAutoFillBackground(true);
            widget->setCursor(StaticControlCursor());
            connect(widget, &NotifyLabel::notified, this, [this, &label] { Activate(data_, label); });
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override {
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

private:
    const PanelData& data_;
};

}  // namespace

void ActivateLabel(const PanelData& panel, const PanelLabel& label) { Activate(panel, label); }

QWidget* CreateTopicPanel(Field field) {
    QWidget* client = Registry().client;
    auto* panel = new TopicPanel(PanelFor(field), client);
    Registry().panels.at(static_cast<std::size_t>(field)) = panel;
    if (client) panel->setGeometry(0, 43, 170, std::max(0, client->height() - 60));
    panel->show();
    return panel;
}

}  // namespace kalvora
