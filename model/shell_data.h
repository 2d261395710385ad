// SPDX-License-Identifier: MIT
// The main window's fixed data: command ids, the six field commands, the toolbar, the menu and
// the program's own texts. Every view builds its windows from these tables.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/form_definition.h"

namespace kalvora {

namespace command {
inline constexpr int kEnd = 109;
inline constexpr int kAbout = 112;
inline constexpr int kElectrical = 1600;  // the six field buttons are 1600 to 1605
inline constexpr int kHelp = 1606;
inline constexpr int kOnlineHelp = 1607;
inline constexpr int kTextEditor = 1608;
inline constexpr int kCalculator = 1609;
inline constexpr int kMail = 1610;
}  // namespace command

// One field command: its menu item and toolbar button, the picture it stores for the help
// window (if any), and the form it opens beside the field's panel.
struct FieldCommand {
    Field field;
    int menuId;
    int buttonId;
    std::optional<int> helpBitmapId;
    std::string_view firstFormSlug;
    std::string_view menuText;
    std::string_view name;  // for object names in the views
};

inline constexpr std::array<FieldCommand, 6> kFieldCommands{{
    {Field::Electrical, 209, 1600, 2002, "current", "Elektro(&E)", "Electrical"},
    {Field::Thermal, 177, 1601, std::nullopt, "wall-thermal-resistance", "Termo(&T)", "Thermal"},
    {Field::Mechanics, 211, 1602, 2000, "gravitation-law", "Mechanika(&M)", "Mechanics"},
    {Field::Optics, 223, 1603, std::nullopt, "lens-power", "Optika(&O)", "Optics"},
    {Field::GasesAndLiquids, 237, 1604, std::nullopt, "aerodynamic-drag", "Mechanika plynů a kapalin(&P)",
     "GasesAndLiquids"},
    {Field::Antenna, 257, 1605, std::nullopt, "half-wave-dipole", "Anténa(&A)", "Antenna"},
}};

// The field command with this menu or button id, or nullptr.
const FieldCommand* FindFieldCommand(int id);

struct ToolbarButton {
    int commandId;
    std::string_view name;  // for object names in the views
    std::string_view toolTip;
    std::string_view shortText;  // shown on the button when the strip is missing
};

// Buttons in strip order: button i shows image i of the strip and sends command 1600 + i.
inline constexpr std::array<ToolbarButton, 11> kToolbarButtons{{
    {1600, "toolbarElectrical", "Elektro výpočty", "El"},
    {1601, "toolbarThermal", "Termo výpočty", "Te"},
    {1602, "toolbarMechanics", "Mechanika", "Me"},
    {1603, "toolbarOptics", "Optika", "Op"},
    {1604, "toolbarGasesAndLiquids", "Mechanika plynů a kapalin", "Pl"},
    {1605, "toolbarAntenna", "Antény", "An"},
    {1606, "toolbarHelp", "Help", "?"},
    {1607, "toolbarOnlineHelp", "Online nápověda", "www"},
    {1608, "toolbarTextEditor", "Poznámkový blok", "Txt"},
    {1609, "toolbarCalculator", "Kalkulator", "Kal"},
    {1610, "toolbarMail", "Mail to me", "@"},
}};

// The separators are inserted after the eleven buttons, one after another at these positions.
inline constexpr std::array<int, 3> kSeparatorPositions{6, 9, 12};

// The size of one strip picture when the strip is missing and the buttons show short texts.
inline constexpr int kToolbarImageSize = 32;

struct MenuItem {
    int id;
    std::string_view text;  // '&' marks the mnemonic
    std::string name;       // for object names in the views
};

// A popup of the menu bar. The topics popup has no fixed items: it lists the labels of the
// panel on screen, the topics with the shortcuts of TopicShortcutDigit (model/panel_data.h).
struct MenuPopup {
    std::string_view title;
    std::string_view name;
    std::vector<MenuItem> items;
    bool topics = false;
};

// The menu bar from left to right.
const std::vector<MenuPopup>& MainMenu();

// The program's own texts.
namespace text {
inline constexpr std::string_view kProgramTitle = "Kalvora 5.0.9";
inline constexpr std::string_view kCloseQuestion = "Přejete si ukončit?";
inline constexpr std::string_view kStripMissing =
    "Není ve složce programu toolbarXXX.bmp\nNinstalujte orginal i s toolbar bitmapou";
inline constexpr std::string_view kHelpWindowTitle = "Nápověda k tématu";
inline constexpr std::string_view kHelp =
    "Z menu si vybereme požadovaný výpočet, zadáme údaje do editboxů ve formátu: Číslo příkladně 85.12 s "
    "desetinnou tečkou, nebo 9e6 což znamená, že za číslem \"9\" bude šest nul 9 000 000 a,nebo 2e-5 což "
    "znamená, že na pátem místě za desetinnou tečkou bude číslo \"2\" což je číslo 0.000 02 a zmáčkneme OK.";
inline constexpr std::string_view kAboutCredit = "Kalvora – kalkulačka pro fyziku a elektrotechniku";
// The file name of the toolbar strip and of the offline help page, delivered beside the program.
inline constexpr std::string_view kToolbarFileName = "toolbar508.bmp";
inline constexpr std::string_view kHelpPageFileName = "kalvora-napoveda.html";
}  // namespace text

}  // namespace kalvora
