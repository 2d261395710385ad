// SPDX-License-Identifier: MIT
// The command ids of the menu and the toolbar, and what the six field commands open.
#pragma once

#include <array>
#include <optional>
#include <string_view>

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
    std::string_view name;  // for object names
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

// Replaces the open panel and forms (hidden ones and the help window too) with the field's panel
// and its first form. A form not yet in the catalogue is skipped.
void OpenField(const FieldCommand& command);

// The text of the Help button's message box.
inline constexpr char kHelpText[] =
    "Z menu si vybereme požadovaný výpočet, zadáme údaje do editboxů ve formátu: Číslo příkladně 85.12 s "
    "desetinnou tečkou, nebo 9e6 což znamená, že za číslem \"9\" bude šest nul 9 000 000 a,nebo 2e-5 což "
    "znamená, že na pátem místě za desetinnou tečkou bude číslo \"2\" což je číslo 0.000 02 a zmáčkneme OK.";

}  // namespace kalvora
