// SPDX-License-Identifier: MIT
// Which toolbar strip the program takes among the candidate files.
#include "model/toolbar_strip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvora {
namespace {

TEST(ToolbarStripChoice, UsableStripsHaveElevenImagesNoTallerThanWide) {
    struct Row {
        PictureSize size;
        bool usable;
    };
    for (const Row& row : {Row{{352, 32}, true},   // the delivered strip
                           Row{{357, 20}, true},   // width not a multiple of eleven, wide images
                           Row{{11, 1}, true},     // the smallest
                           Row{{704, 64}, true},   // the tallest
                           Row{{715, 65}, false},  // too tall for the window
                           Row{{10, 1}, false},    // narrower than eleven pixels
                           Row{{351, 32}, false},  // images 31 x 32: taller than wide
                           Row{{640, 480}, false}, Row{{32, 32}, false},  // a single icon
                           Row{{352, 0}, false}}) {
        SCOPED_TRACE(std::to_string(row.size.width) + " x " + std::to_string(row.size.height));
        EXPECT_EQ(IsUsableToolbarStrip(row.size), row.usable);
    }
}

TEST(ToolbarStripChoice, FirstUsableCandidateInSearchOrderWins) {
    using Candidates = std::vector<std::optional<PictureSize>>;
    const std::optional<PictureSize> none;  // missing, or no picture
    const PictureSize good{352, 32}, wrong{640, 480};
    struct Row {
        const char* name;
        Candidates candidates;
        std::optional<std::size_t> chosen;
    };
    for (const Row& row :
         {Row{"the first", {good, good}, 0}, Row{"after a missing one", {none, good}, 1},
          Row{"after a wrong size", {wrong, none, good}, 2},
          Row{"none usable", {wrong, none, wrong}, std::nullopt}, Row{"no candidates", {}, std::nullopt}}) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ChooseToolbarStrip(row.candidates), row.chosen);
    }
}

TEST(ToolbarStripChoice, TheDoubleStripIsTheExactTwinBesideTheChosenStrip) {
    using Candidates = std::vector<std::optional<PictureSize>>;
    const std::optional<PictureSize> none;
    const PictureSize good{352, 32}, twin{704, 64}, wrong{640, 480};
    struct Row {
        Candidates strips, doubles;
        std::optional<std::size_t> chosen;
    };
    for (const Row& row :
         {Row{{good, good}, {twin, twin}, 0}, Row{{wrong, good}, {none, twin}, 1},
          Row{{good, none}, {none, twin}, std::nullopt},  // not beside the chosen
          Row{{wrong, good}, {twin, none}, std::nullopt}, Row{{good}, {PictureSize{703, 64}}, std::nullopt},
          Row{{none, wrong}, {twin, twin}, std::nullopt}, Row{{none, good}, {none}, std::nullopt}})
        EXPECT_EQ(ChooseDoubleToolbarStrip(row.strips, row.doubles), row.chosen);
}

}  // namespace
}  // namespace kalvora
