// SPDX-License-Identifier: MIT
#include "panels/form_lookup.h"

#include "calc/catalogue.h"

namespace kalvora {
namespace {

FormLookup& Override() {
    static FormLookup lookup;
    return lookup;
}

}  // namespace

const FormDefinition* LookupForm(Field field, std::string_view title) {
    if (Override()) return Override()(field, title);
    for (const FormDefinition* form : Catalogue())
        if (form->field == field && form->title == title) return form;
    return nullptr;
}

void SetFormLookup(FormLookup lookup) { Override() = std::move(lookup); }

}  // namespace kalvora
