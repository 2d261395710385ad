// SPDX-License-Identifier: MIT
// How far a one-line static text too narrow for its text may grow into the room beside it.
#include <gtest/gtest.h>

#include <QLabel>
#include <ostream>
#include <vector>

#include "forms/caption_room.h"

namespace kalvora {
namespace {

struct RoomCase {
    const char* name;
    bool centred;
    std::vector<ControlDefinition> others;  // besides the text, in pixels
    int textWidth;
    QRect rect;  // the text's rectangle afterwards

    friend void PrintTo(const RoomCase& c, std::ostream* os) { *os << c.name; }
};

// The text under test: 100 pixels wide at 20, 40, 16 high (x 20 to 119).
const ControlDefinition kText{100, ControlKind::Label, "Optická mohutnost =", 20, 40, 100, 16};
constexpr int kGap = 3;

class TextRoomTest : public ::testing::TestWithParam<RoomCase> {};

TEST_P(TextRoomTest, GrowsIntoTheFreeRoomBesideIt) {
    const RoomCase& c = GetParam();
    std::vector<PlacedControl> controls{{&kText, QRect(kText.x, kText.y, kText.cx, kText.cy)}};
    for (const ControlDefinition& other : c.others)
        controls.push_back({&other, QRect(other.x, other.y, other.cx, other.cy)});
    EXPECT_EQ(TextRect(controls, controls[0], c.textWidth, kGap, c.centred), c.rect);
}

const ControlDefinition kResultAt(int x) {
    return {111, ControlKind::ResultField, "0.00", x, 38, 90, 20};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextRoomTest,
    ::testing::Values(
        RoomCase{"TextFits", false, {}, 90, {20, 40, 100, 16}},
        RoomCase{"TextFitsExactly", false, {}, 100, {20, 40, 100, 16}},
        RoomCase{"NothingBesideIt", false, {}, 140, {20, 40, 140, 16}},
        // a result field on its row: up to kGap pixels before it (x 150 - 3 = 147)
        RoomCase{"ResultFarRight", false, {kResultAt(200)}, 140, {20, 40, 140, 16}},
        RoomCase{"ResultClose", false, {kResultAt(150)}, 140, {20, 40, 127, 16}},
        // a control right beside it leaves no room
        RoomCase{"ResultAdjacent", false, {kResultAt(121)}, 140, {20, 40, 100, 16}},
        // controls on other rows do not count
        RoomCase{"EditBelow", false, {{306, ControlKind::Edit, "", 130, 57, 90, 20}}, 140, {20, 40, 140, 16}},
        RoomCase{"EditAbove", false, {{306, ControlKind::Edit, "", 130, 10, 90, 30}}, 140, {20, 40, 140, 16}},
        // a group box around it: inside its frame (right edge 149 - 3 = 146)
        RoomCase{"InsideGroupBox",
                 false,
                 {{116, ControlKind::GroupBox, "Výsledek", 10, 20, 140, 60}},
                 140,
                 {20, 40, 127, 16}},
        RoomCase{"GroupBoxElsewhere",
                 false,
                 {{116, ControlKind::GroupBox, "Zadání", 10, 100, 100, 60}},
                 140,
                 {20, 40, 140, 16}},
        RoomCase{"NearestLimitWins",
                 false,
                 {{116, ControlKind::GroupBox, "Výsledek", 10, 20, 200, 60}, kResultAt(160)},
                 200,
                 {20, 40, 137, 16}},
        // centred: both sides alike, the odd pixel on both
        RoomCase{"CentredNothingBeside", true, {}, 110, {15, 40, 110, 16}},
        RoomCase{"CentredOddMissing", true, {}, 105, {17, 40, 106, 16}},
        // centred, limited by the nearer side: a control on its row to its left ends at 9
        RoomCase{"CentredLimitedLeft",
                 true,
                 {{1, ControlKind::PushButton, "OK", 0, 40, 10, 16}},
                 140,
                 {13, 40, 114, 16}},
        RoomCase{"CentredLimitedByGroup",
                 true,
                 {{116, ControlKind::GroupBox, "", 15, 20, 200, 60}},
                 140,
                 {18, 40, 104, 16}}),
    [](const auto& info) { return std::string(info.param.name); });

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
