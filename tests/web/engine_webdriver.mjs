// WebKitGTK (Debian's MiniBrowser) through WebKitWebDriver, a W3C WebDriver server, spoken to over
// fetch. MiniBrowser needs a display (xvfb-run). Requests to other hosts go to a closed port.
// The driver does not report the console: the test server puts a script into each page that
// posts errors back to it (see browser.mjs), and runs the test's beforeLoad there as well.
import { spawn } from 'node:child_process';
import { mkdirSync, writeFileSync } from 'node:fs';
import { dirname } from 'node:path';
import { createServer } from 'node:net';
import { Page, pick } from './page.mjs';

const driverPath = process.env.KALVORA_WEBKITDRIVER ?? '/usr/bin/WebKitWebDriver';
const miniBrowser = process.env.KALVORA_MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const element = 'element-6066-11e4-a52e-4f735466cecf';  // the W3C name of an element reference

// Key names as the W3C WebDriver codes them (other keys are their own character).
const codes = {
  Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', Backspace: '\uE003', Delete: '\uE017',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Home: '\uE011', End: '\uE010',
  Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', NumpadDecimal: '\uE028', F10: '\uE03A', Space: ' ',
};
const code = (name) => codes[name] ?? name;

const freePort = () => new Promise((done, fail) => {
  const probe = createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => done(port));
  }).on('error', fail);
});

export async function launchWebDriver({ width, height, env, address }) {
  const port = await freePort();
  const driver = spawn(driverPath, [`--port=${port}`], { stdio: ['ignore', 'ignore', 'pipe'], env });
  let driverOutput = '';
  driver.stderr.on('data', (part) => { driverOutput += part; });
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(base + path, {
      method, headers: { 'Content-Type': 'application/json' }, body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value?.error} ${value?.message}`);
    return value;
  };
  let session;
  for (let tries = 0; ; ++tries) {
    try {
      session = await call('POST', '/session', { capabilities: { alwaysMatch: {
        'webkitgtk:browserOptions': { binary: miniBrowser,
          args: ['--automation', '--proxy=http://127.0.0.1:9', '--ignore-host=127.0.0.1'] },
      } } });
      break;
    } catch (error) {
      if (tries > 50 || driver.exitCode !== null) throw new Error(`WebKitWebDriver: ${error.message}\n${driverOutput}`);
      await new Promise((done) => setTimeout(done, 100));
    }
  }
  const id = `/session/${session.sessionId}`;
  const version = `WebKitGTK ${session.capabilities.browserVersion}`;
  await call('POST', `${id}/timeouts`, { script: 10000, pageLoad: 20000, implicit: 0 });

  const run = async (fn, args, reference) => {
    const script = `const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${fn})(...arguments[0]))
        .then((value) => done(${reference ? 'value' : '{ ok: value === undefined ? null : value }'}),
              (error) => done({ failed: String(error) + ' ' + (error && error.stack) }));`;
    const result = await call('POST', `${id}/execute/async`, { script, args: [args] });
    if (result?.failed) throw new Error(result.failed);
    return reference ? result : result.ok;
  };
  const keys = async (actions) => {
    await call('POST', `${id}/actions`, { actions: [{ type: 'key', id: 'keyboard', actions }] });
    await call('DELETE', `${id}/actions`);
  };

  // The window's outer size that gives the viewport the size asked for.
  const fitViewport = async () => {
    for (let i = 0; i < 3; ++i) {
      const inner = await run(() => [innerWidth, innerHeight], []);
      if (inner[0] === width && inner[1] === height) return;
      const outer = await call('GET', `${id}/window/rect`);
      await call('POST', `${id}/window/rect`, { width: outer.width + width - inner[0], height: outer.height + height - inner[1] });
    }
  };

  class WebDriverPage extends Page {
    async goto(path = '') { await call('POST', `${id}/url`, { url: address + path }); }
    async reload() { await call('POST', `${id}/refresh`, {}); }
    evaluate(fn, ...args) { return run(fn, args, false); }
    async click(selector, { text } = {}) {
      const reference = await run(pick, [selector, text], true);
      await call('POST', `${id}/element/${reference[element]}/click`, {});
    }
    async tap(selector, { text } = {}) {
      const reference = await run(pick, [selector, text], true);
      await call('POST', `${id}/execute/sync`, { script: 'arguments[0].scrollIntoView({ block: "center" })', args: [reference] });
      await call('POST', `${id}/actions`, { actions: [{ type: 'pointer', id: 'finger', parameters: { pointerType: 'touch' },
        actions: [{ type: 'pointerMove', origin: reference, x: 0, y: 0 }, { type: 'pointerDown', button: 0 },
          { type: 'pointerUp', button: 0 }] }] });
      await call('DELETE', `${id}/actions`);
    }
    async clickFocused() {
      const reference = await call('GET', `${id}/element/active`);
      await call('POST', `${id}/element/${reference[element]}/click`, {});
    }
    async type(text) {
      await keys([...text].flatMap((c) => [{ type: 'keyDown', value: c }, { type: 'keyUp', value: c }]));
    }
    async press(combination) {
      const parts = combination.split('+').map(code);
      await keys([...parts.map((value) => ({ type: 'keyDown', value })),
        ...parts.reverse().map((value) => ({ type: 'keyUp', value }))]);
    }
    async emulateMedia() { throw new Error('WebDriver has no media emulation'); }
    async screenshot(file) {
      // What the page has just changed is painted first (the driver takes the last painted frame).
      await run(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))), [], false);
      mkdirSync(dirname(file), { recursive: true });
      writeFileSync(file, Buffer.from(await call('GET', `${id}/screenshot`), 'base64'));
    }
  }
  await call('POST', `${id}/url`, { url: 'about:blank' });
  await fitViewport();
  return {
    page: new WebDriverPage(),
    version,
    async close() {
      await call('DELETE', id).catch(() => {});
      driver.kill();
      await new Promise((done) => (driver.exitCode !== null ? done() : driver.on('exit', done)));
    },
  };
}
