// The site for the browser tests, served from 127.0.0.1 as a static host serves it. It records
// every answer of 400 or more as an error, can be stopped and started again on the same port (the
// network going away and coming back), can answer a path with a chosen status, send extra
// headers, put a script of the test's own before the page's scripts in every HTML page, and
// serves the accessibility checker.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { webBuild } from './paths.mjs';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm', '.png': 'image/png', '.bmp': 'image/bmp', '.ico': 'image/x-icon', '.svg': 'image/svg+xml',
};

// The path of the test's script; it is served only when a test gives one.
export const probePath = '/__test/probe.js';
// The accessibility checker (axe-core from npm), for a page to load from its own origin.
export const axePath = '/__test/axe.min.js';
const axeFile = fileURLToPath(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url));
// A second copy of the page's model for the tests' expectations (expected.mjs): the binding and
// the WebAssembly module as the build made them, whatever the site joins into one script.
export const modelCopyPath = '/__test/js/binding.js';
const modelCopyFiles = new Map([
  [modelCopyPath, fileURLToPath(new URL('../../web/site/js/binding.js', import.meta.url))],
  ['/__test/kalvora-wasm.js', join(webBuild, 'web', 'kalvora-wasm.js')],
  ['/__test/kalvora-wasm.wasm', join(webBuild, 'web', 'kalvora-wasm.wasm')],
]);

// root: the folder; headers: extra response headers; status(path): a status to answer instead
// of the file (or undefined); probe: the text of a script for the top of every HTML page's head;
// report(text): called with each answer of 400 or more and with each POST to /__test/error.
export async function startServer({ root, headers = {}, status = () => undefined, probe = null, report }) {
  let folder = resolve(root);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const answer = (code, type, body) => {
      if (code >= 400) report(`${code} ${path}`);
      response.writeHead(code, { 'Content-Type': type, 'Cache-Control': 'no-cache', ...headers });
      response.end(request.method === 'HEAD' ? undefined : body);
    };
    if (request.method === 'POST' && path === '/__test/error') {
      let text = '';
      request.setEncoding('utf8');
      request.on('data', (part) => { text += part; });
      request.on('end', () => { report(text); response.writeHead(204); response.end(); });
      return;
    }
    if (probe !== null && path === probePath) return answer(200, types['.js'], probe);
    if (path === axePath) return answer(200, types['.js'], await readFile(axeFile));
    if (modelCopyFiles.has(path)) return answer(200, types[extname(path)], await readFile(modelCopyFiles.get(path)));
    const chosen = status(path);
    if (chosen !== undefined) return answer(chosen, 'text/plain; charset=utf-8', String(chosen));
    try {
      let file = normalize(join(folder, path));
      if (file !== folder && !file.startsWith(folder + sep)) throw new Error('outside');
      if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
      let body = await readFile(file);
      // Only pages the browser navigates to (they ask for HTML) get the probe: the service
      // worker's own fetches must see the build's bytes, which it checks against their digests.
      if (probe !== null && extname(file) === '.html' && (request.headers.accept ?? '').includes('text/html'))
        body = body.toString('utf8').replace('<head>', `<head>\n<script src="${probePath}"></script>`);
      answer(200, types[extname(file)] ?? 'application/octet-stream', body);
    } catch {
      answer(404, 'text/plain; charset=utf-8', 'Nenalezeno');
    }
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const port = server.address().port;
  return {
    address: `http://127.0.0.1:${port}/`,
    // Serves another folder from now on (a new version deployed at the same place).
    setRoot(next) { folder = resolve(next); },
    async stop() {
      const closed = new Promise((done) => server.close(done));
      server.closeAllConnections();
      await closed;
    },
    async start() {
      await new Promise((done) => server.listen(port, '127.0.0.1', done));
    },
  };
}
