// How the site reaches its users, in headless chromium: every address works offline after the
// first visit; links to one calculation; a start that fails says so; the page without
// JavaScript; the Content-Security-Policy; the first paint is the window the program then
// brings to life in the same place.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { serve } from '../../web/tools/serve.mjs';
import { repoRoot, webBuild } from './paths.mjs';
import { chromiumPath } from './browser.mjs';

const site = join(webBuild, 'site');
const golden = join(repoRoot, 'tests', 'cli', 'golden');
const lines = (file) => readFileSync(join(golden, file), 'utf8').split('\n').filter(Boolean).map((l) => l.split('\t'));
const examples = lines('examples.tsv').map(([slug, ...texts], i) => ({ slug, texts, answer: lines('expected.tsv')[i] }));
const linkOf = ({ slug, texts }) => [slug, ...texts].map(encodeURIComponent).join('/');
const visibleForm = 'section.form:not([hidden])';

let browser;
before(async () => {
  browser = await chromium.launch({ executablePath: chromiumPath, headless: true, args: ['--headless', '--no-sandbox', '--disable-gpu'] });
});
after(() => browser.close());

// A fresh context on a server of its own; console errors, failed requests and policy violations
// are recorded.
async function session({ folder = site, cacheControl, ...options } = {}) {
  const server = await serve(folder, 0, { cacheControl });
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, ...options });
  context.setDefaultTimeout(8000);
  const errors = [];
  await context.addInitScript(() => {
    window.violations = [];
    document.addEventListener('securitypolicyviolation', (event) => window.violations.push(event.violatedDirective));
    window.shifts = [];
    new PerformanceObserver((list) => window.shifts.push(...list.getEntries().map((e) => e.value)))
      .observe({ type: 'layout-shift', buffered: true });
  });
  context.on('page', (page) => {
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    page.on('pageerror', (error) => errors.push(error.message));
  });
  const page = await context.newPage();
  return {
    address: `http://127.0.0.1:${server.address().port}/`,
    context, page, errors,
    // The server goes away: nothing answers at the address any more.
    async stopServer() {
      server.closeAllConnections();
      await new Promise((done) => server.close(done));
    },
    async close() { await context.close(); server.close(); },
  };
}

const results = (page) => page.locator(`${visibleForm} output[data-result]`).evaluateAll((outputs) =>
  outputs.sort((a, b) => a.dataset.result - b.dataset.result).map((o) => o.value));
const inputs = (page) => page.locator(`${visibleForm} [data-input]`).evaluateAll((fields) =>
  fields.sort((a, b) => a.dataset.input - b.dataset.input).map((f) => f.value));

describe('links to one calculation', () => {
  let s;
  before(async () => { s = await session({ permissions: ['clipboard-read', 'clipboard-write'] }); });
  after(async () => {
    assert.deepEqual(s.errors, []);
    await s.close();
  });

  // The examples the links are checked with: whole ones compute as the native program does.
  const cases = [
    examples.find((e) => e.slug === 'current' && e.texts.join() === '12,3'),
    examples.find((e) => e.slug === 'current' && e.texts[0].includes(',')),
    examples.find((e) => e.slug === 'gravitation-law'),
  ];
  for (const example of cases) {
    test(`#${linkOf(example)} opens, fills and computes`, async () => {
      await s.page.goto(`${s.address}index.html#${linkOf(example)}`);
      await s.page.waitForSelector('html.ready');
      assert.equal(await s.page.getAttribute(visibleForm, 'data-slug'), example.slug);
      assert.deepEqual(await inputs(s.page), example.texts);
      assert.deepEqual(await results(s.page), example.answer.slice(1));
    });
  }

  test('a slug alone opens the form empty; an unknown slug starts as usual; a new link opens at once', async () => {
    const other = examples.find((e) => e.slug === 'free-fall');
    await s.page.goto(`${s.address}index.html#${other.slug}`);
    await s.page.waitForSelector('html.ready');
    assert.equal(await s.page.getAttribute(visibleForm, 'data-slug'), other.slug);
    assert.ok((await inputs(s.page)).every((text) => text === ''));
    await s.page.goto(`${s.address}index.html`);
    await s.page.waitForSelector('html.ready');
    const start = await s.page.getAttribute(visibleForm, 'data-slug');
    await s.page.goto(`${s.address}index.html#no-such-form/1/2`);
    await s.page.waitForSelector('html.ready');
    assert.equal(await s.page.getAttribute(visibleForm, 'data-slug'), start);
    await s.page.evaluate((link) => { location.hash = link; }, linkOf(other));
    await s.page.waitForFunction((slug) => document.querySelector('section.form:not([hidden])')?.dataset.slug === slug, other.slug);
    assert.deepEqual(await results(s.page), other.answer.slice(1));
  });

  test('Program > "Kopírovat odkaz na výpočet" copies the link to the open form with its texts', async () => {
    const example = examples.find((e) => e.slug === 'gravitation-law');
    await s.page.goto(`${s.address}index.html#${example.slug}`);
    await s.page.waitForSelector('html.ready');
    for (const [i, text] of example.texts.entries()) await s.page.fill(`${visibleForm} [data-input="${i}"]`, text);
    await s.page.click('#menuProgram');
    await s.page.click('text=Kopírovat odkaz na výpočet');
    const box = s.page.locator('dialog.link-box[open]');
    const shown = await box.locator('input').inputValue();
    assert.equal(await s.page.evaluate(() => navigator.clipboard.readText()), shown);
    await box.locator('button').click();
    await s.page.goto('about:blank');
    await s.page.goto(shown);
    await s.page.waitForSelector('html.ready');
    assert.deepEqual(await inputs(s.page), example.texts);
    assert.deepEqual(await results(s.page), example.answer.slice(1));
  });
});

// The service worker of the page has taken over (activated).
const installed = (page) => page.evaluate(async () => {
  const { active } = await navigator.serviceWorker.ready;
  if (active.state !== 'activated') await new Promise((done) => active.addEventListener('statechange', () => active.state === 'activated' && done()));
});

describe('offline', () => {
  test('after the first visit every address of the site works without network', async () => {
    const s = await session();
    try {
      await s.page.goto(s.address);
      await s.page.waitForSelector('html.ready');
      await installed(s.page);
      await s.page.close();
      await s.stopServer();
      const example = examples.find((e) => e.slug === 'current' && e.texts.join() === '12,3');
      for (const path of ['', 'index.html', 'index.html?x=1', `index.html#${linkOf(example)}`, `?x=1#${linkOf(example)}`,
        'kalvora-napoveda.html']) {
        const page = await s.context.newPage();
        await page.goto(s.address + path);
        if (path.startsWith('kalvora-napoveda')) {
          assert.match(await page.textContent('h1'), /Kalvora/);
        } else {
          await page.waitForSelector('html.ready');
          assert.equal(await page.evaluate(() => document.querySelector('.tool-picture') !== null), true, path);
          if (path.includes('#')) assert.deepEqual(await results(page), example.answer.slice(1), path);
        }
        await page.close();
      }
      assert.deepEqual(s.errors, []);
    } finally {
      await s.close();
    }
  });
});

describe('a failed start', () => {
  // What cannot be loaded: the WebAssembly module, the page's module, a module it imports.
  for (const blocked of ['kalvora-wasm.wasm', 'js/main.js', 'js/form.js']) {
    test(`without ${blocked} the page says so in Czech, reports it and reloads on request`, async () => {
      const s = await session({ serviceWorkers: 'block' });
      try {
        const refuse = (route) => route.abort();
        await s.page.route(`**/${blocked}`, refuse);
        await s.page.goto(s.address);
        const message = s.page.locator('#startFailure');
        await message.waitFor({ state: 'visible' });
        assert.match(await message.textContent(), /nepodařilo spustit/);
        assert.equal(await s.page.evaluate(() => document.activeElement.id), 'reloadAfterFailure');
        assert.ok(s.errors.length > 0);
        assert.equal(await s.page.$('html.ready'), null);
        await s.page.unroute(`**/${blocked}`, refuse);
        await Promise.all([s.page.waitForNavigation(), message.locator('button').click()]);
        await s.page.waitForSelector('html.ready');
        assert.equal(await s.page.isVisible('#startFailure'), false);
      } finally {
        await s.close();
      }
    });
  }

  test('the program throwing while it starts says so too', async () => {
    const s = await session({ serviceWorkers: 'block' });
    try {
      await s.context.addInitScript(() => {
        const parse = JSON.parse;
        JSON.parse = (text, ...rest) => {
          if (text.includes('"panels"')) throw new Error('broken data');
          return parse(text, ...rest);
        };
      });
      await s.page.goto(s.address);
      await s.page.locator('#startFailure').waitFor({ state: 'visible' });
      assert.ok(s.errors.some((error) => error.includes('broken data')), s.errors.join('\n'));
    } finally {
      await s.close();
    }
  });

  test('without JavaScript the page reads as one message', async () => {
    const s = await session({ javaScriptEnabled: false });
    try {
      await s.page.goto(s.address);
      const text = (await s.page.innerText('body')).trim();
      assert.match(text, /^Kalvora je kalkulačka .* potřebuje JavaScript a WebAssembly/s);
      assert.equal(text.split('\n').filter((line) => line.trim()).length, 1, text);
    } finally {
      await s.close();
    }
  });
});

describe('security policy', () => {
  test('the server and both pages carry the policy; the site breaks none of it and it holds', async () => {
    const s = await session({ serviceWorkers: 'block' });
    try {
      for (const path of ['', 'kalvora-napoveda.html']) {
        const response = await s.page.goto(s.address + path);
        const headers = response.headers();
        assert.match(headers['content-security-policy'], /script-src 'self' 'wasm-unsafe-eval'/, path);
        assert.equal(headers['x-content-type-options'], 'nosniff', path);
        const meta = await s.page.getAttribute('meta[http-equiv="Content-Security-Policy"]', 'content');
        assert.ok(headers['content-security-policy'].startsWith(meta), path);
      }
      await s.page.goto(s.address);
      await s.page.waitForSelector('html.ready');
      await s.page.click('#toolbarHelp');
      await s.page.click('#toolbarElectrical');
      assert.deepEqual(await s.page.evaluate(() => window.violations), []);
      // An inline script is refused.
      await s.page.evaluate(() => {
        const script = document.createElement('script');
        script.textContent = 'window.inlineRan = true;';
        document.body.append(script);
      });
      await s.page.waitForFunction(() => window.violations.length > 0);
      assert.equal(await s.page.evaluate(() => window.inlineRan), undefined);
      assert.deepEqual(s.errors.filter((e) => !e.includes('Content Security Policy')), []);
    } finally {
      await s.close();
    }
  });
});

describe('the start', () => {
  // The window drawn into the page sits where the live one then is: every label, field and
  // button keeps its box, and nothing shifts.
  for (const viewport of [{ width: 1280, height: 800 }, { width: 1000, height: 700 }, { width: 390, height: 844 }]) {
    test(`the first paint is the window, and the start moves nothing (${viewport.width} px)`, async () => {
      const s = await session({ serviceWorkers: 'block', viewport });
      try {
        let release;
        const held = new Promise((resolve) => { release = resolve; });
        await s.page.route('**/js/main.js', async (route) => { await held; await route.continue(); });
        await s.page.goto(s.address, { waitUntil: 'commit' });
        await s.page.waitForSelector('#mainWindow[inert] section.form');
        const boxes = () => s.page.evaluate(() => [...document.querySelectorAll('#mainWindow [id], #mainWindow [data-input]')]
          .filter((e) => e.getClientRects().length)
          .map((e) => { const r = e.getBoundingClientRect(); return [e.id || e.dataset.input, r.x, r.y, r.width, r.height].join(' '); }));
        const drawn = await boxes();
        assert.ok(drawn.length > 30, drawn.join('\n'));
        release();
        await s.page.waitForSelector('html.ready');
        assert.equal(await s.page.$('#mainWindow[inert]'), null);
        const live = new Set(await boxes());
        // Half a pixel is the rounding of the window's centring.
        const near = (box) => [...live].some((other) => other.split(' ').every((v, i) => (i === 0 ? v === box.split(' ')[0] : Math.abs(v - box.split(' ')[i]) <= 0.5)));
        assert.deepEqual(drawn.filter((box) => !near(box)), []);
        const shift = await s.page.evaluate(() => new Promise((done) => requestAnimationFrame(() =>
          requestAnimationFrame(() => setTimeout(() => done(window.shifts.reduce((sum, value) => sum + value, 0)))))));
        assert.ok(shift <= 0.02, `layout shift ${shift}`);
        assert.deepEqual(s.errors, []);
      } finally {
        await s.close();
      }
    });
  }
});
