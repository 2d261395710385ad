// The dialog-unit layout in a browser whose canvas does not give the font's ascent and descent
// (Firefox before 116): every control of the start's panel and form lands where it does in the
// same browser with them.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { engines, startBrowser } from './browser.mjs';

// Each placed control's rectangle (panel labels, form controls, the form's title).
async function layout(options) {
  const browser = await startBrowser(options);
  try {
    const page = await browser.open();
    const rectangles = await page.evaluate(() => [...document.querySelectorAll('nav.panel li, section.form .control, .form-title')]
      .map((element) => { const r = element.getBoundingClientRect(); return [element.id, r.x, r.y, r.width, r.height].join(); }));
    assert.deepEqual(browser.errors, []);
    return rectangles;
  } finally {
    await browser.close();
  }
}

for (const engine of engines) {
  describe(`${engine}: layout`, () => {
    test('without the font\'s bounding box in canvas metrics the layout is the same', async () => {
      const usual = await layout({ engine });
      const without = await layout({ engine, beforeLoad: () => {
        delete TextMetrics.prototype.fontBoundingBoxAscent;
        delete TextMetrics.prototype.fontBoundingBoxDescent;
      } });
      assert.ok(usual.length > 20);
      assert.deepEqual(without, usual);
    });
  });
}
