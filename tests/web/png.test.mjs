// The site's PNG writer and reader: a picture reads back pixel for pixel, with a palette (and its
// transparency) when it has at most 256 colours, as RGBA when it has more.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { decodePng, encodePng } from '../../web/tools/png.mjs';

const picture = (width, height, colourAt) => {
  const rgba = Buffer.alloc(width * height * 4);
  for (let i = 0; i < width * height; ++i) rgba.writeUInt32BE(colourAt(i) >>> 0, i * 4);
  return { width, height, rgba };
};
const colourType = (png) => png[8 + 8 + 9];

test('pictures read back exactly, by palette when the colours allow', () => {
  const cases = [
    { name: 'two opaque colours', image: picture(7, 5, (i) => (i % 3 ? 0xff0000ff : 0x00ff00ff)), type: 3 },
    { name: 'transparent pixels', image: picture(4, 4, (i) => (i % 2 ? 0x12345600 : 0xabcdef80)), type: 3 },
    { name: 'exactly 256 colours', image: picture(16, 16, (i) => (i << 8) | 0xff), type: 3 },
    { name: '257 colours', image: picture(257, 1, (i) => (i << 8) | 0xff), type: 6 },
  ];
  for (const { name, image, type } of cases) {
    const png = encodePng(image);
    assert.equal(colourType(png), type, name);
    assert.deepEqual(decodePng(png), image, name);
  }
});
