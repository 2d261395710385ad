// How the site reaches its users, in every engine: every address works offline after the first
// visit; a start that fails says so and reloads on request; a link to one calculation opens,
// computes and is copied; the page keeps its security policy.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { repoRoot } from './paths.mjs';
import { engines, startBrowser } from './browser.mjs';

const golden = join(repoRoot, 'tests', 'cli', 'golden');
const lines = (file) => readFileSync(join(golden, file), 'utf8').split('\n').filter(Boolean).map((l) => l.split('\t'));
const examples = lines('examples.tsv').map(([slug, ...texts], i) => ({ slug, texts, answer: lines('expected.tsv')[i] }));
const linkOf = ({ slug, texts }) => [slug, ...texts].map(encodeURIComponent).join('/');
const current = examples.find((e) => e.slug === 'current' && e.texts.join() === '12,3');
const gravitation = examples.find((e) => e.slug === 'gravitation-law');
const form = 'section.form:not([hidden])';
const ready = () => document.documentElement.classList.contains('ready');
const results = (page) => page.evaluate((f) => [...document.querySelectorAll(`${f} output[data-result]`)]
  .sort((a, b) => a.dataset.result - b.dataset.result).map((o) => o.value), form);

// Waits until fn is true in the page across a navigation: an evaluation the navigation cuts
// short is tried again.
async function waitAcrossNavigation(page, fn) {
  for (let tries = 0; ; ++tries) {
    try {
      return await page.waitFor(fn);
    } catch (error) {
      if (tries > 20 || !/destroyed|navigat|context/i.test(error.message)) throw error;
    }
  }
}

async function session(options, run) {
  const browser = await startBrowser(options);
  try {
    await run(browser);
  } finally {
    await browser.close();
  }
}

for (const engine of engines) {
  describe(`${engine}: delivery`, () => {
    // For WebKit the harness writes its error probe into the pages it serves, and the service
    // worker rightly refuses files that differ from the build's.
    const rewritten = engine === 'webkit' && 'the harness rewrites the pages for WebKit';
    test('after the first visit every address of the site works without network', { skip: rewritten }, () => session({ engine }, async (browser) => {
      const page = await browser.open();
      await page.evaluate(async () => {
        const { active } = await navigator.serviceWorker.ready;
        if (active.state !== 'activated') await new Promise((done) => active.addEventListener('statechange', () => active.state === 'activated' && done()));
      });
      await browser.setOffline(true);
      for (const path of ['', 'index.html', 'index.html?x=1', `index.html#${linkOf(current)}`, `?x=1#${linkOf(current)}`, 'kalvora-napoveda.html']) {
        await page.goto(path);
        if (path.startsWith('kalvora-napoveda')) {
          assert.match(await page.waitFor(() => document.querySelector('h1')?.textContent), /Kalvora/);
          continue;
        }
        await page.waitFor(ready);
        assert.equal(await page.count('.tool-picture'), 11, path);
        if (path.includes('#')) assert.deepEqual(await results(page), current.answer.slice(1), path);
      }
      assert.deepEqual(browser.errors, []);
    }));

    // What fails: the WebAssembly module, a module of the page, the program while it starts.
    const failures = [
      { what: 'without the WebAssembly module', missing: '/kalvora-wasm.wasm' },
      { what: 'without a module of the page', missing: '/js/form.js' },
      { what: 'when the program throws', beforeLoad: () => {
        const parse = JSON.parse;
        JSON.parse = (text, ...rest) => (text.includes('"panels"') && !window.failedOnce ? (window.failedOnce = true, parse('{')) : parse(text, ...rest));
      } },
    ];
    for (const { what, missing, beforeLoad } of failures) {
      test(`a failed start ${what} says so in Czech, reports it and reloads on request`, () => {
        let blocked = missing;
        return session({ engine, status: (path) => (path === blocked ? 404 : undefined), beforeLoad }, async (browser) => {
          const page = browser.page;
          await page.goto();
          await page.waitFor(() => !document.getElementById('startFailure').hidden);
          assert.match(await page.text('#startFailure'), /nepodařilo spustit/);
          assert.equal(await page.evaluate(() => document.activeElement.id), 'reloadAfterFailure');
          assert.equal(await page.evaluate(ready), false);
          // The error reaches the console (in WebKit through the harness's probe, a moment later).
          for (let tries = 0; !browser.errors.some((error) => !error.startsWith('404')); ++tries) {
            assert.ok(tries < 50, browser.errors.join('\n'));
            await new Promise((done) => setTimeout(done, 100));
          }
          blocked = null;
          if (beforeLoad) return;  // the page would fail the same way again
          await page.click('#reloadAfterFailure');
          await waitAcrossNavigation(page, ready);
          assert.equal(await page.evaluate(() => document.getElementById('startFailure').hidden), true);
        });
      });
    }

    test('a link opens its form and computes; a new link opens at once; the copy command copies it; no policy breaks', () => session({ engine,
      beforeLoad: () => {
        window.violations = [];
        document.addEventListener('securitypolicyviolation', (event) => window.violations.push(event.violatedDirective));
        navigator.clipboard.writeText = async (text) => { window.copied = text; };
      } }, async (browser) => {
      const page = await browser.open(`index.html#${linkOf(gravitation)}`);
      assert.deepEqual(await results(page), gravitation.answer.slice(1));
      await page.evaluate((link) => { location.hash = link; }, linkOf(current));
      await page.waitFor((f) => document.querySelector(f).dataset.slug === 'current', form);
      assert.deepEqual(await results(page), current.answer.slice(1));
      await page.click('#menuProgram');
      await page.click('#actionCopyLink');
      const shown = await page.waitFor(() => document.querySelector('dialog.link-box[open] input')?.value);
      assert.equal(shown, `${browser.address}index.html#${linkOf(current)}`);
      assert.equal(await page.evaluate(() => window.copied), shown);
      await page.click('dialog.link-box button');
      await page.click('#toolbarHelp');
      assert.deepEqual(await page.evaluate(() => window.violations), []);
      // The policy holds: an inline script is refused.
      await page.evaluate(() => {
        const script = document.createElement('script');
        script.textContent = 'window.inlineRan = true;';
        document.body.append(script);
      });
      assert.match((await page.waitFor(() => window.violations.length && window.violations)).join(), /^script-src/);
      assert.equal(await page.evaluate(() => window.inlineRan ?? false), false);
    }));
  });
}
