// Dialog units to CSS pixels by the base units of the dialog font, as the desktop views compute
// them: x = average width of A-Z a-z, rounded as (width / 26 + 1) / 2; y = the font's height.
export const dialogFont = '12px "Liberation Sans", Arimo, Arial, Helvetica, sans-serif';

export function measureBaseUnits(font = dialogFont) {
  const context = document.createElement('canvas').getContext('2d');
  context.font = font;
  const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
  const width = Math.round(metrics.width);
  const height = Math.round(metrics.fontBoundingBoxAscent) + Math.round(metrics.fontBoundingBoxDescent);
  return { x: Math.trunc((Math.trunc(width / 26) + 1) / 2), y: height };
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
