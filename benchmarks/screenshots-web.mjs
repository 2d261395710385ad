// Saves what the browser view shows, for comparing two builds pixel by pixel (run by
// benchmarks/screenshots.sh web): the main window after each field's toolbar button
// (field-<name>.png), with each form opened by its link index.html#<slug> (form-<slug>.png), and
// the help window of the current form (help-current.png), in headless chromium at scale 1.
// The text cursor is made transparent so that its blinking does not change the pictures.
// node benchmarks/screenshots-web.mjs OUT_FOLDER
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from '../web/tools/serve.mjs';
import { webBuild } from '../tests/web/paths.mjs';

const out = process.argv[2];
if (!out) throw new Error('usage: node benchmarks/screenshots-web.mjs OUT_FOLDER');
const slugs = execFileSync('node', [join(webBuild, 'kalvora-calc.mjs'), '--list'], { encoding: 'utf8' })
  .split('\n').filter(Boolean).map((line) => line.split('\t')[0]);
const fields = ['Electrical', 'Thermal', 'Mechanics', 'Optics', 'GasesAndLiquids', 'Antenna'];

const server = await serve(join(webBuild, 'site'), 0);
const origin = `http://127.0.0.1:${server.address().port}/`;
const chromium = await puppeteer.launch({
  browser: 'chrome', executablePath: process.env.KALVORA_CHROMIUM ?? '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none'],
  defaultViewport: { width: 1024, height: 768, deviceScaleFactor: 1 },
});
const page = await chromium.newPage();
await page.setBypassCSP(true);  // for the one style rule below
await page.goto(`${origin}index.html`);
await page.waitForSelector('html.ready');
await page.addStyleTag({ content: '* { caret-color: transparent !important; }' });
const settle = () => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
const save = async (selector, name) => {
  await settle();
  await (await page.$(selector)).screenshot({ path: join(out, `${name}.png`) });
};

for (const field of fields) {
  await page.click(`#toolbar${field}`);
  await save('#mainWindow', `field-${field}`);
}
for (const slug of slugs) {
  await page.evaluate((s) => { location.hash = s; }, slug);
  await page.waitForSelector(`section[data-slug="${slug}"]`, { visible: true });
  await save('#mainWindow', `form-${slug}`);
}
await page.evaluate(() => { location.hash = 'current'; });
await page.waitForSelector('section[data-slug="current"]', { visible: true });
await page.click('section[data-slug="current"] button::-p-text(Help)');
await page.waitForSelector('#helpWindow[open] img');
await page.evaluate(() => document.querySelector('#helpWindow img').decode());
await save('#helpWindow', 'help-current');
await chromium.close();
server.close();
