// SPDX-License-Identifier: MIT
// A control's widget takes what the model presents (the rules are tested in the model). Cursors,
// focus policies and the typing limit are seen through real forms in form_variants_test.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "qt/forms/control_factory.h"
#include "qt/forms/qt_rect.h"

namespace kalvora {
namespace {

TEST(ControlRealisation, WidgetsTakePlaceAlignmentWrappingListRowsFontAndStacking) {
    QWidget form;
    ControlPresentation shown;
    shown.rect = Rect::FromSize(3, 7, 60, 30);
    shown.alignment = HorizontalAlignment::Centre;
    shown.wraps = true;
    auto* label =
        qobject_cast<QLabel*>(CreateControl({-1, ControlKind::CentredLabel, ""}, "a", shown, &form));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), ToQRect(shown.rect));
    EXPECT_EQ(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_TRUE(label->wordWrap());

    shown.listRows = 3;
    auto* combo = qobject_cast<QComboBox*>(CreateControl({5, ControlKind::ComboBox, ""}, "", shown, &form));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->geometry(), ToQRect(shown.rect));
    EXPECT_EQ(combo->maxVisibleItems(), shown.listRows);

    shown.font = FontRole::Link;
    shown.cursor = CursorRole::Arrow;
    QWidget* link = CreateControl({9, ControlKind::LinkLabel, ""}, "b", shown, &form);
    const Rgb red = *FontFor(FontRole::Link).colour;
    EXPECT_EQ(link->font().pixelSize(), FontFor(FontRole::Link).pixels);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(red.r, red.g, red.b));
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

    shown.behind = true;
    QWidget* group = CreateControl({116, ControlKind::GroupBox, ""}, "c", shown, &form);
    EXPECT_EQ(form.children().first(), group) << "kept behind the controls created before it";
}

}  // namespace
}  // namespace kalvora
