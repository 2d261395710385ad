// A rebuilt site deployed in the place of the old one, served as a common static host serves
// files (ten minutes of HTTP caching), reaches an installed copy whole: the open page keeps its
// version and offers the new one with a Czech notice; its button reloads into the new version,
// every file of it; one copy of the site, the new one, is left in the cache.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { repoRoot, webBuild } from './paths.mjs';
import { engines, startBrowser } from './browser.mjs';
import { installed, ready, waitAcrossNavigation } from './site_helpers.mjs';

const work = mkdtempSync(join(tmpdir(), 'kalvora-update-'));
const second = join(work, 'second');

// The second build differs from the first in the page, the style sheet and a module; each
// difference shows in the page, so a page made of both versions is seen.
before(() => {
  const source = join(work, 'source');
  cpSync(join(repoRoot, 'web', 'site'), join(source, 'web', 'site'), { recursive: true });
  // What the build reads besides the site: the pictures, the desktop help page, the help page's changes.
  for (const folder of ['resources', join('web', 'tools')]) symlinkSync(join(repoRoot, folder), join(source, folder));
  const page = join(source, 'web', 'site', 'index.html');
  writeFileSync(page, readFileSync(page, 'utf8').replace('</title>', ' second</title>'));
  appendFileSync(join(source, 'web', 'site', 'kalvora.css'), ':root { --build: second; }');
  appendFileSync(join(source, 'web', 'site', 'js', 'updates.js'), "document.documentElement.dataset.build = 'second';");
  execFileSync('node', [join(repoRoot, 'web', 'tools', 'build-site.mjs'), source, join(webBuild, 'web'), second], { stdio: 'ignore' });
});
after(() => rmSync(work, { recursive: true, force: true }));

// Which build each part of the open page comes from.
const versions = (page) => page.evaluate(() => [
  document.title.endsWith('second') ? 'second' : 'first',
  getComputedStyle(document.documentElement).getPropertyValue('--build').trim() || 'first',
  document.documentElement.dataset.build ?? 'first',
]);

for (const engine of engines) {
  describe(`${engine}: updates`, () => {
    test('a new version arrives whole, after the notice, and leaves one cache', async () => {
      const browser = await startBrowser({ engine, headers: { 'Cache-Control': 'max-age=600' } });
      const page = await browser.open();
      try {
        await installed(page);
        await page.reload();
        await page.waitFor(() => document.documentElement.classList.contains('ready') && navigator.serviceWorker.controller !== null);
        assert.deepEqual(await versions(page), ['first', 'first', 'first']);

        browser.setRoot(second);
        // Reloads keep the installed version whole while the new one is fetched; it is then offered.
        for (let reload = 0; reload < 3; ++reload) {
          await page.reload();
          await page.waitFor(ready);
          assert.deepEqual(await versions(page), ['first', 'first', 'first'], `reload ${reload + 1}`);
        }
        assert.match(await page.waitFor(() => !document.getElementById('updateNotice').hidden
          && document.getElementById('updateNotice').textContent), /Je k dispozici nová verze\./);

        await page.click('#updateReload');
        await waitAcrossNavigation(page, () => document.title.endsWith('second') && document.documentElement.classList.contains('ready'));
        assert.deepEqual(await versions(page), ['second', 'second', 'second']);
        assert.equal(await page.evaluate(() => document.getElementById('updateNotice').hidden), true);
        // One cache, holding every file of the new version but its service worker.
        const cached = await page.evaluate(async () => Promise.all((await caches.keys()).map(async (name) =>
          (await (await caches.open(name)).keys()).map((request) => new URL(request.url).pathname.slice(1)).sort())));
        const built = readFileSync(join(second, 'sw.js'), 'utf8').match(/const files = (\{[^}]*\})/)[1];
        assert.deepEqual(cached, [Object.keys(JSON.parse(built)).sort()]);
        assert.deepEqual(browser.errors, []);
      } finally {
        await browser.close();
      }
    });
  });
}
