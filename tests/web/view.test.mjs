// The browser view in headless chromium: switching fields and topics, one computation per form
// with the native program's result texts, the messages, the help window, the keyboard, the
// links, the phone layout, offline use, and no errors on the console.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { repoRoot, webBuild } from './paths.mjs';
import { startBrowser } from './browser.mjs';

const golden = join(repoRoot, 'tests', 'cli', 'golden');
const lines = (file) => readFileSync(join(golden, file), 'utf8').split('\n').filter(Boolean).map((l) => l.split('\t'));
// Each example with the native program's answer: [slug, texts, answer fields].
const examples = lines('examples.tsv').map(([slug, ...texts], i) => ({ slug, texts, answer: lines('expected.tsv')[i] }));
const screenshots = join(webBuild, 'screenshots');
mkdirSync(screenshots, { recursive: true });

const fieldButtons = ['toolbarElectrical', 'toolbarThermal', 'toolbarMechanics', 'toolbarOptics',
  'toolbarGasesAndLiquids', 'toolbarAntenna'];
const visibleForm = (page) => page.locator('section.form:not([hidden])');

// Which field button and panel label open each form, found by clicking through every panel.
async function topicMap(page) {
  const map = new Map();
  for (const field of fieldButtons) {
    await page.click(`#${field}`);
    map.set(await visibleForm(page).getAttribute('data-slug'), { field, label: null });
    for (const label of await page.locator('nav.panel button.label').all()) {
      await label.click();
      map.set(await visibleForm(page).getAttribute('data-slug'), { field, label: await label.getAttribute('id') });
    }
  }
  return map;
}

async function openForm(page, topics, slug) {
  const { field, label } = topics.get(slug);
  await page.click(`#${field}`);
  if (label) await page.click(`#${label}`);
  const form = visibleForm(page);
  assert.equal(await form.getAttribute('data-slug'), slug);
  return form;
}

// Types each text into its input; a text that a drop-down list offers is chosen from the list
// (a list field takes typing only as wide as the field, as on the desktop).
async function fill(form, texts) {
  for (const [i, text] of texts.entries()) {
    const input = form.locator(`[data-input="${i}"]`);
    if (await input.getAttribute('role') === 'combobox') {
      const box = input.locator('xpath=..');
      const option = box.locator('[role=option]').filter({ hasText: text });
      if (await option.count() && (await option.allTextContents()).includes(text)) {
        await box.locator('.combo-button').click();
        await box.locator('[role=option]').nth((await box.locator('[role=option]').allTextContents()).indexOf(text)).click();
        continue;
      }
    }
    await input.fill(text);
  }
}

describe('desktop', () => {
  let browser, page, topics, startSize;
  before(async () => {
    browser = await startBrowser();
    page = await browser.open();
    const box = await page.locator('#mainWindow').boundingBox();
    startSize = [box.width, box.height];
    await page.screenshot({ path: join(screenshots, 'desktop-start.png') });
    topics = await topicMap(page);
  });
  after(async () => {
    assert.deepEqual(browser.errors, []);
    await browser.close();
  });

  test('start: Czech page, the window, toolbar, electrical panel, current form, status texts', async () => {
    await page.click('#toolbarElectrical');
    assert.equal(await page.getAttribute('html', 'lang'), 'cs');
    assert.equal(await page.textContent('#windowTitle'), 'Kalvora 5.0.9');
    assert.deepEqual(startSize, [580, 600]);
    const tools = await page.locator('#toolbar > *').evaluateAll((items) =>
      items.map((item) => (item.classList.contains('separator') ? '|' : item.title)));
    assert.deepEqual(tools, ['Elektro výpočty', 'Termo výpočty', 'Mechanika', 'Optika', 'Mechanika plynů a kapalin',
      'Antény', '|', 'Help', 'Online nápověda', '|', 'Poznámkový blok', 'Kalkulator', '|', 'Mail to me']);
    // Each button shows its own part of the strip.
    const pictures = await page.locator('.tool-picture').evaluateAll((items) =>
      items.map((item) => getComputedStyle(item).backgroundPosition));
    assert.deepEqual(pictures, Array.from({ length: 11 }, (_, i) => `${-32 * i}px 0px`));
    assert.equal(await page.textContent('#statusTotal'), 'RAM CELKEM = ? KB');
    assert.equal(await page.textContent('#statusAvailable'), 'VOLNE =? KB');
    const panelColour = await page.locator('#ctl150').evaluate((e) => getComputedStyle(e).color);
    assert.equal(panelColour, 'rgb(255, 255, 0)');
    assert.equal(topics.size, 22);
  });

  test('one computation per form shows the native program\'s result texts', async () => {
    const done = new Set();
    for (const { slug, texts, answer } of examples) {
      if (answer[0] !== 'ok' || done.has(slug)) continue;
      done.add(slug);
      const form = await openForm(page, topics, slug);
      await fill(form, texts);
      await form.locator('.kind-DefaultPushButton, button:text-is("OK")').first().click();
      const results = await form.locator('output[data-result]').evaluateAll((outputs) =>
        outputs.sort((a, b) => a.dataset.result - b.dataset.result).map((o) => o.value));
      assert.deepEqual(results, answer.slice(1), slug);
    }
    assert.equal(done.size, 22);
  });

  test('messages: each form message as a box with its caption, text, icon and OK', async () => {
    for (const { slug, texts, answer } of examples) {
      if (answer[0] !== 'error') continue;
      const form = await openForm(page, topics, slug);
      await fill(form, texts);
      await page.keyboard.press('Enter');
      const box = page.locator('dialog.message-box[open]');
      assert.equal(await box.locator('.box-caption').textContent(), answer[1], slug);
      assert.equal(await box.locator('p').textContent(), answer[2].replaceAll('\\n', '\n'), slug);
      assert.equal(await box.locator('button').allTextContents().then((t) => t.join()), 'OK');
      assert.ok(await box.evaluate((dialog) => dialog.contains(document.activeElement)), 'the box takes the focus');
      await page.screenshot({ path: join(screenshots, 'desktop-message.png') });
      await page.keyboard.press('Enter');
      assert.equal(await page.locator('dialog.message-box').count(), 0);
    }
  });

  test('the toolbar\'s help text box leaves the window usable; the end question asks Ano / Ne', async () => {
    await page.click('#toolbarHelp');
    const help = page.locator('dialog.message-box[open]');
    assert.match(await help.locator('p').textContent(), /^Z menu si vybereme požadovaný výpočet/);
    assert.equal(await help.evaluate((dialog) => dialog.matches(':modal')), false);
    await page.click('#toolbarThermal');  // the window stays usable
    assert.equal(await visibleForm(page).getAttribute('data-slug'), 'wall-thermal-resistance');
    await help.locator('button').click();

    await page.click('#closeBox');
    const question = page.locator('dialog.message-box[open]');
    assert.equal(await question.locator('p').textContent(), 'Přejete si ukončit?');
    assert.deepEqual(await question.locator('button').allTextContents(), ['Ano', 'Ne']);
    assert.equal(await question.locator('.box-icon').getAttribute('aria-label'), 'Otázka');
    await page.keyboard.press('Escape');  // a question needs an answer
    assert.equal(await question.count(), 1);
    await question.locator('button:text-is("Ne")').click();
    assert.equal(await page.locator('#desktop').isVisible(), true);
  });

  test('help window shows each form\'s picture, Enter closes it, Esc does not', async () => {
    const pictures = { current: 2002, resistance: 2004, voltage: 2003, 'capacitor-reactance': 2006,
      'coil-reactance': 2005, transformer: 2007, 'conductor-resistance': 2008, 'gravitation-law': 2000,
      'gravitational-acceleration': 234, 'free-fall': 2001, 'lens-power': 2009, 'aerodynamic-drag': 2010,
      'coax-cable-length': 2011 };
    for (const [slug, id] of Object.entries(pictures)) {
      const form = await openForm(page, topics, slug);
      await form.locator('button:text-is("Help")').click();
      const help = page.locator('#helpWindow[open]');
      assert.equal(await help.locator('.box-caption').textContent(), 'Nápověda k tématu');
      const image = help.locator('img');
      if (id === null) {
        assert.equal(await image.count(), 0, 'no picture: an empty frame');
      } else {
        await image.evaluate((img) => img.decode());
        assert.equal(await image.getAttribute('src'), `pictures/help/${id}.png`, slug);
        assert.ok(await image.evaluate((img) => img.naturalWidth > 0), slug);
      }
      if (slug === 'current') await page.screenshot({ path: join(screenshots, 'desktop-help.png') });
      await page.keyboard.press('Escape');
      assert.equal(await help.count(), 1, 'Esc leaves the help window open');
      await page.keyboard.press('Enter');
      assert.equal(await help.count(), 0);
    }
  });

  test('keyboard: focus at opening, Tab order, Enter computes, keypad point, Esc is Storno, menu by keys', async () => {
    const form = await openForm(page, topics, 'current');
    assert.equal(await page.evaluate(() => document.activeElement.dataset.input), '0');
    await page.keyboard.type('12');
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.dataset.input), '1');
    await page.keyboard.type('1');
    await page.keyboard.press('NumpadDecimal');
    await page.keyboard.type('5');
    assert.equal(await form.locator('[data-input="1"]').inputValue(), '1.5');
    await page.keyboard.press('Enter');
    assert.equal(await form.locator('output[data-result="0"]').textContent(), '8.00000');
    // The result puts the focus back on the first input; Tab follows the template's order.
    assert.equal(await page.evaluate(() => document.activeElement.dataset.input), '0');
    const order = [];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press('Tab');
      order.push(await page.evaluate(() => document.activeElement.dataset.input ?? document.activeElement.textContent));
    }
    assert.deepEqual(order, ['1', 'OK', 'Help', 'Storno']);
    await page.keyboard.press('Escape');
    assert.equal(await visibleForm(page).count(), 0, 'Esc hides the form');

    await page.keyboard.press('Alt+v');
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Elektro(E)');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await visibleForm(page).getAttribute('data-slug'), 'wall-thermal-resistance');
    await page.keyboard.press('Alt+t');
    await page.keyboard.press('Enter');
    assert.equal(await visibleForm(page).getAttribute('data-slug'), 'wall-thermal-resistance');
    await page.keyboard.press('Alt+o');
    await page.keyboard.press('Enter');
    const about = page.locator('dialog.about-box[open]');
    assert.equal(await about.locator('.about-title').textContent(), 'Kalvora 5.0.9');
    await page.keyboard.press('Enter');
    assert.equal(await about.count(), 0);
  });

  test('the Témata menu lists the panel\'s topics, then the links after a separator', async () => {
    await page.click('#toolbarElectrical');
    await page.keyboard.press('Alt+t');
    const entries = await page.locator('#menuTopics + [role=menu] > li').evaluateAll((items) =>
      items.map((item) => (item.getAttribute('role') === 'separator' ? '|' : item.textContent)));
    assert.deepEqual(entries, ['Proud', 'Napětí', 'Odpor', 'Cívka', 'Kondenzátor', 'Transformátor', 'Odpor vodiče',
      'Zářivka za žárovku', 'Světelný tok', 'Příkon spotřebiče', 'Činný výkon', 'Úbytek napětí', '|',
      'Další programy', 'kalvora@example.org']);
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await visibleForm(page).getAttribute('data-slug'), 'voltage');
  });

  test('drop-down lists keep the model\'s order and choose by keys', async () => {
    const form = await openForm(page, topics, 'conductor-resistance');
    const field = form.locator('[role=combobox]');
    await field.focus();
    await page.keyboard.press('Alt+ArrowDown');
    const items = await form.locator('[role=option]').allTextContents();
    assert.ok(items.length > 1);
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await field.inputValue(), items[1]);
    assert.equal(await visibleForm(page).count(), 1, 'Enter in the open list chooses, it is not OK');
  });

  test('accessibility: inputs labelled by their captions, results named outputs, status texts readable', async () => {
    const form = await openForm(page, topics, 'current');
    assert.equal(await form.getByRole('textbox', { name: 'Napětí U (Volt)' }).count(), 1);
    assert.equal(await form.getByRole('textbox', { name: 'Odpor R (Ohm)' }).count(), 1);
    await fill(form, ['100', '1e-12']);
    await page.keyboard.press('Enter');
    const result = form.getByRole('status', { name: 'Proud I (Amper) =' });
    assert.equal(await result.textContent(), '100000000000000.00000');
    // Too wide for its field: the beginning shows and the tooltip has the whole text.
    assert.equal(await result.evaluate((o) => [getComputedStyle(o).textAlign, o.title].join()),
      'left,100000000000000.00000');
    // The result can be selected and copied as shown.
    assert.equal(await result.evaluate((o) => {
      getSelection().selectAllChildren(o);
      return getSelection().toString();
    }), '100000000000000.00000');
    const mixing = await openForm(page, topics, 'liquid-mixing');
    assert.equal(await mixing.getByRole('status', { name: 'Celkový objem roztoku:' }).count(), 1);
    for (const id of ['#statusTotal', '#statusAvailable']) assert.equal(await page.locator(id).getAttribute('aria-label'), null);
  });

  test('liquid mixing widens the window, Storno puts it back', async () => {
    page = await browser.open();  // a fresh start: the window has its first size
    await openForm(page, topics, 'liquid-mixing');
    let box = await page.locator('#mainWindow').boundingBox();
    assert.deepEqual([box.width, box.height], [660, 610]);
    await page.screenshot({ path: join(screenshots, 'desktop-liquid-mixing.png') });
    await visibleForm(page).locator('button:text-is("Storono")').click();
    box = await page.locator('#mainWindow').boundingBox();
    assert.deepEqual([box.width, box.height], [580, 600]);
  });

  test('links: pages in a new tab, the mail address as a mailto: link, the outside tools', async () => {
    await page.click('#toolbarElectrical');
    const other = page.locator('#ctl202');
    assert.deepEqual(await other.evaluate((a) => [a.target, a.rel]), ['_blank', 'noopener']);
    assert.match(await page.getAttribute('#ctl203', 'href'), /^mailto:/);
    await page.evaluate(() => { window.opened = []; });
    await page.click('#toolbarMail');
    await page.click('#toolbarOnlineHelp');
    const opened = await page.evaluate(() => window.opened);
    assert.equal(opened.length, 2);
    assert.match(opened[0], /^mailto:/);
    assert.equal(opened[1], 'kalvora-napoveda.html');
    const coax = await openForm(page, topics, 'coax-cable-length');
    assert.deepEqual(await coax.locator('a').evaluate((a) => [a.target, a.rel]), ['_blank', 'noopener']);
  });

  test('ending: Ano closes the program', async () => {
    await page.click('#menuProgram');
    await page.click('#actionEnd');
    await page.locator('dialog.message-box[open] button:text-is("Ano")').click();
    assert.equal(await page.locator('#ended').isVisible(), true);
    assert.equal(await page.locator('#desktop').isVisible(), false);
  });
});

describe('phone', () => {
  let browser, page;
  before(async () => {
    browser = await startBrowser({ width: 360, height: 640 });
    page = await browser.open();
  });
  after(async () => {
    assert.deepEqual(browser.errors, []);
    await browser.close();
  });

  test('panel and form stack, fields are touch-sized, nothing is cut off in any form', async () => {
    await page.screenshot({ path: join(screenshots, 'phone-start.png'), fullPage: true });
    const topics = await topicMap(page);
    for (const slug of topics.keys()) {
      const form = await openForm(page, topics, slug);
      const panelBox = await page.locator('nav.panel').boundingBox();
      const formBox = await form.boundingBox();
      assert.ok(panelBox.y + panelBox.height <= formBox.y, `${slug}: the form is below the panel`);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), `${slug}: no sideways scrolling`);
      const sizes = await form.locator('input, button, output').evaluateAll((items) => items
        .filter((item) => item.offsetParent)
        .map((item) => { const r = item.getBoundingClientRect(); return { h: r.height, right: r.right, left: r.left }; }));
      for (const size of sizes) {
        assert.ok(size.h >= 40, `${slug}: touch-sized (${size.h})`);
        assert.ok(size.left >= 0 && size.right <= 360, `${slug}: within the screen`);
      }
      if (slug === 'liquid-mixing' || slug === 'current') await page.screenshot({ path: join(screenshots, `phone-${slug}.png`), fullPage: true });
    }
  });
});

describe('offline', () => {
  test('after the first visit a reload without network works', async () => {
    const browser = await startBrowser();
    try {
      const page = await browser.open();
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.reload();
      await page.waitForSelector('html.ready');
      assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
      await browser.context.setOffline(true);
      await page.reload();
      await page.waitForSelector('html.ready');
      const form = page.locator('section.form:not([hidden])');
      await form.locator('[data-input="0"]').fill('12');
      await form.locator('[data-input="1"]').fill('3');
      await page.keyboard.press('Enter');
      assert.equal(await form.locator('output[data-result="0"]').textContent(), '4.00000');
      assert.ok(await page.evaluate(() => document.querySelector('.tool-picture') !== null));
      assert.deepEqual(browser.errors, []);
    } finally {
      await browser.close();
    }
  });
});
