#!/usr/bin/env python3
"""Writes the picture fixtures of the picture, album and icon tests.

PNG, BMP and GIF files are encoded here byte by byte, so that colour type, bit
depth, transparency and deliberate damage are exactly what the tests expect.
JPEG and ICO files are encoded by ImageMagick's convert from PPM files made here.

Run from anywhere:  python3 tests/data/pictures/make_pictures.py
"""

import os
import struct
import subprocess
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

RED = (255, 0, 0)
GREEN = (0, 160, 0)
WHITE = (255, 255, 255)


def out(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


# --- pixel sources: functions (x, y) -> tuple of samples -------------------

def gradient(w, h):
    return lambda x, y: ((x * 255) // max(w - 1, 1), (y * 255) // max(h - 1, 1), 128)


def centre_square(w, h, inside=GREEN, outside=RED):
    """The centred square (left/top = difference div 2) in one colour, the rest in another."""
    if w >= h:
        lo, hi = (w - h) // 2, (w - h) // 2 + h
        return lambda x, y: inside if lo <= x < hi else outside
    lo, hi = (h - w) // 2, (h - w) // 2 + w
    return lambda x, y: inside if lo <= y < hi else outside


def rows_of(w, h, pixel):
    return [[pixel(x, y) for x in range(w)] for y in range(h)]


# --- PNG --------------------------------------------------------------------

def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def pack_row(samples, depth):
    """A row of integer samples packed at the given bit depth (big-endian for 16)."""
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    per_byte = 8 // depth
    packed = bytearray()
    for i in range(0, len(samples), per_byte):
        byte = 0
        group = samples[i:i + per_byte]
        for j, s in enumerate(group):
            byte |= s << (8 - depth * (j + 1))
        packed.append(byte)
    return bytes(packed)


ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png(w, h, color_type, depth, pixels, palette=None, trns=None, interlace=False):
    """pixels[y][x] is a tuple of samples in the file's own channel order."""
    raw = bytearray()
    if interlace:
        for x0, y0, dx, dy in ADAM7:
            for y in range(y0, h, dy):
                samples = [s for x in range(x0, w, dx) for s in pixels[y][x]]
                if samples:
                    raw += b"\x00" + pack_row(samples, depth)
    else:
        for y in range(h):
            raw += b"\x00" + pack_row([s for p in pixels[y] for s in p], depth)
    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, color_type, 0, 0, 1 if interlace else 0))
    if palette:
        data += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if trns is not None:
        data += chunk(b"tRNS", trns)
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    return data


def png_rgb(w, h, pixel):
    return png(w, h, 2, 8, rows_of(w, h, pixel))


def png_rgba(w, h, pixel):
    return png(w, h, 6, 8, rows_of(w, h, pixel))


# --- BMP --------------------------------------------------------------------

def bmp(w, h, pixel, claimed=None):
    """24-bit bottom-up BMP. `claimed` overrides the header's size (no pixel data then)."""
    stride = (w * 3 + 3) & ~3
    body = bytearray()
    if claimed is None:
        for y in reversed(range(h)):
            row = bytearray()
            for x in range(w):
                r, g, b = pixel(x, y)
                row += bytes((b, g, r))
            row += b"\x00" * (stride - len(row))
            body += row
        cw, ch = w, h
    else:
        cw, ch = claimed
    info = struct.pack("<IiiHHIIiiII", 40, cw, ch, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + bytes(body)


# --- GIF --------------------------------------------------------------------

def lzw_literal(indices, min_code_size=8):
    """LZW data that codes every pixel as a literal, clearing before the code width grows."""
    clear, end, width = 1 << min_code_size, (1 << min_code_size) + 1, min_code_size + 1
    codes, run = [clear], 0
    for i in indices:
        if run == (1 << width) - (1 << min_code_size) - 4:
            codes.append(clear)
            run = 0
        codes.append(i)
        run += 1
    codes.append(end)
    bits, nbits, data = 0, 0, bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += width
        while nbits >= 8:
            data.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        data.append(bits & 0xFF)
    blocks = bytearray([min_code_size])
    for i in range(0, len(data), 255):
        part = data[i:i + 255]
        blocks += bytes([len(part)]) + part
    return bytes(blocks + b"\x00")


def gif(screen, frames, palette, transparent=None):
    """frames: list of (left, top, w, h, indices). Palette of 256 colours."""
    palette = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    data = b"GIF89a" + struct.pack("<HHBBB", screen[0], screen[1], 0xF7, 0, 0)
    data += b"".join(bytes(c) for c in palette)
    for left, top, w, h, indices in frames:
        if transparent is not None:
            data += b"\x21\xF9\x04" + bytes([0x01]) + struct.pack("<H", 10) + bytes([transparent]) + b"\x00"
        data += b"\x2C" + struct.pack("<HHHHB", left, top, w, h, 0) + lzw_literal(indices)
    return data + b"\x3B"


def gif_from(w, h, pixel, transparent_colour=None):
    colours, indices = [], []
    for y in range(h):
        for x in range(w):
            c = pixel(x, y)
            if c not in colours:
                colours.append(c)
            indices.append(colours.index(c))
    t = colours.index(transparent_colour) if transparent_colour in colours else None
    return gif((w, h), [(0, 0, w, h, indices)], colours, t)


# --- JPEG and ICO through ImageMagick -----------------------------------------

def ppm(w, h, pixel):
    return b"P6\n%d %d\n255\n" % (w, h) + bytes(s for y in range(h) for x in range(w) for s in pixel(x, y))


def convert(name, w, h, pixel, *options):
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "in.ppm")
        with open(source, "wb") as f:
            f.write(ppm(w, h, pixel))
        subprocess.run(["convert", source, *options, os.path.join(HERE, name)], check=True)


def read(name):
    with open(os.path.join(HERE, name), "rb") as f:
        return f.read()


def main():
    # Thumbnail sizes.
    convert("photo_1024x768.jpg", 1024, 768, gradient(1024, 768), "-quality", "60")
    out("portrait_600x900.png", png_rgb(600, 900, lambda x, y: (x // 60 * 25, y // 90 * 25, 40)))
    out("square_64x64.bmp", bmp(64, 64, gradient(64, 64)))
    out("wide_100x20.gif", gif_from(100, 20, lambda x, y: (RED if x < 50 else GREEN)))
    out("near_square_1000x999.png", png_rgb(1000, 999, lambda x, y: (10, 20, 30)))
    out("line_160x1.png", png_rgb(160, 1, lambda x, y: (x, 0, 0)))

    # Centred-square crops: the centred square is green, the rest red.
    convert("crop_200x100.jpg", 200, 100, centre_square(200, 100), "-quality", "100", "-sampling-factor", "1x1")
    out("crop_201x100.gif", gif_from(201, 100, centre_square(201, 100)))
    out("crop_100x300.bmp", bmp(100, 300, centre_square(100, 300)))
    out("squeeze_200x100.png", png_rgb(200, 100, lambda x, y: (RED if x < 100 else GREEN)))

    # PNG colour types and depths.
    out("rgba_96x96.png", png_rgba(96, 96, lambda x, y: (x * 2, y * 2, (x * y) % 256, (x + y) % 256)))
    out("rgba_48x48.png", png_rgba(48, 48, lambda x, y: (x * 5, 255 - y * 5, 77, 255 - x * 5)))
    out("rgb16_3x2.png", png(3, 2, 2, 16, [[(0x1234, 0xABCD, 0xFF01), (0, 0xFFFF, 0x8080), (1, 2, 3)],
                                            [(0x7F00, 0x80FF, 0x0100), (0xFFFF, 0, 0), (0x4242, 0x4343, 0x4444)]]))
    out("grey_96x96.png", png(96, 96, 0, 8, rows_of(96, 96, lambda x, y: ((x + y) % 256,))))
    out("grey_alpha_8x8.png", png(8, 8, 4, 8, rows_of(8, 8, lambda x, y: (x * 30, y * 30))))
    out("palette2_5x3.png", png(5, 3, 3, 2, rows_of(5, 3, lambda x, y: ((x + y) % 4,)),
                                palette=[RED, GREEN, (0, 0, 255), WHITE], trns=b"\xff\x80"))
    out("interlaced_13x11.png", png(13, 11, 2, 8, rows_of(13, 11, lambda x, y: (x * 19, y * 23, (x * y) % 256)),
                                    interlace=True))
    out("half_transparent_4x4.png", png_rgba(4, 4, lambda x, y: (0, 0, 0, 0) if x < 2 else (0, 0, 255, 255)))
    out("one_wide_1x50.png", png_rgb(1, 50, lambda x, y: (y * 5, 100, 200)))
    out("one_high_50x1.png", png_rgba(50, 1, lambda x, y: (x * 5, 100, 200, 255 - x)))
    out("transparent_64x64.gif", gif_from(64, 64, lambda x, y: WHITE if x < 32 else (0, 0, 255),
                                          transparent_colour=WHITE))
    convert("icon_32x32.ico", 32, 32, lambda x, y: (0, 0, 200))

    # Damaged and hostile files.
    for ext in ("jpg", "png", "gif", "bmp"):
        out("empty." + ext, b"")
    for name, ext in (("photo_1024x768.jpg", "jpg"), ("portrait_600x900.png", "png"),
                      ("wide_100x20.gif", "gif"), ("square_64x64.bmp", "bmp")):
        whole = read(name)
        out("truncated." + ext, whole[:len(whole) // 2])
    jpeg = bytearray(read("photo_1024x768.jpg"))
    jpeg[2:40] = b"\xAB" * 38                      # garbage where the first segments stand
    out("corrupt.jpg", bytes(jpeg))
    good = read("portrait_600x900.png")
    out("corrupt.png", good[:30] + bytes([good[30] ^ 0xFF]) + good[31:])  # the header's checksum
    gif_bytes = bytearray(read("wide_100x20.gif"))
    gif_bytes[6:10] = b"\x00\x00\x00\x00"          # a zero-sized screen and damaged image data
    gif_bytes[-30:-1] = b"\xFF" * 29
    out("corrupt.gif", bytes(gif_bytes))
    bmp_bytes = bytearray(read("square_64x64.bmp"))
    bmp_bytes[28:30] = struct.pack("<H", 7)        # 7 bits per pixel does not exist
    out("corrupt.bmp", bytes(bmp_bytes))
    out("huge_claim.bmp", bmp(1, 1, None, claimed=(100000, 100000)))
    huge = png(1, 1, 2, 8, [[(1, 2, 3)]])
    huge = huge[:8] + chunk(b"IHDR", struct.pack(">IIBBBBB", 100000, 100000, 8, 2, 0, 0, 0)) + huge[33:]
    out("huge_claim.png", huge)
    out("frame_outside_screen.gif", gif((10, 10), [(20, 20, 10, 10, [1] * 100)], [RED, GREEN]))
    out("png_named.jpg", read("squeeze_200x100.png"))


if __name__ == "__main__":
    main()
