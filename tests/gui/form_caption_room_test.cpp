// SPDX-License-Identifier: MIT
// The realised one-line static texts too narrow for their texts take the room beside them; how
// far they may grow is the model's rule (model/text_room.h), tested there.
#include <gtest/gtest.h>

#include <QLabel>
#include <vector>

#include "qt/forms/caption_room.h"

namespace kalvora {
namespace {

// The realised texts: a caption grows to its text; a centred text with no room beside it keeps
// its start in view; a text that fits keeps its rectangle and alignment.
TEST(GiveTextsRoom, WidensCaptionsAndAlignsCentredTextsThatStillDoNotFit) {
    QWidget form;
    const QString longText = QStringLiteral("Optická mohutnost čočky (dioptrie) =");
    const ControlDefinition caption{100, ControlKind::Label, "", 0, 0, 0, 0};
    const ControlDefinition centred{118, ControlKind::CentredLabel, "", 0, 0, 0, 0};
    const ControlDefinition fits{101, ControlKind::CentredLabel, "", 0, 0, 0, 0};
    const ControlDefinition blockLeft{1, ControlKind::PushButton, "", 0, 0, 0, 0};
    const ControlDefinition blockRight{2, ControlKind::PushButton, "", 0, 0, 0, 0};
    auto* captionLabel = new QLabel(longText, &form);
    auto* centredLabel = new QLabel(longText, &form);
    centredLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* fitsLabel = new QLabel(QStringLiteral("OK"), &form);
    fitsLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const int textWidth = captionLabel->fontMetrics().horizontalAdvance(longText);
    const std::vector<PlacedControl> controls{{&caption, QRect(10, 10, 40, 16)},
                                              {&centred, QRect(100, 60, 40, 16)},
                                              {&fits, QRect(10, 120, 200, 16)},
                                              {&blockLeft, QRect(80, 60, 20, 16)},
                                              {&blockRight, QRect(140, 60, 20, 16)}};
    const std::vector<QWidget*> widgets{captionLabel, centredLabel, fitsLabel, new QWidget(&form),
                                        new QWidget(&form)};
    GiveTextsRoom(controls, widgets);
    EXPECT_EQ(captionLabel->geometry(), QRect(10, 10, textWidth, 16));
    EXPECT_EQ(centredLabel->geometry(), QRect(100, 60, 40, 16));
    EXPECT_EQ(centredLabel->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(fitsLabel->geometry(), QRect(10, 120, 200, 16));
    EXPECT_EQ(fitsLabel->alignment(), Qt::AlignHCenter | Qt::AlignTop);
}

}  // namespace
}  // namespace kalvora
