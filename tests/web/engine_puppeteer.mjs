// Chromium over the DevTools protocol and Firefox over WebDriver BiDi, both through puppeteer-core
// and both Debian's own browsers, headless. Requests to other hosts go nowhere (there is no
// network in tests): chromium resolves no other host, Firefox sends them to a closed port.
import { mkdirSync } from 'node:fs';
import { dirname } from 'node:path';
import puppeteer from 'puppeteer-core';
import { Page, pick } from './page.mjs';

const executables = {
  chromium: process.env.KALVORA_CHROMIUM ?? '/usr/bin/chromium',
  firefox: process.env.KALVORA_FIREFOX ?? '/usr/bin/firefox-esr',
};
const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1'];
const firefoxPrefs = {
  'network.proxy.type': 1, 'network.proxy.http': '127.0.0.1', 'network.proxy.http_port': 9,
  'network.proxy.ssl': '127.0.0.1', 'network.proxy.ssl_port': 9, 'network.proxy.no_proxies_on': '127.0.0.1',
  'network.proxy.allow_hijacking_localhost': false,
  // A link to a mail address asks no question and opens nothing.
  'network.protocol-handler.external.mailto': false,
  // The page has the focus as a window in front has it, without a desktop to give it.
  'focusmanager.testmode': true,
};

export async function launchPuppeteer({ engine, width, height, touch, profile, env, address, beforeLoad, errors }) {
  const firefox = engine === 'firefox';
  const browser = await puppeteer.launch({
    browser: firefox ? 'firefox' : 'chrome',
    protocol: firefox ? 'webDriverBiDi' : 'cdp',
    executablePath: executables[engine],
    headless: true,
    userDataDir: profile,
    env,
    args: firefox ? [] : chromiumFlags,
    extraPrefsFirefox: firefoxPrefs,
    defaultViewport: { width, height },
  });
  const version = await browser.version();
  const tab = (await browser.pages())[0] ?? await browser.newPage();
  // A tab that a link opens reports its errors too; the tab under test stays in front (a
  // tab behind another one gets no animation frames, and clicks wait for them).
  browser.on('targetcreated', async (target) => {
    if (target.type() !== 'page') return;
    const opened = await target.page();
    opened.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    opened.on('pageerror', (error) => errors.push(error.message));
    await tab.bringToFront();
  });
  tab.setDefaultTimeout(5000);
  await tab.setViewport({ width, height, hasTouch: touch });
  await tab.bringToFront();
  tab.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  tab.on('pageerror', (error) => errors.push(error.message));
  if (beforeLoad) await tab.evaluateOnNewDocument(beforeLoad);

  const keys = (combination) => {
    const parts = combination.split('+');
    return { modifiers: parts.slice(0, -1), key: parts.at(-1) };
  };
  let devtools = null;
  class PuppeteerPage extends Page {
    async goto(path = '') { await tab.goto(address + path); }
    async reload() { await tab.reload(); }
    evaluate(fn, ...args) { return tab.evaluate(fn, ...args); }
    async click(selector, { text } = {}) {
      const element = await tab.evaluateHandle(pick, selector, text);
      try { await element.click(); } finally { await element.dispose(); }
    }
    async tap(selector, { text } = {}) {
      const element = await tab.evaluateHandle(pick, selector, text);
      try { await element.tap(); } finally { await element.dispose(); }
    }
    async clickFocused() {
      const element = await tab.evaluateHandle(() => document.activeElement);
      try { await element.click(); } finally { await element.dispose(); }
    }
    async type(text) { await tab.keyboard.type(text); }
    async press(combination) {
      const { modifiers, key } = keys(combination);
      for (const modifier of modifiers) await tab.keyboard.down(modifier);
      await tab.keyboard.press(key);
      for (const modifier of modifiers.reverse()) await tab.keyboard.up(modifier);
    }
    async screenshot(file) {
      mkdirSync(dirname(file), { recursive: true });
      await tab.screenshot({ path: file });
    }
    async emulateMedia(features) {
      if (firefox) throw new Error('no media emulation over WebDriver BiDi');
      // Over the DevTools protocol itself: puppeteer lets through only some features.
      devtools ??= await tab.createCDPSession();
      await devtools.send('Emulation.setEmulatedMedia', { features });
    }
  }
  return { page: new PuppeteerPage(), version, close: () => browser.close() };
}
