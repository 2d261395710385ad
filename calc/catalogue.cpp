// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"

namespace kalvora {

std::span<const FormSpec* const> Catalogue() {
    static const std::vector<const FormSpec*> all = [] {
        std::vector<const FormSpec*> forms;
        for (const auto* field : {&ElectricalForms(), &ThermalForms(), &MechanicsForms(), &AntennaForms()})
            for (const FormSpec& form : *field) forms.push_back(&form);
        return forms;
    }();
    return all;
}

const FormSpec* FindForm(std::string_view slug) {
    for (const FormSpec* form : Catalogue())
        if (form->slug == slug) return form;
    return nullptr;
}

}  // namespace kalvora
