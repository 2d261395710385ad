// SPDX-License-Identifier: MIT
// The panels' data: every form is reached from its panel, and the electrical panel's gradient.
#include "model/panel_data.h"

#include <gtest/gtest.h>

#include "calc/catalogue.h"

namespace kalvora {
namespace {

// Every form of the catalogue is reached from exactly one label of its field's panel.
TEST(PanelData, EveryCatalogueFormHasOneLabel) {
    for (const FormDefinition* form : Catalogue()) {
        int labels = 0;
        for (const PanelLabel& label : PanelFor(form->field).labels)
            if (label.action == LabelAction::OpenForm && label.target == form->title) ++labels;
        EXPECT_EQ(labels, 1) << form->slug;
    }
}

TEST(GradientRed, WrapsAtTheLowByte) {
    struct Row {
        int y, red;
    };
    for (const Row row :
         {Row{0, 255}, Row{1, 255}, Row{2, 254}, Row{3, 254}, Row{100, 205}, Row{509, 1}, Row{510, 0},
          Row{511, 0}, Row{512, 255}, Row{514, 254}, Row{1023, 0}, Row{1024, 255}})
        EXPECT_EQ(GradientRed(row.y), row.red) << "row " << row.y;
}

// Spread over a panel of any height: the desktop's first run from full red to black, once, with
// no row brighter than the one above it.
TEST(GradientRed, StretchedOverAPanelRunsOnceFromRedToBlack) {
    for (const int height : {2, 300, 511, 512, 513, 900, 1400}) {
        EXPECT_EQ(StretchedGradientRed(0, height), GradientRed(0)) << height;
        EXPECT_EQ(StretchedGradientRed(height - 1, height), GradientRed(511)) << height;
        for (int row = 1; row < height; ++row)
            ASSERT_LE(StretchedGradientRed(row, height), StretchedGradientRed(row - 1, height)) << height << " " << row;
    }
}

}  // namespace
}  // namespace kalvora
