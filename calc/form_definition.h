// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "calc/dialog_template.h"
#include "calc/outcome.h"

namespace kalvora {

enum class Field { Electrical, Thermal, Mechanics, Optics, GasesAndLiquids, Antenna };

// What the Help button does.
enum class HelpAction {
    None,          // no action (or no Help button)
    StorePicture,  // store `helpBitmapId` as the picture to show, then open the help window
    ShowStored,    // open the help window with the picture the opener of the form stored
};

// One input of a form, in reading order.
struct InputDefinition {
    int controlId = 0;
    std::size_t captionIndex = 0;  // index into the template's controls of the input's caption
};

// Items a combo box gets when the form opens, in the order they are added.
struct PresetList {
    int controlId = 0;
    std::vector<std::string_view> items;
};

// A text put into a control when the form opens (a preset value, or a relabelled caption).
struct PresetText {
    int controlId = 0;
    std::string_view text;
};

// What a few forms do beyond the common frame.
enum FormBehaviour : unsigned {
    kNoBehaviour = 0,
    kListsLearnTexts = 1u << 0,   // on OK each combo text not in its list joins it
    kWidensMainWindow = 1u << 1,  // widens the main window while open, restores it on Storno
    kArticleLink = 1u << 2,       // its link label opens the coax article on every click
};

// The evaluation of a form: the texts of its inputs in reading order (exactly as many as it has
// inputs) to its result texts or its message.
using EvaluateFunction = Outcome (*)(std::span<const std::string_view> texts);

// Everything a form is: its template, texts, inputs, results, help and focus rules, presets
// and evaluation. One row of the catalogue.
struct FormDefinition {
    std::string_view slug;  // command-line topic name
    Field field = Field::Electrical;
    DialogTemplate dialog;
    std::string_view title;  // painted at x 10 in italic blue
    int titleY = 10;         // pixels from the top of the form
    std::vector<PresetText> relabels;  // texts replacing the template's when the form opens
    std::vector<InputDefinition> inputs;
    std::vector<int> resultIds{111};
    int okId = 1;
    int cancelId = 2;
    HelpAction help = HelpAction::None;
    int helpBitmapId = 0;
    int focusId = 0;  // the first input: where the focus goes
    bool focusAtOpen = true;
    bool focusAfterResult = true;
    std::vector<PresetList> lists;
    std::vector<PresetText> presets;
    unsigned behaviours = kNoBehaviour;
    EvaluateFunction evaluate = nullptr;

    // The caption of input `index` as the form shows it (relabels applied).
    std::string_view InputCaption(std::size_t index) const;
    // The text a control shows when the form opens: a relabel, else the template's text.
    std::string_view InitialText(const ControlDefinition& control) const;
};

// Evaluates `form` on `texts` in reading order: missing trailing texts count as empty fields;
// texts beyond the form's inputs are ignored (callers reject them as a usage error first).
Outcome Evaluate(const FormDefinition& form, std::span<const std::string_view> texts);

}  // namespace kalvora
