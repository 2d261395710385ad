// A rebuilt site deployed in the place of the old one, served as a common static host serves
// files (ten minutes of HTTP caching), reaches an installed copy whole: the open page keeps its
// version and offers the new one with a Czech notice; its button reloads into the new version,
// every file of it; one copy of the site is left in the cache. In headless chromium.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { serve } from '../../web/tools/serve.mjs';
import { repoRoot, webBuild } from './paths.mjs';
import { chromiumPath } from './browser.mjs';

const work = mkdtempSync(join(tmpdir(), 'kalvora-update-'));
const deployed = join(work, 'deployed');
const second = join(work, 'second');

// The second build differs from the first in the page, the style sheet and a module; each
// difference shows in the page, so a page made of both versions is seen.
function buildSecond() {
  const source = join(work, 'source');
  cpSync(join(repoRoot, 'web', 'site'), join(source, 'web', 'site'), { recursive: true });
  symlinkSync(join(repoRoot, 'resources'), join(source, 'resources'));
  const page = join(source, 'web', 'site', 'index.html');
  writeFileSync(page, readFileSync(page, 'utf8').replace('<title>Kalvora 5.0.9</title>', '<title>Kalvora 5.0.9 second</title>'));
  appendFileSync(join(source, 'web', 'site', 'kalvora.css'), '\n:root { --build: second; }\n');
  appendFileSync(join(source, 'web', 'site', 'js', 'updates.js'), "\ndocument.documentElement.dataset.build = 'second';\n");
  execFileSync('node', [join(repoRoot, 'web', 'tools', 'build-site.mjs'), source, join(webBuild, 'web'), second], { stdio: 'ignore' });
}

// Which build each part of the open page comes from.
const versions = (page) => page.evaluate(() => [
  document.title.endsWith('second') ? 'second' : 'first',
  getComputedStyle(document.documentElement).getPropertyValue('--build').trim() || 'first',
  document.documentElement.dataset.build ?? 'first',
]);

let browser, server;
before(async () => {
  buildSecond();
  cpSync(join(webBuild, 'site'), deployed, { recursive: true });
  server = await serve(deployed, 0, { cacheControl: 'max-age=600' });
  browser = await chromium.launch({ executablePath: chromiumPath, headless: true, args: ['--headless', '--no-sandbox', '--disable-gpu'] });
});
after(async () => {
  await browser?.close();
  server?.close();
  rmSync(work, { recursive: true, force: true });
});

test('a new version arrives whole, after the notice, and leaves one cache', async () => {
  const context = await browser.newContext();
  context.setDefaultTimeout(10000);
  const errors = [];
  context.on('page', (page) => page.on('pageerror', (error) => errors.push(error.message)));
  const page = await context.newPage();
  const address = `http://127.0.0.1:${server.address().port}/`;
  await page.goto(address);
  await page.waitForSelector('html.ready');
  await page.evaluate(async () => {
    const { active } = await navigator.serviceWorker.ready;
    if (active.state !== 'activated') await new Promise((done) => active.addEventListener('statechange', () => active.state === 'activated' && done()));
  });
  await page.reload();
  await page.waitForSelector('html.ready');
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
  assert.deepEqual(await versions(page), ['first', 'first', 'first']);

  rmSync(deployed, { recursive: true, force: true });
  cpSync(second, deployed, { recursive: true });
  // Reloads keep the installed version whole while the new one is fetched; it is then offered.
  for (let reload = 0; reload < 3; ++reload) {
    await page.reload();
    await page.waitForSelector('html.ready');
    assert.deepEqual(await versions(page), ['first', 'first', 'first'], `reload ${reload + 1}`);
  }
  const notice = page.locator('#updateNotice');
  await notice.waitFor({ state: 'visible' });
  assert.match(await notice.textContent(), /Je k dispozici nová verze\./);
  // The open page still computes on its version.
  await page.fill('section.form:not([hidden]) [data-input="0"]', '12');
  await page.fill('section.form:not([hidden]) [data-input="1"]', '3');
  await page.keyboard.press('Enter');
  assert.notEqual(await page.textContent('section.form:not([hidden]) output[data-result="0"]'), '');

  await Promise.all([page.waitForNavigation(), notice.locator('button').click()]);
  await page.waitForSelector('html.ready');
  assert.deepEqual(await versions(page), ['second', 'second', 'second']);
  assert.equal(await page.isVisible('#updateNotice'), false);
  // One cache, holding every file of the new version but its service worker.
  const cached = await page.evaluate(async () => Promise.all((await caches.keys()).map(async (name) =>
    (await (await caches.open(name)).keys()).map((request) => new URL(request.url).pathname.slice(1)).sort())));
  assert.deepEqual(cached, [Object.keys(JSON.parse(readFileSync(join(second, 'sw.js'), 'utf8').match(/const files = (\{[^}]*\})/)[1])).sort()]);
  assert.deepEqual(errors, []);
  await context.close();
});
