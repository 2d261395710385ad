// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <string>

#include "model/control_presentation.h"
#include "model/help_pictures.h"
#include "model/link_address.h"
#include "model/menu_text.h"
#include "model/panel_data.h"
#include "model/result_caption.h"
#include "model/shell_data.h"
#include "model/status_bar.h"
#include "web/binding/json_writer.h"
#include "web/binding/program_json.h"

namespace kalvora::web {
namespace {

constexpr std::array<std::string_view, 12> kKindNames{
    "Label",        "CentredLabel", "SunkenLabel", "GroupBox",          "ResultField", "Edit",
    "ReadOnlyEdit", "ComboBox",     "PushButton",  "DefaultPushButton", "Picture",     "LinkLabel"};

constexpr std::array<std::string_view, 3> kFlagNames{"clientEdge", "dialogFrame", "flat"};
// By FontRole.
constexpr std::array<std::string_view, 6> kFontNames{"dialog", "system", "link", "title", "panelLabel", "help"};
constexpr std::array<ControlFlag, 3> kFlags{kClientEdge, kDialogFrame, kFlat};

// A menu text as shown, with the place of its mnemonic (UTF-16 index, -1: none).
void MenuText(JsonWriter& json, std::string_view marked) {
    const MenuLabel label = ReadMenuText(marked);
    json.Member("text", label.text).Member("mnemonic", label.mnemonic);
}

void Colour(JsonWriter& json, std::string_view name, Rgb rgb) {
    json.Key(name).BeginArray().Int(rgb.r).Int(rgb.g).Int(rgb.b).EndArray();
}

// The index of a form's control in template order, or -1.
int IndexOf(const FormDefinition& form, const ControlDefinition* control) {
    if (!control) return -1;
    return int(control - form.dialog.controls.data());
}

void Control(JsonWriter& json, const FormDefinition& form, const ControlDefinition& control) {
    json.BeginObject()
        .Member("id", control.id)
        .Member("kind", kKindNames.at(std::size_t(control.kind)))
        .Member("text", form.InitialText(control))
        .Member("x", control.x)
        .Member("y", control.y)
        .Member("cx", control.cx)
        .Member("cy", control.cy)
        .Member("font", kFontNames.at(std::size_t(ControlFontRole(control.kind, form.dialog.font))));
    for (std::size_t i = 0; i < kFlags.size(); ++i)
        if (control.flags & kFlags[i]) json.Member(kFlagNames[i], true);
    if (const std::string_view address = LinkAddress(form, control); !address.empty()) json.Member("address", address);
    json.EndObject();
}

void Form(JsonWriter& json, const FormDefinition& form, std::size_t slot) {
    json.BeginObject()
        .Member("slot", int(slot))
        .Member("slug", form.slug)
        .Member("field", form.field)
        .Member("templateId", form.dialog.id)
        .Member("systemFont", form.dialog.font == DialogFont::System)
        .Member("title", form.title);
    json.Key("controls").BeginArray();
    for (const ControlDefinition& control : form.dialog.controls) Control(json, form, control);
    json.EndArray();
    // Each input with the index of its caption, each result with the index of the caption that
    // names it (-1: none).
    json.Key("inputs").BeginArray();
    for (const InputDefinition& input : form.inputs)
        json.BeginObject()
            .Member("id", input.controlId)
            .Member("caption", int(input.captionIndex))
            .EndObject();
    json.EndArray();
    json.Key("results").BeginArray();
    for (int id : form.resultIds) {
        const ControlDefinition* result = form.dialog.Find(id);
        json.BeginObject()
            .Member("id", id)
            .Member("caption", result ? IndexOf(form, ResultCaption(form, *result)) : -1)
            .EndObject();
    }
    json.EndArray().EndObject();
}

void Panel(JsonWriter& json, const PanelData& panel) {
    json.BeginObject().Member("field", panel.field).Member("templateId", panel.templateId);
    Colour(json, "background", panel.background);
    Colour(json, "labelText", panel.labelText);
    json.Member("gradient", panel.gradient).Key("labels").BeginArray();
    for (const PanelLabel& label : panel.labels) {
        json.BeginObject()
            .Member("id", label.id)
            .Member("text", label.text)
            .Member("link", label.action == LabelAction::OpenUrl)
            .Member("target", label.target)
            .Member("panelFont", label.panelFont)
            .EndObject();
    }
    json.EndArray().Key("menu").BeginArray();
    for (const TopicMenuItem& item : TopicMenuItems(panel)) {
        MenuText(json.BeginObject().Member("id", item.labelId), item.text);
        json.Member("separatorBefore", item.separatorBefore).EndObject();
    }
    json.EndArray().EndObject();
}

void Shell(JsonWriter& json) {
    json.Key("texts")
        .BeginObject()
        .Member("programTitle", text::kProgramTitle)
        .Member("helpWindowTitle", text::kHelpWindowTitle)
        .Member("aboutCredit", text::kAboutCredit)
        .Member("helpPage", text::kHelpPageFileName)
        .EndObject();
    json.Member("tickInterval", kMemoryTickIntervalMs).Member("statusFirstPart", StatusPartEdges()[0]);
    json.Key("toolbar").BeginObject().Key("buttons").BeginArray();
    for (const ToolbarButton& button : kToolbarButtons)
        json.BeginObject()
            .Member("id", button.commandId)
            .Member("name", button.name)
            .Member("toolTip", button.toolTip)
            .Member("shortText", button.shortText)
            .EndObject();
    json.EndArray().Key("separators").BeginArray();
    for (int position : kSeparatorPositions) json.Int(position);
    json.EndArray().EndObject();
    json.Key("menu").BeginArray();
    for (const MenuPopup& popup : MainMenu()) {
        MenuText(json.BeginObject(), popup.title);
        json.Member("name", popup.name).Member("topics", popup.topics);
        json.Key("items").BeginArray();
        for (const MenuItem& item : popup.items) {
            MenuText(json.BeginObject().Member("id", item.id), item.text);
            json.Member("name", item.name).EndObject();
        }
        json.EndArray().EndObject();
    }
    json.EndArray();
}

}  // namespace

std::string StaticDataJson(std::span<const FormDefinition* const> forms) {
    JsonWriter json;
    json.BeginObject();
    Shell(json);
    json.Key("panels").BeginArray();
    for (const FieldCommand& field : kFieldCommands) Panel(json, PanelFor(field.field));
    json.EndArray();
    // What each help picture shows, for the pictures' alternative texts.
    json.Key("helpPictureTexts").BeginObject();
    for (const HelpPictureText& picture : HelpPictureTexts()) json.Member(std::to_string(picture.id), picture.text);
    json.EndObject();
    json.Key("forms").BeginArray();
    for (std::size_t slot = 0; slot < forms.size(); ++slot) Form(json, *forms[slot], slot);
    json.EndArray();
    json.EndObject();
    return json.Text();
}

}  // namespace kalvora::web
