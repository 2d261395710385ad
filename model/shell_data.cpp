// SPDX-License-Identifier: MIT
#include "model/shell_data.h"

namespace kalvora {

const FieldCommand* FindFieldCommand(int id) {
    for (const FieldCommand& field : kFieldCommands)
        if (field.menuId == id || field.buttonId == id) return &field;
    return nullptr;
}

const std::vector<MenuPopup>& MainMenu() {
    static const std::vector<MenuPopup> menu = [] {
        std::vector<MenuPopup> popups;
        popups.push_back({"Program(&P)", "menuProgram", {{command::kEnd, "END(&X)", "actionEnd"}}});
        MenuPopup fields{"Výpočty(&V)", "menuCalculations", {}};
        for (const FieldCommand& field : kFieldCommands)
            fields.items.push_back({field.menuId, field.menuText, "action" + std::string(field.name)});
        popups.push_back(fields);
        // The open panel's topics, for the keyboard.
        popups.push_back({"Témata(&T)", "menuTopics", {}, true});
        popups.push_back(
            {"O programu(&O)", "menuAboutProgram", {{command::kAbout, "About(&A)", "actionAbout"}}});
        return popups;
    }();
    return menu;
}

}  // namespace kalvora
