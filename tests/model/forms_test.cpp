// SPDX-License-Identifier: MIT
// What the forms do with OK, Help, Storno, Enter and Esc, the lists that learn typed texts, and
// the liquid-mixing form's hold on the main window.
#include <gtest/gtest.h>

#include "calc/catalogue.h"
#include "model/link_address.h"
#include "model/shell_data.h"
#include "tests/model/program_fixture.h"

namespace kalvora::testing {
namespace {

TEST_F(ProgramTest, OkShowsTheResultAndGivesTheFocusBackWhereTheFormSaysSo) {
    Type("current", 107, "12");
    Type("current", 106, "3");
    PressOk("current");
    EXPECT_EQ(Text("current", 111), "4.00000");
    EXPECT_EQ(program.TakeEffects(), std::vector<Effect>{Effect::FocusOn(Slot("current"), 107)});

    program.ClickLabel(152);  // the capacitor keeps the focus where it is after a result
    program.TakeEffects();
    Type("capacitor-reactance", 107, "50");
    Type("capacitor-reactance", 106, "1e-6");
    PressOk("capacitor-reactance");
    EXPECT_EQ(Text("capacitor-reactance", 111), "3184.71338");
    EXPECT_TRUE(program.TakeEffects().empty());
}

TEST_F(ProgramTest, AnInputErrorIsABoxOwnedByTheFormAndKeepsThePreviousResult) {
    Type("current", 107, "12");
    Type("current", 106, "3");
    PressOk("current");
    Type("current", 106, "0");
    program.TakeEffects();
    PressOk("current");
    EXPECT_EQ(Text("current", 111), "4.00000");
    ASSERT_EQ(program.State().boxes.size(), 1u);
    const WaitingBox box = program.State().boxes[0];
    EXPECT_EQ(box.caption, "chyba");
    EXPECT_EQ(box.text, "Zadejte do pole číslici");
    EXPECT_EQ(box.owner, BoxOwner::Form);
    EXPECT_EQ(box.ownerForm, Slot("current"));
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
    EXPECT_TRUE(program.TakeEffects().empty());
    program.Answer(box.id, BoxAnswer::Ok);
    EXPECT_TRUE(program.State().boxes.empty());
}

TEST_F(ProgramTest, AnInputErrorKeepsEveryResultOfAFormWithSeveral) {
    Open(237, 246);
    Type("buoyancy", 240, "0.002");
    Type("buoyancy", 241, "7800");
    Type("buoyancy", 243, "0.002");
    PressOk("buoyancy");
    ASSERT_TRUE(program.State().boxes.empty());
    const FormDefinition& form = *Form("buoyancy")->definition;
    ASSERT_GE(form.resultIds.size(), 2u);
    std::vector<std::string> shown;
    for (int id : form.resultIds) {
        shown.push_back(Text("buoyancy", id));
        EXPECT_NE(shown.back(), form.dialog.Find(id)->text) << id;
    }
    Type("buoyancy", 240, "x");
    PressOk("buoyancy");
    EXPECT_EQ(program.State().boxes.size(), 1u);
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(Text("buoyancy", form.resultIds[i]), shown[i]);
}

TEST_F(ProgramTest, LiquidMixingMessagesHaveNoOwner) {
    Open(237, 258);
    PressOk("liquid-mixing");
    ASSERT_EQ(program.State().boxes.size(), 1u);
    EXPECT_EQ(program.State().boxes[0].caption, "Error - Zadání:Edit 1");
    EXPECT_EQ(program.State().boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(program.State().boxes[0].owner, BoxOwner::None);
    // Every window stays usable: a second press opens a second box.
    PressOk("liquid-mixing");
    EXPECT_EQ(program.State().boxes.size(), 2u);
    EXPECT_NE(program.State().boxes[0].id, program.State().boxes[1].id);
}

TEST_F(ProgramTest, PresetsAndListsAreInPlaceWhenAFormOpens) {
    Open(223, 299);
    EXPECT_EQ(Text("lens-power", 306), "sklo 1.5");
    EXPECT_EQ(Text("lens-power", 300), "vzduch 1");
    Open(209, 161);
    EXPECT_EQ(Items("active-power", 204),
              (std::vector<std::string>{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}));
    EXPECT_EQ(Text("active-power", 204), "");
    Open(211, 235);  // free fall relabels the resistance template
    EXPECT_EQ(Text("free-fall", 100), "Dráha s (m)");
    EXPECT_EQ(Text("free-fall", 118), "");
    Open(209, 199);
    EXPECT_EQ(Text("resistance", 100), "Odpor R (Ohm)=");
}

TEST_F(ProgramTest, ChoosingAnItemPutsItsTextInTheField) {
    Open(209, 161);
    program.ChooseItem(Slot("active-power"), 204, 7);
    EXPECT_EQ(Text("active-power", 204), "0.8");
    program.ChooseItem(Slot("active-power"), 204, 9);  // no such item
    EXPECT_EQ(Text("active-power", 204), "0.8");
    Type("active-power", 106, "2");
    Type("active-power", 105, "230");
    PressOk("active-power");
    EXPECT_EQ(Text("active-power", 111), "368.00");
}

TEST_F(ProgramTest, TheGravitationListsLearnEveryTextOkReadsOnceIgnoringCase) {
    program.Command(211);
    EXPECT_EQ(Items("gravitation-law", 107),
              (std::vector<std::string>{"Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
    Type("gravitation-law", 107, "abc");
    PressOk("gravitation-law");  // the texts are learnt before the zero test fails
    EXPECT_EQ(Items("gravitation-law", 107),
              (std::vector<std::string>{"abc", "Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
    EXPECT_EQ(Items("gravitation-law", 106).size(), 3u);  // an empty field teaches nothing
    ASSERT_EQ(program.State().boxes.size(), 1u);
    program.Answer(program.State().boxes[0].id, BoxAnswer::Ok);
    PressOk("gravitation-law");  // the same text again
    EXPECT_EQ(Items("gravitation-law", 107).size(), 4u);
    program.Answer(program.State().boxes.at(0).id, BoxAnswer::Ok);

    Type("gravitation-law", 107, "MĚSÍC 7.5E22");
    Type("gravitation-law", 106, "ZEMĚ 6E24");
    Type("gravitation-law", 105, "Čtvrť 4e8");
    PressOk("gravitation-law");
    EXPECT_EQ(Items("gravitation-law", 107).size(), 4u);
    EXPECT_EQ(Items("gravitation-law", 106).size(), 3u);
    EXPECT_EQ(Items("gravitation-law", 105),
              (std::vector<std::string>{"Čtvrť 4e8", "Slunce Země 1.5e11", "Země Měsíc 3.8e8"}));
    EXPECT_EQ(Text("gravitation-law", 111), "1.88e+020");
    // The learnt items live as long as the form.
    program.Command(211);
    EXPECT_EQ(Items("gravitation-law", 105).size(), 2u);
}

TEST_F(ProgramTest, HelpStoresTheFormsPictureOrShowsTheOneItsOpenerStored) {
    struct Case {
        int fieldCommand, label;
        const char* form;
        int picture;
    };
    for (const Case& c :
         {Case{209, 150, "current", 2002}, Case{209, 151, "coil-reactance", 2005},
          Case{211, 214, "gravitation-law", 2000}, Case{211, 229, "gravitational-acceleration", 234},
          Case{211, 235, "free-fall", 2001}, Case{223, 299, "lens-power", 2009},
          Case{257, 254, "coax-cable-length", 2011}}) {
        Open(c.fieldCommand, c.label);
        program.PressButton(Slot(c.form), 230);
        EXPECT_TRUE(program.State().helpWindowOpen) << c.form;
        EXPECT_EQ(program.State().HelpBitmapId, c.picture) << c.form;
    }
}

TEST_F(ProgramTest, FormsWithoutHelpLeaveTheHelpWindowClosed) {
    for (const auto& [fieldCommand, label, form] :
         {std::tuple{237, 246, "buoyancy"}, std::tuple{237, 258, "liquid-mixing"},
          std::tuple{257, 252, "half-wave-dipole"}}) {
        Open(fieldCommand, label);
        program.PressButton(Slot(form), 230);
        EXPECT_FALSE(program.State().helpWindowOpen) << form;
    }
}

TEST_F(ProgramTest, TheHelpWindowOpensOnceAndClosesWithStornoOrAnyOpening) {
    program.PressButton(Slot("current"), 230);
    const int serial = program.State().helpWindowSerial;
    program.PressButton(Slot("current"), 230);
    EXPECT_EQ(program.State().helpWindowSerial, serial);
    EXPECT_EQ(EffectKinds(), std::vector<EffectKind>{EffectKind::RaiseHelpWindow});

    program.PressButton(Slot("current"), 2);
    EXPECT_FALSE(program.State().helpWindowOpen);
    EXPECT_FALSE(Form("current")->visible);

    program.ClickLabel(150);
    program.PressButton(Slot("current"), 230);
    program.ClickLabel(198);  // opening a topic closes it too
    EXPECT_FALSE(program.State().helpWindowOpen);

    program.PressButton(Slot("voltage"), 230);
    program.CloseHelpWindow();
    EXPECT_FALSE(program.State().helpWindowOpen);
    program.PressButton(Slot("voltage"), 230);
    EXPECT_NE(program.State().helpWindowSerial, serial);
}

TEST_F(ProgramTest, EnterPressesTheFocusedButtonOrElseTheDefaultOne) {
    Type("current", 107, "12");
    Type("current", 106, "3");
    program.PressEnter(Slot("current"), 106);
    EXPECT_EQ(Text("current", 111), "4.00000");
    program.PressEnter(Slot("current"), 230);  // on Help
    EXPECT_TRUE(program.State().helpWindowOpen);
    program.PressEnter(Slot("current"), 2);  // on Storno
    EXPECT_FALSE(Form("current")->visible);

    Open(237, 258);  // no default button: Enter is OK
    program.PressEnter(Slot("liquid-mixing"), 1202);
    EXPECT_EQ(program.State().boxes.size(), 1u);
}

TEST_F(ProgramTest, TheLensFormComputesOnEnterAndIgnoresEsc) {
    program.Command(223);
    Type("lens-power", 301, "0.1");
    Type("lens-power", 302, "0.1");
    program.PressEnter(Slot("lens-power"), 302);
    EXPECT_EQ(Text("lens-power", 111), "10.000");
    program.PressEscape(Slot("lens-power"));
    EXPECT_TRUE(Form("lens-power")->visible);
    program.PressButton(Slot("lens-power"), 1);  // not its OK
    program.PressButton(Slot("lens-power"), 227);
    EXPECT_FALSE(Form("lens-power")->visible);
}

TEST_F(ProgramTest, TheCoaxLinkOpensTheArticleMaximisedOnEveryClick) {
    Open(257, 254);
    program.TakeEffects();
    program.PressButton(Slot("coax-cable-length"), 256);
    program.PressButton(Slot("coax-cable-length"), 256);
    const std::vector<Effect> effects = program.TakeEffects();
    ASSERT_EQ(effects.size(), 2u);
    const FormDefinition& coax = *FindForm("coax-cable-length");
    for (const Effect& effect : effects) {
        EXPECT_EQ(effect.kind, EffectKind::OpenAddress);
        EXPECT_TRUE(effect.maximised);
        EXPECT_EQ(effect.address, LinkAddress(coax, *coax.dialog.Find(256)));
    }
}

TEST_F(ProgramTest, LiquidMixingWidensTheWindowAndStornoRestoresItExactly) {
    const Rect moved{300, 120, 900, 730};
    program.MainWindowMoved(moved);
    Open(237, 258);
    const Rect widened = Rect::FromSize(300, 120, 660, 690);  // as high as the old bottom edge less 40
    EXPECT_EQ(program.State().mainWindow, widened);
    std::vector<Effect> effects = program.TakeEffects();
    EXPECT_NE(std::find(effects.begin(), effects.end(), Effect::Move(widened)), effects.end());

    program.PressEscape(Slot("liquid-mixing"));
    EXPECT_EQ(program.State().mainWindow, moved);
    effects = program.TakeEffects();
    EXPECT_EQ(effects, std::vector<Effect>{Effect::Move(moved)});

    // Leaving the form by opening another keeps the window as it is.
    program.ClickLabel(258);
    program.ClickLabel(248);
    EXPECT_EQ(program.State().mainWindow, widened);
    // The next opening records the window of that moment.
    program.ClickLabel(258);
    program.PressEscape(Slot("liquid-mixing"));
    EXPECT_EQ(program.State().mainWindow, widened);
}

// Moved to a display of another scale while widened: the window takes the suggested rectangle,
// and Storno gives back the size it had before widening, in the new scale, where it now stands.
TEST_F(ProgramTest, AScaleChangeWhileWidenedRestoresTheOldSizeInTheNewScale) {
    const Rect before = program.State().mainWindow;
    Open(237, 258);
    program.TakeEffects();
    const Rect suggested = Rescaled(program.State().mainWindow, kBaseDpi, 144, 1300, 60);
    program.DisplayScaleChanged(144, suggested);
    EXPECT_EQ(program.State().mainWindow, suggested);
    EXPECT_EQ(program.TakeEffects(), std::vector<Effect>{Effect::Move(suggested)});
    program.PressEscape(Slot("liquid-mixing"));
    const Rect restored = Rescaled(before, kBaseDpi, 144, suggested.left, suggested.top);
    EXPECT_EQ(program.TakeEffects(), std::vector<Effect>{Effect::Move(restored)});
    // Widened again at the new scale: the widening's own lengths are scaled too.
    program.ClickLabel(258);
    EXPECT_EQ(program.State().mainWindow, WidenedWindowRect(restored, 144));
}

TEST_F(ProgramTest, TheActiveCalculatorIsTheFormThatLastHeardFromTheUser) {
    program.ClickLabel(198);
    EXPECT_EQ(program.State().activeForm, Slot("voltage"));
    program.PressEscape(Slot("voltage"));
    EXPECT_EQ(program.State().activeForm, Slot("voltage"));  // hidden, still the last one
    program.ClickLabel(169);  // the voltage-drop form is an active calculator like the others
    EXPECT_EQ(program.State().activeForm, Slot("voltage-drop"));
}

}  // namespace
}  // namespace kalvora::testing
