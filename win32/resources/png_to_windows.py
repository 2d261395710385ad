#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Turns the committed PNG artwork into the icon and cursor files windres embeds: a 32x32
icon and a 32x32 cursor with its hot spot, each with further sizes when given. Standard library only, so the cross build needs no
image tools: non-interlaced 8-bit grey, RGB, palette and RGBA PNGs are read."""
import struct
import sys
import zlib


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    pos, idat, palette, alpha_table = 8, b"", None, None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = [body[i:i + 3] for i in range(0, len(body), 3)]
        elif kind == b"tRNS":
            alpha_table = body
        elif kind == b"IDAT":
            idat += body
    if depth != 8 or interlace:
        sys.exit(f"{path}: only 8-bit non-interlaced PNGs are read")
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + predictor) & 0xFF
        rows.append(line)
        previous = line
    pixels = []  # rows of (r, g, b, a)
    for line in rows:
        row = []
        for x in range(width):
            p = line[x * channels:(x + 1) * channels]
            if colour == 0:
                row.append((p[0], p[0], p[0], 255))
            elif colour == 2:
                row.append((p[0], p[1], p[2], 255))
            elif colour == 3:
                r, g, b = palette[p[0]]
                a = alpha_table[p[0]] if alpha_table and p[0] < len(alpha_table) else 255
                row.append((r, g, b, a))
            elif colour == 4:
                row.append((p[0], p[0], p[0], p[1]))
            else:
                row.append(tuple(p))
        pixels.append(row)
    return width, height, pixels


def info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 3780, 3780, 0, 0)


def icon_image(width, height, pixels):
    """The image of an icon or cursor entry: a 32-bit BGRA picture and its AND mask."""
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return info_header(width, height * 2, 32, len(colour) + len(mask)) + colour + mask


def icon_file(pictures, hotspot=None):
    """An icon or cursor file with one entry per picture (width, height, pixels); a cursor's hot
    spot, given for the first picture, grows with each larger one."""
    kind = 2 if hotspot else 1
    entries, images = b"", b""
    offset = 6 + 16 * len(pictures)
    first_width = pictures[0][0]
    for width, height, pixels in pictures:
        image = icon_image(width, height, pixels)
        if hotspot:
            planes, bits = (hotspot[0] * width // first_width, hotspot[1] * width // first_width)
        else:
            planes, bits = 1, 32
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, planes, bits, len(image), offset)
        images += image
        offset += len(image)
    return struct.pack("<HHH", 0, kind, len(pictures)) + entries + images


def main():
    if len(sys.argv) < 4:
        sys.exit("usage: png_to_windows.py ico|cur[:x,y] input.png output [larger.png...]")
    kind, source, target = sys.argv[1], sys.argv[2], sys.argv[3]
    width, height, pixels = read_png(source)
    pictures = [(width, height, pixels)] + [read_png(more) for more in sys.argv[4:]]
    if kind == "ico":
        out = icon_file(pictures)
    elif kind.startswith("cur"):
        x, y = (int(v) for v in (kind.split(":")[1] if ":" in kind else "0,0").split(","))
        out = icon_file(pictures, (x, y))
    else:
        sys.exit(f"unknown kind {kind}")
    open(target, "wb").write(out)


if __name__ == "__main__":
    main()
