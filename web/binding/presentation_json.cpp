// SPDX-License-Identifier: MIT
#include "web/binding/presentation_json.h"

#include <array>

#include "web/binding/json_writer.h"

namespace kalvora::web {
namespace {

constexpr std::array<std::string_view, 3> kFocusNames{"none", "tabStop", "clickOnly"};
constexpr std::array<std::string_view, 3> kCursorNames{"default", "static", "arrow"};

void RectArray(JsonWriter& json, const Rect& rect) {
    json.BeginArray().Int(rect.left).Int(rect.top).Int(rect.width()).Int(rect.height()).EndArray();
}

}  // namespace

std::string FormPresentationJson(const FormDefinition& form, const PageMetrics& metrics, std::span<const int> textWidths) {
    // The page is laid out in CSS pixels: the display's scale is the browser's.
    const FormPresentation shown = PresentForm(form, metrics.controls, textWidths, {}, kBaseDpi);
    JsonWriter json;
    json.BeginObject().Key("title").BeginArray().Int(shown.title.left).Int(shown.title.top).EndArray();
    json.Key("controls").BeginArray();
    for (const ControlPresentation& control : shown.controls) {
        json.BeginObject().Key("rect");
        RectArray(json, control.rect);
        json.Member("align", control.alignment == HorizontalAlignment::Centre ? "centre" : "left")
            .Member("wraps", control.wraps)
            .Member("stopsAtWidth", control.stopsAtWidth)
            .Member("listHeight", control.listRows * metrics.controls.listRowHeight)
            .Member("focus", kFocusNames.at(std::size_t(control.focus)))
            .Member("cursor", kCursorNames.at(std::size_t(control.cursor)))
            .Member("behind", control.behind)
            .EndObject();
    }
    json.EndArray().EndObject();
    return json.Text();
}

std::string PanelPresentationJson(const PanelData& panel, const PageMetrics& metrics) {
    JsonWriter json;
    json.BeginArray();
    for (const PanelLabelPresentation& label : PresentPanel(panel, metrics.controls.font, metrics.label).labels)
        RectArray(json, label.rect);
    json.EndArray();
    return json.Text();
}

std::string HelpWindowPresentationJson(const FontMetrics& font) {
    const HelpWindowPresentation shown = PresentHelpWindow(font);
    JsonWriter json;
    json.BeginObject().Key("window");
    RectArray(json, shown.window);
    json.Key("picture");
    RectArray(json, shown.picture.rect);
    json.Key("ok");
    RectArray(json, shown.ok.rect);
    json.EndObject();
    return json.Text();
}

}  // namespace kalvora::web
