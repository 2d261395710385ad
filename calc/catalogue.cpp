// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"

namespace kalvora {

std::span<const FormDefinition* const> Catalogue() {
    static const std::vector<const FormDefinition*> all = [] {
        std::vector<const FormDefinition*> forms;
        for (const auto* field : {&ElectricalForms(), &ThermalForms(), &MechanicsForms(), &AntennaForms()})
            for (const FormDefinition& form : *field) forms.push_back(&form);
        return forms;
    }();
    return all;
}

const FormDefinition* FindForm(std::string_view slug) {
    for (const FormDefinition* form : Catalogue())
        if (form->slug == slug) return form;
    return nullptr;
}

}  // namespace kalvora
