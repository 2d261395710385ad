// SPDX-License-Identifier: MIT
#include "qt/forms/control_factory.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <charconv>

#include "qt/forms/fit_width_validator.h"
#include "qt/forms/notify_label.h"
#include "qt/forms/result_box.h"
#include "qt/forms/scaled_picture.h"
#include "qt/forms/static_cursor.h"
#include "qt/resource_paths.h"

namespace kalvora {
namespace {

bool Has(const ControlDefinition& control, ControlFlag flag) { return (control.flags & flag) != 0; }

// A one-line text too wide for its rectangle is given room beside it by the form (GiveTextsRoom).
QLabel* StaticText(const ControlDefinition& control, const QString& text, const QRect& pixels, QWidget* parent,
                   Qt::Alignment horizontal) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    // A static text starts at the top of its rectangle; it wraps only where the rectangle has
    // room for more than one line.
    const bool multiLine = pixels.height() >= 2 * QFontMetrics(label->font()).height();
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setWordWrap(multiLine);
    label->setCursor(StaticControlCursor());
    if (control.kind == ControlKind::SunkenLabel) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QGroupBox* GroupBox(const ControlDefinition& control, const QString& text, QWidget* parent) {
    auto* group = new QGroupBox(text, parent);
    group->setFlat(Has(control, kFlat));
    // As the platform's group box draws it: the frame's top line runs through the middle of the
    // caption, which starts a little in from the left edge.
    const int half = QFontMetrics(group->font()).height() / 2;
    group->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
                             .arg(half));
    return group;
}

// A bordered centred static showing a result; as a result box its text can be selected and copied.
ResultBox* ResultField(const QString& text, QWidget* parent) {
    auto* field = new ResultBox(text, edges::kBorder, Qt::AlignHCenter | Qt::AlignTop, parent);
    field->setCursor(StaticControlCursor());
    return field;
}

// A read-only edit showing a result: left-aligned, with the edge of its template.
ResultBox* ReadOnlyEdit(const ControlDefinition& control, const QString& text, QWidget* parent) {
    const WindowEdge edge = Has(control, kDialogFrame)  ? WindowEdge(edges::kDialogFrameAndClientEdge)
                            : Has(control, kClientEdge) ? WindowEdge(edges::kClientEdge)
                                                        : WindowEdge(edges::kBorder);
    return new ResultBox(text, edge, Qt::AlignLeft, parent);
}

QLabel* Picture(const ControlDefinition& control, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    // Shown at its own size, centred; a larger picture is cut off on every side.
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap pixmap = PictureForRatio(PicturePath(control.text), parent->devicePixelRatioF());
    if (!pixmap.isNull()) picture->setPixmap(pixmap);
    picture->setCursor(StaticControlCursor());
    return picture;
}

NotifyLabel* LinkLabel(const QString& text, QWidget* parent) {
    auto* link = new NotifyLabel(text, parent);
    link->setTextFormat(Qt::PlainText);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(22);
    font.setItalic(true);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    link->setPalette(palette);
    link->setCursor(Qt::ArrowCursor);
    return link;
}

QLineEdit* Edit(const ControlDefinition& control, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setAlignment(Has(control, kLeftAligned) ? Qt::AlignLeft : Qt::AlignHCenter);
    if (Has(control, kNoAutoScroll)) edit->setValidator(new FitWidthValidator(edit));
    return edit;
}

QComboBox* ComboBox(const ControlDefinition& control, const QString& text, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // A drop-down list of the platform neither completes typed text nor keeps it on Enter.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(text);
    if (Has(control, kNoAutoScroll)) combo->setValidator(new FitWidthValidator(combo->lineEdit()));
    // A chosen item shows from its first letter, also when it is wider than the field.
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo->lineEdit(), [edit = combo->lineEdit()] { edit->home(false); });
    return combo;
}

QPushButton* Button(const ControlDefinition& control, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setDefault(control.kind == ControlKind::DefaultPushButton);
    return button;
}

// The template height of a combo box includes its dropped-down list: the field itself is as
// high as the widget needs, and the rest of the height holds the list.
void FitComboBox(QComboBox& combo, const QRect& pixels) {
    const int fieldHeight = std::min(combo.sizeHint().height(), pixels.height());
    combo.setGeometry(pixels.x(), pixels.y(), pixels.width(), fieldHeight);
    const int rowHeight = std::max(1, combo.view()->sizeHintForRow(0) > 0 ? combo.view()->sizeHintForRow(0)
                                                                        : QFontMetrics(combo.font()).height());
    combo.setMaxVisibleItems(std::max(1, (pixels.height() - fieldHeight) / rowHeight));
}

QWidget* Realise(const ControlDefinition& control, const QString& text, const QRect& pixels, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::SunkenLabel: return StaticText(control, text, pixels, parent, Qt::AlignLeft);
    case ControlKind::CentredLabel: return StaticText(control, text, pixels, parent, Qt::AlignHCenter);
    case ControlKind::GroupBox: return GroupBox(control, text, parent);
    case ControlKind::ResultField: return ResultField(text, parent);
    case ControlKind::Edit: return Edit(control, text, parent);
    case ControlKind::ReadOnlyEdit: return ReadOnlyEdit(control, text, parent);
    case ControlKind::ComboBox: return ComboBox(control, text, parent);
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: return Button(control, text, parent);
    case ControlKind::Picture: return Picture(control, parent);
    case ControlKind::LinkLabel: return LinkLabel(text, parent);
    }
    return new QWidget(parent);
}

}  // namespace

QString PicturePath(std::string_view name) {
    if (name == "MYBMP") return resources::DipoleSketchPath();
    int id = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
    if (error == std::errc() && end == name.data() + name.size()) return resources::HelpPicturePath(id);
    return {};
}

QWidget* CreateControl(const ControlDefinition& control, const QString& text, const QRect& pixels, QWidget* parent) {
    QWidget* widget = Realise(control, text, pixels, parent);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        FitComboBox(*combo, pixels);
    else
        widget->setGeometry(pixels);
    if (control.kind == ControlKind::GroupBox) widget->lower();
    // Result fields take the focus from the mouse only, so that their text can be copied with the
    // keyboard; Tab passes over them as the templates say.
    const bool focusable = control.kind == ControlKind::Edit || control.kind == ControlKind::ReadOnlyEdit ||
                           control.kind == ControlKind::ResultField || control.kind == ControlKind::ComboBox ||
                           control.kind == ControlKind::PushButton || control.kind == ControlKind::DefaultPushButton;
    if (focusable) widget->setFocusPolicy(TakesTabStop(control) ? Qt::StrongFocus : Qt::ClickFocus);
    return widget;
}

}  // namespace kalvora
