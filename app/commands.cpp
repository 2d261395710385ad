// SPDX-License-Identifier: MIT
#include "app/commands.h"

#include "app/window_registry.h"
#include "calc/catalogue.h"
#include "forms/calculator_form.h"
#include "panels/topic_panel.h"

namespace kalvora {

const FieldCommand* FindFieldCommand(int id) {
    for (const FieldCommand& command : kFieldCommands)
        if (command.menuId == id || command.buttonId == id) return &command;
    return nullptr;
}

void OpenField(const FieldCommand& command) {
    DestroyCalculators();
    DestroyTopicPanels();
    if (command.helpBitmapId) Registry().helpBitmapId = *command.helpBitmapId;
    CreateTopicPanel(command.field);
    if (const FormDefinition* form = FindForm(command.firstFormSlug)) OpenForm(*form);
}

}  // namespace kalvora
