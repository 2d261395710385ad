// SPDX-License-Identifier: MIT
#include "calc/standard_evaluation.h"

#include "calc/number_reader.h"

namespace kalvora {

std::optional<std::vector<double>> ReadNonZeroInputs(std::span<const std::string_view> texts) {
    std::vector<double> numbers;
    numbers.reserve(texts.size());
    for (std::string_view text : texts) numbers.push_back(ReadNumber(text));
    for (double number : numbers)
        if (number == 0.0) return std::nullopt;
    return numbers;
}

Outcome EvaluateStandard(std::span<const std::string_view> texts, Formula formula, ResultFormat format) {
    auto numbers = ReadNonZeroInputs(texts);
    if (!numbers) return Outcome::Fail(InputError());
    return Outcome::Results({FormatResult(formula(*numbers), format)});
}

}  // namespace kalvora
