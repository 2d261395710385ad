// The build's module bundler: the bundle behaves as the modules did (each evaluated once, before
// its importers, every kind of import bound, a module's own address kept); what it cannot bundle
// faithfully stops the build.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { bundle } from '../../web/tools/bundle.mjs';

const bundleOf = (modules) => bundle('/site/js/main.js', (file) => modules[file] ?? assert.fail(`no ${file}`));

test('the bundle runs as the modules did', async () => {
  const { code } = bundleOf({
    '/site/js/main.js': "import { twice, count as counted } from './shared.js';\nimport makeName, { where } from '../loader.js';\n"
      + "import * as shared from \"./shared.js\";\nglobalThis.bundled = [twice(21), counted, makeName(), where, shared.twice(2), globalThis.order];",
    '/site/js/shared.js': "globalThis.order = ['shared'];\nexport const count = globalThis.order.length;\nexport function twice(x) { return 2 * x; }",
    '/site/loader.js': "import { twice } from './js/shared.js';\nglobalThis.order.push('loader');\n"
      + 'export const where = import.meta.url;\nvar makeName = () => `m${twice(3)}`;\nexport default makeName;',
  });
  const folder = mkdtempSync(join(tmpdir(), 'kalvora-bundle-'));
  try {
    const main = pathToFileURL(join(folder, 'main.mjs'));
    writeFileSync(main, code);
    await import(main.href);
    assert.deepEqual(globalThis.bundled, [42, 1, 'm6', new URL('../loader.js', main).href, 4, ['shared', 'loader']]);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

test('what cannot be bundled faithfully stops the build', () => {
  for (const [main, other, reason] of [
    ["import { a } from './other.js';", "import { b } from './main.js';\nexport const a = 1;", /cycle/],
    ["import { missing } from './other.js';", 'export const a = 1;', /imports "missing"/],
    ["import { a } from './other.js';", 'export let a = 1;', /exports a variable/],
    ["import { a } from './other.js';", "export { a } from './third.js';", /re-exports/],
    ["import { a } from 'some-package';", '', /not a file of the site/],
    ["const other = await import('./other.js');", '', /at run time/],
  ]) assert.throws(() => bundleOf({ '/site/js/main.js': main, '/site/js/other.js': other }), reason, main);
});
