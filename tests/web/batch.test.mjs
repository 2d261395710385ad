// The WebAssembly build of kalvora-calc under node answers exactly as the native program: on the
// golden batch file, the fuzz corpus and a generated set of hostile number texts for every topic.
// Run after both builds: node --test tests/web/  (KALVORA_NATIVE_BUILD, KALVORA_WEB_BUILD).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { repoRoot, nativeBuild, webBuild } from './paths.mjs';

const nativeCalc = join(nativeBuild, 'bin', 'kalvora-calc');
const webCalc = join(webBuild, 'kalvora-calc.mjs');

function run(command, args, input) {
  const r = spawnSync(command, args, { input, maxBuffer: 64 << 20 });
  return { status: r.status, stdout: r.stdout.toString('latin1'), stderr: r.stderr.toString('latin1') };
}
const native = (args, input = '') => run(nativeCalc, args, input);
const web = (args, input = '') => run(process.execPath, [webCalc, ...args], input);

function assertSameBatch(input, what) {
  const expected = native(['--batch'], input);
  const actual = web(['--batch'], input);
  assert.equal(expected.status, 0, `${what}: native exit`);
  assert.equal(actual.status, expected.status, `${what}: exit status`);
  assert.equal(actual.stderr, expected.stderr, `${what}: standard error`);
  const want = expected.stdout.split('\n');
  const got = actual.stdout.split('\n');
  assert.equal(got.length, want.length, `${what}: number of answers`);
  want.forEach((line, i) => assert.equal(got[i], line, `${what}: answer ${i + 1}`));
}

test('golden batch file: same answers as the native program and as expected', () => {
  const golden = join(repoRoot, 'tests', 'cli', 'golden');
  const input = readFileSync(join(golden, 'examples.tsv'));
  assertSameBatch(input, 'golden');
  assert.equal(web(['--batch'], input).stdout, readFileSync(join(golden, 'expected.tsv'), 'latin1'));
});

test('fuzz corpus: same answers on every seed', () => {
  const corpus = join(repoRoot, 'fuzz', 'corpus', 'batch');
  const seeds = readdirSync(corpus);
  assert.ok(seeds.length > 0);
  for (const seed of seeds) assertSameBatch(readFileSync(join(corpus, seed)), seed);
});

// A small deterministic generator (xorshift) of number texts that reach every rounding path:
// long digit strings, halfway cases, exponents near overflow and underflow, signs, commas,
// points, names before the number and bytes above 0x7f.
function* numberTexts(count) {
  let s = 0x9e3779b9;
  const next = (n) => {
    s ^= s << 13; s >>>= 0; s ^= s >>> 17; s ^= s << 5; s >>>= 0;
    return s % n;
  };
  const digits = (n) => Array.from({ length: n }, () => '0123456789'[next(10)]).join('');
  const pieces = [
    () => digits(1 + next(25)),
    () => `${digits(1 + next(4))}.${digits(next(20))}`,
    () => `.${digits(1 + next(6))}`,
    () => `${digits(1 + next(3))}e${['', '-', '+'][next(3)]}${1 + next(330)}`,
    () => `${digits(1 + next(17))}5e-${next(30)}`,
    () => `${digits(1 + next(3))},${digits(1 + next(3))}`,
    () => ['-', '+', '--', 'x', 'měď ', ' ', 'Cihly pálené ', 'd', 'E'][next(9)],
    () => '9007199254740993',
    () => `0.${'0'.repeat(next(330))}${digits(1 + next(3))}`,
  ];
  for (let i = 0; i < count; ++i) {
    let text = '';
    for (let k = 1 + next(3); k > 0; --k) text += pieces[next(pieces.length)]();
    yield text;
  }
}

test('generated number texts: same answers for every topic', () => {
  const topics = native(['--list']).stdout.trim().split('\n').map((line) => line.split('\t'));
  assert.equal(topics.length, 22);
  const texts = numberTexts(20000);
  const lines = [];
  for (let round = 0; round < 200; ++round) {
    for (const [slug, , captions] of topics) {
      const inputs = captions.split(' | ').map(() => texts.next().value);
      lines.push([slug, ...inputs].join('\t'));
    }
  }
  assertSameBatch(Buffer.from(lines.join('\n') + '\n', 'utf8'), 'generated');
});

test('single evaluations, listing and usage: same streams and exit codes', () => {
  const cases = [
    ['current', '12', '3'],
    ['current', '12', '0'],
    ['transformer', '1000', '50', '230'],
    ['liquid-mixing', '10', '20', '40', '30'],
    ['wall-thermal-resistance', '0.3', 'Cihly pálené 0.86'],
    ['no-such-topic'],
    ['current', '1', '2', '3'],
    ['--list'],
    ['--help'],
    [],
  ];
  for (const args of cases) {
    const expected = native(args);
    const actual = web(args);
    assert.deepEqual(actual, expected, args.join(' '));
  }
});
