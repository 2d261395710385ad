// Just enough of PNG and BMP for the site's pictures: read 8-bit RGB/RGBA PNGs and 24-bit BMPs,
// scale by whole factors, write PNGs (with a palette when the picture has at most 256 colours,
// which the site's drawings have: a quarter of the bytes to compress).
import { deflateSync, inflateSync } from 'node:zlib';

const signature = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}

// The picture's colours (RGBA as one number each) when there are at most 256 of them.
function paletteOf(rgba) {
  const colours = new Map();
  for (let i = 0; i < rgba.length; i += 4) {
    const colour = rgba.readUInt32BE(i);
    if (!colours.has(colour)) {
      if (colours.size === 256) return null;
      colours.set(colour, colours.size);
    }
  }
  return colours;
}

function encodeIndexed(width, height, rgba, colours) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;  // bits per index
  header[9] = 3;  // indexed colour
  const palette = Buffer.alloc(colours.size * 3);
  const alpha = Buffer.alloc(colours.size);
  for (const [colour, index] of colours) {
    palette.writeUIntBE(colour >>> 8, index * 3, 3);
    alpha[index] = colour & 0xff;
  }
  const raw = Buffer.alloc((width + 1) * height);
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) raw[y * (width + 1) + 1 + x] = colours.get(rgba.readUInt32BE((y * width + x) * 4));
  const opaque = alpha.every((a) => a === 255);
  return Buffer.concat([signature, chunk('IHDR', header), chunk('PLTE', palette),
    ...(opaque ? [] : [chunk('tRNS', alpha)]),
    chunk('IDAT', deflateSync(raw, { level: 9 })), chunk('IEND', Buffer.alloc(0))]);
}

// An image: { width, height, rgba } with 4 bytes a pixel, rows top to bottom.
export function encodePng({ width, height, rgba }) {
  const colours = paletteOf(rgba);
  if (colours) return encodeIndexed(width, height, rgba, colours);
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;  // bits per channel
  header[9] = 6;  // RGBA
  const raw = Buffer.alloc((width * 4 + 1) * height);
  for (let y = 0; y < height; ++y) rgba.copy(raw, y * (width * 4 + 1) + 1, y * width * 4, (y + 1) * width * 4);
  return Buffer.concat([signature, chunk('IHDR', header), chunk('IDAT', deflateSync(raw, { level: 9 })), chunk('IEND', Buffer.alloc(0))]);
}

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

export function decodePng(file) {
  if (!file.subarray(0, 8).equals(signature)) throw new Error('not a PNG');
  let offset = 8, width = 0, height = 0, channels = 0, palette = null, alpha = null;
  const data = [];
  while (offset < file.length) {
    const length = file.readUInt32BE(offset);
    const type = file.toString('latin1', offset + 4, offset + 8);
    const body = file.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0 || ![2, 3, 6].includes(body[9])) throw new Error('unsupported PNG');
      channels = { 2: 3, 3: 1, 6: 4 }[body[9]];
    } else if (type === 'PLTE') {
      palette = body;
    } else if (type === 'tRNS') {
      alpha = body;
    } else if (type === 'IDAT') {
      data.push(body);
    }
    offset += length + 12;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const value = raw[y * (stride + 1) + 1 + x];
      const a = x >= channels ? pixels[y * stride + x - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      pixels[y * stride + x] = (value + predictor) & 0xff;
    }
  }
  const rgba = Buffer.alloc(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    if (palette) {
      palette.copy(rgba, i * 4, pixels[i] * 3, pixels[i] * 3 + 3);
      rgba[i * 4 + 3] = alpha && pixels[i] < alpha.length ? alpha[pixels[i]] : 255;
      continue;
    }
    pixels.copy(rgba, i * 4, i * channels, i * channels + 3);
    rgba[i * 4 + 3] = channels === 4 ? pixels[i * channels + 3] : 255;
  }
  return { width, height, rgba };
}

// A 24-bit uncompressed Windows bitmap (rows bottom to top, BGR, each row padded to 4 bytes).
export function decodeBmp(file) {
  if (file.toString('latin1', 0, 2) !== 'BM') throw new Error('not a BMP');
  const start = file.readUInt32LE(10);
  const width = file.readInt32LE(18);
  const rawHeight = file.readInt32LE(22);
  if (file.readUInt16LE(28) !== 24 || file.readUInt32LE(30) !== 0) throw new Error('unsupported BMP');
  const height = Math.abs(rawHeight);
  const stride = Math.ceil((width * 3) / 4) * 4;
  const rgba = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; ++y) {
    const row = start + (rawHeight > 0 ? height - 1 - y : y) * stride;
    for (let x = 0; x < width; ++x) {
      const at = (y * width + x) * 4;
      rgba[at] = file[row + x * 3 + 2];
      rgba[at + 1] = file[row + x * 3 + 1];
      rgba[at + 2] = file[row + x * 3];
      rgba[at + 3] = 255;
    }
  }
  return { width, height, rgba };
}

// Each pixel becomes a factor x factor square: sharp edges for the icon's bands.
export function scale({ width, height, rgba }, factor) {
  const out = Buffer.alloc(width * height * factor * factor * 4);
  for (let y = 0; y < height * factor; ++y)
    for (let x = 0; x < width * factor; ++x)
      rgba.copy(out, (y * width * factor + x) * 4, (Math.floor(y / factor) * width + Math.floor(x / factor)) * 4,
        (Math.floor(y / factor) * width + Math.floor(x / factor)) * 4 + 4);
  return { width: width * factor, height: height * factor, rgba: out };
}
