// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"

namespace kalvora {

const std::vector<FormSpec>& ThermalForms() {
    static const std::vector<FormSpec> forms{};
    return forms;
}

}  // namespace kalvora
