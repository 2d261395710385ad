// SPDX-License-Identifier: MIT
// Fuzz target: whole evaluations of every form through the batch front end. Every line gets one
// well-formed answer line; nothing crashes, hangs or reads past its text.
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/catalogue.h"
#include "cli/cli.h"
#include "fuzz/fuzz_check.h"

namespace {

void CheckAnswer(std::string_view line, const std::string& answer) {
    FUZZ_CHECK(answer.find('\n') == std::string::npos);
    const std::size_t tab = answer.find('\t');
    FUZZ_CHECK(tab != std::string::npos);
    const std::string_view kind = std::string_view(answer).substr(0, tab);
    FUZZ_CHECK(kind == "ok" || kind == "error" || kind == "usage");
    if (kind != "ok") return;
    const kalvora::FormDefinition* form = kalvora::FindForm(line.substr(0, line.find('\t')));
    FUZZ_CHECK(form != nullptr);
    std::size_t fields = 0;
    for (char c : answer) fields += c == '\t';
    FUZZ_CHECK(fields == form->resultIds.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte picks a topic so that most inputs reach a real form.
    std::size_t start = 0;
    std::string prefixed;
    if (size > 0 && data[0] < 0x20) {
        const auto forms = kalvora::Catalogue();
        prefixed = std::string(forms[data[0] % forms.size()]->slug) + "\t" + std::string(input.substr(1));
        start = 0;
    }
    const std::string_view text = prefixed.empty() ? input : std::string_view(prefixed);
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        std::string_view trimmed = line;
        if (!trimmed.empty() && trimmed.back() == '\r') trimmed.remove_suffix(1);
        CheckAnswer(trimmed, kalvora::cli::AnswerBatchLine(line));
        start = end + 1;
    }
    return 0;
}
