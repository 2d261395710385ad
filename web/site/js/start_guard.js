// Until the program has started, a failure to load a script or the WebAssembly module, or an
// error the program throws, replaces the start with a Czech message and a button that reloads
// the page. The error itself goes to the console. (A classic script: it runs even when the
// modules cannot be loaded.)
(() => {
  const root = document.documentElement;
  const fail = () => {
    if (root.classList.contains('ready') || root.classList.contains('failed')) return;
    root.classList.add('failed');
    const message = document.getElementById('startFailure');
    message.hidden = false;
    const reload = document.getElementById('reloadAfterFailure');
    reload.addEventListener('click', () => location.reload());
    reload.focus();
  };
  // Load errors of elements do not bubble: they reach the window in the capturing phase.
  window.addEventListener('error', (event) => {
    if (event.target instanceof HTMLScriptElement) {
      console.error(`Kalvora: skript ${event.target.src} se nepodařilo načíst`);
      fail();
    } else if (!(event.target instanceof Element)) {
      fail();  // an uncaught exception: the browser reports it to the console itself
    }
  }, true);
  window.addEventListener('unhandledrejection', fail);
  window.addEventListener('kalvora-start-failed', fail);
})();
