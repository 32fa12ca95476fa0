#!/usr/bin/env python3
"""Whether a digit drawn in a cell can be told from the others.

    digit-shape.py PICTURE.ppm LEFT TOP RIGHT BOTTOM HOLES

PICTURE is a binary PPM; the box (right and bottom excluded) holds one cell's
inside and a single digit on its background, the cell's most common colour.
Prints what it found and exits 0 when the digit is drawn smoothed (a good
part of its ink in pixels it only partly covers) or, drawn in whole pixels,
with HOLES holes: regions of background its ink closes all round, the ink
taken where a pixel has at least half of it. A dotted zero whose dot a font
engine joins to its sides has two, as an eight has.
"""
import sys
from collections import Counter


def read_ppm(path):
    with open(path, "rb") as picture:
        data = picture.read()
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise SystemExit(f"{path}: not a binary PPM of 8-bit colours")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:]
    return width, height, [tuple(pixels[i:i + 3]) for i in range(0, 3 * width * height, 3)]


def main():
    path, left, top, right, bottom, holes_wanted = sys.argv[1], *map(int, sys.argv[2:7])
    width, _, pixels = read_ppm(path)
    box = [[pixels[y * width + x] for x in range(left, right)] for y in range(top, bottom)]
    if not box or not box[0]:
        print(f"an empty box ({left}, {top}) to ({right}, {bottom})")
        return 1
    background = Counter(pixel for row in box for pixel in row).most_common(1)[0][0]
    # Ink: how far a pixel has gone from the background towards the darkest pixel of the box.
    darkest = min((pixel for row in box for pixel in row), key=sum)
    span = max(1, sum(background) - sum(darkest))
    ink = [[max(0.0, min(1.0, (sum(background) - sum(pixel)) / span)) for pixel in row] for row in box]
    inked = [value for row in ink for value in row if value > 0]
    if not inked:
        print("no digit in the box")
        return 1
    partial = sum(1 for value in inked if 32 / 255 <= value <= 223 / 255)
    smoothed = partial * 4 >= len(inked)

    # Holes: background that the box's border does not reach through pixels side by side.
    rows, columns = len(ink), len(ink[0])
    reached = [[value >= 0.5 for value in row] for row in ink]

    def fill(x, y):
        pending = [(x, y)]
        while pending:
            x, y = pending.pop()
            if 0 <= x < columns and 0 <= y < rows and not reached[y][x]:
                reached[y][x] = True
                pending += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]

    for x in range(columns):
        fill(x, 0)
        fill(x, rows - 1)
    for y in range(rows):
        fill(0, y)
        fill(columns - 1, y)
    holes = 0
    for y in range(rows):
        for x in range(columns):
            if not reached[y][x]:
                holes += 1
                fill(x, y)
    print(f"{'smoothed' if smoothed else 'whole pixels'}, {holes} holes")
    return 0 if smoothed or holes == holes_wanted else 1


if __name__ == "__main__":
    sys.exit(main())
