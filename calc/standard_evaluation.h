// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calc/outcome.h"
#include "calc/result_format.h"

namespace kalvora {

// Reads every text with ReadNumber, in reading order, then tests the numbers for zero in the
// same order (negative zero counts as zero). Empty at the first zero.
std::optional<std::vector<double>> ReadNonZeroInputs(std::span<const std::string_view> texts);

using Formula = double (*)(std::span<const double> inputs);

// The OK command of the standard forms: ReadNonZeroInputs, then the formula, then one result
// text in `format`; the input error when an input is zero.
Outcome EvaluateStandard(std::span<const std::string_view> texts, Formula formula, ResultFormat format);

}  // namespace kalvora
