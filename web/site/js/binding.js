// The WebAssembly model behind plain functions: events go in as numbers and texts, the state and
// the effects come back parsed from JSON.
import createKalvora from '../kalvora-wasm.js';

export const Answer = { ok: 0, yes: 1, no: 2 };

export async function loadModel() {
  const module = await createKalvora();
  const call = (name, ...args) => module.ccall(name, null, args.map(() => 'number'), args);
  const text = (name, ...args) =>
    module.ccall(name, 'string', args.map(() => 'number'), args);
  const json = (name, ...args) => JSON.parse(text(name, ...args));
  return {
    staticData: () => json('kalvora_static_data'),
    start: (screenWidth, stripFound) => call('kalvora_start', screenWidth, stripFound ? 1 : 0),
    command: (id) => call('kalvora_command', id),
    clickLabel: (id) => call('kalvora_click_label', id),
    pressButton: (slot, id) => call('kalvora_press_button', slot, id),
    pressEnter: (slot, focusedId) => call('kalvora_press_enter', slot, focusedId),
    pressEscape: (slot) => call('kalvora_press_escape', slot),
    editText: (slot, id, value) =>
      module.ccall('kalvora_edit_text', null, ['number', 'number', 'string'], [slot, id, value]),
    chooseItem: (slot, id, index) => call('kalvora_choose_item', slot, id, index),
    activateForm: (slot) => call('kalvora_activate_form', slot),
    closeHelpWindow: () => call('kalvora_close_help_window'),
    // A key in the help window: 'Enter' or 'Escape'; the model decides what it does.
    pressKeyInHelpWindow: (key) => call('kalvora_press_key_in_help_window', key === 'Escape' ? 1 : 0),
    pressEscapeInBox: (boxId) => call('kalvora_press_escape_in_box', boxId),
    requestClose: () => call('kalvora_request_close'),
    answer: (boxId, answer) => call('kalvora_answer', boxId, answer),
    // The browser tells no memory figures.
    tick: () => call('kalvora_tick'),
    memory: () => json('kalvora_memory'),
    state: () => json('kalvora_state'),
    takeEffects: () => json('kalvora_take_effects'),
    // The windows and boxes to destroy, create, show, hide, close and open since the last call.
    changes: () => json('kalvora_changes'),
    usableToolbarStrip: (width, height) =>
      module.ccall('kalvora_usable_toolbar_strip', 'number', ['number', 'number'], [width, height]) === 1,
    layout: (resized, width, height, toolbar, statusBar) =>
      json('kalvora_layout', resized ? 1 : 0, width, height, toolbar, statusBar),
    // A link to one calculation, "SLUG/TEXT/..." (percent-encoded): true when it named a form.
    openLink: (link) => module.ccall('kalvora_open_link', 'number', ['string'], [link]) === 1,
    linkToActiveForm: () => text('kalvora_link_to_active_form'),
    // The page's measured fonts (dialog_units.js), then each form's and panel's layout from them.
    measured: (numbers) => call('kalvora_measured', ...numbers),
    measuredLink: (numbers) => call('kalvora_measured_link', ...numbers),
    presentForm: (slot, widths) =>
      JSON.parse(module.ccall('kalvora_present_form', 'string', ['number', 'string'], [slot, widths])),
    presentPanel: (field) => json('kalvora_present_panel', field),
    presentHelpWindow: (numbers) => json('kalvora_present_help_window', ...numbers),
    gradientRed: (row) => module.ccall('kalvora_gradient_red', 'number', ['number'], [row]),
    stretchedGradientRed: (row, height) => module.ccall('kalvora_stretched_gradient_red', 'number', ['number', 'number'], [row, height]),
  };
}
