// The page audited by axe-core in chromium: in the default colours only the panels' own colours
// may fall short of the contrast rule; with more contrast asked for, or forced colours, nothing.
// Keyboard focus always shows as a line around the control.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { startBrowser } from './browser.mjs';
import { webBuild } from './paths.mjs';
import { axePath } from './server.mjs';
import { fieldButtons, modelData } from './expected.mjs';

// Each violation as its rule and, per element found, whether it is a label of a topic panel.
async function audit(page) {
  return page.evaluate(async (path) => {
    if (!window.axe) {
      const script = document.createElement('script');
      script.src = path;
      document.head.append(script);
      await new Promise((done, fail) => { script.onload = done; script.onerror = fail; });
    }
    const result = await window.axe.run(document, { resultTypes: ['violations'] });
    return result.violations.map((v) => ({ rule: v.id, nodes: v.nodes.map((n) => {
      const element = document.querySelector(n.target.join(' '));
      return { target: n.target.join(' '), panelLabel: Boolean(element?.matches('nav.panel .label')) };
    }) }));
  }, axePath);
}

// The states audited: each field's panel with its first form, a message box, the help window.
async function auditEveryState(page) {
  const fields = fieldButtons(await modelData(page));
  const found = [];
  const record = async (state) => { for (const violation of await audit(page)) found.push({ state, ...violation }); };
  for (const field of fields) {
    await page.click(`#${field}`);
    await record(field);
  }
  await page.click(`#${fields[0]}`);
  await page.click('section.form:not([hidden]) button', { text: 'Help' });
  await record('help window');
  await page.press('Enter');
  await page.click('#toolbarHelp');
  await record('message box');
  await page.click('dialog.message-box[open] button');
  return found;
}

const schemes = [
  { name: 'default colours', media: [], allowed: (v) => v.rule === 'color-contrast' && v.nodes.every((n) => n.panelLabel) },
  { name: 'more contrast', media: [{ name: 'prefers-contrast', value: 'more' }], allowed: () => false },
  { name: 'forced colours', media: [{ name: 'forced-colors', value: 'active' }], allowed: () => false },
];

describe('chromium: accessibility', () => {
  let browser, page;
  before(async () => {
    browser = await startBrowser();
    page = await browser.open();
  });
  after(async () => {
    assert.deepEqual(browser.errors, []);
    await browser.close();
  });

  for (const { name, media, allowed } of schemes) {
    test(`audit in ${name}: ${name === 'default colours' ? 'only the panels\' colours fall short' : 'no violation'}`, async () => {
      await page.emulateMedia(media);
      for (const { name: feature, value } of media) assert.ok(await page.evaluate((q) => matchMedia(q).matches, `(${feature}: ${value})`));
      assert.deepEqual((await auditEveryState(page)).filter((violation) => !allowed(violation)), []);
      await page.screenshot(join(webBuild, 'screenshots', `chromium-${name.replace(' ', '-')}.png`));
    });
  }

  test('keyboard focus shows as a line on every kind of control', async () => {
    await page.emulateMedia([]);
    await page.click('#toolbarElectrical');
    const kinds = {
      'menu bar': async () => page.press('F10'),
      'menu': async () => page.press('Enter'),
      'menu item': async () => page.press('ArrowDown'),
      'toolbar button': async () => { await page.press('Escape'); await page.press('Escape'); await page.focus('#toolbarThermal'); },
      'panel label': async () => page.focus('nav.panel .label'),
      input: async () => page.focus('section.form:not([hidden]) input'),
      'push button': async () => page.focus('section.form:not([hidden]) button'),
    };
    for (const [kind, focus] of Object.entries(kinds)) {
      await focus();
      const line = await page.evaluate(() => {
        const style = getComputedStyle(document.activeElement);
        return [document.activeElement.textContent, document.activeElement.matches(':focus-visible'), style.outlineStyle, style.outlineWidth];
      });
      assert.ok(line[1] && line[2] !== 'none' && parseFloat(line[3]) > 0, `${kind}: ${line}`);
    }
  });
});
