// SPDX-License-Identifier: MIT
// How far a one-line static text too narrow for its text may grow into the room beside it.
#include "model/text_room.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace kalvora {
namespace {

struct RoomCase {
    const char* name;
    bool centred;
    std::vector<ControlPlace> others;  // besides the text
    int textWidth;
    Rect rect;  // the text's rectangle afterwards

    friend void PrintTo(const RoomCase& c, std::ostream* os) { *os << c.name; }
};

// The text under test: 100 pixels wide at 20, 40, 16 high (x 20 to 119).
const ControlPlace kText{ControlKind::Label, Rect::FromSize(20, 40, 100, 16)};
constexpr int kGap = 3;

ControlPlace Place(ControlKind kind, int x, int y, int width, int height) {
    return {kind, Rect::FromSize(x, y, width, height)};
}
ControlPlace ResultAt(int x) {
    return Place(ControlKind::ResultField, x, 38, 90, 20);
}

class TextRoomTest : public ::testing::TestWithParam<RoomCase> {};

TEST_P(TextRoomTest, GrowsIntoTheFreeRoomBesideIt) {
    const RoomCase& c = GetParam();
    std::vector<ControlPlace> controls{kText};
    controls.insert(controls.end(), c.others.begin(), c.others.end());
    const Rect got = TextRoom(controls, 0, c.textWidth, kGap, c.centred);
    EXPECT_EQ(got, c.rect) << got.left << "," << got.top << " " << got.width() << "x" << got.height();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextRoomTest,
    ::testing::Values(
        RoomCase{"TextFits", false, {}, 90, Rect::FromSize(20, 40, 100, 16)},
        RoomCase{"TextFitsExactly", false, {}, 100, Rect::FromSize(20, 40, 100, 16)},
        RoomCase{"NothingBesideIt", false, {}, 140, Rect::FromSize(20, 40, 140, 16)},
        // a result field on its row: up to kGap pixels before it (x 150 - 3 = 147)
        RoomCase{"ResultFarRight", false, {ResultAt(200)}, 140, Rect::FromSize(20, 40, 140, 16)},
        RoomCase{"ResultClose", false, {ResultAt(150)}, 140, Rect::FromSize(20, 40, 127, 16)},
        // a control right beside it leaves no room
        RoomCase{"ResultAdjacent", false, {ResultAt(121)}, 140, Rect::FromSize(20, 40, 100, 16)},
        // controls on other rows do not count
        RoomCase{"EditBelow",
                 false,
                 {Place(ControlKind::Edit, 130, 57, 90, 20)},
                 140,
                 Rect::FromSize(20, 40, 140, 16)},
        RoomCase{"EditAbove",
                 false,
                 {Place(ControlKind::Edit, 130, 10, 90, 30)},
                 140,
                 Rect::FromSize(20, 40, 140, 16)},
        // a group box around it: inside its frame (right edge 149 - 3 = 146)
        RoomCase{"InsideGroupBox",
                 false,
                 {Place(ControlKind::GroupBox, 10, 20, 140, 60)},
                 140,
                 Rect::FromSize(20, 40, 127, 16)},
        RoomCase{"GroupBoxElsewhere",
                 false,
                 {Place(ControlKind::GroupBox, 10, 100, 100, 60)},
                 140,
                 Rect::FromSize(20, 40, 140, 16)},
        RoomCase{"NearestLimitWins",
                 false,
                 {Place(ControlKind::GroupBox, 10, 20, 200, 60), ResultAt(160)},
                 200,
                 Rect::FromSize(20, 40, 137, 16)},
        // centred: both sides alike, the odd pixel on both
        RoomCase{"CentredNothingBeside", true, {}, 110, Rect::FromSize(15, 40, 110, 16)},
        RoomCase{"CentredOddMissing", true, {}, 105, Rect::FromSize(17, 40, 106, 16)},
        // centred, limited by the nearer side: a control on its row to its left ends at 9
        RoomCase{"CentredLimitedLeft",
                 true,
                 {Place(ControlKind::PushButton, 0, 40, 10, 16)},
                 140,
                 Rect::FromSize(13, 40, 114, 16)},
        RoomCase{"CentredLimitedByGroup",
                 true,
                 {Place(ControlKind::GroupBox, 15, 20, 200, 60)},
                 140,
                 Rect::FromSize(18, 40, 104, 16)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextRoomKinds, OnlyStaticTextsTakeRoom) {
    for (ControlKind kind : {ControlKind::Label, ControlKind::CentredLabel, ControlKind::LinkLabel})
        EXPECT_TRUE(TakesTextRoom(kind));
    for (ControlKind kind : {ControlKind::SunkenLabel, ControlKind::GroupBox, ControlKind::ResultField,
                             ControlKind::Edit, ControlKind::PushButton, ControlKind::Picture})
        EXPECT_FALSE(TakesTextRoom(kind));
}

}  // namespace
}  // namespace kalvora
