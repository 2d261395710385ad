// SPDX-License-Identifier: MIT
#include "topics.h"

#include <algorithm>
#include <sstream>

#include "model/panel_data.h"
#include "model/shell_data.h"
#include "wide_text.h"

namespace kalvora::win32::test {

// The command line's golden files, built into the test program (golden_files.cpp.in).
extern const char kGoldenExamples[];
extern const char kGoldenExpected[];

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    if (!text.empty() && text.back() == separator && separator == '\t') parts.emplace_back();
    return parts;
}

// A message's line breaks stand as the two characters \n on a golden line.
std::string LineBreaks(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escaped = text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n';
        plain += escaped ? '\n' : text[i];
        i += escaped;
    }
    return plain;
}

}  // namespace

TopicPath PathTo(const FormDefinition& form) {
    for (const FieldCommand& field : kFieldCommands) {
        if (field.field != form.field) continue;
        if (field.firstFormSlug == form.slug) return {field.buttonId, 0};
        for (const PanelLabel& label : PanelFor(field.field).labels)
            if (label.action == LabelAction::OpenForm && label.target == form.title)
                return {field.buttonId, label.id};
    }
    return {};
}

HWND OpenForm(const RunningProgram& program, const FormDefinition& form) {
    const TopicPath path = PathTo(form);
    return program.OpenTopic(path.fieldButton, path.label, Widen(form.title));
}

int SlotOf(const FormDefinition& form) {
    return int(std::find(Catalogue().begin(), Catalogue().end(), &form) - Catalogue().begin());
}

int HelpButtonOf(const FormDefinition& form) {
    for (const ControlDefinition& control : form.dialog.controls)
        if (control.kind == ControlKind::PushButton && control.id != form.okId && control.id != form.cancelId)
            return control.id;
    return 0;
}

const FormDefinition* FirstForm(const std::function<bool(const FormDefinition&)>& wanted) {
    const auto found =
        std::find_if(Catalogue().begin(), Catalogue().end(), [&](auto* form) { return wanted(*form); });
    return found != Catalogue().end() ? *found : nullptr;
}

const FormDefinition& StartForm() {
    return *FindForm(kFieldCommands.front().firstFormSlug);
}

const std::vector<WorkedExample>& WorkedExamples() {
    static const std::vector<WorkedExample> examples = [] {
        std::vector<WorkedExample> all;
        const std::vector<std::string> lines = Split(kGoldenExamples, '\n'),
                                       answers = Split(kGoldenExpected, '\n');
        for (std::size_t i = 0; i < lines.size() && i < answers.size(); ++i) {
            std::vector<std::string> texts = Split(lines[i], '\t');
            const FormDefinition* form = texts.empty() ? nullptr : FindForm(texts.front());
            if (!form) continue;
            texts.erase(texts.begin());
            std::vector<std::string> answer = Split(answers[i], '\t');
            for (std::string& field : answer) field = LineBreaks(field);
            all.push_back({form, texts, answer});
        }
        return all;
    }();
    return examples;
}

std::vector<WorkedExample> FirstOfEachKind(bool ok, const std::function<int(const WorkedExample&)>& kind) {
    std::vector<WorkedExample> first;
    for (const WorkedExample& example : WorkedExamples())
        if (example.ok() == ok &&
            std::none_of(first.begin(), first.end(), [&](auto& e) { return kind(e) == kind(example); }))
            first.push_back(example);
    return first;
}

std::string CaseName(const FormDefinition& form, const std::string& suffix) {
    std::string name(form.slug);
    std::replace(name.begin(), name.end(), '-', '_');
    return name + suffix;
}

}  // namespace kalvora::win32::test
