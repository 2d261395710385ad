// What the browser tests expect, from the golden file and the model itself: a second copy of the
// binding loaded into the page under test beside the page's own (its own WebAssembly instance, so
// the page's program is not touched; served by the test server), and the native kalvora-calc for
// result texts.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { nativeBuild, repoRoot } from './paths.mjs';
import { modelCopyPath } from './server.mjs';

// The worked examples of the golden file, each with the native program's answer: { slug, texts,
// answer: ['ok', results...] or ['error', caption, text] }.
const golden = (file) => readFileSync(join(repoRoot, 'tests', 'cli', 'golden', file), 'utf8')
  .split('\n').filter(Boolean).map((line) => line.split('\t'));
export const examples = golden('examples.tsv').map(([slug, ...texts], i) => ({ slug, texts, answer: golden('expected.tsv')[i] }));

// Loads the copy once per page as window.modelCopy, started as the page starts its program, and
// returns the model's fixed data.
export async function modelData(page) {
  return page.evaluate(async (path) => {
    if (!window.modelCopy) {
      const { loadModel } = await import(new URL(path, document.baseURI).href);
      window.modelCopy = await loadModel();
      window.modelCopy.start(document.documentElement.clientWidth, true);
    }
    return window.modelCopy.staticData();
  }, modelCopyPath);
}

// The toolbar buttons of the six fields, in the order of the menu "Výpočty" (an item "actionX"
// and its button "toolbarX" name one field).
export const fieldButtons = (data) => data.menu.find((popup) => popup.name === 'menuCalculations').items
  .map((item) => item.name.replace(/^action/, 'toolbar')).filter((name) => data.toolbar.buttons.some((b) => b.name === name));

// The result texts kalvora-calc writes for a topic and its input texts.
export const calc = (slug, ...texts) =>
  execFileSync(join(nativeBuild, 'bin', 'kalvora-calc'), [slug, ...texts], { encoding: 'utf8' }).trim().split('\n');

// Presses a key and waits until the page has seen it (its handlers run in the same dispatch), so
// that a check that the key changed nothing comes after its handling.
export async function pressSeen(page, key) {
  const seen = await page.evaluate(() => (window.keysSeen ??= (addEventListener('keydown', () => { window.keysSeen += 1; }, true), 0)));
  await page.press(key);
  await page.waitFor((count) => window.keysSeen > count, seen);
}
