// SPDX-License-Identifier: MIT
#include "qt/forms/calculator_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "qt/forms/accessible_names.h"
#include "qt/forms/control_factory.h"
#include "qt/forms/control_state.h"
#include "qt/forms/notify_label.h"
#include "qt/forms/qt_text.h"
#include "qt/platform/dialog_units.h"
#include "model/form_presentation.h"

namespace kalvora {
namespace {

// Enter with no control focused: no control has this id.
constexpr int kNoControl = 0;

// The height an editable drop-down field of this font needs on this platform.
int ComboFieldHeight(const QFont& font) {
    QComboBox probe;
    probe.setEditable(true);
    probe.setFont(font);
    return probe.sizeHint().height();
}

}  // namespace

CalculatorForm::CalculatorForm(const FormInstance& form, QWidget* parent)
    : FramedWindow(parent), definition_(*form.definition) {
    setObjectName(QStringLiteral("form_") + ToQString(definition_.slug));
    setAccessibleName(ToQString(definition_.title));
    setAutoFillBackground(true);
    setFont(platform::DialogFontFor(definition_.dialog.font));
    Build(form);
    ShowState(form);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void CalculatorForm::Build(const FormInstance& form) {
    const auto& controls = definition_.dialog.controls;
    const QFont link = platform::FontForRole(FontRole::Link);
    // A dropped-down list starts empty: its rows are as high as a line of the form's font.
    ControlMetrics metrics{platform::MeasureFont(font()), platform::MeasureFont(link), 0,
                           QFontMetrics(font()).height()};
    std::vector<QString> texts;
    std::vector<int> widths;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        texts.push_back(i < form.controls.size() ? ToQString(form.controls[i].text) : QString());
        const bool linkFont = controls[i].kind == ControlKind::LinkLabel;
        widths.push_back(QFontMetrics(linkFont ? link : font()).horizontalAdvance(texts.back()));
        if (controls[i].kind == ControlKind::ComboBox && metrics.comboFieldHeight == 0)
            metrics.comboFieldHeight = ComboFieldHeight(font());
    }
    const FormPresentation shown = PresentForm(definition_, metrics, widths, {}, kBaseDpi);
    titleOrigin_ = QPoint(shown.title.left, shown.title.top);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDefinition& control = controls[i];
        QWidget* widget = CreateControl(control, texts[i], shown.controls[i], Client());
        widget->setObjectName(ControlObjectName(definition_, i));
        widget->setAccessibleName(ControlAccessibleName(definition_, i));
        Report(control, widget);
        controls_.push_back({widget, TakesTabStop(control)});
    }
}

void CalculatorForm::Report(const ControlDefinition& control, QWidget* widget) {
    const int id = control.id;
    if (auto* button = qobject_cast<QPushButton*>(widget))
        connect(button, &QPushButton::clicked, this, [this, id] { emit buttonPressed(id); });
    if (auto* link = qobject_cast<NotifyLabel*>(widget))
        connect(link, &NotifyLabel::notified, this, [this, id] { emit buttonPressed(id); });
    auto edited = [this, id](const QString& text) {
        if (!showing_) emit textEdited(id, text);
    };
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && control.kind == ControlKind::Edit)
        connect(edit, &QLineEdit::textChanged, this, edited);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::editTextChanged, this, edited);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, id](int index) {
            if (!showing_ && index >= 0) emit itemChosen(id, index);
        });
    }
}

QWidget* CalculatorForm::Control(int id) const {
    const auto& controls = definition_.dialog.controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].id == id) return controls_[i].widget;
    return nullptr;
}

void CalculatorForm::ShowState(const FormInstance& form) {
    showing_ = true;
    const auto& controls = definition_.dialog.controls;
    for (std::size_t i = 0; i < controls.size() && i < form.controls.size(); ++i)
        if (controls[i].kind != ControlKind::Picture)  // a picture's text names its picture
            ShowControlState(*controls_[i].widget, form.controls[i]);
    showing_ = false;
}

void CalculatorForm::FocusControl(int id) {
    if (QWidget* control = Control(id)) control->setFocus(Qt::OtherFocusReason);
}

int CalculatorForm::FocusedControlId() const {
    const QWidget* focus = QApplication::focusWidget();
    const auto& controls = definition_.dialog.controls;
    for (std::size_t i = 0; i < controls_.size() && focus; ++i)
        if (controls_[i].widget == focus || controls_[i].widget->isAncestorOf(focus)) return controls[i].id;
    return kNoControl;
}

void CalculatorForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setFont(platform::FontForRole(FontRole::Title));
    const Rgb colour = FontFor(FontRole::Title).colour.value_or(Rgb{});
    painter.setPen(QColor(colour.r, colour.g, colour.b));
    // The title's text cell does not leave the client area; text is drawn at its baseline.
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.drawText(client.topLeft() + titleOrigin_ + QPoint(0, painter.fontMetrics().ascent()),
                     ToQString(definition_.title));
    painter.end();
    FramedWindow::paintEvent(event);
}

bool CalculatorForm::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    // The drop-down lists of combo boxes are windows of their own with their own keys.
    if (!widget || widget->window() != window()) return false;
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
            emit activated();
            return false;
        case QEvent::KeyPress:
            return HandleKey(watched, static_cast<const QKeyEvent&>(*event));
        default:
            return false;
    }
}

bool CalculatorForm::HandleKey(QObject* watched, const QKeyEvent& key) {
    const DialogKey dialogKey = ClassifyDialogKey(key);
    switch (dialogKey) {
        case DialogKey::None:
            return false;
        case DialogKey::NextTabStop:
        case DialogKey::PreviousTabStop: {
            const bool backwards = dialogKey == DialogKey::PreviousTabStop;
            if (QWidget* next = NextTabStop(controls_, QApplication::focusWidget(), backwards))
                next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return true;
        }
        case DialogKey::Enter:
            emit enterPressed(FocusedControlId());
            return true;
        case DialogKey::Escape:
            emit escapePressed();
            return true;
        case DialogKey::KeypadDecimal: {
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
            QCoreApplication::sendEvent(watched, &point);
            return true;
        }
    }
    return false;
}

}  // namespace kalvora
