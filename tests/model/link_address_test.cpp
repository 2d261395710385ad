// SPDX-License-Identifier: MIT
#include "model/link_address.h"

#include <gtest/gtest.h>

#include "calc/catalogue.h"

namespace kalvora {
namespace {

// A link label that leads nowhere would look clickable and do nothing; any other control with
// an address would open a page where none is shown.
TEST(LinkAddress, EveryLinkLabelLeadsToAWebPageAndNoOtherControlLeadsAnywhere) {
    int links = 0;
    for (const FormDefinition* form : Catalogue()) {
        for (const ControlDefinition& control : form->dialog.controls) {
            const std::string_view address = LinkAddress(*form, control);
            if (control.kind == ControlKind::LinkLabel) {
                ++links;
                EXPECT_EQ(address.rfind("https://", 0), 0u) << form->slug << " " << control.id;
            } else {
                EXPECT_TRUE(address.empty()) << form->slug << " " << control.id;
            }
        }
    }
    EXPECT_GT(links, 0);
}

// The address belongs to the form's article: the same label on a form without it leads nowhere.
TEST(LinkAddress, ALinkLabelLeadsNowhereOnAFormWithoutTheArticle) {
    FormDefinition form = *FindForm("coax-cable-length");
    for (const ControlDefinition& control : form.dialog.controls)
        if (control.kind == ControlKind::LinkLabel) {
            ASSERT_FALSE(LinkAddress(form, control).empty());
            form.behaviours &= ~kArticleLink;
            EXPECT_TRUE(LinkAddress(form, control).empty());
            form.behaviours |= kArticleLink;
        }
}

}  // namespace
}  // namespace kalvora
