// The browser view in every engine, one check per kind of event and control: switching fields
// and topics, one computation per field with the native program's result texts, a form's message,
// the help window, the keyboard, the links, the phone layout, offline use, and no errors on the
// console. What each form computes and says is the model's and the golden file's to check.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { webBuild } from './paths.mjs';
import { engines, startBrowser } from './browser.mjs';
import { calc, examples, fieldButtons, modelData, pressSeen } from './expected.mjs';

const screenshots = join(webBuild, 'screenshots');
mkdirSync(screenshots, { recursive: true });

const form = 'section.form:not([hidden])';
const visibleSlug = (page) => page.attribute(form, 'data-slug');
const focusedInput = (page) => page.evaluate(() => document.activeElement.dataset.input ?? document.activeElement.textContent);
const results = (page) => page.evaluate((f) => [...document.querySelectorAll(`${f} output[data-result]`)]
  .sort((a, b) => a.dataset.result - b.dataset.result).map((o) => o.value), form);

// Which field button and panel label open each form, found by clicking through every panel.
async function topicMap(page, data) {
  const map = new Map();
  for (const field of fieldButtons(data)) {
    await page.click(`#${field}`);
    map.set(await visibleSlug(page), { field, label: null });
    const labels = await page.evaluate(() => [...document.querySelectorAll('nav.panel button.label')].map((b) => b.id));
    for (const label of labels) {
      await page.click(`#${label}`);
      const slug = await visibleSlug(page);
      if (!map.has(slug)) map.set(slug, { field, label });
    }
  }
  return map;
}

// The form a field button opens with its panel.
const fieldForm = (topics, field) => [...topics.keys()].find((slug) => topics.get(slug).field === field && !topics.get(slug).label);

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
  // Enter on the focused button (a box's OK, a menu item). Firefox driven over WebDriver BiDi gets
  // the key events but does not turn them into the button's click as it does for a person's Enter
  // (nor for Space): there the focused button is clicked, so the rest of each scenario still runs.
  const enterOnButton = engine === 'firefox'
    ? async (page) => {
      assert.equal(await page.evaluate(() => document.activeElement.tagName), 'BUTTON');
      await page.clickFocused();
    }
    : (page) => page.press('Enter');

  describe(`${engine}: desktop`, () => {
    let browser, page, data, topics, startSize;
    before(async () => {
      browser = await startBrowser({ engine });
      console.log(`${engine}: ${browser.version}`);
      page = await browser.open();
      const box = await page.box('#mainWindow');
      startSize = [box.width, box.height];
      await page.screenshot(join(screenshots, `${engine}-desktop-start.png`));
      data = await modelData(page);
      topics = await topicMap(page, data);
    });
    after(async () => {
      assert.deepEqual(browser.errors, []);
      await browser.close();
    });
    test('start: Czech page, the window, toolbar, the panel, status texts; every label opens a form', async () => {
      const state = await page.evaluate(() => window.modelCopy.state());
      await page.click(`#${fieldButtons(data)[0]}`);
      assert.equal(await page.attribute('html', 'lang'), 'cs');
      assert.equal(await page.text('#windowTitle'), data.texts.programTitle);
      const { left, top, right, bottom } = state.mainWindow;
      assert.deepEqual(startSize, [right - left, bottom - top]);
      // Each button shows its own part of the strip.
      const pictures = await page.evaluate(() => [...document.querySelectorAll('.tool-picture')].map((item) =>
        getComputedStyle(item).backgroundPosition));
      assert.deepEqual(pictures, data.toolbar.buttons.map((_, i) => `${-32 * i}px 0px`));
      assert.equal(await page.text('#statusTotal'), state.totalMemoryText);
      assert.equal(await page.text('#statusAvailable'), state.availableMemoryText);
      const panel = data.panels.find((p) => p.field === state.panel.field);
      assert.equal(await page.evaluate((id) => getComputedStyle(document.getElementById(id)).color, `ctl${panel.labels[0].id}`),
        `rgb(${panel.labelText.join(', ')})`);
      assert.deepEqual([...topics.keys()].sort(), data.forms.map((f) => f.slug).sort());
    });

    test('one computation per field shows the native program\'s result texts', async () => {
      // Each field's first worked example (set in reverse, so the first one stays).
      const fieldOf = new Map(data.forms.map((f) => [f.slug, f.field]));
      const chosen = new Map(examples.filter((e) => e.answer[0] === 'ok').reverse().map((e) => [fieldOf.get(e.slug), e]));
      assert.equal(chosen.size, data.panels.length);
      for (const { slug, texts, answer } of chosen.values()) {
        await openForm(page, topics, slug);
        await fill(page, texts);
        // The default button, or OK where the form has none.
        if (await page.count(`${form} .kind-DefaultPushButton`)) await page.click(`${form} .kind-DefaultPushButton`);
        else await page.click(`${form} button`, { text: 'OK' });
        assert.deepEqual(await results(page), answer.slice(1), slug);
      }
    });

    test('a form\'s message shows as a box with its caption, text, icon and OK, and Enter answers it', async () => {
      const box = 'dialog.message-box[open]';
      // The first message of the golden file: which form says what is the model's to check.
      for (const { slug, texts, answer } of examples.filter((example) => example.answer[0] === 'error').slice(0, 1)) {
        await openForm(page, topics, slug);
        await fill(page, texts);
        await page.press('Enter');
        assert.equal(await page.text(`${box} .box-caption`), answer[1], slug);
        assert.equal(await page.text(`${box} p`), answer[2].replaceAll('\\n', '\n'), slug);
        assert.equal(await page.evaluate((s) => [...document.querySelectorAll(`${s} button`)].map((b) => b.textContent).join(), box), 'OK');
        assert.ok(await page.evaluate((s) => document.querySelector(s).contains(document.activeElement), box), 'the box takes the focus');
        await page.screenshot(join(screenshots, `${engine}-desktop-message.png`));
        await enterOnButton(page);
        assert.equal(await page.count('dialog.message-box'), 0);
      }
    });

    test('a box without owner leaves the window usable; the end question asks Ano / Ne and Esc does not answer it', async () => {
      // The box the model copy opens after an event, answered there at once.
      const boxAfter = (event, ...args) => page.evaluate((name, rest) => {
        window.modelCopy.changes();
        window.modelCopy[name](...rest);
        const [opened] = window.modelCopy.changes().openBoxes;
        window.modelCopy.answer(opened.id, opened.yesNo ? 2 : 0);
        return opened;
      }, event, args);
      const help = data.toolbar.buttons.find((button) => button.name === 'toolbarHelp');
      const expected = await boxAfter('command', help.id);
      await page.click('#toolbarHelp');
      const box = 'dialog.message-box[open]';
      assert.equal(await page.text(`${box} p`), expected.text);
      assert.equal(await page.evaluate((s) => document.querySelector(s).matches(':modal'), box), false);
      const [, second] = fieldButtons(data);
      await page.click(`#${second}`);  // the window stays usable
      assert.equal(await visibleSlug(page), fieldForm(topics, second));
      await page.click(`${box} button`);

      await page.click('#closeBox');
      assert.equal(await page.text(`${box} p`), (await boxAfter('requestClose')).text);
      assert.deepEqual(await page.evaluate((s) => [...document.querySelectorAll(`${s} button`)].map((b) => b.textContent), box), ['Ano', 'Ne']);
      assert.equal(await page.attribute(`${box} .box-icon`, 'aria-label'), 'Otázka');
      await pressSeen(page, 'Escape');  // a question needs an answer
      assert.equal(await page.count(box), 1);
      await page.click(`${box} button`, { text: 'Ne' });
      assert.equal(await page.evaluate(() => document.querySelector('#desktop').checkVisibility()), true);
    });

    test('help window shows the form\'s picture with what it shows as its text; Enter closes it, Esc does not', async () => {
      const definition = data.forms.find((f) => f.controls.some((c) => c.text === 'Help'));
      const id = await page.evaluate((slug, slot, button) => {
        window.modelCopy.openLink(slug);
        window.modelCopy.pressButton(slot, button);
        return window.modelCopy.state().helpBitmapId;
      }, definition.slug, definition.slot, definition.controls.find((c) => c.text === 'Help').id);
      const help = '#helpWindow[open]';
      await openForm(page, topics, definition.slug);
      await page.click(`${form} button`, { text: 'Help' });
      assert.equal(await page.text(`${help} .box-caption`), data.texts.helpWindowTitle);
      const image = await page.evaluate(async (s) => {
        const img = document.querySelector(`${s} img`);
        await img.decode();
        return { src: img.getAttribute('src'), width: img.naturalWidth, alt: img.alt };
      }, help);
      assert.deepEqual(image, { src: `pictures/help/${id}.png`, width: image.width, alt: data.helpPictureTexts[id] });
      assert.ok(image.width > 0);
      // The frame and OK stand where the model lays them out in the window's font.
      const placed = await page.evaluate((s) => {
        const client = document.querySelector(`${s} .help-client`);
        const context = document.createElement('canvas').getContext('2d');
        context.font = getComputedStyle(client).font;
        const letters = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
        const layout = window.modelCopy.presentHelpWindow([Math.round(letters.width),
          Math.round(letters.fontBoundingBoxAscent) + Math.round(letters.fontBoundingBoxDescent),
          Math.round(context.measureText('x').width)]);
        const box = (e) => [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight];
        return { layout: [layout.picture, layout.ok], shown: [box(client.querySelector('.help-picture')), box(client.querySelector('button'))] };
      }, help);
      assert.deepEqual(placed.shown, placed.layout);
      await page.screenshot(join(screenshots, `${engine}-desktop-help.png`));
      await pressSeen(page, 'Escape');
      assert.equal(await page.count(help), 1, 'Esc leaves the help window open');
      await enterOnButton(page);
      assert.equal(await page.count(help), 0);
    });

    test('keyboard: focus at opening, Tab order, Enter computes, keypad point, Esc is Storno, menu by keys', async () => {
      const definition = data.forms.find((f) => f.slug === examples[0].slug);
      await openForm(page, topics, definition.slug);
      assert.equal(await focusedInput(page), '0');
      await page.type('12');
      await page.press('Tab');
      assert.equal(await focusedInput(page), '1');
      await page.type('1');
      await page.press('NumpadDecimal');
      await page.type('5');
      assert.equal(await page.value(`${form} [data-input="1"]`), '1.5');
      await page.press('Enter');
      assert.deepEqual(await results(page), calc(definition.slug, '12', '1.5'));
      // The result puts the focus back on the first input; Tab follows the template's order.
      assert.equal(await focusedInput(page), '0');
      const { controls } = await page.evaluate((slot) => window.modelCopy.presentForm(slot, ''), definition.slot);
      const withStaticCursor = await page.evaluate((selector) => [...document.querySelectorAll(`${selector} .control`)]
        .filter((element) => getComputedStyle(element).cursor.includes('cursor200.png')).length, form);
      assert.equal(withStaticCursor, controls.filter((c) => c.cursor === 'static').length, 'the static cursor where the model puts it');
      const names = definition.controls.filter((c, i) => controls[i].focus === 'tabStop' && /Edit|ComboBox|PushButton/.test(c.kind))
        .map((c) => { const i = definition.inputs.findIndex((input) => input.id === c.id); return i < 0 ? c.text : String(i); });
      const order = [];
      for (let i = 1; i < names.length; ++i) {
        await page.press('Tab');
        order.push(await focusedInput(page));
      }
      assert.deepEqual(order, names.slice(1));
      await page.press('Escape');
      assert.equal(await page.count(form), 0, 'Esc hides the form');

      // Alt and the menu's underlined letter open it; the arrows and Enter choose the second field.
      const fields = data.menu.find((popup) => popup.name === 'menuCalculations');
      await page.press(`Alt+${fields.text[fields.mnemonic].toLowerCase()}`);
      assert.equal(await page.evaluate(() => document.activeElement.textContent), fields.items[0].text);
      await page.press('ArrowDown');
      await enterOnButton(page);
      const secondField = fieldForm(topics, fieldButtons(data)[1]);
      assert.equal(await visibleSlug(page), secondField);
      await page.press('Alt+t');
      await enterOnButton(page);
      assert.equal(await visibleSlug(page), secondField);
      await page.press('Alt+o');
      await enterOnButton(page);
      const about = 'dialog.about-box[open]';
      assert.equal(await page.text(`${about} .about-title`), data.texts.programTitle);
      await enterOnButton(page);
      assert.equal(await page.count(about), 0);
    });

    test('the Témata menu lists the panel\'s topics, then the links after a separator', async () => {
      await page.click(`#${fieldButtons(data)[0]}`);
      await page.press('Alt+t');
      const entries = await page.evaluate(() => [...document.querySelectorAll('#menuTopics + [role=menu] > li')].map((item) =>
        (item.getAttribute('role') === 'separator' ? '|' : item.textContent)));
      const panel = data.panels.find((p) => p.field === data.forms.find((f) => f.slug === [...topics.keys()][0]).field);
      assert.deepEqual(entries, panel.menu.flatMap((item) => (item.separatorBefore ? ['|', item.text] : [item.text])));
      await page.press('ArrowDown');
      await enterOnButton(page);
      assert.equal(await visibleSlug(page), [...topics.keys()].find((slug) => topics.get(slug).label === `ctl${panel.menu[1].id}`));
    });

    test('drop-down lists keep the model\'s order, choose by keys and take Tab as the model says', async () => {
      await openForm(page, topics, 'conductor-resistance');
      const field = `${form} [role=combobox]`;
      const { slot, controls } = data.forms.find((f) => f.slug === 'conductor-resistance');
      const focus = await page.evaluate((s, i) => window.modelCopy.presentForm(s, '').controls[i].focus, slot, controls.findIndex((c) => c.kind === 'ComboBox'));
      assert.equal(await page.evaluate((f) => document.querySelector(f).tabIndex, field), focus === 'tabStop' ? 0 : -1);
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
      const names = (tag) => page.evaluate((f, t) => [...document.querySelectorAll(`${f} ${t}`)].map((e) => {
        const by = e.getAttribute('aria-labelledby');
        return by ? document.getElementById(by).textContent : e.labels?.[0]?.textContent;
      }), form, tag);
      const captions = (definition, list) => list.filter((c) => c.caption >= 0).map((c) => definition.controls[c.caption].text);
      // The first form, and the one with the most results (named by captions further away).
      const first = data.forms.find((f) => f.slug === examples[0].slug);
      const most = data.forms.reduce((a, b) => (b.results.length > a.results.length ? b : a));
      for (const definition of [most, first]) {
        await openForm(page, topics, definition.slug);
        assert.deepEqual(await names('input'), captions(definition, definition.inputs), definition.slug);
        assert.deepEqual(await names('output'), captions(definition, definition.results), definition.slug);
      }
      const texts = ['100', '1e-12'];
      await fill(page, texts);
      await page.press('Enter');
      const [wide] = calc(first.slug, ...texts);
      const result = `${form} output[data-result="0"]`;
      assert.equal(await page.text(result), wide);
      // Too wide for its field: the beginning shows and the tooltip has the whole text.
      assert.equal(await page.evaluate((s) => { const o = document.querySelector(s); return [getComputedStyle(o).textAlign, o.title].join(); }, result),
        `left,${wide}`);
      // The result can be selected and copied as shown.
      assert.equal(await page.evaluate((s) => {
        getSelection().selectAllChildren(document.querySelector(s));
        return getSelection().toString();
      }, result), wide);
      for (const id of ['#statusTotal', '#statusAvailable']) assert.equal(await page.attribute(id, 'aria-label'), null);
    });

    test('liquid mixing widens the window, Storno puts it back', async () => {
      page = await browser.open();  // a fresh start: the window has its first size
      const size = async () => { const box = await page.box('#mainWindow'); return [box.width, box.height]; };
      await openForm(page, topics, 'liquid-mixing');
      assert.notDeepEqual(await size(), startSize);
      await page.screenshot(join(screenshots, `${engine}-desktop-liquid-mixing.png`));
      await page.click(`${form} button`, { text: 'Storono' });
      assert.deepEqual(await size(), startSize);
    });

    test('links: pages in a new tab, the mail address as a mailto: link, the outside tools', async () => {
      await page.click(`#${fieldButtons(data)[0]}`);
      const { labels } = data.panels.find((p) => p.field === data.forms.find((f) => f.slug === [...topics.keys()][0]).field);
      const [page1, mail] = [false, true].map((isMail) => labels.find((l) => l.link && l.target.startsWith('mailto:') === isMail));
      assert.deepEqual(await page.evaluate((id) => { const a = document.getElementById(id); return [a.target, a.rel]; }, `ctl${page1.id}`), ['_blank', 'noopener']);
      assert.equal(await page.attribute(`#ctl${mail.id}`, 'href'), mail.target);
      await openForm(page, topics, data.forms.find((f) => f.controls.some((c) => c.kind === 'LinkLabel')).slug);
      // The form's link shows the address that its click opens.
      assert.deepEqual(await page.evaluate((f) => { const a = document.querySelector(`${f} a`); return [a.target, a.rel, a.protocol]; }, form),
        ['_blank', 'noopener', 'https:']);
      // The addresses opened are kept in the tab's session storage: a browser without a mail
      // program may leave the page for the mail address.
      await page.evaluate(() => window.addEventListener('kalvora-open', (event) =>
        sessionStorage.setItem('opened', `${sessionStorage.getItem('opened') ?? ''} ${event.detail}`)));
      await page.click('#toolbarOnlineHelp');
      await page.click('#toolbarMail');
      page = await browser.open();
      const opened = (await page.evaluate(() => sessionStorage.getItem('opened'))).trim().split(' ');
      assert.equal(opened.length, 2);
      assert.equal(opened[0], data.texts.helpPage);
      assert.match(opened[1], /^mailto:/);
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
      browser = await startBrowser({ engine, width: 360, height: 640, touch: true });
      page = await browser.open();
    });
    after(async () => {
      assert.deepEqual(browser.errors, []);
      await browser.close();
    });

    test('panel and form stack, fields are touch-sized, nothing is cut off in any form', async () => {
      await page.screenshot(join(screenshots, `${engine}-phone-start.png`));
      // WebKitGTK's window is no narrower than about 450 pixels: still a phone's layout.
      const screenWidth = await page.evaluate(() => innerWidth);
      assert.ok(screenWidth <= (engine === 'webkit' ? 480 : 360), `a phone-sized viewport (${screenWidth})`);
      const topics = await topicMap(page, await modelData(page));
      for (const slug of topics.keys()) {
        await openForm(page, topics, slug);
        const panelBox = await page.box('nav.panel');
        const formBox = await page.box(form);
        assert.ok(panelBox.y + panelBox.height <= formBox.y, `${slug}: the form is below the panel`);
        // Opened, it is in sight (with the focus in it or not), and a phone's Enter key says it finishes.
        assert.ok(formBox.y >= 0 && formBox.y < await page.evaluate(() => innerHeight), `${slug}: in sight (${formBox.y})`);
        assert.deepEqual(await page.evaluate((f) => [...document.querySelectorAll(`${f} input`)]
          .filter((input) => input.getAttribute('enterkeyhint') !== 'done').map((input) => input.id), form), [], slug);
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), `${slug}: no sideways scrolling`);
        const sizes = await page.evaluate((f) => [...document.querySelectorAll(`${f} input, ${f} button, ${f} output`)]
          .filter((item) => item.offsetParent)
          .map((item) => { const r = item.getBoundingClientRect(); return { h: r.height, right: r.right, left: r.left }; }), form);
        for (const size of sizes) {
          assert.ok(size.h >= 40, `${slug}: touch-sized (${size.h})`);
          assert.ok(size.left >= 0 && size.right <= screenWidth, `${slug}: within the screen`);
        }
        if (slug === 'liquid-mixing' || slug === examples[0].slug) await page.screenshot(join(screenshots, `${engine}-phone-${slug}.png`));
      }
    });

    test('the electrical panel\'s gradient runs once from red to black over the stacked panel', async () => {
      await page.click('#toolbarElectrical');
      const reds = await page.evaluate(() => {
        const canvas = document.querySelector('nav.panel canvas');
        const data = canvas.getContext('2d').getImageData(0, 0, 1, canvas.height).data;
        return { panel: document.querySelector('nav.panel').clientHeight, rows: Array.from(data.filter((_, i) => i % 4 === 0)) };
      });
      const { rows } = reds;
      assert.equal(rows.length, reds.panel);
      assert.ok(reds.panel > 512, `taller than one run of the desktop's gradient (${reds.panel})`);
      assert.deepEqual([rows[0], rows.at(-1)], [255, 0]);
      assert.equal(rows.findIndex((red, row) => row > 0 && red > rows[row - 1]), -1, 'never brighter further down');
    });

    // WebKitGTK's WebDriver delivers a touch action as a mouse's (pointerType "mouse").
    test('OK tapped: the result in sight, the keyboard not called back', { skip: engine === 'webkit' && 'no touch input in WebKitGTK\'s WebDriver' }, async () => {
      const { slug, texts, answer } = examples.find((example) => example.answer[0] === 'ok');
      const topics = await topicMap(page, await modelData(page));
      await openForm(page, topics, slug);
      await fill(page, texts);
      await page.tap(`${form} button`, { text: 'OK' });
      assert.deepEqual(await results(page), answer.slice(1));
      assert.notEqual(await page.evaluate(() => document.activeElement.tagName), 'INPUT', 'no input takes the focus');
      const result = await page.box(`${form} output[data-result="0"]`);
      assert.ok(result.y >= 0 && result.y + result.height <= await page.evaluate(() => innerHeight), `the result in sight (${result.y})`);
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
        // The form the start shows, with its first worked example.
        const start = await page.attribute(form, 'data-slug');
        const example = examples.find(({ slug, answer }) => slug === start && answer[0] === 'ok');
        for (const [i, text] of example.texts.entries()) await page.fill(`${form} [data-input="${i}"]`, text);
        await page.press('Enter');
        assert.deepEqual(await results(page), example.answer.slice(1));
        assert.equal(await page.count('.tool-picture'), 11);
        assert.deepEqual(browser.errors, []);
      } finally {
        await browser.close();
      }
    });
  });
}
