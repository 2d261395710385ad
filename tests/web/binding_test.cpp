// SPDX-License-Identifier: MIT
// The browser binding's JSON: escaping, structure, and the state and effects the view reads
// after events.
#include <gtest/gtest.h>

#include <string>

#include "calc/catalogue.h"
#include "model/help_pictures.h"
#include "model/program.h"
#include "web/binding/changes_json.h"
#include "web/binding/json_writer.h"
#include "web/binding/program_json.h"

namespace kalvora::web {
namespace {

TEST(JsonQuoted, EscapesWhatJsonRequiresAndKeepsUtf8) {
    const struct {
        std::string text;
        std::string quoted;
    } cases[] = {
        {"", R"("")"},
        {"Proud I (Amper) =", R"("Proud I (Amper) =")"},
        {"za číslem \"9\"", R"("za číslem \"9\"")"},
        {"a\\b", R"("a\\b")"},
        {"Není\nNinstalujte", R"("Není\nNinstalujte")"},
        {"tab\there\r", R"("tab\there\r")"},
        {std::string("nul\0x\x01\x1f", 7), R"("nul\u0000x\u0001\u001f")"},
        {"\x7f\xff", "\"\x7f\xff\""},
    };
    for (const auto& c : cases) EXPECT_EQ(Quoted(c.text), c.quoted) << c.text;
}

TEST(JsonWriterTest, SeparatesMembersAndElementsInNestedValues) {
    JsonWriter json;
    json.BeginObject()
        .Member("a", 1)
        .Key("b")
        .BeginArray()
        .Int(-2)
        .Bool(true)
        .Null()
        .BeginObject()
        .EndObject();
    json.BeginArray().EndArray().EndArray().Member("c", std::string_view("x")).Member("d", false).EndObject();
    EXPECT_EQ(json.Text(), R"({"a":1,"b":[-2,true,null,{},[]],"c":"x","d":false})");
}

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(ProgramJson, StateShowsResultsAndUnknownMemory) {
    Program program;
    program.Start({});
    const int slot = program.SlotOf("current");
    program.EditText(slot, 107, "12");
    program.EditText(slot, 106, "3");
    program.PressButton(slot, 1);
    const std::string state = StateJson(program.State(), program.Forms());
    EXPECT_TRUE(Contains(state, R"({"text":"12"})")) << state;
    EXPECT_TRUE(Contains(state, R"({"text":"3"})")) << state;
    EXPECT_TRUE(Contains(state, R"({"text":"4.00000"})")) << state;
    EXPECT_TRUE(
        Contains(state, R"("totalMemoryText":"RAM CELKEM = ? KB","availableMemoryText":"VOLNE =? KB")"))
        << state;
}

// The page is told each change once: the windows of the start, a form's box to open over the
// window, then to close once answered.
TEST(ShownOnPageTest, TellsEachChangeOnce) {
    Program program;
    program.Start({});
    ShownOnPage page;
    const int slot = program.SlotOf("current");
    const std::string start = page.Changes(program.State());
    EXPECT_TRUE(Contains(start, R"("createPanel":true)")) << start;
    EXPECT_TRUE(Contains(start, R"("showForms":[)" + std::to_string(slot) + "]")) << start;
    EXPECT_FALSE(Contains(page.Changes(program.State()), "true")) << "nothing changed";

    program.EditText(slot, 106, "0");
    program.PressButton(slot, 1);
    const int box = program.State().boxes.at(0).id;
    const std::string opened = page.Changes(program.State());
    EXPECT_TRUE(Contains(opened, R"("caption":"chyba","text":"Zadejte do pole číslici")")) << opened;
    EXPECT_TRUE(Contains(opened, R"("modal":true)")) << opened;
    EXPECT_FALSE(Contains(page.Changes(program.State()), "chyba")) << "opened once";
    program.Answer(box, BoxAnswer::Ok);
    EXPECT_TRUE(Contains(page.Changes(program.State()), R"("closeBoxes":[)" + std::to_string(box) + "]"));
}

TEST(ProgramJson, EffectsCarryTheirDetails) {
    Program program;
    program.Start({0, 0, 1024, std::nullopt, true});
    program.TakeEffects();
    program.Command(1604);    // gases and liquids
    program.ClickLabel(258);  // liquid mixing widens the main window
    program.Command(1610);
    const std::string effects = EffectsJson(program.TakeEffects());
    EXPECT_TRUE(Contains(
        effects, R"({"kind":"moveMainWindow"})"))
        << effects;
    EXPECT_TRUE(Contains(effects, R"({"kind":"openAddress","address":"mailto:)")) << effects;
    EXPECT_TRUE(Contains(effects, R"({"kind":"refreshMemory"})")) << effects;
}

TEST(ProgramJson, StaticDataHoldsEveryFormAndPanel) {
    const std::string data = StaticDataJson(Catalogue());
    for (const FormDefinition* form : Catalogue())
        EXPECT_TRUE(Contains(data, "\"slug\":\"" + std::string(form->slug) + "\"")) << form->slug;
    EXPECT_TRUE(Contains(data, R"("background":[255,0,0],"labelText":[255,255,0],"gradient":true)"));
    EXPECT_TRUE(Contains(data, R"("separators":[6,9,12])"));
    for (const HelpPictureText& picture : HelpPictureTexts())
        EXPECT_TRUE(Contains(data, "\"" + std::to_string(picture.id) + "\":" + Quoted(picture.text))) << picture.id;
}

}  // namespace
}  // namespace kalvora::web
