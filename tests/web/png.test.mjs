// The site's PNG writer and reader: a picture reads back pixel for pixel, written with a palette
// (and its transparency) when it has at most 256 colours, as RGBA when it has more.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { decodePng, encodePng } from '../../web/tools/png.mjs';

test('pictures read back exactly, by palette when the colours allow', () => {
  for (const [width, height, colourAt, type] of [[16, 16, (i) => (i << 8) | (i % 2 ? 0x80 : 0xff), 3], [257, 1, (i) => (i << 8) | 0xff, 6]]) {
    const rgba = Buffer.alloc(width * height * 4);
    for (let i = 0; i < width * height; ++i) rgba.writeUInt32BE(colourAt(i) >>> 0, i * 4);
    const png = encodePng({ width, height, rgba });
    assert.equal(png[25], type, `${width}x${height}`);  // the colour type in the header
    assert.deepEqual(decodePng(png), { width, height, rgba });
  }
});
