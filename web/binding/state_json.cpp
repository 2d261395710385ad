// SPDX-License-Identifier: MIT
#include <array>

#include "web/binding/json_writer.h"
#include "web/binding/program_json.h"

namespace kalvora::web {
namespace {

constexpr std::array<std::string_view, 4> kIconNames{"none", "information", "exclamation", "question"};
constexpr std::array<std::string_view, 3> kOwnerNames{"mainWindow", "form", "none"};
constexpr std::array<std::string_view, 10> kEffectNames{
    "openAddress", "openHelpPage",   "startTextEditor", "startCalculator", "showAbout",
    "focus",       "moveMainWindow", "raiseHelpWindow", "refreshMemory",   "quit"};

void RectMember(JsonWriter& json, std::string_view name, const Rect& rect) {
    json.Key(name).BeginObject().Member("left", rect.left).Member("top", rect.top);
    json.Member("right", rect.right).Member("bottom", rect.bottom).EndObject();
}

void Form(JsonWriter& json, const FormInstance& form, int slot) {
    json.BeginObject().Member("slot", slot).Member("serial", form.serial).Member("visible", form.visible);
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

void Box(JsonWriter& json, const WaitingBox& box) {
    json.BeginObject()
        .Member("id", box.id)
        .Member("caption", box.caption)
        .Member("text", box.text)
        .Member("icon", kIconNames.at(std::size_t(box.icon)))
        .Member("yesNo", box.buttons == BoxButtons::YesNo)
        .Member("owner", kOwnerNames.at(std::size_t(box.owner)))
        .EndObject();
}

}  // namespace

std::string StateJson(const ProgramState& state, std::span<const FormDefinition* const> forms) {
    JsonWriter json;
    json.BeginObject().Member("ended", state.ended);
    RectMember(json, "mainWindow", state.mainWindow);
    json.Key("panel");
    if (state.panel)
        json.BeginObject()
            .Member("field", state.panel->field)
            .Member("serial", state.panel->serial)
            .EndObject();
    else
        json.Null();
    // Only the slots that hold a form; a slot missing here is empty.
    json.Key("forms").BeginArray();
    for (std::size_t slot = 0; slot < state.forms.size() && slot < forms.size(); ++slot)
        if (state.forms[slot]) Form(json, *state.forms[slot], int(slot));
    json.EndArray();
    json.Member("activeForm", state.activeForm)
        .Member("helpBitmapId", state.HelpBitmapId)
        .Member("helpWindowOpen", state.helpWindowOpen)
        .Member("helpWindowSerial", state.helpWindowSerial);
    json.Key("boxes").BeginArray();
    for (const WaitingBox& box : state.boxes) Box(json, box);
    json.EndArray();
    json.Member("totalMemoryText", state.totalMemoryText)
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
