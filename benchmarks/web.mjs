// Measures the browser version (figures only, nothing passes or fails): the size of the site in
// build-web/site, whole and gzip-compressed file by file as a server sends it; the time to the
// first paint and to a usable form in headless chromium from a server on 127.0.0.1; and one
// computation from the OK press to the shown result text.
// node benchmarks/web.mjs   (RUNS=10, COMPUTATIONS=2000)
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { startBrowser } from '../tests/web/browser.mjs';
import { webBuild } from '../tests/web/paths.mjs';

const runs = Number(process.env.RUNS ?? 10);
const computations = Number(process.env.COMPUTATIONS ?? 2000);
const site = join(webBuild, 'site');
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

const files = [];
const walk = (dir) => readdirSync(dir).forEach((name) => {
  const path = join(dir, name);
  if (statSync(path).isDirectory()) walk(path);
  else {
    const bytes = readFileSync(path);
    files.push({ file: relative(site, path), size: bytes.length, gzip: gzipSync(bytes, { level: 9 }).length });
  }
});
walk(site);
const total = files.reduce((sum, f) => sum + f.size, 0);
const compressed = files.reduce((sum, f) => sum + f.gzip, 0);
const pictures = files.filter((f) => f.file.endsWith('.png') || f.file.endsWith('.ico'));

// Loads from the server with the browser's cache off and the service worker bypassed: the first
// in a freshly started chromium, then RUNS more in the running browser.
const loads = [];
{
  const browser = await startBrowser();
  const page = browser.context.pages()[0] ?? await browser.context.newPage();
  const devtools = await browser.context.newCDPSession(page);
  await devtools.send('Network.setCacheDisabled', { cacheDisabled: true });
  await devtools.send('Network.setBypassServiceWorker', { bypass: true });
  for (let run = 0; run <= runs; ++run) {
    await page.goto(`${browser.address}?run=${run}`);
    await page.waitForSelector('html.ready');
    loads.push(await page.evaluate(() => ({
      paint: performance.getEntriesByName('first-paint')[0].startTime,
      contentful: performance.getEntriesByName('first-contentful-paint')[0].startTime,
      usable: performance.getEntriesByName('kalvora-usable')[0].startTime,
    })));
  }
  await browser.close();
}
const [coldStart, ...warm] = loads;

// OK pressed on the current form: the model computes and the view writes the result; the time
// until the text is in the page, and until the next frame shows it.
const browser = await startBrowser();
const page = await browser.open();
const computation = await page.evaluate(async (count) => {
  const form = document.querySelector('section.form:not([hidden])');
  const inputs = form.querySelectorAll('[data-input]');
  const ok = [...form.querySelectorAll('button')].find((b) => b.textContent === 'OK');
  const output = form.querySelector('output[data-result="0"]');
  const setText = (input, text) => { input.value = text; input.dispatchEvent(new Event('input', { bubbles: true })); };
  const shown = [];
  for (let i = 0; i < count; ++i) {
    setText(inputs[0], String(12 + i));
    setText(inputs[1], '3');
    const start = performance.now();
    ok.click();
    const end = performance.now();
    if (output.value !== (((12 + i) / 3).toFixed(5))) throw new Error(`wrong result ${output.value}`);
    shown.push(end - start);
  }
  const framed = [];
  for (let i = 0; i < 20; ++i) {
    const start = performance.now();
    ok.click();
    await new Promise((done) => requestAnimationFrame(() => done()));
    framed.push(performance.now() - start);
  }
  return { shown, framed };
}, computations);
await browser.close();

const ms = (value) => `${value.toFixed(3)} ms`;
console.log('| measurement | figure | goal |');
console.log('|---|---|---|');
console.log(`| site size (${files.length} files) | ${kb(total)} | |`);
console.log(`| site size, each file gzip -9 | ${kb(compressed)} | <= 300 KB |`);
console.log(`| of which pictures and icons (${pictures.length} files), gzip -9 | ${kb(pictures.reduce((s, f) => s + f.gzip, 0))} | |`);
for (const f of files.sort((a, b) => b.gzip - a.gzip).slice(0, 3)) console.log(`| largest: ${f.file} | ${kb(f.size)}, gzip ${kb(f.gzip)} | |`);
console.log(`| first paint, median of ${runs} loads in a running chromium | ${ms(median(warm.map((l) => l.paint)))} | <= 150 ms |`);
console.log(`| first contentful paint, the same | ${ms(median(warm.map((l) => l.contentful)))} | |`);
console.log(`| usable form (model started, form drawn), the same | ${ms(median(warm.map((l) => l.usable)))} | |`);
console.log(`| first load in a freshly started chromium: first paint / usable form | ${ms(coldStart.paint)} / ${ms(coldStart.usable)} | |`);
console.log(`| one computation, OK press to the result text in the page, median of ${computations} | ${ms(median(computation.shown))} | < 1 ms |`);
console.log(`| the same, mean | ${ms(computation.shown.reduce((a, b) => a + b, 0) / computation.shown.length)} | |`);
console.log(`| OK press to the next frame (bound by the frame rate), median of 20 | ${ms(median(computation.framed))} | |`);
