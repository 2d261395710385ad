// The browser view: draws the model's state, turns clicks and keys into the model's events and
// carries out the effects the model asks for. The page arrives with the start state drawn into
// it (at build time); this module replaces that picture with the live window in the same place.
import { Answer, loadModel } from './binding.js';
import { createHelpWindow, showAbout, showLink, showMessageBox } from './dialogs.js';
import { measureFonts, measureHelpFont, measureLinkFont, textWidths } from './dialog_units.js';
import { createForm, place } from './form.js';
import { createMenuBar } from './menu_bar.js';
import { createPanel } from './panel.js';
import { helpPictures } from './pictures.js';
import { createToolbar } from './toolbar.js';
import { watchForUpdates } from './updates.js';

const $ = (id) => document.getElementById(id);
const windowElement = $('mainWindow');
const client = $('client');
const formHost = $('formHost');
const panelHost = $('panelHost');

// The strip's size once it has loaded (null: it did not); the model says whether it serves.
const stripSize = new Promise((resolve) => {
  const strip = new Image();
  strip.onload = () => resolve({ width: strip.naturalWidth, height: strip.naturalHeight });
  strip.onerror = () => resolve(null);
  strip.src = 'pictures/toolbar508.png';
});
// A module that cannot be loaded or started: the page says so (js/start_guard.js) and stops here.
function startFailed(error) {
  console.error('Kalvora se nepodařilo spustit:', error);
  window.dispatchEvent(new CustomEvent('kalvora-start-failed'));
  return new Promise(() => {});
}
const [model, strip] = await Promise.all([loadModel(), stripSize]).catch(startFailed);
const toolbarPictures = strip !== null && model.usableToolbarStrip(strip.width, strip.height);
const data = model.staticData();
model.measured(measureFonts());
let linkMeasured = false;

let state = null;
let panel = null;
let resized = false;  // the main window was resized: the columns follow the resize layout
const forms = new Map();  // slot -> realised form
const boxes = new Map();  // box id -> <dialog>, as the model opened and closed them
let helpWindow = null;
let followingLink = false;
let started = false;  // a link the user clicked opens its own address
let touching = false;  // the last press was a finger's (not a mouse's, a pen's or a key's)

// Every event: the model handles it, the view draws the state and carries out the effects.
// byButton: the event is a press of a form's button or Enter in a form.
function dispatch(event, byButton = false) {
  event();
  state = model.state();
  const effects = model.takeEffects();
  render();
  effects.forEach((effect) => runEffect(effect, byButton));
}

const events = {
  clickLabel: (id) => dispatch(() => model.clickLabel(id)),
  pressButton: (slot, id) => dispatch(() => model.pressButton(slot, id), true),
  editText: (slot, id, text) => dispatch(() => model.editText(slot, id, text)),
  chooseItem: (slot, id, index) => dispatch(() => model.chooseItem(slot, id, index)),
  gradientRed: (row, height) => (height ? model.stretchedGradientRed(row, height) : model.gradientRed(row)),
  // The link opens its own address in a new tab; the model's event runs as for a click.
  followLink(_event, modelEvent) {
    followingLink = true;
    try { modelEvent(); } finally { followingLink = false; }
  },
};

function openAddress(address) {
  window.dispatchEvent(new CustomEvent('kalvora-open', { detail: address }));
  if (followingLink) return;
  const link = document.createElement('a');
  link.href = address;
  if (!address.startsWith('mailto:')) {
    link.target = '_blank';
    link.rel = 'noopener';
  }
  link.click();
}

function runEffect(effect, byButton) {
  switch (effect.kind) {
    case 'openAddress': openAddress(effect.address); break;
    case 'openHelpPage': openAddress(data.texts.helpPage); break;
    case 'showAbout': showAbout(data.texts); break;
    case 'focus': {
      const form = forms.get(effect.form);
      const entry = form?.byId(effect.control);
      // After a result on a touch screen the keyboard stays down and the result is shown: the
      // focus going back to an input would call the keyboard up over the result.
      if (byButton && touching && entry?.input) {
        document.activeElement?.blur();
        form.element.querySelector('output[data-result]')?.scrollIntoView({ block: 'nearest' });
        break;
      }
      (entry?.input ?? entry?.button)?.focus({ preventScroll: true });
      break;
    }
    case 'moveMainWindow': resized = true; render(); break;
    case 'raiseHelpWindow': helpWindow?.show(state.helpBitmapId); break;
    case 'refreshMemory': model.tick(); renderStatus(model.memory()); break;
    case 'quit': end(); break;
    // The browser starts no programs: as when the desktop cannot start one, nothing happens.
    case 'startTextEditor': case 'startCalculator': default: break;
  }
}

// The link to the open form with its inputs, copied to the clipboard and shown in a box (where
// the clipboard is not allowed, the box is the way to copy it).
async function copyLink() {
  const link = model.linkToActiveForm();
  if (!link) return;
  const address = `${location.href.split('#')[0]}#${link}`;
  let copied = true;
  try {
    await navigator.clipboard.writeText(address);
  } catch {
    copied = false;
  }
  showLink(data.texts.programTitle, copied ? 'Odkaz na výpočet je ve schránce:' : 'Zkopírujte si odkaz na výpočet:', address);
}

// The page's own command in the Program menu, before END.
const programMenu = data.menu.find((popup) => popup.name === 'menuProgram');
programMenu?.items.forEach((item) => { item.separatorBefore = true; });
programMenu?.items.unshift({ id: 0, text: 'Kopírovat odkaz na výpočet', mnemonic: 0, name: 'actionCopyLink', page: copyLink });

const menuBar = createMenuBar(data.menu, {
  onCommand: (item) => {
    if (item.page) item.page();
    else dispatch(() => (item.topic ? model.clickLabel(item.id) : model.command(item.id)));
  },
  topicItems: () => {
    const field = state?.panel?.field;
    const panelData = data.panels.find((p) => p.field === field);
    return (panelData?.menu ?? []).map((item) => ({ ...item, topic: true }));
  },
});
for (const host of [$('menuBar'), panelHost, formHost]) host.replaceChildren();
$('menuBar').append(menuBar.element);
const toolbar = createToolbar($('toolbar'), data.toolbar, toolbarPictures, (id) => dispatch(() => model.command(id)));
$('closeBox').addEventListener('click', () => dispatch(() => model.requestClose()));
$('statusTotal').style.setProperty('--part-width', `${data.statusFirstPart}px`);
$('restart').addEventListener('click', () => location.reload());

function layoutColumns() {
  const layout = model.layout(resized, client.clientWidth, client.clientHeight,
    toolbar.element.offsetHeight, $('statusBar').offsetHeight);
  const rect = ([x, y, width, height]) => ({ x, y, width, height });
  if (panel) place(panel.element, rect(layout.panel));
  place($('gauge'), rect(layout.gauge));
  for (const form of forms.values()) place(form.element, rect(layout.form));
}

// The windows the model destroys and creates (by serial), and the forms it shows and hides; the
// forms that came into sight in this render.
function changeWindows(changes) {
  for (const slot of changes.destroyForms) {
    forms.get(slot)?.element.remove();
    forms.delete(slot);
  }
  if (changes.destroyPanel) {
    panel?.element.remove();
    panel = null;
  }
  if (changes.destroyHelp) {
    helpWindow?.close();
    helpWindow = null;
  }
  if (changes.createPanel) {
    panel = createPanel(data.panels.find((p) => p.field === state.panel.field), model.presentPanel(state.panel.field), events);
    panelHost.append(panel.element);
  }
  for (const slot of changes.createForms) {
    const definition = data.forms[slot];
    if (!linkMeasured && definition.controls.some((c) => c.font === 'link')) {
      model.measuredLink(measureLinkFont());
      linkMeasured = true;
    }
    const form = createForm(definition, slot, model.presentForm(slot, textWidths(definition.controls)), events);
    forms.set(slot, form);
    formHost.append(form.element);
  }
  for (const slot of changes.hideForms) forms.get(slot)?.show(false);
  const shown = changes.showForms.map((slot) => forms.get(slot)).filter(Boolean);
  shown.forEach((form) => form.show(true));
  for (const formState of state.forms) forms.get(formState.slot)?.update(formState);
  return shown;
}

// On a narrow screen a form that comes into sight below the panel scrolls into view, whether or
// not it takes the focus; the start shows the page's top.
function bringIntoView(form) {
  const top = form.element.getBoundingClientRect().top;
  if (top < 0 || top > window.innerHeight - 80) form.element.scrollIntoView({ block: 'start' });
}

function changeBoxes(changes) {
  for (const id of changes.closeBoxes) {
    boxes.get(id)?.close();
    boxes.get(id)?.remove();
    boxes.delete(id);
  }
  for (const box of changes.openBoxes) {
    boxes.set(box.id, showMessageBox(box, (answer) => dispatch(() => model.answer(box.id, Answer[answer])),
      () => dispatch(() => model.pressEscapeInBox(box.id))));
  }
}

function openHelpWindow() {
  helpWindow = createHelpWindow(data.texts.helpWindowTitle, model.presentHelpWindow(measureHelpFont()), helpPictures, data.helpPictureTexts,
    () => dispatch(() => model.closeHelpWindow()), (key) => dispatch(() => model.pressKeyInHelpWindow(key)));
  helpWindow.show(state.helpBitmapId);
}

function renderStatus(current) {
  $('statusTotal').textContent = current.totalMemoryText;
  $('statusAvailable').textContent = current.availableMemoryText;
  $('gauge').setAttribute('aria-valuenow', String(current.gaugePosition));
  $('gauge').style.setProperty('--position', `${current.gaugePosition}%`);
}

function render() {
  if (state.ended) return;
  const changes = model.changes();
  const { left, top, right, bottom } = state.mainWindow;
  place(windowElement, { x: left, y: top, width: right - left, height: bottom - top });
  const shown = changeWindows(changes);
  layoutColumns();
  panel?.paint();
  if (started) shown.forEach(bringIntoView);
  renderStatus(state);
  if (changes.createHelp) openHelpWindow();
  changeBoxes(changes);
}

function end() {
  clearInterval(timer);
  for (const dialog of document.querySelectorAll('dialog')) dialog.close();
  $('desktop').hidden = true;
  $('ended').hidden = false;
  $('restart').focus();
}

// The form's keys as on the desktop: Enter is the default button (or the focused button), Esc
// is Storno, the keypad's decimal key types a point whatever the keyboard layout.
formHost.addEventListener('keydown', (event) => {
  const section = event.target.closest('section.form');
  if (!section || event.defaultPrevented) return;
  const slot = Number(section.dataset.slot);
  const target = event.target;
  if (event.key === 'Enter' && target.tagName !== 'A') {
    event.preventDefault();
    dispatch(() => model.pressEnter(slot, Number(target.dataset.controlId ?? 0)), true);
  } else if (event.key === 'Escape') {
    event.preventDefault();
    dispatch(() => model.pressEscape(slot));
  } else if (event.code === 'NumpadDecimal' && target.tagName === 'INPUT' && !event.ctrlKey && !event.altKey) {
    event.preventDefault();
    target.setRangeText('.', target.selectionStart, target.selectionEnd, 'end');
    target.dispatchEvent(new Event('input', { bubbles: true }));
  }
});
document.addEventListener('pointerdown', (event) => { touching = event.pointerType === 'touch'; }, true);
document.addEventListener('keydown', () => { touching = false; }, true);
formHost.addEventListener('focusin', (event) => {
  const section = event.target.closest('section.form');
  const slot = Number(section?.dataset.slot);
  if (section && state.activeForm !== slot) dispatch(() => model.activateForm(slot));
});
document.addEventListener('keydown', (event) => {
  if (document.querySelector('dialog[open]:modal')) return;
  if (menuBar.handleKey(event)) event.preventDefault();
});
new ResizeObserver(() => panel?.paint()).observe(panelHost);

// A link to one calculation after '#': "SLUG/TEXT/..." opens that form, fills it and computes.
const openLink = () => {
  if (location.hash.length > 1) dispatch(() => model.openLink(location.hash.slice(1)));
};
dispatch(() => model.start(document.documentElement.clientWidth, toolbarPictures));
started = true;
openLink();
window.addEventListener('hashchange', openLink);
const timer = setInterval(() => { model.tick(); renderStatus(model.memory()); }, data.tickInterval);
$('mainWindow').inert = false;
document.documentElement.classList.add('ready');
performance.mark('kalvora-usable');
watchForUpdates();
