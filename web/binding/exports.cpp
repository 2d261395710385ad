// SPDX-License-Identifier: MIT
// The WebAssembly binding of the browser view: one Program, events as plain C functions, the
// state and the effects as JSON texts. A returned text stays valid until the next call that
// returns one.
#include <emscripten/emscripten.h>

#include <charconv>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/catalogue.h"
#include "model/effect_order.h"
#include "model/geometry.h"
#include "model/panel_data.h"
#include "model/program.h"
#include "model/shell_data.h"
#include "model/toolbar_strip.h"
#include "web/binding/changes_json.h"
#include "web/binding/deep_link.h"
#include "web/binding/json_writer.h"
#include "web/binding/presentation_json.h"
#include "web/binding/program_json.h"

namespace {

kalvora::Program& TheProgram() {
    static kalvora::Program program;
    return program;
}

kalvora::web::ShownOnPage& Shown() {
    static kalvora::web::ShownOnPage shown;
    return shown;
}

kalvora::web::PageMetrics& Measured() {
    static kalvora::web::PageMetrics metrics;
    return metrics;
}

// Numbers written one after another with commas between them.
std::vector<int> Numbers(std::string_view text) {
    std::vector<int> numbers;
    while (!text.empty()) {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        numbers.push_back(error == std::errc() ? value : 0);
        const std::size_t comma = text.find(',', std::size_t(end - text.data()));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return numbers;
}

const char* Returned(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

kalvora::BoxAnswer AnswerOf(int answer) {
    switch (answer) {
        case 1:
            return kalvora::BoxAnswer::Yes;
        case 2:
            return kalvora::BoxAnswer::No;
        default:
            return kalvora::BoxAnswer::Ok;
    }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* kalvora_static_data() {
    return Returned(kalvora::web::StaticDataJson(TheProgram().Forms()));
}

// The browser tells no memory figures: the status bar shows the model's texts for unknown memory.
EMSCRIPTEN_KEEPALIVE void kalvora_start(int screenWidth, int toolbarStripFound) {
    kalvora::StartInfo info;
    info.screenWidth = screenWidth;
    info.toolbarStripFound = toolbarStripFound != 0;
    TheProgram().Start(info);
}

EMSCRIPTEN_KEEPALIVE void kalvora_command(int id) {
    TheProgram().Command(id);
}
EMSCRIPTEN_KEEPALIVE void kalvora_click_label(int id) {
    TheProgram().ClickLabel(id);
}
EMSCRIPTEN_KEEPALIVE void kalvora_press_button(int slot, int id) {
    TheProgram().PressButton(slot, id);
}
EMSCRIPTEN_KEEPALIVE void kalvora_press_enter(int slot, int focusedId) {
    TheProgram().PressEnter(slot, focusedId);
}
EMSCRIPTEN_KEEPALIVE void kalvora_press_escape(int slot) {
    TheProgram().PressEscape(slot);
}
EMSCRIPTEN_KEEPALIVE void kalvora_edit_text(int slot, int id, const char* text) {
    TheProgram().EditText(slot, id, text);
}
EMSCRIPTEN_KEEPALIVE void kalvora_choose_item(int slot, int id, int index) {
    if (index >= 0) TheProgram().ChooseItem(slot, id, std::size_t(index));
}
EMSCRIPTEN_KEEPALIVE void kalvora_activate_form(int slot) {
    TheProgram().ActivateForm(slot);
}
EMSCRIPTEN_KEEPALIVE void kalvora_close_help_window() {
    TheProgram().CloseHelpWindow();
}
// A key in the help window: 0 Enter, 1 Esc.
EMSCRIPTEN_KEEPALIVE void kalvora_press_key_in_help_window(int key) {
    TheProgram().PressKeyInHelpWindow(key == 1 ? kalvora::HelpWindowKey::Escape : kalvora::HelpWindowKey::Enter);
}
EMSCRIPTEN_KEEPALIVE void kalvora_press_escape_in_box(int boxId) {
    TheProgram().PressEscapeInBox(boxId);
}
EMSCRIPTEN_KEEPALIVE void kalvora_request_close() {
    TheProgram().RequestClose();
}
// answer: 0 OK, 1 Yes, 2 No.
EMSCRIPTEN_KEEPALIVE void kalvora_answer(int boxId, int answer) {
    TheProgram().Answer(boxId, AnswerOf(answer));
}
EMSCRIPTEN_KEEPALIVE void kalvora_tick() {
    TheProgram().Tick(std::nullopt);
}
// The status bar's texts and the gauge only: what the 500 ms tick redraws.
EMSCRIPTEN_KEEPALIVE const char* kalvora_memory() {
    const kalvora::ProgramState& state = TheProgram().State();
    kalvora::web::JsonWriter json;
    json.BeginObject()
        .Member("totalMemoryText", state.totalMemoryText)
        .Member("availableMemoryText", state.availableMemoryText)
        .Member("gaugePosition", state.gaugePosition)
        .EndObject();
    return Returned(json.Text());
}

// Links to one calculation ("SLUG/TEXT/..."): 1 when the link named a form and opened it.
EMSCRIPTEN_KEEPALIVE int kalvora_open_link(const char* link) {
    return kalvora::web::OpenLink(TheProgram(), link) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE const char* kalvora_link_to_active_form() {
    return Returned(kalvora::web::LinkToActiveForm(TheProgram()));
}

EMSCRIPTEN_KEEPALIVE const char* kalvora_state() {
    return Returned(kalvora::web::StateJson(TheProgram().State(), TheProgram().Forms()));
}
// The windows and boxes to change on the page since the last call; the page carries them out.
EMSCRIPTEN_KEEPALIVE const char* kalvora_changes() {
    return Returned(Shown().Changes(TheProgram().State()));
}
// The effects the page carries out, once it has drawn the state.
EMSCRIPTEN_KEEPALIVE const char* kalvora_take_effects() {
    kalvora::Program& program = TheProgram();
    return Returned(kalvora::web::EffectsJson(kalvora::EffectsToCarryOut(program.TakeEffects(), program.State())));
}
// Whether a picture of this size can serve as the toolbar strip.
EMSCRIPTEN_KEEPALIVE int kalvora_usable_toolbar_strip(int width, int height) {
    return kalvora::IsUsableToolbarStrip({width, height}) ? 1 : 0;
}

// The columns of the client area: when the windows are created (resized 0) and after the main
// window was resized, as {panel, gauge, form} rectangles.
EMSCRIPTEN_KEEPALIVE const char* kalvora_layout(int resized, int clientWidth, int clientHeight,
                                                int toolbarHeight, int statusBarHeight) {
    const kalvora::ColumnLayout layout =
        resized ? kalvora::ResizeLayout(clientWidth, clientHeight, toolbarHeight, statusBarHeight)
                : kalvora::CreationLayout(clientWidth, clientHeight);
    kalvora::web::JsonWriter json;
    json.BeginObject();
    const std::pair<const char*, kalvora::Rect> columns[] = {
        {"panel", layout.panel}, {"gauge", layout.gauge}, {"form", layout.form}};
    for (const auto& [name, rect] : columns)
        json.Key(name)
            .BeginArray()
            .Int(rect.left)
            .Int(rect.top)
            .Int(rect.width())
            .Int(rect.height())
            .EndArray();
    json.EndObject();
    return Returned(json.Text());
}

// The fonts the page measured, each as the alphabet's width, the line height and the average
// character width, and the one-line drop-down field's and one list row's heights.
EMSCRIPTEN_KEEPALIVE void kalvora_measured(int dialogAlphabet, int dialogHeight, int dialogAverage, int labelAlphabet,
                                           int labelHeight, int comboFieldHeight, int listRowHeight) {
    kalvora::web::PageMetrics& metrics = Measured();
    metrics.controls.font = {dialogAlphabet, dialogHeight, dialogAverage};
    metrics.controls.comboFieldHeight = comboFieldHeight;
    metrics.controls.listRowHeight = listRowHeight;
    metrics.label = {labelAlphabet, labelHeight, 0};
}
// The link label's font, measured when a form with a link is first made.
EMSCRIPTEN_KEEPALIVE void kalvora_measured_link(int alphabet, int height, int average) {
    Measured().controls.link = {alphabet, height, average};
}
// The form in `slot` laid out at the measured fonts; textWidths: each control's text width in
// its font, in template order, separated by commas.
EMSCRIPTEN_KEEPALIVE const char* kalvora_present_form(int slot, const char* textWidths) {
    const auto forms = TheProgram().Forms();
    if (slot < 0 || std::size_t(slot) >= forms.size()) return Returned("null");
    return Returned(kalvora::web::FormPresentationJson(*forms[std::size_t(slot)], Measured(), Numbers(textWidths)));
}
EMSCRIPTEN_KEEPALIVE const char* kalvora_present_panel(int field) {
    if (field < 0 || std::size_t(field) >= kalvora::kFieldCommands.size()) return Returned("[]");
    return Returned(kalvora::web::PanelPresentationJson(kalvora::PanelFor(kalvora::Field(field)), Measured()));
}

// The help window laid out in its font as the page measured it (the alphabet's width, the line
// height, the average character width).
EMSCRIPTEN_KEEPALIVE const char* kalvora_present_help_window(int alphabet, int height, int average) {
    return Returned(kalvora::web::HelpWindowPresentationJson({alphabet, height, average}));
}

EMSCRIPTEN_KEEPALIVE int kalvora_gradient_red(int row) {
    return kalvora::GradientRed(row);
}

EMSCRIPTEN_KEEPALIVE int kalvora_stretched_gradient_red(int row, int height) {
    return kalvora::StretchedGradientRed(row, height);
}

}  // extern "C"
