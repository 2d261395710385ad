// SPDX-License-Identifier: MIT
#include "model/help_pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/catalogue.h"
#include "model/panel_data.h"
#include "model/shell_data.h"

namespace kalvora {
namespace {

// Every picture id that a form's Help, a field command or a panel label stores.
std::set<int> StoredPictureIds() {
    std::set<int> ids;
    for (const FormDefinition* form : Catalogue())
        if (form->helpBitmapId != 0) ids.insert(form->helpBitmapId);
    for (const FieldCommand& command : kFieldCommands) {
        if (command.helpBitmapId) ids.insert(*command.helpBitmapId);
        for (const PanelLabel& label : PanelFor(command.field).labels)
            if (label.helpBitmapId != 0) ids.insert(label.helpBitmapId);
    }
    return ids;
}

// A picture the help window can show says what it shows; a text for no such picture would be
// one that nothing keeps true.
TEST(HelpPictureTexts, EveryStoredPictureHasATextAndEveryTextAStoredPicture) {
    const std::set<int> stored = StoredPictureIds();
    std::set<int> described;
    for (const HelpPictureText& entry : HelpPictureTexts()) {
        EXPECT_TRUE(described.insert(entry.id).second) << "twice: " << entry.id;
        EXPECT_FALSE(entry.text.empty()) << entry.id;
        EXPECT_EQ(HelpPictureTextOf(entry.id), entry.text);
    }
    EXPECT_EQ(described, stored);
    EXPECT_TRUE(HelpPictureTextOf(0).empty());
}

// Each text says what its picture shows: no two pictures the same, none named by its number.
TEST(HelpPictureTexts, TellPicturesApartByWhatTheyShow) {
    std::set<std::string_view> texts;
    for (const HelpPictureText& entry : HelpPictureTexts()) {
        EXPECT_TRUE(texts.insert(entry.text).second) << entry.id;
        EXPECT_EQ(entry.text.find(std::to_string(entry.id)), std::string_view::npos) << entry.id;
    }
}

}  // namespace
}  // namespace kalvora
