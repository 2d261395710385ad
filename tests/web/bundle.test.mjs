// The build's module bundler: the bundle behaves as the modules did (each evaluated once, before
// its importers, every kind of import bound, a module's own address kept), and what it cannot
// bundle faithfully stops the build naming the module.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { bundle } from '../../web/tools/bundle.mjs';

const bundleOf = (modules) => bundle('/site/js/main.js', (file) => {
  if (!(file in modules)) throw new Error(`no ${file}`);
  return modules[file];
});

test('the bundle runs as the modules did', async () => {
  const modules = {
    '/site/js/main.js': [
      "import { twice, count as counted } from './shared.js';",
      "import makeName, { where } from '../loader.js';",
      "import * as shared from './shared.js';",
      'globalThis.bundleResult = { twice: twice(21), counted, name: makeName(), where, namespace: shared.twice(2), order: globalThis.bundleOrder };',
    ].join('\n'),
    '/site/js/shared.js': [
      "globalThis.bundleOrder = [...(globalThis.bundleOrder ?? []), 'shared'];",
      'export const count = globalThis.bundleOrder.length;',
      'export function twice(x) { return 2 * x; }',
    ].join('\n'),
    '/site/loader.js': [
      "import { twice } from './js/shared.js';",
      "globalThis.bundleOrder.push('loader');",
      'export const where = import.meta.url;',
      'var makeName = () => `m${twice(3)}`;',
      'export default makeName;',
    ].join('\n'),
  };
  const { code, files } = bundleOf(modules);
  assert.deepEqual(files, ['/site/js/main.js', '/site/js/shared.js', '/site/loader.js']);
  const folder = mkdtempSync(join(tmpdir(), 'kalvora-bundle-'));
  try {
    writeFileSync(join(folder, 'main.mjs'), code);
    await import(pathToFileURL(join(folder, 'main.mjs')).href);
    assert.deepEqual(globalThis.bundleResult, {
      twice: 42, counted: 1, name: 'm6', where: new URL('../loader.js', pathToFileURL(join(folder, 'main.mjs'))).href,
      namespace: 4, order: ['shared', 'loader'],
    });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

test('what cannot be bundled faithfully stops the build', () => {
  for (const [main, other, reason] of [
    ["import { a } from './other.js';", "import { b } from './main.js';\nexport const a = 1;", /other\.js: .*cycle|main\.js: .*cycle/],
    ["import { missing } from './other.js';", 'export const a = 1;', /imports "missing"/],
    ["import { a } from './other.js';", 'export let a = 1;', /exports a variable/],
    ["import { a } from './other.js';", "export { a } from './third.js';", /re-exports/],
    ["import { a } from './other.js';", 'export const { a } = {};', /destructured/],
    ["import { a } from 'some-package';", '', /not a file of the site/],
    ["const other = await import('./other.js');", '', /at run time/],
  ]) assert.throws(() => bundleOf({ '/site/js/main.js': main, '/site/js/other.js': other }), reason, main + ' / ' + other);
});
