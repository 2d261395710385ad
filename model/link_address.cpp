// SPDX-License-Identifier: MIT
#include "model/link_address.h"

#include "config/contact_addresses.h"

namespace kalvora {

std::string_view LinkAddress(const FormDefinition& form, const ControlDefinition& control) {
    if (control.kind == ControlKind::LinkLabel && (form.behaviours & kArticleLink))
        return config::kCoaxArticleUrl;
    return {};
}

}  // namespace kalvora
