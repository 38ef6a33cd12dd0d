#!/usr/bin/env python3
"""Draws the window icon and the button pictures of the main window as 16-colour PNG files.

Run from the repository root: python3 tools/artwork/draw_artwork.py
Writes src/principal/artwork/*.png. Standard library only.
"""
import math
import pathlib
import struct
import zlib

OUT = pathlib.Path(__file__).resolve().parents[2] / "src" / "principal" / "artwork"

# The 16 colours, one letter each.
PALETTE = {
    "k": (0x00, 0x00, 0x00), "m": (0x80, 0x00, 0x00), "g": (0x00, 0x80, 0x00),
    "o": (0x80, 0x80, 0x00), "n": (0x00, 0x00, 0x80), "p": (0x80, 0x00, 0x80),
    "t": (0x00, 0x80, 0x80), "s": (0xC0, 0xC0, 0xC0), "d": (0x80, 0x80, 0x80),
    "r": (0xFF, 0x00, 0x00), "l": (0x00, 0xFF, 0x00), "y": (0xFF, 0xFF, 0x00),
    "b": (0x00, 0x00, 0xFF), "f": (0xFF, 0x00, 0xFF), "a": (0x00, 0xFF, 0xFF),
    "w": (0xFF, 0xFF, 0xFF),
}
LETTERS = list(PALETTE)


def png(path, rows, transparent=None):
    """Writes rows (strings of palette letters) as an indexed PNG; `transparent` is a letter."""
    letters = LETTERS + ([] if transparent is None or transparent in LETTERS else [transparent])
    height, width = len(rows), len(rows[0])
    depth = 4 if len(letters) <= 16 else 8
    raw = bytearray()
    for row in rows:
        assert len(row) == width, row
        idx = [letters.index(c) for c in row]
        raw.append(0)
        if depth == 4:
            idx += [0] * (len(idx) % 2)
            raw += bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
        else:
            raw += bytes(idx)
    plte = b"".join(bytes(PALETTE.get(c, (0, 0, 0))) for c in letters)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, 3, 0, 0, 0))
    out += chunk(b"PLTE", plte)
    if transparent is not None:
        out += chunk(b"tRNS", bytes(0 if c == transparent else 255 for c in letters))
    out += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    path.write_bytes(out)


def disc(size):
    """The window icon: a red disc with a yellow core, outlined in maroon, on a clear ground."""
    c = (size - 1) / 2
    outer, core = size / 2 - 0.5, size * 0.27
    rows = []
    for y in range(size):
        row = ""
        for x in range(size):
            r = math.hypot(x - c, y - c)
            if r > outer:
                row += "."
            elif r > outer - max(1, size / 24):
                row += "m"
            elif r > core:
                row += "r"
            elif r > core - max(1, size / 24):
                row += "o"
            else:
                row += "y"
        rows.append(row)
    return rows


# Button pictures, 16 x 16, "." is the ground (the bottom-left pixel must be ground).
NEW_PAGE = [
    "............y...",
    "..........y.y.y.",
    "...........yyy..",
    ".kkkkkk..yyyyyyy",
    ".kwwwwkk...yyy..",
    ".kwwwwkwk.y.y.y.",
    ".kwwwwkkkk..y...",
    ".kwwwwwwwk......",
    ".kwwwwwwwk......",
    ".kwwwwwwwk......",
    ".kwwwwwwwk......",
    ".kwwwwwwwk......",
    ".kwwwwwwwk......",
    ".kwwwwwwwk......",
    ".kwwwwwwwk......",
    ".kkkkkkkkk......",
]

WRITTEN_PAGE = [
    "............y...",
    "..........y.y.y.",
    "...........yyy..",
    ".kkkkkk..yyyyyyy",
    ".kwwwwkk...yyy..",
    ".kwwwwkwk.y.y.y.",
    ".kwwwwkkkk..y...",
    ".kwkkkkkwk......",
    ".kwwwwwwwk......",
    ".kwkkkkwwk......",
    ".kwwwwwwwk......",
    ".kwkkkkkwk......",
    ".kwwwwwwwk......",
    ".kwkkkwwwk......",
    ".kwwwwwwwk......",
    ".kkkkkkkkk......",
]

SAVE = [
    "kkkkk.....rr....",
    "kwwwkk....rr....",
    "kwkkwwk...rr....",
    "kwwwwwk...rr....",
    "kwkkkwk...rr....",
    "kwwwwwk.rrrrrr..",
    "kwkkwwk..rrrr...",
    "kwwwwwk...rr....",
    "kkkkkkk.........",
    "......nnnnnnnnn.",
    "......nnsssdsnn.",
    "......nnsssdsnn.",
    "......nnnnnnnnn.",
    "......nwwwwwwwn.",
    "......nwkkkkkwn.",
    "......nnnnnnnnn.",
]

CALCULATOR = [
    "...kkkkkkkkkk...",
    "...kssssssssk...",
    "...kskkkkkksk...",
    "...ksklllllsk...",
    "...kskkkkkksk...",
    "...kssssssssk...",
    "...kswkwkwkrk...",
    "...kskkkkkkkk...",
    "...kswkwkwkrk...",
    "...kskkkkkkkk...",
    "...kswkwkwkwk...",
    "...kskkkkkkkk...",
    "...kswkwkwkwk...",
    "...kskkkkkkkk...",
    "...kssssssssk...",
    "...kkkkkkkkkk...",
]

TICK = [
    "................",
    "................",
    "................",
    "............rr..",
    "...........rrr..",
    "..........rrr...",
    ".........rrr....",
    "..rr....rrr.....",
    "..rrr..rrr......",
    "...rrrrrr.......",
    "....rrrr........",
    ".....rr.........",
    "................",
    "................",
    "................",
    "................",
]


def recalc():
    """A red circular arrow around a black exclamation mark."""
    rows = [["."] * 16 for _ in range(16)]
    c = 7.5
    for y in range(16):
        for x in range(16):
            r = math.hypot(x - c, y - c)
            angle = math.degrees(math.atan2(c - y, x - c)) % 360
            # the ring leaves a gap at the upper right, where the arrow head stands
            if 5.2 <= r <= 7.2 and not 20 <= angle <= 70:
                rows[y][x] = "r"
    for x, y in [(10, 1), (11, 1), (12, 1), (13, 1), (13, 2), (13, 3), (13, 4), (12, 2), (11, 3)]:
        rows[y][x] = "r"  # the head, pointing up and right along the gap
    for y in range(4, 10):
        rows[y][7] = rows[y][8] = "k"
    rows[11][7] = rows[11][8] = "k"
    return ["".join(r) for r in rows]


def bell():
    """Two black axes with a red bell curve standing on the horizontal one."""
    rows = [["."] * 16 for _ in range(16)]
    for y in range(1, 15):
        rows[y][1] = "k"
    for x in range(1, 16):
        rows[14][x] = "k"
    prev = None
    for x in range(2, 16):
        y = round(13 - 11 * math.exp(-((x - 8.5) ** 2) / 6.0))
        top = y if prev is None else min(y, prev)
        bottom = y if prev is None else max(y, prev)
        for yy in range(top, bottom + 1):
            rows[yy][x] = "r"
        prev = y
    return ["".join(r) for r in rows]


def disabled(rows, ground):
    """The grey outline of a picture: its darker pixels in grey over a white shadow."""
    def dark(ch):
        if ch == ground or ch == ".":
            return False
        r, g, b = PALETTE[ch]
        return 0.3 * r + 0.59 * g + 0.11 * b < 160
    out = [[ground] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            if dark(rows[y][x]) and x < 15 and y < 15:
                out[y + 1][x + 1] = "w"
    for y in range(16):
        for x in range(16):
            if dark(rows[y][x]):
                out[y][x] = "d"
    return ["".join(r) for r in out]


def strip(rows, ground):
    """A 32 x 16 picture: the enabled image, then its disabled image, on the ground colour."""
    enabled = [r.replace(".", ground) for r in rows]
    assert enabled[15][0] == ground, "the bottom-left pixel marks the ground"
    return [e + d for e, d in zip(enabled, disabled(enabled, ground))]


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for size in (48, 32, 16):
        png(OUT / f"icon{size}.png", disc(size), transparent=".")
    pictures = {
        "abrir": (WRITTEN_PAGE, "o"),
        "salvar": (SAVE, "o"),
        "nuevo": (NEW_PAGE, "o"),
        "calcular": (CALCULATOR, "o"),
        "recalc": (recalc(), "o"),
        "redimens": (TICK, "p"),
        "ic": (bell(), "o"),
    }
    for name, (rows, ground) in pictures.items():
        png(OUT / f"{name}.png", strip(rows, ground))


if __name__ == "__main__":
    main()
