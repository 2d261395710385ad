// The browser view in every engine: switching fields and topics, one computation per form with
// the native program's result texts, the messages, the help window, the keyboard, the links, the
// phone layout, offline use, and no errors on the console.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { repoRoot, webBuild } from './paths.mjs';
import { engines, startBrowser } from './browser.mjs';

const golden = join(repoRoot, 'tests', 'cli', 'golden');
const lines = (file) => readFileSync(join(golden, file), 'utf8').split('\n').filter(Boolean).map((l) => l.split('\t'));
// Each example with the native program's answer: [slug, texts, answer fields].
const examples = lines('examples.tsv').map(([slug, ...texts], i) => ({ slug, texts, answer: lines('expected.tsv')[i] }));
const screenshots = join(webBuild, 'screenshots');
mkdirSync(screenshots, { recursive: true });

const fieldButtons = ['toolbarElectrical', 'toolbarThermal', 'toolbarMechanics', 'toolbarOptics',
  'toolbarGasesAndLiquids', 'toolbarAntenna'];
const form = 'section.form:not([hidden])';
const visibleSlug = (page) => page.attribute(form, 'data-slug');
const focusedInput = (page) => page.evaluate(() => document.activeElement.dataset.input ?? document.activeElement.textContent);
const results = (page) => page.evaluate((f) => [...document.querySelectorAll(`${f} output[data-result]`)]
  .sort((a, b) => a.dataset.result - b.dataset.result).map((o) => o.value), form);

// Which field button and panel label open each form, found by clicking through every panel.
async function topicMap(page) {
  const map = new Map();
  for (const field of fieldButtons) {
    await page.click(`#${field}`);
    map.set(await visibleSlug(page), { field, label: null });
    const labels = await page.evaluate(() => [...document.querySelectorAll('nav.panel button.label')].map((b) => b.id));
    for (const label of labels) {
      await page.click(`#${label}`);
      map.set(await visibleSlug(page), { field, label });
    }
  }
  return map;
}

async function openForm(page, topics, slug) {
  const { field, label } = topics.get(slug);
  await page.click(`#${field}`);
  if (label) await page.click(`#${label}`);
  assert.equal(await visibleSlug(page), slug);
}

// Types each text into its input; a text that a drop-down list offers is chosen from the list
// (a list field takes typing only as wide as the field, as on the desktop).
async function fill(page, texts) {
  for (const [i, text] of texts.entries()) {
    const input = `${form} [data-input="${i}"]`;
    const options = await page.evaluate((s) => {
      const field = document.querySelector(s);
      return field.getAttribute('role') === 'combobox'
        ? [...field.parentElement.querySelectorAll('[role=option]')].map((o) => o.textContent) : [];
    }, input);
    if (options.includes(text)) {
      await page.click(`${input} ~ .combo-button`);
      await page.click(`${input} ~ [role=listbox] [role=option]`, { text });
    } else {
      await page.fill(input, text);
    }
  }
}

for (const engine of engines) {
  describe(`${engine}: desktop`, () => {
    let browser, page, topics, startSize;
    before(async () => {
      browser = await startBrowser({ engine });
      console.log(`${engine}: ${browser.version}`);
      page = await browser.open();
      const box = await page.box('#mainWindow');
      startSize = [box.width, box.height];
      await page.screenshot(join(screenshots, `${engine}-desktop-start.png`));
      topics = await topicMap(page);
    });
    after(async () => {
      assert.deepEqual(browser.errors, []);
      await browser.close();
    });

    test('start: Czech page, the window, toolbar, electrical panel, current form, status texts', async () => {
      await page.click('#toolbarElectrical');
      assert.equal(await page.attribute('html', 'lang'), 'cs');
      assert.equal(await page.text('#windowTitle'), 'Kalvora 5.0.9');
      assert.deepEqual(startSize, [580, 600]);
      const tools = await page.evaluate(() => [...document.querySelectorAll('#toolbar > *')].map((item) =>
        (item.classList.contains('separator') ? '|' : item.title)));
      assert.deepEqual(tools, ['Elektro výpočty', 'Termo výpočty', 'Mechanika', 'Optika', 'Mechanika plynů a kapalin',
        'Antény', '|', 'Help', 'Online nápověda', '|', 'Poznámkový blok', 'Kalkulator', '|', 'Mail to me']);
      // Each button shows its own part of the strip.
      const pictures = await page.evaluate(() => [...document.querySelectorAll('.tool-picture')].map((item) =>
        getComputedStyle(item).backgroundPosition));
      assert.deepEqual(pictures, Array.from({ length: 11 }, (_, i) => `${-32 * i}px 0px`));
      assert.equal(await page.text('#statusTotal'), 'RAM CELKEM = ? KB');
      assert.equal(await page.text('#statusAvailable'), 'VOLNE =? KB');
      assert.equal(await page.evaluate(() => getComputedStyle(document.querySelector('#ctl150')).color), 'rgb(255, 255, 0)');
      assert.equal(topics.size, 22);
    });

    test('one computation per form shows the native program\'s result texts', async () => {
      const done = new Set();
      for (const { slug, texts, answer } of examples) {
        if (answer[0] !== 'ok' || done.has(slug)) continue;
        done.add(slug);
        await openForm(page, topics, slug);
        await fill(page, texts);
        // The default button, or OK where the form has none.
        if (await page.count(`${form} .kind-DefaultPushButton`)) await page.click(`${form} .kind-DefaultPushButton`);
        else await page.click(`${form} button`, { text: 'OK' });
        assert.deepEqual(await results(page), answer.slice(1), slug);
      }
      assert.equal(done.size, 22);
    });

    test('messages: each form message as a box with its caption, text, icon and OK', async () => {
      const box = 'dialog.message-box[open]';
      for (const { slug, texts, answer } of examples) {
        if (answer[0] !== 'error') continue;
        await openForm(page, topics, slug);
        await fill(page, texts);
        await page.press('Enter');
        assert.equal(await page.text(`${box} .box-caption`), answer[1], slug);
        assert.equal(await page.text(`${box} p`), answer[2].replaceAll('\\n', '\n'), slug);
        assert.equal(await page.evaluate((s) => [...document.querySelectorAll(`${s} button`)].map((b) => b.textContent).join(), box), 'OK');
        assert.ok(await page.evaluate((s) => document.querySelector(s).contains(document.activeElement), box), 'the box takes the focus');
        await page.screenshot(join(screenshots, `${engine}-desktop-message.png`));
        await page.press('Enter');
        assert.equal(await page.count('dialog.message-box'), 0);
      }
    });

    test('the toolbar\'s help text box leaves the window usable; the end question asks Ano / Ne', async () => {
      await page.click('#toolbarHelp');
      const box = 'dialog.message-box[open]';
      assert.match(await page.text(`${box} p`), /^Z menu si vybereme požadovaný výpočet/);
      assert.equal(await page.evaluate((s) => document.querySelector(s).matches(':modal'), box), false);
      await page.click('#toolbarThermal');  // the window stays usable
      assert.equal(await visibleSlug(page), 'wall-thermal-resistance');
      await page.click(`${box} button`);

      await page.click('#closeBox');
      assert.equal(await page.text(`${box} p`), 'Přejete si ukončit?');
      assert.deepEqual(await page.evaluate((s) => [...document.querySelectorAll(`${s} button`)].map((b) => b.textContent), box), ['Ano', 'Ne']);
      assert.equal(await page.attribute(`${box} .box-icon`, 'aria-label'), 'Otázka');
      await page.press('Escape');  // a question needs an answer
      assert.equal(await page.count(box), 1);
      await page.click(`${box} button`, { text: 'Ne' });
      assert.equal(await page.evaluate(() => document.querySelector('#desktop').checkVisibility()), true);
    });

    test('help window shows each form\'s picture, Enter closes it, Esc does not', async () => {
      const pictures = { current: 2002, resistance: 2004, voltage: 2003, 'capacitor-reactance': 2006,
        'coil-reactance': 2005, transformer: 2007, 'conductor-resistance': 2008, 'gravitation-law': 2000,
        'gravitational-acceleration': 234, 'free-fall': 2001, 'lens-power': 2009, 'aerodynamic-drag': 2010,
        'coax-cable-length': 2011 };
      const help = '#helpWindow[open]';
      for (const [slug, id] of Object.entries(pictures)) {
        await openForm(page, topics, slug);
        await page.click(`${form} button`, { text: 'Help' });
        assert.equal(await page.text(`${help} .box-caption`), 'Nápověda k tématu');
        const image = await page.evaluate(async (s) => {
          const img = document.querySelector(`${s} img`);
          await img.decode();
          return { src: img.getAttribute('src'), width: img.naturalWidth };
        }, help);
        assert.equal(image.src, `pictures/help/${id}.png`, slug);
        assert.ok(image.width > 0, slug);
        if (slug === 'current') await page.screenshot(join(screenshots, `${engine}-desktop-help.png`));
        await page.press('Escape');
        assert.equal(await page.count(help), 1, 'Esc leaves the help window open');
        await page.press('Enter');
        assert.equal(await page.count(help), 0);
      }
    });

    test('keyboard: focus at opening, Tab order, Enter computes, keypad point, Esc is Storno, menu by keys', async () => {
      await openForm(page, topics, 'current');
      assert.equal(await focusedInput(page), '0');
      await page.type('12');
      await page.press('Tab');
      assert.equal(await focusedInput(page), '1');
      await page.type('1');
      await page.press('NumpadDecimal');
      await page.type('5');
      assert.equal(await page.value(`${form} [data-input="1"]`), '1.5');
      await page.press('Enter');
      assert.equal(await page.text(`${form} output[data-result="0"]`), '8.00000');
      // The result puts the focus back on the first input; Tab follows the template's order.
      assert.equal(await focusedInput(page), '0');
      const order = [];
      for (let i = 0; i < 4; ++i) {
        await page.press('Tab');
        order.push(await focusedInput(page));
      }
      assert.deepEqual(order, ['1', 'OK', 'Help', 'Storno']);
      await page.press('Escape');
      assert.equal(await page.count(form), 0, 'Esc hides the form');

      await page.press('Alt+v');
      assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Elektro(E)');
      await page.press('ArrowDown');
      await page.press('Enter');
      assert.equal(await visibleSlug(page), 'wall-thermal-resistance');
      await page.press('Alt+t');
      await page.press('Enter');
      assert.equal(await visibleSlug(page), 'wall-thermal-resistance');
      await page.press('Alt+o');
      await page.press('Enter');
      const about = 'dialog.about-box[open]';
      assert.equal(await page.text(`${about} .about-title`), 'Kalvora 5.0.9');
      await page.press('Enter');
      assert.equal(await page.count(about), 0);
    });

    test('the Témata menu lists the panel\'s topics, then the links after a separator', async () => {
      await page.click('#toolbarElectrical');
      await page.press('Alt+t');
      const entries = await page.evaluate(() => [...document.querySelectorAll('#menuTopics + [role=menu] > li')].map((item) =>
        (item.getAttribute('role') === 'separator' ? '|' : item.textContent)));
      assert.deepEqual(entries, ['Proud', 'Napětí', 'Odpor', 'Cívka', 'Kondenzátor', 'Transformátor', 'Odpor vodiče',
        'Zářivka za žárovku', 'Světelný tok', 'Příkon spotřebiče', 'Činný výkon', 'Úbytek napětí', '|',
        'Další programy', 'kalvora@example.org']);
      await page.press('ArrowDown');
      await page.press('Enter');
      assert.equal(await visibleSlug(page), 'voltage');
    });

    test('drop-down lists keep the model\'s order and choose by keys', async () => {
      await openForm(page, topics, 'conductor-resistance');
      const field = `${form} [role=combobox]`;
      await page.focus(field);
      await page.press('Alt+ArrowDown');
      const items = await page.evaluate((f) => [...document.querySelectorAll(`${f} [role=option]`)].map((o) => o.textContent), form);
      assert.ok(items.length > 1);
      await page.press('ArrowDown');
      await page.press('Enter');
      assert.equal(await page.value(field), items[1]);
      assert.equal(await page.count(form), 1, 'Enter in the open list chooses, it is not OK');
    });

    test('accessibility: inputs labelled by their captions, results named outputs, status texts readable', async () => {
      // The accessible name of each input and result: its label's or its labelling element's text.
      const names = (p) => p.evaluate((f) => [...document.querySelectorAll(`${f} input, ${f} output`)].map((e) => {
        const by = e.getAttribute('aria-labelledby');
        return [e.tagName, e.getAttribute('role'), by ? document.getElementById(by).textContent : e.labels?.[0]?.textContent];
      }), form);
      await openForm(page, topics, 'current');
      const current = await names(page);
      assert.deepEqual(current.filter(([tag]) => tag === 'INPUT').map(([, , name]) => name), ['Napětí U (Volt)', 'Odpor R (Ohm)']);
      assert.deepEqual(current.filter(([tag]) => tag === 'OUTPUT').map(([, , name]) => name), ['Proud I (Amper) =']);
      await fill(page, ['100', '1e-12']);
      await page.press('Enter');
      const result = `${form} output[data-result="0"]`;
      assert.equal(await page.text(result), '100000000000000.00000');
      // Too wide for its field: the beginning shows and the tooltip has the whole text.
      assert.equal(await page.evaluate((s) => { const o = document.querySelector(s); return [getComputedStyle(o).textAlign, o.title].join(); }, result),
        'left,100000000000000.00000');
      // The result can be selected and copied as shown.
      assert.equal(await page.evaluate((s) => {
        getSelection().selectAllChildren(document.querySelector(s));
        return getSelection().toString();
      }, result), '100000000000000.00000');
      await openForm(page, topics, 'liquid-mixing');
      assert.ok((await names(page)).some(([tag, , name]) => tag === 'OUTPUT' && name === 'Celkový objem roztoku:'));
      for (const id of ['#statusTotal', '#statusAvailable']) assert.equal(await page.attribute(id, 'aria-label'), null);
    });

    test('liquid mixing widens the window, Storno puts it back', async () => {
      page = await browser.open();  // a fresh start: the window has its first size
      await openForm(page, topics, 'liquid-mixing');
      let box = await page.box('#mainWindow');
      assert.deepEqual([box.width, box.height], [660, 610]);
      await page.screenshot(join(screenshots, `${engine}-desktop-liquid-mixing.png`));
      await page.click(`${form} button`, { text: 'Storono' });
      box = await page.box('#mainWindow');
      assert.deepEqual([box.width, box.height], [580, 600]);
    });

    test('links: pages in a new tab, the mail address as a mailto: link, the outside tools', async () => {
      await page.click('#toolbarElectrical');
      assert.deepEqual(await page.evaluate(() => { const a = document.querySelector('#ctl202'); return [a.target, a.rel]; }), ['_blank', 'noopener']);
      assert.match(await page.attribute('#ctl203', 'href'), /^mailto:/);
      await page.evaluate(() => { window.opened = []; });
      await page.click('#toolbarMail');
      await page.click('#toolbarOnlineHelp');
      const opened = await page.evaluate(() => window.opened);
      assert.equal(opened.length, 2);
      assert.match(opened[0], /^mailto:/);
      assert.equal(opened[1], 'kalvora-napoveda.html');
      await openForm(page, topics, 'coax-cable-length');
      assert.deepEqual(await page.evaluate((f) => { const a = document.querySelector(`${f} a`); return [a.target, a.rel]; }, form), ['_blank', 'noopener']);
    });

    test('ending: Ano closes the program', async () => {
      await page.click('#menuProgram');
      await page.click('#actionEnd');
      await page.click('dialog.message-box[open] button', { text: 'Ano' });
      assert.equal(await page.evaluate(() => document.querySelector('#ended').checkVisibility()), true);
      assert.equal(await page.evaluate(() => document.querySelector('#desktop').checkVisibility()), false);
    });
  });

  describe(`${engine}: phone`, () => {
    let browser, page;
    before(async () => {
      browser = await startBrowser({ engine, width: 360, height: 640 });
      page = await browser.open();
    });
    after(async () => {
      assert.deepEqual(browser.errors, []);
      await browser.close();
    });

    test('panel and form stack, fields are touch-sized, nothing is cut off in any form', async () => {
      await page.screenshot(join(screenshots, `${engine}-phone-start.png`));
      const topics = await topicMap(page);
      for (const slug of topics.keys()) {
        await openForm(page, topics, slug);
        const panelBox = await page.box('nav.panel');
        const formBox = await page.box(form);
        assert.ok(panelBox.y + panelBox.height <= formBox.y, `${slug}: the form is below the panel`);
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), `${slug}: no sideways scrolling`);
        const sizes = await page.evaluate((f) => [...document.querySelectorAll(`${f} input, ${f} button, ${f} output`)]
          .filter((item) => item.offsetParent)
          .map((item) => { const r = item.getBoundingClientRect(); return { h: r.height, right: r.right, left: r.left }; }), form);
        for (const size of sizes) {
          assert.ok(size.h >= 40, `${slug}: touch-sized (${size.h})`);
          assert.ok(size.left >= 0 && size.right <= 360, `${slug}: within the screen`);
        }
        if (slug === 'liquid-mixing' || slug === 'current') await page.screenshot(join(screenshots, `${engine}-phone-${slug}.png`));
      }
    });
  });

  describe(`${engine}: offline`, () => {
    test('after the first visit a reload without network works', async () => {
      const browser = await startBrowser({ engine });
      try {
        const page = await browser.open();
        await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
        await page.reload();
        await page.waitFor(() => document.documentElement.classList.contains('ready'));
        assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
        await browser.setOffline(true);
        await page.reload();
        await page.waitFor(() => document.documentElement.classList.contains('ready'));
        await page.fill(`${form} [data-input="0"]`, '12');
        await page.fill(`${form} [data-input="1"]`, '3');
        await page.press('Enter');
        assert.equal(await page.text(`${form} output[data-result="0"]`), '4.00000');
        assert.equal(await page.count('.tool-picture'), 11);
        assert.deepEqual(browser.errors, []);
      } finally {
        await browser.close();
      }
    });
  });
}
