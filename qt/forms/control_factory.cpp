// SPDX-License-Identifier: MIT
#include "qt/forms/control_factory.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <charconv>

#include "qt/forms/fit_width_validator.h"
#include "qt/forms/qt_rect.h"
#include "qt/forms/notify_label.h"
#include "qt/forms/result_box.h"
#include "qt/forms/scaled_picture.h"
#include "qt/forms/static_cursor.h"
#include "qt/platform/dialog_units.h"
#include "qt/resource_paths.h"

namespace kalvora {
namespace {

bool Has(const ControlDefinition& control, ControlFlag flag) { return (control.flags & flag) != 0; }

Qt::Alignment Horizontal(const ControlPresentation& shown) {
    return shown.alignment == HorizontalAlignment::Left ? Qt::AlignLeft : Qt::AlignHCenter;
}

// A static text starts at the top of its rectangle.
QLabel* StaticText(const ControlDefinition& control, const QString& text, const ControlPresentation& shown,
                   QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Horizontal(shown) | Qt::AlignTop);
    label->setWordWrap(shown.wraps);
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
ResultBox* ResultField(const QString& text, const ControlPresentation& shown, QWidget* parent) {
    return new ResultBox(text, edges::kBorder, Horizontal(shown) | Qt::AlignTop, parent);
}

// A read-only edit showing a result: left-aligned, with the edge of its template.
ResultBox* ReadOnlyEdit(const ControlDefinition& control, const QString& text,
                        const ControlPresentation& shown, QWidget* parent) {
    const WindowEdge edge = Has(control, kDialogFrame)  ? WindowEdge(edges::kDialogFrameAndClientEdge)
                            : Has(control, kClientEdge) ? WindowEdge(edges::kClientEdge)
                                                        : WindowEdge(edges::kBorder);
    return new ResultBox(text, edge, Horizontal(shown), parent);
}

QLabel* Picture(const ControlDefinition& control, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    // Shown at its own size, centred; a larger picture is cut off on every side.
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap pixmap = PictureForRatio(PicturePath(control.text), parent->devicePixelRatioF());
    if (!pixmap.isNull()) picture->setPixmap(pixmap);
    return picture;
}

NotifyLabel* LinkLabel(const QString& text, const ControlPresentation& shown, QWidget* parent) {
    auto* link = new NotifyLabel(text, parent);
    link->setTextFormat(Qt::PlainText);
    link->setAlignment(Horizontal(shown) | Qt::AlignTop);
    return link;
}

QLineEdit* Edit(const QString& text, const ControlPresentation& shown, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setAlignment(Horizontal(shown));
    if (shown.stopsAtWidth) edit->setValidator(new FitWidthValidator(edit));
    return edit;
}

QComboBox* ComboBox(const QString& text, const ControlPresentation& shown, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // A drop-down list of the platform neither completes typed text nor keeps it on Enter.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(text);
    if (shown.stopsAtWidth) combo->setValidator(new FitWidthValidator(combo->lineEdit()));
    combo->setMaxVisibleItems(shown.listRows);
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

QWidget* Realise(const ControlDefinition& control, const QString& text, const ControlPresentation& shown,
                 QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::CentredLabel:
    case ControlKind::SunkenLabel: return StaticText(control, text, shown, parent);
    case ControlKind::GroupBox: return GroupBox(control, text, parent);
    case ControlKind::ResultField: return ResultField(text, shown, parent);
    case ControlKind::Edit: return Edit(text, shown, parent);
    case ControlKind::ReadOnlyEdit: return ReadOnlyEdit(control, text, shown, parent);
    case ControlKind::ComboBox: return ComboBox(text, shown, parent);
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: return Button(control, text, parent);
    case ControlKind::Picture: return Picture(control, parent);
    case ControlKind::LinkLabel: return LinkLabel(text, shown, parent);
    }
    return new QWidget(parent);
}

// A control in a font of its own (the link label) takes that font and its colour.
void SetOwnFont(QWidget& widget, FontRole role) {
    widget.setFont(platform::FontForRole(role));
    if (const auto colour = FontFor(role).colour) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::WindowText, QColor(colour->r, colour->g, colour->b));
        widget.setPalette(palette);
    }
}

}  // namespace

QString PicturePath(std::string_view name) {
    if (name == "MYBMP") return resources::DipoleSketchPath();
    int id = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
    if (error == std::errc() && end == name.data() + name.size()) return resources::HelpPicturePath(id);
    return {};
}

QWidget* CreateControl(const ControlDefinition& control, const QString& text,
                       const ControlPresentation& shown, QWidget* parent) {
    QWidget* widget = Realise(control, text, shown, parent);
    if (shown.font != FontRole::Dialog && shown.font != FontRole::System) SetOwnFont(*widget, shown.font);
    widget->setGeometry(ToQRect(shown.rect));
    if (shown.behind) widget->lower();
    switch (shown.cursor) {
    case CursorRole::Static: widget->setCursor(StaticControlCursor()); break;
    case CursorRole::Arrow: widget->setCursor(Qt::ArrowCursor); break;
    case CursorRole::Default: break;
    }
    switch (shown.focus) {
    case FocusKind::TabStop: widget->setFocusPolicy(Qt::StrongFocus); break;
    case FocusKind::ClickOnly: widget->setFocusPolicy(Qt::ClickFocus); break;
    case FocusKind::None: break;
    }
    return widget;
}

}  // namespace kalvora
