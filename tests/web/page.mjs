// What every engine's page has on top of its own goto, evaluate, click, keyboard and screenshot.
const timeout = 5000;

// What every engine's page adds on top of evaluate, click and the keyboard.
export class Page {
  async waitFor(fn, ...args) {
    const until = Date.now() + timeout;
    for (;;) {
      const value = await this.evaluate(fn, ...args);
      if (value) return value;
      if (Date.now() > until) throw new Error(`waited ${timeout} ms in vain for ${fn}`);
      await new Promise((done) => setTimeout(done, 50));
    }
  }
  count(selector) { return this.evaluate((s) => document.querySelectorAll(s).length, selector); }
  text(selector) { return this.evaluate((s) => document.querySelector(s)?.textContent ?? null, selector); }
  value(selector) { return this.evaluate((s) => document.querySelector(s)?.value ?? null, selector); }
  attribute(selector, name) {
    return this.evaluate((s, n) => document.querySelector(s)?.getAttribute(n) ?? null, selector, name);
  }
  box(selector) {
    return this.evaluate((s) => {
      const element = document.querySelector(s);
      if (!element) return null;
      const { x, y, width, height } = element.getBoundingClientRect();
      return { x, y, width, height };
    }, selector);
  }
  focus(selector) { return this.evaluate((s) => document.querySelector(s).focus(), selector); }
  async fill(selector, text) {
    await this.evaluate((s) => { const input = document.querySelector(s); input.focus(); input.select(); }, selector);
    if (text === '') await this.press('Backspace');
    else await this.type(text);
  }
}

// The first element that matches, with the given text if one is given (run in the page).
export function pick(selector, text) {
  const all = [...document.querySelectorAll(selector)];
  const found = text === undefined ? all[0] : all.find((e) => e.textContent === text);
  if (!found) throw new Error(`nothing matches ${selector}${text === undefined ? '' : ` with the text ${text}`}`);
  return found;
}

