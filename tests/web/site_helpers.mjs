// Waiting in the page for the delivery tests, in any engine of the harness.
export const ready = () => document.documentElement?.classList.contains('ready');

// Until fn is true in the page, across a navigation (an evaluation it cuts short is tried again).
export async function waitAcrossNavigation(page, fn) {
  for (let tries = 0; ; ++tries) {
    try {
      return await page.waitFor(fn);
    } catch (error) {
      if (tries > 20 || !/destroyed|navigat|context/i.test(error.message)) throw error;
    }
  }
}

// Until the page's service worker has taken over.
export const installed = (page) => page.evaluate(async () => {
  const { active } = await navigator.serviceWorker.ready;
  if (active.state !== 'activated') await new Promise((done) => active.addEventListener('statechange', () => active.state === 'activated' && done()));
});
