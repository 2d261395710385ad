// SPDX-License-Identifier: MIT
// What the window tests expect, taken from the catalogue, the panels' data and the command line's
// golden files: how the user reaches each form, its buttons, and the worked examples.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "program_driver.h"

namespace kalvora::win32::test {

// How the user opens a form: its field's toolbar button, then the panel label that opens it
// (0 when the field's command opens the form itself).
struct TopicPath {
    int fieldButton = 0;
    int label = 0;
};
TopicPath PathTo(const FormDefinition& form);

// Opens `form` as the user does; its window, or null.
HWND OpenForm(const RunningProgram& program, const FormDefinition& form);

// The form's place in the catalogue.
int SlotOf(const FormDefinition& form);

// The Help button of a form: its push button that is neither OK nor Storno; 0 without one.
int HelpButtonOf(const FormDefinition& form);

// The first form of the catalogue for which `wanted` holds, or null.
const FormDefinition* FirstForm(const std::function<bool(const FormDefinition&)>& wanted);
// The form the program opens at start (the first field's first form).
const FormDefinition& StartForm();

// One line of the golden files: a form, the texts typed in reading order and the answer
// ("ok" and the results, or "error", the caption and the text).
struct WorkedExample {
    const FormDefinition* form = nullptr;
    std::vector<std::string> texts;
    std::vector<std::string> answer;
    bool ok() const { return !answer.empty() && answer.front() == "ok"; }
};
// Every golden line that names a form, in file order.
const std::vector<WorkedExample>& WorkedExamples();
// The first golden line of each kind (`kind` names it) among those that compute (`ok`) or end in
// a message.
std::vector<WorkedExample> FirstOfEachKind(bool ok, const std::function<int(const WorkedExample&)>& kind);
// A name for a test case: the slug with '_' for '-', and `suffix`.
std::string CaseName(const FormDefinition& form, const std::string& suffix = {});

}  // namespace kalvora::win32::test
