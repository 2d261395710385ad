// The service worker and new versions. The worker keeps the whole site for use without network;
// a new version it finds waits until the user takes it: a notice "Je k dispozici nová verze."
// with a button that activates it and reloads the page into it. Until then the open page keeps
// working on its own version.
export function watchForUpdates() {
  if (!('serviceWorker' in navigator)) return;
  const notice = document.getElementById('updateNotice');
  const button = document.getElementById('updateReload');
  let take = () => location.reload();
  let taking = false;
  button.addEventListener('click', () => take());
  const offer = (worker) => {
    take = () => { taking = true; worker.postMessage('activate'); };
    notice.hidden = false;
  };
  // Another page took the new version: this one stays on its own until the user reloads.
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (taking) location.reload();
    else notice.hidden = false;
  });
  navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).then((registration) => {
    if (!registration) return;  // workers turned off
    const watch = (worker) => {
      if (!worker) return;
      const ready = () => {
        if (worker.state === 'installed' && navigator.serviceWorker.controller) offer(worker);
      };
      worker.addEventListener('statechange', ready);
      ready();
    };
    watch(registration.waiting);
    registration.addEventListener('updatefound', () => watch(registration.installing));
    // A page left open looks for a new version whenever it is shown again.
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') registration.update().catch(() => {});
    });
  }, (error) => console.warn('Kalvora: bez práce offline', error));
}
