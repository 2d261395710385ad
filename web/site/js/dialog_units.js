// The fonts the page draws its forms and panels in, measured as numbers for the model, which lays
// out every control from them (dialog units to pixels, as the desktop views do).
const dialogFamily = '"Liberation Sans", Arimo, Arial, Helvetica, sans-serif';
const dialogFont = `12px ${dialogFamily}`;
// The help window's: the dialog family at 10 points.
export const helpFont = `10pt ${dialogFamily}`;
const labelFont = '600 14px "Times New Roman", "Liberation Serif", Tinos, Times, serif';
const linkFont = 'italic 22px "Times New Roman", "Liberation Serif", Tinos, serif';
const alphabet = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';

const context = document.createElement('canvas').getContext('2d');
const widthIn = (font, text) => {
  context.font = font;
  return Math.round(context.measureText(text).width);
};

// A font as the model takes it: the alphabet's width, the line height, the average character
// width (that of an "x").
function measure(font) {
  context.font = font;
  const metrics = context.measureText(alphabet);
  const [ascent, descent] = 'fontBoundingBoxAscent' in metrics
    ? [metrics.fontBoundingBoxAscent, metrics.fontBoundingBoxDescent] : fontExtent(font);
  return [Math.round(metrics.width), Math.round(ascent) + Math.round(descent), widthIn(font, 'x')];
}

// The font's ascent and descent where the canvas does not tell them (Firefox before 116): an
// inline text's box spans the font's ascent and descent, and an empty inline block sits on the
// baseline.
function fontExtent(font) {
  const host = document.createElement('div');
  host.style.cssText = 'position: absolute; left: -9999px; top: 0; visibility: hidden; white-space: nowrap';
  const text = document.createElement('span');
  text.style.cssText = `font: ${font}; line-height: normal`;
  const baseline = document.createElement('span');
  baseline.style.cssText = 'display: inline-block; width: 0; height: 0; vertical-align: baseline';
  text.append('Ag', baseline);
  host.append(text);
  document.body.append(host);
  const box = text.getBoundingClientRect();
  const base = baseline.getBoundingClientRect().bottom;
  host.remove();
  return [base - box.top, box.bottom - base];
}

// What the model needs for every form and panel, in the order the binding takes it: the dialog
// and label fonts, then a one-line drop-down field (one and a half lines of the dialog font) and
// one row of its list (a line and its padding).
export function measureFonts() {
  const dialog = measure(dialogFont);
  const height = dialog[1];
  return [...dialog, ...measure(labelFont).slice(0, 2), Math.round(1.5 * height), height + 2];
}

// The link label's font, measured only when a form with a link is made (it is not needed at the start).
export const measureLinkFont = () => measure(linkFont);

// The help window's font, measured when the window first opens.
export const measureHelpFont = () => measure(helpFont);

// Each control's text width in its font, for the room a one-line text takes beside it.
export const textWidths = (controls) =>
  controls.map((control) => widthIn(control.font === 'link' ? linkFont : dialogFont, control.text)).join(',');
