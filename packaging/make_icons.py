#!/usr/bin/env python3
"""Writes the hicolor PNG icons: the program icon's three bands (green 10/32, blue 11/32,
red 11/32 of the height) at every size the desktop asks for. Pure standard library."""
import struct
import sys
import zlib
from pathlib import Path

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
BANDS = ((10, (0, 255, 0)), (11, (0, 0, 255)), (11, (255, 0, 0)))


def band_rows(size):
    rows, edge = [], 0
    for share, colour in BANDS:
        edge += share
        while len(rows) < round(size * edge / 32):
            rows.append(colour)
    return rows


def png(size):
    raw = b"".join(b"\x00" + bytes(colour) * size for colour in band_rows(size))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main(out_dir):
    for size in SIZES:
        target = Path(out_dir) / f"{size}x{size}" / "org.kalvora.Kalvora.png"
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(png(size))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent / "icons")
