// SPDX-License-Identifier: MIT
#include "web/binding/deep_link.h"

#include <algorithm>
#include <vector>

#include "model/panel_data.h"
#include "model/shell_data.h"

namespace kalvora::web {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::vector<std::string_view> Parts(std::string_view link) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t slash = link.find('/', start);
        parts.push_back(link.substr(start, slash == std::string_view::npos ? link.npos : slash - start));
        if (slash == std::string_view::npos) return parts;
        start = slash + 1;
    }
}

const FormInstance* VisibleForm(const ProgramState& state, int slot) {
    if (slot < 0 || std::size_t(slot) >= state.forms.size() || !state.forms[std::size_t(slot)]) return nullptr;
    const FormInstance& form = *state.forms[std::size_t(slot)];
    return form.visible ? &form : nullptr;
}

}  // namespace

std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            decoded += char(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::string PercentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 15];
        }
    }
    return encoded;
}

bool OpenLink(Program& program, std::string_view link) {
    const std::vector<std::string_view> parts = Parts(link);
    const int slot = program.SlotOf(PercentDecoded(parts.front()));
    if (slot < 0 || !program.State().started || program.State().ended) return false;
    const FormDefinition& form = *program.Forms()[std::size_t(slot)];
    const auto field = std::find_if(kFieldCommands.begin(), kFieldCommands.end(),
                                    [&form](const FieldCommand& f) { return f.field == form.field; });
    if (field == kFieldCommands.end()) return false;
    program.Command(field->buttonId);
    if (!VisibleForm(program.State(), slot)) {
        const PanelData& panel = PanelFor(form.field);
        for (const PanelLabel& label : panel.labels)
            if (label.action == LabelAction::OpenForm && label.target == form.title) {
                program.ClickLabel(label.id);
                break;
            }
    }
    // A form that no label of its field opens still comes on screen, on the field's panel.
    if (!VisibleForm(program.State(), slot)) program.OpenFormSlot(slot);
    const std::size_t given = std::min(parts.size() - 1, form.inputs.size());
    for (std::size_t i = 0; i < given; ++i)
        program.EditText(slot, form.inputs[i].controlId, PercentDecoded(parts[i + 1]));
    if (!form.inputs.empty() && given == form.inputs.size()) program.PressButton(slot, form.okId);
    return true;
}

std::string LinkToActiveForm(const Program& program) {
    const ProgramState& state = program.State();
    const FormInstance* instance = VisibleForm(state, state.activeForm);
    if (!instance) return "";
    const FormDefinition& form = *instance->definition;
    std::string link = PercentEncoded(form.slug);
    for (const InputDefinition& input : form.inputs) {
        const ControlState* control = instance->Control(input.controlId);
        link += '/';
        link += PercentEncoded(control ? control->text : std::string());
    }
    return link;
}

}  // namespace kalvora::web
