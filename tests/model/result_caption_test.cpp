// SPDX-License-Identifier: MIT
// The caption that names a result for a screen reader.
#include <gtest/gtest.h>

#include <string_view>

#include "calc/catalogue.h"
#include "model/result_caption.h"

namespace kalvora {
namespace {

// Each result of every form is named by a caption, and these are the ones a reader expects.
TEST(ResultCaptionTest, NamesEveryResultOfEveryForm) {
    for (const FormDefinition* form : Catalogue())
        for (int id : form->resultIds) {
            const ControlDefinition* result = form->dialog.Find(id);
            ASSERT_NE(result, nullptr) << form->slug;
            EXPECT_NE(ResultCaption(*form, *result), nullptr) << form->slug << " " << id;
        }
    const struct {
        std::string_view slug;
        int resultId;
        std::string_view caption;
    } cases[] = {
        {"current", 111, "Proud I (Amper) ="},
        {"liquid-mixing", 1205, "Celkový objem roztoku:"},
        {"liquid-mixing", 1200, "Množství přidaných litrů pro vznik roztoku určených vlastností:"},
    };
    for (const auto& c : cases) {
        const FormDefinition& form = *FindForm(c.slug);
        const ControlDefinition* caption = ResultCaption(form, *form.dialog.Find(c.resultId));
        ASSERT_NE(caption, nullptr) << c.slug;
        EXPECT_EQ(form.InitialText(*caption), c.caption) << c.slug;
    }
}

}  // namespace
}  // namespace kalvora
