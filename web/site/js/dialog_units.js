// Dialog units to CSS pixels by the base units of the dialog font, as the desktop views compute
// them: x = average width of A-Z a-z, rounded as (width / 26 + 1) / 2; y = the font's height.
export const dialogFont = '12px "Liberation Sans", Arimo, Arial, Helvetica, sans-serif';

export function measureBaseUnits(font = dialogFont) {
  const context = document.createElement('canvas').getContext('2d');
  context.font = font;
  const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
  const width = Math.round(metrics.width);
  const [ascent, descent] = 'fontBoundingBoxAscent' in metrics
    ? [metrics.fontBoundingBoxAscent, metrics.fontBoundingBoxDescent] : fontExtent(font);
  return { x: Math.trunc((Math.trunc(width / 26) + 1) / 2), y: Math.round(ascent) + Math.round(descent) };
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

// a * b / c rounded half away from zero, as MulDiv does.
function mulDiv(a, b, c) {
  const product = a * b;
  const half = Math.trunc(c / 2);
  return product >= 0 ? Math.trunc((product + half) / c) : Math.trunc((product - half) / c);
}

export function toPixels(control, base) {
  return {
    x: mulDiv(control.x, base.x, 4),
    y: mulDiv(control.y, base.y, 8),
    width: mulDiv(control.cx, base.x, 4),
    height: mulDiv(control.cy, base.y, 8),
  };
}
