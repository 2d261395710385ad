// SPDX-License-Identifier: MIT
// The one parameterised test behind every form's table of cases (instantiated per form).
#include "tests/core/form_case.h"

namespace kalvora {

TEST_P(FormCaseTest, GivesTheFormsText) { ExpectFormCase(GetParam()); }

}  // namespace kalvora
