// The service worker: keeps one whole version of the site for use without network and answers
// every address of the site from it (the page at "./", "index.html", with any query or link
// after '#'). A new version is fetched past the HTTP cache and each file checked against the
// digest the build wrote here, so a version is either complete or not taken at all; it waits
// until the page asks for it ("activate"), and then the older copies are deleted.
const version = '__VERSION__';
const cacheName = `kalvora-${version}`;
// Every file of this version with the SHA-256 of its contents.
const files = __FILES__;

const hex = (buffer) => [...new Uint8Array(buffer)].map((byte) => byte.toString(16).padStart(2, '0')).join('');

async function fill() {
  const cache = await caches.open(cacheName);
  await Promise.all(Object.entries(files).map(async ([file, digest]) => {
    const response = await fetch(file, { cache: 'reload' });
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    const actual = hex(await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer()));
    if (actual !== digest) throw new Error(`${file} is not the file of version ${version}`);
    await cache.put(file, response);
  }));
}

self.addEventListener('install', (event) => {
  event.waitUntil(fill().catch(async (error) => {
    await caches.delete(cacheName);
    throw error;
  }));
});

self.addEventListener('message', (event) => {
  if (event.data === 'activate') self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith('kalvora-') && name !== cacheName)
    .map((name) => caches.delete(name)))));
});

// The file of the site an address names: the scope itself is the page.
function fileOf(url) {
  const scope = new URL(self.registration.scope);
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return null;
  const file = decodeURIComponent(url.pathname.slice(scope.pathname.length)) || 'index.html';
  return Object.hasOwn(files, file) ? file : null;
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const file = fileOf(new URL(event.request.url));
  if (!file) return;
  // caches.match with the cache's name never creates it again (caches.open would, after the next
  // version's worker deleted it); an answer the cache cannot give comes from the network.
  event.respondWith(caches.match(file, { cacheName })
    .then((cached) => cached ?? fetch(event.request), () => fetch(event.request)));
});
