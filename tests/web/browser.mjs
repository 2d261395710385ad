// The browser tests' one way to drive a page, the same in every engine:
//
//   const browser = await startBrowser({ engine, width, height, root, headers, status, beforeLoad });
//     engine: 'chromium' (Debian's chromium over the DevTools protocol), 'firefox' (Debian's
//     firefox-esr over WebDriver BiDi) or 'webkit' (WebKitGTK's MiniBrowser through
//     WebKitWebDriver; needs a display: the test script runs under xvfb-run); default chromium.
//     width, height: the viewport in CSS pixels (default 1280 x 800).
//     root: the folder served (default build-web/site); headers: extra response headers;
//     status(path): a status to answer instead of the file, e.g. 404 for the .wasm (else undefined).
//     beforeLoad: a function run in every page before the page's own scripts.
//   browser.engine, browser.address (the site's address), browser.version (the engine's version)
//   browser.errors: console errors, uncaught exceptions and answers >= 400, as texts
//   await browser.setOffline(true | false): the server stops / starts again (the network goes away)
//   browser.setRoot(folder): a new version deployed at the same address
//   const page = await browser.open(path = ''): loads the address + path and waits for html.ready
//   await browser.close()
//
//   page.goto(path), page.reload(): load without waiting for html.ready
//   page.evaluate(fn, ...args): runs fn(...args) in the page (awaits a promise); JSON in and out
//   page.waitFor(fn, ...args): until fn(...args) is truthy in the page (5 s); returns its value
//   page.click(selector, { text }): a real click on the first match (with text: whose text is it)
//   page.focus(selector), page.fill(selector, text): focus; focus, select all and type
//   page.type(text), page.press('Enter' | 'Tab' | 'Alt+v' | 'NumpadDecimal' | ...): the keyboard
//   page.screenshot(file), page.count(selector), page.text(selector), page.attribute(selector, name),
//   page.value(selector), page.box(selector) -> { x, y, width, height } or null
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { startServer } from './server.mjs';
import { webBuild } from './paths.mjs';
import { launchPuppeteer } from './engine_puppeteer.mjs';
import { launchWebDriver } from './engine_webdriver.mjs';

export const engines = (process.env.KALVORA_ENGINES ?? 'chromium,firefox,webkit').split(',').filter(Boolean);
// Records errors in engines whose driver does not report the console: posts them to the server.
function errorProbe() {
  const report = (text) => fetch('/__test/error', { method: 'POST', body: String(text), keepalive: true }).catch(() => {});
  addEventListener('error', (event) => report(event.message ?? event));
  addEventListener('unhandledrejection', (event) => report(event.reason?.message ?? event.reason));
  const original = console.error.bind(console);
  console.error = (...args) => { report(args.join(' ')); original(...args); };
}

export async function startBrowser({ engine = 'chromium', width = 1280, height = 800, root = join(webBuild, 'site'),
  headers, status, beforeLoad = null } = {}) {
  const errors = [];
  const before = beforeLoad ? `(${beforeLoad})();` : '';
  const probe = engine === 'webkit' ? `(${errorProbe})();\n${before}` : null;
  const server = await startServer({ root, headers, status, probe, report: (text) => errors.push(text) });
  const profile = mkdtempSync(join(tmpdir(), `kalvora-${engine}-`));
  const launch = engine === 'webkit' ? launchWebDriver : launchPuppeteer;
  let driver;
  try {
    driver = await launch({ engine, width, height, profile, address: server.address, beforeLoad: before, errors });
  } catch (error) {
    await server.stop();
    rmSync(profile, { recursive: true, force: true });
    throw error;
  }
  const { page } = driver;
  return {
    engine,
    address: server.address,
    version: driver.version,
    errors,
    page,
    async setOffline(offline) { await (offline ? server.stop() : server.start()); },
    setRoot: server.setRoot,
    async open(path = '') {
      await page.goto(path);
      await page.waitFor(() => document.documentElement.classList.contains('ready'));
      await page.evaluate(() => {
        window.opened = [];
        window.addEventListener('kalvora-open', (event) => window.opened.push(event.detail));
      });
      return page;
    },
    async close() {
      await driver.close();
      await server.stop().catch(() => {});
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
