// SPDX-License-Identifier: MIT
#include "forms/calculator_form.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <string>

#include "app/config.h"
#include "app/window_registry.h"
#include "calc/catalogue.h"
#include "forms/accessible_names.h"
#include "forms/calculator_form_widget.h"
#include "forms/caption_room.h"
#include "forms/combo_list.h"
#include "forms/control_factory.h"
#include "forms/help_window.h"
#include "forms/notify_label.h"
#include "forms/qt_text.h"
#include "platform/dialog_units.h"
#include "platform/message_box.h"

namespace kalvora {
namespace {

constexpr int kHelpCommand = 230;
constexpr int kCancelKeyCommand = 2;  // what Esc sends, whatever the form's Storno id is


}  // namespace

CalculatorForm::CalculatorForm(const FormDefinition& definition, QWidget* parent) : FramedWindow(parent), definition_(definition) {
    setObjectName(QStringLiteral("form_") + ToQString(definition.slug));
    setAccessibleName(ToQString(definition.title));
    setAutoFillBackground(true);
    setFont(platform::DialogFontFor(definition.dialog.font));
    Build();
    FillLists();
    ApplyPresets();
    WatchEvents();
}

void CalculatorForm::Build() {
    const platform::BaseUnits base = platform::DialogBaseUnits(font());
    const auto& controls = definition_.dialog.controls;
    std::vector<PlacedControl> placed;
    std::vector<QWidget*> widgets;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDefinition& control = controls[i];
        const QRect pixels = platform::DialogRectToPixels(control.x, control.y, control.cx, control.cy, base);
        QWidget* widget = CreateControl(control, ToQString(definition_.InitialText(control)), pixels, Client());
        placed.push_back({&control, pixels});
        widgets.push_back(widget);
        widget->setObjectName(ControlObjectName(definition_, i));
        widget->setAccessibleName(ControlAccessibleName(definition_, i));
        if (auto* button = qobject_cast<QPushButton*>(widget))
            connect(button, &QPushButton::clicked, this, [this, id = control.id] { Command(id); });
        if (auto* link = qobject_cast<NotifyLabel*>(widget))
            connect(link, &NotifyLabel::notified, this, [this, id = control.id] { Command(id); });
        definitions_.push_back(&control);
        controls_.push_back({widget, TakesTabStop(control)});
    }
    GiveTextsRoom(placed, widgets);
}

void CalculatorForm::FillLists() {
    for (const PresetList& list : definition_.lists) {
        auto* combo = qobject_cast<QComboBox*>(Control(list.controlId));
        if (!combo) continue;
        const bool sorted = (definition_.dialog.Find(list.controlId)->flags & kSorted) != 0;
        for (std::string_view item : list.items) AddItem(*combo, ToQString(item), sorted);
    }
}

void CalculatorForm::ApplyPresets() {
    for (const PresetText& preset : definition_.presets) {
        QWidget* control = Control(preset.controlId);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(ToQString(preset.text));
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->setEditText(ToQString(preset.text));
    }
}

void CalculatorForm::WatchEvents() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QWidget* CalculatorForm::Control(int id) const {
    for (std::size_t i = 0; i < definitions_.size(); ++i)
        if (definitions_[i]->id == id) return controls_[i].widget;
    return nullptr;
}

void CalculatorForm::Command(int id) {
    if (id == definition_.okId) return PressOk();
    if (id == definition_.cancelId) return PressCancel();
    if (id == kHelpCommand) return PressHelp();
    const ControlDefinition* control = definition_.dialog.Find(id);
    if (control && control->kind == ControlKind::LinkLabel && (definition_.behaviours & kArticleLink))
        QDesktopServices::openUrl(QUrl(QString::fromUtf8(config::kCoaxArticleUrl)));
}

QString CalculatorForm::InputText(int id) const {
    QWidget* control = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
    return {};
}

void CalculatorForm::SetResultText(int id, const QString& text) {
    if (auto* result = qobject_cast<QLineEdit*>(Control(id))) result->setText(text);
}

void CalculatorForm::LearnTypedTexts() {
    for (const InputDefinition& input : definition_.inputs) {
        auto* combo = qobject_cast<QComboBox*>(Control(input.controlId));
        if (!combo) continue;
        const QString text = combo->currentText();
        // An empty field has nothing to learn; an empty row in the list would only be noise.
        if (text.isEmpty() || FindItemExact(*combo, text) >= 0) continue;
        AddItem(*combo, text, (definition_.dialog.Find(input.controlId)->flags & kSorted) != 0);
    }
}

void CalculatorForm::PressOk() {
    if (!definition_.evaluate) return;
    if (definition_.behaviours & kListsLearnTexts) LearnTypedTexts();
    std::vector<std::string> texts;
    for (const InputDefinition& input : definition_.inputs) texts.push_back(InputText(input.controlId).toUtf8().toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const Outcome outcome = Evaluate(definition_, views);
    if (outcome.message) {
        // The box may run the event loop; the form is not touched after it.
        platform::ShowFormMessage(this, *outcome.message);
        return;
    }
    const std::size_t shown = std::min(outcome.results.size(), definition_.resultIds.size());
    for (std::size_t i = 0; i < shown; ++i) SetResultText(definition_.resultIds[i], QString::fromStdString(outcome.results[i]));
    if (definition_.focusAfterResult) FocusFirstInput();
}

void CalculatorForm::PressCancel() {
    CloseHelpWindow();
    if (mainWindowBeforeWidening_ && Registry().mainWindow) Registry().mainWindow->setGeometry(*mainWindowBeforeWidening_);
    // Hidden, not destroyed: the form stays in its slot until the next DestroyCalculators.
    hide();
}

void CalculatorForm::PressHelp() {
    switch (definition_.help) {
    case HelpAction::None: return;
    case HelpAction::StorePicture: Registry().helpBitmapId = definition_.helpBitmapId; break;
    case HelpAction::ShowStored: break;
    }
    OpenHelpWindow();
}

void CalculatorForm::FocusFirstInput() {
    if (QWidget* input = Control(definition_.focusId)) input->setFocus(Qt::OtherFocusReason);
}

void CalculatorForm::PlaceInClient() {
    const QWidget* client = parentWidget() ? parentWidget() : Registry().client.data();
    if (!client) return;
    setGeometry(190, 43, std::max(0, client->width() - 190), std::max(0, client->height() - 60));
}

void CalculatorForm::WidenMainWindow() {
    QWidget* main = Registry().mainWindow;
    if (!main) return;
    // Storno puts back exactly this rectangle; the widened one is computed on the frame.
    mainWindowBeforeWidening_ = main->geometry();
    const QRect frame = main->frameGeometry();
    const QRect inner = main->geometry();
    const QMargins frameMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                                frame.bottom() - inner.bottom());
    const int frameBottom = frame.y() + frame.height();  // the exclusive bottom edge, as the platform counts it
    main->setGeometry(QRect(frame.x(), frame.y(), 660, frameBottom - 40).marginsRemoved(frameMargins));
    if (main->layout()) main->layout()->activate();
}

void CalculatorForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The stock GUI font of the dialogs, italic and 18 pixels high.
    QFont font = platform::SansFont(9);
    font.setItalic(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 255));
    // The title's text cell starts at (10, titleY) of the client area, which it does not leave;
    // text is drawn at its baseline.
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.drawText(client.left() + 10, client.top() + definition_.titleY + painter.fontMetrics().ascent(),
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
    case QEvent::MouseButtonPress: Registry().activeCalculator = this; return false;
    case QEvent::KeyPress: return HandleKey(watched, static_cast<const QKeyEvent&>(*event));
    default: return false;
    }
}

bool CalculatorForm::HandleKey(QObject* watched, const QKeyEvent& key) {
    QWidget* focus = QApplication::focusWidget();
    const DialogKey dialogKey = ClassifyDialogKey(key);
    switch (dialogKey) {
    case DialogKey::None: return false;
    case DialogKey::NextTabStop:
    case DialogKey::PreviousTabStop: {
        const bool backwards = dialogKey == DialogKey::PreviousTabStop;
        if (QWidget* next = NextTabStop(controls_, focus, backwards))
            next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
    case DialogKey::Enter: {
        // A focused push button takes Enter itself; anywhere else Enter is the default button.
        int id = definition_.okId;
        for (std::size_t i = 0; i < controls_.size(); ++i)
            if (controls_[i].widget == focus && qobject_cast<QPushButton*>(focus)) id = definitions_[i]->id;
        Command(id);
        return true;
    }
    case DialogKey::Escape: Command(kCancelKeyCommand); return true;
    case DialogKey::KeypadDecimal: {
        QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
        QCoreApplication::sendEvent(watched, &point);
        return true;
    }
    }
    return false;
}

QWidget* OpenForm(const FormDefinition& definition) {
    auto* form = new CalculatorForm(definition, Registry().client);
    // Forms outside the catalogue (made up by tests) have no slot of their own.
    const std::size_t slot = FormSlot(definition);
    if (slot < Catalogue().size() && slot < Registry().forms.size()) Registry().forms[slot] = form;
    Registry().activeCalculator = form;
    if (definition.behaviours & kWidensMainWindow) form->WidenMainWindow();
    form->PlaceInClient();
    form->show();
    if (definition.focusAtOpen) form->FocusFirstInput();
    return form;
}

}  // namespace kalvora

#include "moc_calculator_form_widget.cpp"
