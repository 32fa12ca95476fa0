#!/usr/bin/env python3
"""Makes brelvon.ico, the Windows programs' icon, from the hicolor PNGs.

The icon holds 16, 24, 32, 48, 64, 128 and 256 pixels. Sizes up to 48 are
stored as 32-bit bitmaps with an AND mask, which every Windows draws; larger
ones as the PNGs themselves, as Windows Vista and later read them. Needs only
Python's standard library; the PNGs must be 8-bit RGBA without interlacing,
as data/icons/hicolor/render.sh makes them. The .ico is kept in the
repository; run this after rendering the PNGs anew:

    python3 data/icons/windows/make-ico.py
"""
import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent
HICOLOR = HERE.parent / "hicolor"
APP_ID = "io.github.brelvon.Brelvon"
SIZES = (16, 24, 32, 48, 64, 128, 256)
LARGEST_BITMAP = 48


def png_chunks(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    position = 8
    while position < len(data):
        (length,) = struct.unpack(">I", data[position : position + 4])
        kind = data[position + 4 : position + 8]
        yield kind, data[position + 8 : position + 8 + length]
        position += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def rgba_rows(data):
    """The rows of an 8-bit RGBA PNG, top first, as bytes."""
    compressed = b""
    for kind, body in png_chunks(data):
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour != 6 or interlace != 0:
                raise ValueError("only 8-bit RGBA PNGs without interlacing are read")
        elif kind == b"IDAT":
            compressed += body
    raw = zlib.decompress(compressed)
    stride = width * 4
    rows, previous, position = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[position], bytearray(raw[position + 1 : position + 1 + stride])
        position += 1 + stride
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            corner = previous[i - 4] if i >= 4 else 0
            predictor = (0, left, up, (left + up) // 2, paeth(left, up, corner))[kind]
            line[i] = (line[i] + predictor) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def bitmap_entry(png):
    """A 32-bit BGRA bitmap, rows bottom first, with its AND mask."""
    width, height, rows = rgba_rows(png)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        mask_row = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = row[4 * x : 4 * x + 4]
            pixels += bytes((b, g, r, a))
            if a == 0:
                mask_row[x // 8] |= 0x80 >> (x % 8)
        mask += mask_row
    return bytes(header + pixels + mask)


def main():
    images = []
    for size in SIZES:
        png = (HICOLOR / f"{size}x{size}" / "apps" / f"{APP_ID}.png").read_bytes()
        images.append((size, png if size > LARGEST_BITMAP else bitmap_entry(png)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, body in images:
        shown = size if size < 256 else 0  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", shown, shown, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
    (HERE / "brelvon.ico").write_bytes(directory + entries + b"".join(body for _, body in images))


if __name__ == "__main__":
    main()
