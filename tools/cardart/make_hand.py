#!/usr/bin/env python3
"""Writes content/cursors/hand.png, the pointing-hand mouse pointer, and
hand@2x.png, the same hand at 64 x 64 for screens that scale by two.

Drawn pixel by pixel (a 32 x 32 pointer is too small for vector art to stay
crisp) and stored as a palette PNG with a transparent background. The larger
one is enlarged by Scale2x, which rounds the steps of slanted edges instead
of doubling them. The finger tip is the hot spot; src/display/HandCursor.h
holds the same coordinates.
"""

import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parents[2]

HOT_SPOT = (11, 0)

PALETTE = {  # key: (r, g, b, alpha)
    ".": (0, 0, 0, 0),
    "K": (0, 0, 0, 255),
    "W": (255, 255, 255, 255),
    "G": (192, 192, 200, 255),
}

HAND = """
...........KK...................
..........KWWK..................
.........KWWWWK.................
.........KWWWWK.................
.........KWWWWK.................
.........KWWWWK.................
.........KWWWWK.................
.........KWWWWK.................
.........KWWWWK.................
.........KWWWGKKK...............
.........KWWWGKWWKK.............
.........KWWWGKWWWKKK...........
.........KWWWGKWWWKWWKK.........
.........KWWWGKWWWKWWWKK........
.........KWWWGKWWGKWWWKWK.......
.........KWWWWKWWGKWWGKWWK......
....KKK..KWWWWWKWWGKWWGKWK......
...KWWWK.KWWWWWWKWWWKWWWWK......
...KWWWWKKWWWWWWWWWWWWWWWK......
....KWWWWKWWWWWWWWWWWWWWWK......
....KWWWWWWWWWWWWWWWWWWWGK......
.....KWWWWWWWWWWWWWWWWWWGK......
.....KWWWWWWWWWWWWWWWWWWGK......
......KWWWWWWWWWWWWWWWWWGK......
......KWWWWWWWWWWWWWWWWGK.......
.......KWWWWWWWWWWWWWWWGK.......
........KWWWWWWWWWWWWWGK........
........KKKKKKKKKKKKKKKK........
........KGGGGGGGGGGGGGGK........
........KKKKKKKKKKKKKKKK........
................................
................................
"""


def chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png(rows):
    size = len(rows)
    keys = list(PALETTE)
    raw = b"".join(b"\0" + bytes(keys.index(c) for c in r) for r in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(PALETTE[k][:3]) for k in keys))
            + chunk(b"tRNS", bytes(PALETTE[k][3] for k in keys))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def scale2x(rows):
    """Each pixel becomes four; a corner takes a neighbour's colour where two
    neighbours that meet there agree and the other two differ."""
    n = len(rows)

    def at(x, y):
        return rows[min(max(y, 0), n - 1)][min(max(x, 0), n - 1)]

    out = [[""] * (2 * n) for _ in range(2 * n)]
    for y in range(n):
        for x in range(n):
            p, a, b, c, d = at(x, y), at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
            out[2 * y][2 * x] = a if c == a and c != d and a != b else p
            out[2 * y][2 * x + 1] = b if a == b and a != c and b != d else p
            out[2 * y + 1][2 * x] = c if d == c and d != b and c != a else p
            out[2 * y + 1][2 * x + 1] = d if b == d and b != a and d != c else p
    return ["".join(r) for r in out]


def main():
    rows = HAND.strip("\n").split("\n")
    assert len(rows) == 32 and all(len(r) == 32 for r in rows), "the hand must be 32 x 32"
    assert rows[HOT_SPOT[1]][HOT_SPOT[0]] == "K", "the hot spot must be on the finger tip"
    large = scale2x(rows)
    assert large[2 * HOT_SPOT[1]][2 * HOT_SPOT[0]] == "K", "the hot spot must stay on the tip"
    folder = ROOT / "content" / "cursors"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "hand.png").write_bytes(png(rows))
    (folder / "hand@2x.png").write_bytes(png(large))


if __name__ == "__main__":
    main()
