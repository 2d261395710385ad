// SPDX-License-Identifier: MIT
#include "calc/standard_layout.h"

namespace kalvora {

ControlDefinition Subtitle(std::string_view text) {
    return {118, ControlKind::CentredLabel, text, 15, 25, 157, 24};
}

std::vector<ControlDefinition> ResultArea(std::string_view caption) {
    return {
        {116, ControlKind::GroupBox, "Výsledek", 10, 33, 167, 35},
        {100, ControlKind::Label, caption, 15, 43, 157, 8},
        {111, ControlKind::ResultField, "0.00", 68, 53, 54, 12},
    };
}

ControlDefinition InputGroup() { return {116, ControlKind::GroupBox, "Zadání", 10, 73, 167, 115}; }

ControlDefinition StandardCaption(int row, std::string_view caption) {
    static constexpr int kIds[] = {101, 102, -1};
    const int y = 80 + 35 * row;
    return {kIds[row], ControlKind::Label, caption, 15, y, 157, row == 0 ? 12 : 8};
}

std::vector<ControlDefinition> StandardInputRow(int row, int editId, std::string_view caption) {
    return {StandardCaption(row, caption), {editId, ControlKind::Edit, "", 68, 90 + 35 * row, 54, 12}};
}

std::vector<ControlDefinition> ButtonRow(ButtonOrder order) {
    const ControlDefinition ok{1, ControlKind::DefaultPushButton, "OK", 10, 193, 50, 14};
    const ControlDefinition help{230, ControlKind::PushButton, "Help", 68, 193, 50, 14};
    const ControlDefinition storno{2, ControlKind::PushButton, "Storno", 126, 193, 50, 14};
    switch (order) {
    case ButtonOrder::OkHelpStorno: return {ok, help, storno};
    case ButtonOrder::HelpOkStorno: return {help, ok, storno};
    case ButtonOrder::OkStorno: return {ok, storno};
    }
    return {};
}

std::vector<ControlDefinition> Concat(std::initializer_list<std::vector<ControlDefinition>> parts) {
    std::vector<ControlDefinition> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace kalvora
