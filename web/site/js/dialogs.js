// Message boxes, the About box and the help window as <dialog> elements. A box owned by a window
// is modal; a box without owner leaves the other windows usable. Each takes the focus.
import { helpFont } from './dialog_units.js';
import { pixels, place } from './form.js';

const iconGlyphs = { information: 'i', exclamation: '!', question: '?' };
const iconNames = { information: 'Informace', exclamation: 'Upozornění', question: 'Otázka' };

let nextDialogId = 1;

function dialogFrame(caption, className) {
  const dialog = document.createElement('dialog');
  dialog.className = `box ${className}`;
  const id = `dialog${nextDialogId++}`;
  const title = document.createElement('div');
  title.className = 'box-caption';
  title.id = `${id}-caption`;
  title.textContent = caption;
  dialog.setAttribute('aria-labelledby', title.id);
  const body = document.createElement('div');
  body.className = 'box-body';
  const buttons = document.createElement('div');
  buttons.className = 'box-buttons';
  dialog.append(title, body, buttons);
  return { dialog, body, buttons, id };
}

function button(text, onClick) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = text;
  element.addEventListener('click', onClick);
  return element;
}

function open(dialog, modal) {
  document.body.append(dialog);
  if (modal) dialog.showModal();
  else dialog.show();
  dialog.querySelector('.box-buttons button')?.focus();
}

// A box the model opens: caption, icon, text, and "OK" or "Ano" / "Ne"; modal where the model
// says so. Esc goes to the model, which answers it or leaves it waiting.
export function showMessageBox(box, onAnswer, onEscape) {
  const { dialog, body, buttons, id } = dialogFrame(box.caption, 'message-box');
  dialog.dataset.boxId = String(box.id);
  if (box.icon !== 'none') {
    const icon = document.createElement('span');
    icon.className = `box-icon icon-${box.icon}`;
    icon.setAttribute('role', 'img');
    icon.setAttribute('aria-label', iconNames[box.icon]);
    icon.textContent = iconGlyphs[box.icon];
    body.append(icon);
  }
  const text = document.createElement('p');
  text.id = `${id}-text`;
  text.textContent = box.text;
  body.append(text);
  dialog.setAttribute('aria-describedby', text.id);
  if (box.yesNo) {
    buttons.append(button('Ano', () => onAnswer('yes')), button('Ne', () => onAnswer('no')));
  } else {
    buttons.append(button('OK', () => onAnswer('ok')));
  }
  dialog.addEventListener('cancel', (event) => {
    event.preventDefault();
    onEscape();
  });
  dialog.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') { event.preventDefault(); onEscape(); }
    event.stopPropagation();
  });
  open(dialog, box.modal);
  return dialog;
}

export function showAbout(texts) {
  const { dialog, body, buttons } = dialogFrame(texts.programTitle, 'about-box');
  const icon = document.createElement('img');
  icon.src = 'icons/icon-32.png';
  icon.srcset = 'icons/icon-64.png 2x';
  icon.alt = 'Ikona programu';
  icon.width = 32;
  icon.height = 32;
  const title = document.createElement('p');
  title.className = 'about-title';
  title.textContent = texts.programTitle;
  const credit = document.createElement('p');
  credit.textContent = texts.aboutCredit;
  body.append(icon, title, credit);
  const close = () => { dialog.close(); dialog.remove(); };
  buttons.append(button('OK', close));
  dialog.addEventListener('cancel', (event) => { event.preventDefault(); close(); });
  open(dialog, true);
  return dialog;
}

// The help window "Nápověda k tématu": the picture of the topic in a sunken frame and OK, where
// the model lays them out in the window's font (layout: binding.js presentHelpWindow). Enter and
// Esc go to the model (Enter closes it, Esc does not). An id without a picture leaves the frame
// empty. Each picture's alternative text is what the model says it shows (its formulas).
export function createHelpWindow(title, layout, pictureIds, pictureTexts, onClose, onKey) {
  const { dialog, body, buttons } = dialogFrame(title, 'help-window');
  dialog.id = 'helpWindow';
  const client = document.createElement('div');
  client.className = 'help-client';
  client.style.font = helpFont;
  place(client, pixels(layout.window));
  const frame = document.createElement('div');
  frame.className = 'help-picture';
  place(frame, pixels(layout.picture));
  const ok = button('OK', onClose);
  ok.className = 'help-ok';
  place(ok, pixels(layout.ok));
  client.append(frame, ok);
  body.replaceWith(client);
  buttons.remove();
  dialog.addEventListener('cancel', (event) => event.preventDefault());
  dialog.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' || event.key === 'Escape') { event.preventDefault(); onKey(event.key); }
    event.stopPropagation();
  });
  return {
    element: dialog,
    show(pictureId) {
      if (pictureIds.includes(pictureId)) {
        const picture = frame.querySelector('img') ?? document.createElement('img');
        picture.src = `pictures/help/${pictureId}.png`;
        picture.srcset = `pictures/help/${pictureId}@2x.png 2x`;
        picture.alt = pictureTexts[pictureId] ?? '';
        frame.replaceChildren(picture);
      } else {
        frame.replaceChildren();
      }
      if (!dialog.open) open(dialog, false);
      ok.focus();
    },
    close() { dialog.close(); dialog.remove(); },
  };
}

// A link to show and copy: the text, the address selected in a read-only field, and OK.
export function showLink(caption, text, address) {
  const { dialog, body, buttons, id } = dialogFrame(caption, 'link-box');
  const label = document.createElement('label');
  label.htmlFor = `${id}-address`;
  label.textContent = text;
  const field = document.createElement('input');
  field.type = 'text';
  field.id = `${id}-address`;
  field.className = 'link-address';
  field.readOnly = true;
  field.value = address;
  const column = document.createElement('div');
  column.className = 'link-column';
  column.append(label, field);
  body.append(column);
  const close = () => { dialog.close(); dialog.remove(); };
  buttons.append(button('OK', close));
  dialog.addEventListener('cancel', (event) => { event.preventDefault(); close(); });
  dialog.addEventListener('keydown', (event) => event.stopPropagation());
  open(dialog, true);
  field.select();
  return dialog;
}
