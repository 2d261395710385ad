// SPDX-License-Identifier: MIT
#include "web/binding/changes_json.h"

#include <algorithm>
#include <array>

#include "model/box_queue.h"
#include "web/binding/json_writer.h"

namespace kalvora::web {
namespace {

constexpr std::array<std::string_view, 4> kIconNames{"none", "information", "exclamation", "question"};

// A box to open; a modal one keeps the main window from input until it is answered.
void Box(JsonWriter& json, const BoxToOpen& open) {
    const WaitingBox& box = open.box;
    json.BeginObject()
        .Member("id", box.id)
        .Member("caption", box.caption)
        .Member("text", box.text)
        .Member("icon", kIconNames.at(std::size_t(box.icon)))
        .Member("yesNo", box.buttons == BoxButtons::YesNo)
        .Member("modal", open.modal)
        .EndObject();
}

void Slots(JsonWriter& json, std::string_view name, const std::vector<int>& slots) {
    json.Key(name).BeginArray();
    for (int slot : slots) json.Int(slot);
    json.EndArray();
}

}  // namespace

std::string ShownOnPage::Changes(const ProgramState& state) {
    const WindowChanges windows = ChangeWindows(windows_, state);
    const BoxChanges boxes = ChangeBoxes(boxes_, state);
    windows_ = windows.shown;
    for (int id : boxes.close) boxes_.erase(std::find(boxes_.begin(), boxes_.end(), id));
    for (const BoxToOpen& box : boxes.open) boxes_.push_back(box.box.id);

    JsonWriter json;
    json.BeginObject();
    Slots(json, "destroyForms", windows.destroyForms);
    json.Member("destroyPanel", windows.destroyPanel)
        .Member("destroyHelp", windows.destroyHelp)
        .Member("createPanel", windows.createPanel);
    Slots(json, "createForms", windows.createForms);
    json.Member("createHelp", windows.createHelp);
    Slots(json, "showForms", windows.showForms);
    Slots(json, "hideForms", windows.hideForms);
    Slots(json, "closeBoxes", boxes.close);
    json.Key("openBoxes").BeginArray();
    for (const BoxToOpen& box : boxes.open) Box(json, box);
    json.EndArray().EndObject();
    return json.Text();
}

}  // namespace kalvora::web
