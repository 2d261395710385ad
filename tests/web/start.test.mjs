// The start in headless chromium from the site's own server: the first paint is the window drawn
// into the page, which the program then brings to life in the same place without a layout
// shift; without JavaScript the page reads as one message; the server sends the policy.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { headerPolicy, pagePolicy } from '../../web/tools/csp.mjs';
import { serve } from '../../web/tools/serve.mjs';
import { webBuild } from './paths.mjs';

let server, browser, address;
before(async () => {
  server = await serve(join(webBuild, 'site'), 0);
  address = `http://127.0.0.1:${server.address().port}/`;
  browser = await puppeteer.launch({ browser: 'chrome', executablePath: process.env.KALVORA_CHROMIUM ?? '/usr/bin/chromium',
    headless: true, args: ['--no-sandbox', '--disable-gpu'] });
});
after(async () => {
  await browser.close();
  server.close();
});

// Each visible element of the window with an id or an input number: [name, x, y, width, height].
const boxes = (page) => page.evaluate(() => [...document.querySelectorAll('#mainWindow [id], #mainWindow [data-input]')]
  .filter((e) => e.getClientRects().length)
  .map((e) => { const r = e.getBoundingClientRect(); return [e.id || e.dataset.input, r.x, r.y, r.width, r.height]; }));

for (const [width, height] of [[1001, 700], [390, 844]]) {
  test(`the first paint is the window, and the start moves nothing (${width} px)`, async () => {
    const context = await browser.createBrowserContext();  // no service worker of another test
    try {
      const page = await context.newPage();
      await page.setViewport({ width, height });
      await page.evaluateOnNewDocument(() => {
        window.shifts = [];
        new PerformanceObserver((list) => window.shifts.push(...list.getEntries().map((e) => e.value))).observe({ type: 'layout-shift', buffered: true });
      });
      // The page's module waits until the drawn window, styled, has been measured.
      let release;
      const held = new Promise((resolve) => { release = resolve; });
      await page.setRequestInterception(true);
      page.on('request', (request) => (new URL(request.url()).pathname.endsWith('/js/main.js') ? held.then(() => request.continue()) : request.continue()));
      const loaded = page.goto(address);
      await page.waitForFunction(() => document.querySelector('#mainWindow[inert] section.form') && document.styleSheets.length > 0);
      const drawn = await boxes(page);
      release();
      await loaded;
      await page.waitForSelector('html.ready #mainWindow:not([inert])');
      const live = await boxes(page);
      // Within half a pixel: the rounding of the window's centring.
      assert.ok(drawn.length > 30);
      assert.deepEqual(drawn.filter((box) => !live.some((other) => other.every((v, i) => (i ? Math.abs(v - box[i]) <= 0.5 : v === box[0])))), []);
      const shift = await page.evaluate(() => new Promise((done) => requestAnimationFrame(() =>
        requestAnimationFrame(() => setTimeout(() => done(window.shifts.reduce((sum, value) => sum + value, 0)))))));
      assert.ok(shift <= 0.02, `layout shift ${shift}`);
    } finally {
      await context.close();
    }
  });
}

test('without JavaScript the page reads as one message', async () => {
  const page = await browser.newPage();
  await page.setJavaScriptEnabled(false).then(() => page.goto(address));
  assert.match(await page.evaluate(() => document.body.innerText.trim()), /^Kalvora je kalkulačka [^\n]* potřebuje JavaScript a WebAssembly[^\n]*$/);
});

test('the server sends the policy and nosniff; each page narrows it to its own inline style', async () => {
  for (const path of ['', 'kalvora-napoveda.html', 'kalvora-wasm.wasm']) {
    const response = await fetch(address + path);
    assert.deepEqual([response.headers.get('content-security-policy'), response.headers.get('x-content-type-options')], [headerPolicy, 'nosniff']);
    if (path.endsWith('wasm')) continue;
    const html = await response.text();
    const sheets = [...html.matchAll(/<style>([^]*?)<\/style>/g)].map(([, sheet]) => createHash('sha256').update(sheet).digest('base64'));
    assert.equal(html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)?.[1], pagePolicy(sheets), path);
  }
});
