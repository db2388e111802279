#!/usr/bin/env python3
"""Checks the generated assets against what the game expects of them.

    check_assets.py REPO_ROOT

Reads the files back with its own minimal PNG/BMP/WAV decoders (standard
library only), so a fault in the generator's writers shows up here rather
than as a blank reel or a silent sound in the game. Exits non-zero on any
failure and lists every one.
"""
import glob
import math
import os
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

# ---- decoders ---------------------------------------------------------------


def read_png(path):
    """Returns (width, height, rows of (r, g, b)) for 8-bit RGB/RGBA PNGs."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not PNG data")
    pos, idat, width = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, ctype = struct.unpack(">IIBB", body[:10])
            if depth != 8 or ctype not in (2, 6):
                raise ValueError(f"unsupported PNG depth {depth} type {ctype}")
            bpp = 3 if ctype == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    for y in range(height):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 255
        rows.append([tuple(line[x * bpp:x * bpp + 3]) for x in range(width)])
        prev = line
    return width, height, rows


def read_bmp24(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise ValueError("not a BMP")
    offset, = struct.unpack("<I", data[10:14])
    width, height, planes, bits, compression = struct.unpack("<iiHHI", data[18:34])
    if bits != 24 or compression != 0:
        raise ValueError(f"BMP is {bits}-bit, compression {compression}; want plain 24-bit")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        src = y if height < 0 else abs(height) - 1 - y
        line = data[offset + src * stride:offset + src * stride + width * 3]
        rows.append([(line[x * 3 + 2], line[x * 3 + 1], line[x * 3]) for x in range(width)])
    return width, abs(height), rows


def read_wav(path):
    """Returns (rate, channels, mono samples as floats). Accepts only the plain
    layout RIFF/WAVE, 16-byte PCM fmt chunk, then the data chunk."""
    data = open(path, "rb").read()
    riff, size, wave, fmt, fmt_len = struct.unpack("<4sI4s4sI", data[:20])
    if (riff, wave, fmt) != (b"RIFF", b"WAVE", b"fmt ") or size != len(data) - 8:
        raise ValueError("bad RIFF/WAVE header or RIFF size")
    if fmt_len != 16:
        raise ValueError(f"fmt chunk is {fmt_len} bytes, want 16")
    tag, channels, rate, byte_rate, align, bits = struct.unpack("<HHIIHH", data[20:36])
    if tag != 1 or bits != 16 or rate != 44100 or channels not in (1, 2):
        raise ValueError(f"format {tag}, {bits} bit, {rate} Hz, {channels} ch")
    if byte_rate != rate * channels * 2 or align != channels * 2:
        raise ValueError("inconsistent byte rate / block align")
    kind, length = struct.unpack("<4sI", data[36:44])
    if kind != b"data" or length != len(data) - 44:
        raise ValueError("data chunk does not follow fmt or has the wrong size")
    values = struct.unpack(f"<{length // 2}h", data[44:])
    mono = [sum(values[i:i + channels]) / channels / 32768.0 for i in range(0, len(values), channels)]
    return rate, channels, mono


# ---- picture expectations -----------------------------------------------------


def luma(px):
    return 0.299 * px[0] + 0.587 * px[1] + 0.114 * px[2]


def count(rows, pred):
    return sum(1 for row in rows for px in row if pred(px))


def is_red(px):
    return px[0] > 170 and px[1] < 90 and px[2] < 90


def is_yellow(px):
    return px[0] > 200 and px[1] > 180 and px[2] < 110


def is_green(px):
    return px[1] > 140 and px[0] < 100 and px[2] < 100


def is_gold(px):
    return px[0] > 180 and 110 < px[1] < 235 and px[2] < 120 and px[0] > px[1] > px[2]


def is_orange(px):
    return px[0] > 220 and 70 < px[1] < 190 and px[2] < 80


def corners(rows):
    return [rows[0][0], rows[0][-1], rows[-1][0], rows[-1][-1]]


def light_corners(rows):
    return all(luma(px) > 150 for px in corners(rows))


def black_corners(rows):
    return all(luma(px) < 10 for px in corners(rows))


def white_corners(rows):
    return all(min(px) > 245 for px in corners(rows))


def row_luma(rows, y):
    return sum(luma(px) for px in rows[y]) / len(rows[y])


P = "src/ui/pictures/"
I = "data/images/"
# path, decoder, width, height, [(what, predicate over rows)]
PICTURES = [
    (I + "bonus/bonuson.bmp", read_bmp24, 50, 40, [
        ("glows red", lambda r: count(r, is_red) > 40),
        ("glows yellow", lambda r: count(r, is_yellow) > 40)]),
    (I + "bonus/bonusoff.bmp", read_bmp24, 50, 40, [
        ("is dark", lambda r: max(luma(px) for row in r for px in row) < 120)]),
    (I + "startup/title.bmp", read_bmp24, 200, 123, [
        ("light grey ground", lambda r: all(150 < luma(px) < 240 for px in corners(r))),
        ("orange letter faces", lambda r: count(r, is_orange) > 2000),
        ("gold letter sides", lambda r: count(r, is_gold) > 500)]),
    (P + "title.png", read_png, 200, 123, [
        ("orange letter faces", lambda r: count(r, is_orange) > 2000)]),
    (P + "pound.png", read_png, 100, 100, [
        ("white ground", white_corners),
        ("gold sign", lambda r: count(r, is_gold) > 800)]),
    (P + "arrow.png", read_png, 50, 40, [
        ("white ground", white_corners),
        ("red head", lambda r: count(r, is_red) > 150),
        ("yellow rim", lambda r: count(r, is_yellow) > 100)]),
    (P + "shade_top.png", read_png, 100, 15, [
        ("dark at the top", lambda r: row_luma(r, 0) + 80 < row_luma(r, 14))]),
    (P + "shade_bottom.png", read_png, 100, 15, [
        ("dark at the bottom", lambda r: row_luma(r, 14) + 80 < row_luma(r, 0))]),
] + [
    (P + f"icon{n}.png", read_png, n, n, [
        ("black ground", black_corners),
        ("red fruit", lambda r, n=n: count(r, is_red) > n * n // 20),
        ("yellow fruit", lambda r, n=n: count(r, is_yellow) > n * n // 20),
        ("green leaves", lambda r, n=n: count(r, is_green) > n * n // 200)])
    for n in (32, 48, 64, 128, 256)
]

# ---- sound expectations ---------------------------------------------------------

# name, shortest, longest (seconds), loops seamlessly
SOUNDS = [
    ("LEFT.WAV", 0.15, 0.35, False),
    ("reelstop.wav", 0.15, 0.35, False),
    ("right.wav", 0.15, 0.35, False),
    ("nudges.wav", 0.5, 3.0, True),
    ("Hold.wav", 0.5, 3.0, True),
    ("inMoney.wav", 0.1, 3.0, False),
    ("cheat.wav", 0.5, 3.0, False),
    ("okeydokey2.wav", 0.4, 3.0, False),
    ("BONUSspin.WAV", 0.5, 3.0, True),
    ("Bonusstop.wav", 0.01, 0.099, False),
    ("theme.wav", 4.0, 8.0, False),
]
SILENT = 0.005  # about -46 dBFS: inaudible as a click


def thump_rate(samples):
    """Zero-crossing rate of the low end (one-pole low-pass at 500 Hz): follows
    the pitch of a clunk's body rather than its click."""
    a, y, low = 1 - math.exp(-2 * math.pi * 500 / 44100), 0.0, []
    for x in samples:
        y += a * (x - y)
        low.append(y)
    crossings = sum(1 for a, b in zip(low, low[1:]) if (a < 0) != (b < 0))
    return crossings / max(1, len(low))


def check_sound(path, lo, hi, loops, problems):
    try:
        rate, _, s = read_wav(path)
    except (OSError, ValueError, struct.error) as e:
        problems.append(f"{path}: {e}")
        return None
    seconds = len(s) / rate
    if not lo <= seconds <= hi:
        problems.append(f"{path}: {seconds:.3f} s, want {lo}..{hi} s")
    peak = max(abs(x) for x in s)
    peak_db = 20 * math.log10(peak) if peak > 0 else -200
    if not -6.0 <= peak_db <= -1.0:
        problems.append(f"{path}: peak {peak_db:.1f} dBFS, want about -3")
    if abs(s[-1]) > SILENT or abs(s[0]) > SILENT:
        problems.append(f"{path}: starts or ends off zero ({s[0]:.4f}, {s[-1]:.4f}), will click")
    if loops:
        edge = s[:20] + s[-20:]
        if max(abs(x) for x in edge) > SILENT:
            problems.append(f"{path}: loop seam is not silent")
    return s


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    problems = []

    symbols = sorted(glob.glob(os.path.join(root, I, "*.zri")), key=lambda p: os.path.basename(p).lower())
    if len(symbols) != 16:
        problems.append(f"{len(symbols)} symbol pictures, want 16")
    for index, path in enumerate(symbols, start=1):
        name = os.path.basename(path)
        if not name.startswith(f"{index:02d}-"):
            problems.append(f"{name}: sorts into place {index}, but is numbered otherwise")
        try:
            w, h, rows = read_png(path)
        except (OSError, ValueError, zlib.error) as e:
            problems.append(f"{name}: {e}")
            continue
        if (w, h) != (100, 100):
            problems.append(f"{name}: {w}x{h}, want 100x100")
        if not light_corners(rows):
            problems.append(f"{name}: cell background is not light")
        ground = rows[50][3]
        drawn = count(rows[15:85], lambda px: sum(abs(a - b) for a, b in zip(px, ground)) > 100)
        if drawn < 1200:
            problems.append(f"{name}: little or no artwork between the shading strips")

    for rel, decode, w, h, expectations in PICTURES:
        path = os.path.join(root, rel)
        try:
            width, height, rows = decode(path)
        except (OSError, ValueError, zlib.error, struct.error) as e:
            problems.append(f"{rel}: {e}")
            continue
        if (width, height) != (w, h):
            problems.append(f"{rel}: {width}x{height}, want {w}x{h}")
            continue
        for what, ok in expectations:
            if not ok(rows):
                problems.append(f"{rel}: fails expectation: {what}")

    # Every picture but the icons has a companion at twice the size in the
    # @2x folder beside it; the game ignores one of any other size.
    plain = [(os.path.relpath(p, root), read_png, 100, 100) for p in symbols]
    plain += [(rel, decode, w, h) for rel, decode, w, h, _ in PICTURES if "/icon" not in rel]
    for rel, decode, w, h in plain:
        sharp = os.path.join(os.path.dirname(rel), "@2x", os.path.basename(rel))
        try:
            size = decode(os.path.join(root, sharp))[:2]
        except (OSError, ValueError, zlib.error, struct.error) as e:
            problems.append(f"{sharp}: {e}")
            continue
        if size != (2 * w, 2 * h):
            problems.append(f"{sharp}: {size[0]}x{size[1]}, want {2 * w}x{2 * h}")

    lit = read_bmp24(os.path.join(root, I, "bonus/bonuson.bmp"))[2]
    unlit = read_bmp24(os.path.join(root, I, "bonus/bonusoff.bmp"))[2]
    mean_luma = lambda rows: sum(luma(px) for row in rows for px in row) / (len(rows) * len(rows[0]))
    if mean_luma(lit) < mean_luma(unlit) + 40:
        problems.append("bonus lamps: lit and unlit look too alike")
    if read_bmp24(os.path.join(root, I, "startup/title.bmp"))[2] != read_png(os.path.join(root, P, "title.png"))[2]:
        problems.append("title.bmp and title.png differ")

    svg = ET.parse(os.path.join(root, P, "icon.svg")).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    fills = {c.get("fill", "").lower() for c in svg.iter(ns + "circle") if float(c.get("r")) > 4}
    if svg.get("viewBox") != "0 0 32 32" or len(fills) < 2 or not list(svg.iter(ns + "ellipse")):
        problems.append("icon.svg: want a 32-unit view box, two fruit circles and leaves")

    loaded = {}
    for name, lo, hi, loops in SOUNDS:
        loaded[name] = check_sound(os.path.join(root, "data/sound", name), lo, hi, loops, problems)
    stops = [loaded[n] for n in ("LEFT.WAV", "reelstop.wav", "right.wav")]
    if all(s is not None for s in stops):
        rates = [thump_rate(s[:4410]) for s in stops]
        if not rates[0] * 1.15 < rates[1] < rates[2] / 1.15:
            problems.append(f"reel stops should rise in pitch left to right: {rates}")

    def total(pattern):
        return sum(os.path.getsize(p) for p in glob.glob(os.path.join(root, pattern), recursive=True))
    if total("data/sound/*") >= 3 * 1024 * 1024:
        problems.append("sounds together are 3 MB or more")
    if total("data/images/**/*") + total(P + "**/*") >= 2 * 1024 * 1024:
        problems.append("pictures together are 2 MB or more")

    for p in problems:
        print("check_assets:", p)
    print(f"check_assets: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
