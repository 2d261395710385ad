// SPDX-License-Identifier: MIT
// A control's widget takes what the model presents (model/control_presentation.h, where the rules
// are tested): one check per attribute the view carries over.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "qt/forms/control_factory.h"
#include "qt/forms/qt_rect.h"
#include "qt/forms/static_cursor.h"

namespace kalvora {
namespace {

ControlPresentation At(int x, HorizontalAlignment alignment, FocusKind focus = FocusKind::None) {
    ControlPresentation shown;
    shown.rect = Rect::FromSize(x, 7, 60, 30);
    shown.alignment = alignment;
    shown.focus = focus;
    return shown;
}

TEST(ControlRealisation, WidgetsTakePlaceAlignmentWrappingCursorFocusLimitRowsAndFont) {
    QWidget form;
    ControlPresentation text = At(3, HorizontalAlignment::Centre);
    text.wraps = true;
    text.cursor = CursorRole::Static;
    auto* label = qobject_cast<QLabel*>(CreateControl({-1, ControlKind::CentredLabel, ""}, "a", text, &form));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), ToQRect(text.rect));
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->cursor().shape(), StaticControlCursor().shape());

    ControlPresentation typed = At(70, HorizontalAlignment::Left, FocusKind::ClickOnly);
    typed.stopsAtWidth = true;
    auto* edit = qobject_cast<QLineEdit*>(CreateControl({7, ControlKind::Edit, ""}, "", typed, &form));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_NE(edit->validator(), nullptr);
    EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus);

    ControlPresentation list = At(140, HorizontalAlignment::Left, FocusKind::TabStop);
    list.listRows = 3;
    auto* combo = qobject_cast<QComboBox*>(CreateControl({5, ControlKind::ComboBox, ""}, "", list, &form));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->geometry(), ToQRect(list.rect));
    EXPECT_EQ(combo->maxVisibleItems(), list.listRows);
    EXPECT_EQ(combo->lineEdit()->validator(), nullptr);
    EXPECT_EQ(combo->focusPolicy(), Qt::StrongFocus);

    ControlPresentation link = At(210, HorizontalAlignment::Centre);
    link.font = FontRole::Link;
    link.cursor = CursorRole::Arrow;
    QWidget* notify = CreateControl({9, ControlKind::LinkLabel, ""}, "b", link, &form);
    EXPECT_EQ(notify->font().pixelSize(), FontFor(FontRole::Link).pixels);
    const Rgb red = *FontFor(FontRole::Link).colour;
    EXPECT_EQ(notify->palette().color(QPalette::WindowText), QColor(red.r, red.g, red.b));
    EXPECT_EQ(notify->cursor().shape(), Qt::ArrowCursor);

    ControlPresentation frame = At(0, HorizontalAlignment::Left);
    frame.behind = true;
    QWidget* group = CreateControl({116, ControlKind::GroupBox, ""}, "c", frame, &form);
    EXPECT_EQ(form.children().first(), group) << "kept behind the controls created before it";
}

}  // namespace
}  // namespace kalvora
