// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>

#include "calc/form_definition.h"

namespace kalvora {

// The name by which tests and screen readers find control `index` of the form's template:
// "ctl<id>" ("ctl<id>_<n>" for the n-th repeat of an id); for controls without an id,
// "captionFor<id>" for the caption of an input, else "group<index>" or "static<index>".
QString ControlObjectName(const FormDefinition& form, std::size_t index);

// The accessible name of control `index`: an input is named by its caption, a result by the
// static text that labels it (above it or on its row to the left), anything else by its text.
QString ControlAccessibleName(const FormDefinition& form, std::size_t index);

}  // namespace kalvora
