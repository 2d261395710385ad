// Debian's chromium, headless, driven over the DevTools protocol by playwright-core, on the site
// served from 127.0.0.1. Every page records its console errors and the addresses the view opens;
// requests to other hosts are refused (there is no network in tests).
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { serve } from '../../web/tools/serve.mjs';
import { webBuild } from './paths.mjs';

export const chromiumPath = process.env.KALVORA_CHROMIUM ?? '/usr/bin/chromium';
const flags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export async function startBrowser({ width = 1280, height = 800 } = {}) {
  const server = await serve(join(webBuild, 'site'), 0);
  const address = `http://127.0.0.1:${server.address().port}/`;
  const profile = mkdtempSync(join(tmpdir(), 'kalvora-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath, headless: true, args: flags, viewport: { width, height },
  });
  context.setDefaultTimeout(5000);
  await context.route((url) => url.hostname !== '127.0.0.1', (route) => route.abort());
  const errors = [];
  const watch = (page) => {
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('response', (response) => { if (response.status() >= 400) errors.push(`${response.status()} ${response.url()}`); });
  };
  context.on('page', watch);
  context.pages().forEach(watch);
  return {
    address,
    context,
    errors,
    async open(path = '') {
      const page = context.pages()[0] ?? await context.newPage();
      await page.goto(address + path);
      await page.waitForSelector('html.ready');
      await page.evaluate(() => {
        window.opened = [];
        window.addEventListener('kalvora-open', (event) => window.opened.push(event.detail));
      });
      return page;
    },
    async close() {
      await context.close();
      server.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
