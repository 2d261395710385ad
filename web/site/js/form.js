// One generic frame that realises any form from its template data: every control where the
// model lays it out and behaving as the model says, captions as the labels of their inputs,
// results as <output> elements named by their captions. Events go to the model; update() shows
// the model's texts.
import { createComboBox } from './combo_box.js';

const staticKinds = new Set(['Label', 'CentredLabel', 'SunkenLabel']);

// The place in pixels, as CSS variables: the desktop layout uses them, the narrow one flows.
export function place(element, { x, y, width, height }) {
  for (const [name, value] of Object.entries({ x, y, w: width, h: height }))
    if (value !== undefined) element.style.setProperty(`--${name}`, `${value}px`);
}

// A result shows its beginning when it is wider than its field; the whole text stays in the
// tooltip and in the selection.
function fitResult(output) {
  const wide = output.scrollWidth > output.clientWidth + 1;
  output.classList.toggle('overflowing', wide);
  output.title = wide ? output.value : '';
}

// Typing stops at the field's width where the model says so.
function keepWithinWidth(input, previous) {
  if (input.scrollWidth > input.clientWidth + 1) {
    const caret = Math.max(0, input.selectionStart - (input.value.length - previous.length));
    input.value = previous;
    input.setSelectionRange(caret, caret);
    return false;
  }
  return true;
}

// A rectangle [x, y, width, height] as the model gives it, as place takes it.
export const pixels = ([x, y, width, height]) => ({ x, y, width, height });

// presentation: the model's layout of the form (binding.js presentForm).
export function createForm(definition, slot, presentation, events) {
  const section = document.createElement('section');
  section.className = 'form';
  section.dataset.slot = String(slot);
  section.dataset.slug = definition.slug;
  if (definition.systemFont) section.classList.add('system-font');
  const prefix = `f${slot}`;
  const title = document.createElement('h2');
  title.className = 'form-title';
  title.id = `${prefix}-title`;
  title.textContent = definition.title;
  const [titleX, titleY] = presentation.title;
  place(title, { x: titleX, y: titleY });
  section.setAttribute('aria-labelledby', title.id);
  section.hidden = true;  // until the model shows it
  section.append(title);

  const inputCaption = new Map(definition.inputs.map((input) => [input.id, input.caption]));
  const resultCaption = new Map(definition.results.map((result) => [result.id, result.caption]));
  const captionIndexes = new Set([...inputCaption.values(), ...resultCaption.values()]);
  const controlId = (index) => `${prefix}-${index}`;

  const controls = definition.controls.map((control, index) => {
    const shown = presentation.controls[index];
    const entry = { control, index };
    let element;
    const caption = inputCaption.get(control.id);
    const named = resultCaption.get(control.id);
    switch (control.kind) {
      case 'Label': case 'CentredLabel': case 'SunkenLabel': {
        element = document.createElement(captionIndexes.has(index) ? 'label' : 'div');
        element.textContent = control.text;
        // A text starts at the top of its rectangle and wraps where the model says so.
        if (shown.wraps) element.classList.add('wrap');
        else if (shown.align === 'left' && control.kind === 'CentredLabel') element.style.textAlign = 'left';  // too wide to centre
        break;
      }
      case 'GroupBox': {
        element = document.createElement('div');
        const legend = document.createElement('span');
        legend.className = 'legend';
        legend.textContent = control.text;
        element.append(legend);
        break;
      }
      case 'ResultField': case 'ReadOnlyEdit': {
        element = document.createElement('output');
        element.value = control.text;
        if (named !== undefined && named >= 0) element.setAttribute('aria-labelledby', controlId(named));
        entry.output = element;
        break;
      }
      case 'Edit': {
        element = document.createElement('input');
        element.type = 'text';
        entry.input = element;
        break;
      }
      case 'ComboBox': {
        const combo = createComboBox({ onChoose: (item) => events.chooseItem(slot, control.id, item) });
        element = combo.element;
        combo.setListHeight(shown.listHeight);
        entry.combo = combo;
        entry.input = combo.input;
        break;
      }
      case 'PushButton': case 'DefaultPushButton': {
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = control.text;
        element.addEventListener('click', () => events.pressButton(slot, control.id));
        entry.button = element;
        break;
      }
      case 'Picture': {
        element = document.createElement('div');
        const picture = document.createElement('img');
        picture.src = `pictures/${control.text}.png`;
        picture.srcset = `pictures/${control.text}@2x.png 2x`;
        picture.alt = `Náčrt: ${definition.title}`;
        element.append(picture);
        break;
      }
      case 'LinkLabel': {
        // The address the model opens for this link, so that the link shows and opens it too.
        element = document.createElement('a');
        if (control.address) element.href = control.address;
        element.target = '_blank';
        element.rel = 'noopener';
        element.textContent = control.text;
        if (shown.align === 'left') element.style.textAlign = 'left';
        element.addEventListener('click', (event) => events.followLink(event, () => events.pressButton(slot, control.id)));
        break;
      }
      default:
        element = document.createElement('div');
    }
    element.classList.add('control', `kind-${control.kind}`, `font-${control.font}`);
    for (const flag of ['clientEdge', 'dialogFrame', 'flat']) if (control[flag]) element.classList.add(flag);
    element.id = controlId(index);
    element.dataset.controlId = String(control.id);
    place(element, pixels(shown.rect));
    // The program's own cursor over static texts, results and pictures; the plain arrow where the
    // model says so (the link label).
    if (shown.cursor !== 'default') element.classList.add(`${shown.cursor}-cursor`);
    if (shown.behind) element.classList.add('behind');
    if (entry.input) {
      const input = entry.input;
      input.id = entry.combo ? `${controlId(index)}-field` : controlId(index);
      if (entry.combo) element.id = `${controlId(index)}-box`;
      input.dataset.controlId = String(control.id);
      input.autocomplete = 'off';
      input.spellcheck = false;
      input.setAttribute('autocapitalize', 'off');
      // A phone's Enter key computes, as Enter does: it is labelled as finishing the input.
      input.setAttribute('enterkeyhint', 'done');
      if (control.kind === 'Edit' && shown.align === 'centre') input.classList.add('centred');
      let previous = input.value;
      input.addEventListener('input', () => {
        if (shown.stopsAtWidth && !keepWithinWidth(input, previous)) return;
        previous = input.value;
        events.editText(slot, control.id, input.value);
      });
      entry.setPrevious = (value) => { previous = value; };
    }
    // Tab passes over controls the model gives no tab stop; the mouse still reaches them.
    const focusable = entry.input ?? entry.button ?? entry.output;
    if (focusable && shown.focus === 'clickOnly') focusable.tabIndex = -1;
    section.append(element);
    entry.element = element;
    return entry;
  });

  // On a narrow screen the form flows as one column: each group box with the controls inside it,
  // groups and controls from top to bottom and left to right.
  const inside = (inner, outer) => inner.x >= outer.x && inner.y >= outer.y
    && inner.x + inner.cx <= outer.x + outer.cx && inner.y + inner.cy <= outer.y + outer.cy;
  const groups = controls.filter((entry) => entry.control.kind === 'GroupBox');
  const flowKey = (entry) => {
    const c = entry.control;
    const group = c.kind === 'GroupBox' ? c : groups.map((g) => g.control).find((g) => inside(c, g)) ?? c;
    return [group.y, group.x, c === group ? 0 : 1, c.y, c.x];
  };
  const compare = (a, b) => a.key.findIndex((v, i) => v !== b.key[i]);
  [...controls].map((entry) => ({ entry, key: flowKey(entry) }))
    .sort((a, b) => { const i = compare(a, b); return i < 0 ? 0 : a.key[i] - b.key[i]; })
    .forEach(({ entry }, rank) => entry.element.style.setProperty('--order', String(rank)));

  // Captions become the labels of their inputs (for an input, its label names it). Inputs and
  // results carry their place in the reading and result order.
  definition.inputs.forEach((input, order) => {
    const label = controls[input.caption]?.element;
    const field = controls.find((entry) => entry.control.id === input.id)?.input;
    if (field) field.dataset.input = String(order);
    if (label?.tagName === 'LABEL' && field) label.htmlFor = field.id;
  });
  definition.results.forEach((result, order) => {
    const output = controls.find((entry) => entry.control.id === result.id)?.output;
    if (output) output.dataset.result = String(order);
  });
  for (const entry of controls)
    if (entry.output && !entry.output.hasAttribute('aria-labelledby')) entry.output.setAttribute('aria-label', definition.title);

  return {
    element: section,
    controls,
    // The first control with this id, as the model addresses controls.
    byId(id) { return controls.find((entry) => entry.control.id === id); },
    show(visible) { section.hidden = !visible; },
    // Shows the model's texts.
    update(formState) {
      formState.controls.forEach((state, index) => {
        const entry = controls[index];
        if (!entry) return;
        if (entry.combo) entry.combo.setItems(state.items ?? []);
        if (entry.input) {
          // Never clobber what the user is typing when it is already the model's text.
          if (entry.input.value !== state.text) {
            entry.input.value = state.text;
            entry.setPrevious(state.text);
            if (entry.combo) entry.input.setSelectionRange(0, 0);
          }
        } else if (entry.output) {
          if (entry.output.value !== state.text) entry.output.value = state.text;
          fitResult(entry.output);
        } else if (staticKinds.has(entry.control.kind) && entry.element.textContent !== state.text) {
          entry.element.textContent = state.text;
        }
      });
    },
  };
}
