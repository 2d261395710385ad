// SPDX-License-Identifier: MIT
#include <array>

#include "web/binding/json_writer.h"
#include "web/binding/program_json.h"

namespace kalvora::web {
namespace {

constexpr std::array<std::string_view, 10> kEffectNames{
    "openAddress", "openHelpPage",   "startTextEditor", "startCalculator", "showAbout",
    "focus",       "moveMainWindow", "raiseHelpWindow", "refreshMemory",   "quit"};

void RectMember(JsonWriter& json, std::string_view name, const Rect& rect) {
    json.Key(name).BeginObject().Member("left", rect.left).Member("top", rect.top);
    json.Member("right", rect.right).Member("bottom", rect.bottom).EndObject();
}

void Form(JsonWriter& json, const FormInstance& form, int slot) {
    json.BeginObject().Member("slot", slot);
    json.Key("controls").BeginArray();
    for (const ControlState& control : form.controls) {
        json.BeginObject().Member("text", control.text);
        if (!control.items.empty()) {
            json.Key("items").BeginArray();
            for (const std::string& item : control.items) json.String(item);
            json.EndArray();
        }
        json.EndObject();
    }
    json.EndArray().EndObject();
}

}  // namespace

std::string StateJson(const ProgramState& state, std::span<const FormDefinition* const> forms) {
    JsonWriter json;
    json.BeginObject().Member("ended", state.ended);
    RectMember(json, "mainWindow", state.mainWindow);
    json.Key("panel");
    if (state.panel)
        json.BeginObject().Member("field", state.panel->field).EndObject();
    else
        json.Null();
    // Only the slots that hold a form; a slot missing here is empty.
    json.Key("forms").BeginArray();
    for (std::size_t slot = 0; slot < state.forms.size() && slot < forms.size(); ++slot)
        if (state.forms[slot]) Form(json, *state.forms[slot], int(slot));
    json.EndArray();
    json.Member("activeForm", state.activeForm)
        .Member("helpBitmapId", state.HelpBitmapId)
        .Member("totalMemoryText", state.totalMemoryText)
        .Member("availableMemoryText", state.availableMemoryText)
        .Member("gaugePosition", state.gaugePosition)
        .EndObject();
    return json.Text();
}

std::string EffectsJson(const std::vector<Effect>& effects) {
    JsonWriter json;
    json.BeginArray();
    for (const Effect& effect : effects) {
        json.BeginObject().Member("kind", kEffectNames.at(std::size_t(effect.kind)));
        switch (effect.kind) {
            case EffectKind::OpenAddress:
                json.Member("address", effect.address);
                break;
            case EffectKind::Focus:
                json.Member("form", effect.form).Member("control", effect.control);
                break;
            default:
                break;
        }
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}

}  // namespace kalvora::web
