#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Horavox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws the two bitmaps of the range slider control.

    /usr/bin/python3 scripts/make_slider_bitmaps.py [output-folder]

Writes SLIDERBACKING.bmp (138 x 27, the track) and SLIDERPOINTER.bmp
(18 x 27, the knob) as 24-bit BMP files, by default into
controls/range_slider/bitmaps. The output is fully deterministic (fixed
noise seeds), so re-running the script reproduces the committed files
byte for byte and a diff shows only deliberate art changes.

The look is brushed dark steel to sit on the clock's grey skin: horizontal
grain, a soft top-lit gradient and a one-pixel bevel, with a sunken groove
along the middle of the track and a red index line on the knob.
"""

import os
import random
import sys

from PIL import Image

TRACK_SIZE = (138, 27)
KNOB_SIZE = (18, 27)

# Base steel tones: the grain and the lighting are added on top of these.
STEEL_TOP = (112, 117, 124)
STEEL_BOTTOM = (58, 62, 68)


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(colour, delta):
    return tuple(clamp(c + delta) for c in colour)


def brushed_steel(width, height, seed):
    """Returns rows of float RGB triples: a vertical gradient with a
    horizontal brushed grain that varies slowly along each row."""
    rnd = random.Random(seed)
    # One grain offset per row, slightly smoothed so neighbouring rows are
    # related the way real brushing marks are.
    row_grain = [rnd.uniform(-7.0, 7.0) for _ in range(height)]
    row_grain = [
        0.5 * row_grain[y] + 0.25 * row_grain[max(0, y - 1)] + 0.25 * row_grain[min(height - 1, y + 1)]
        for y in range(height)
    ]
    pixels = []
    for y in range(height):
        t = y / max(1, height - 1)
        # A highlight band a third of the way down gives the metal its sheen.
        sheen = 14.0 * max(0.0, 1.0 - abs(t - 0.3) / 0.3)
        base = mix(STEEL_TOP, STEEL_BOTTOM, t)
        row = []
        streak = 0.0
        for x in range(width):
            streak = 0.8 * streak + 0.2 * rnd.uniform(-6.0, 6.0)
            d = row_grain[y] + streak + sheen
            # A faint cool tint keeps the grey from looking flat.
            row.append((base[0] + d - 1, base[1] + d, base[2] + d + 2))
        pixels.append(row)
    return pixels


def bevel(pixels, light=46, dark=-44):
    """Raised one-pixel bevel with a softer second ring inside."""
    h = len(pixels)
    w = len(pixels[0])
    for y in range(h):
        for x in range(w):
            r, g, b = pixels[y][x]
            d = 0
            if y == 0 or x == 0:
                d = light
            elif y == h - 1 or x == w - 1:
                d = dark
            elif y == 1 or x == 1:
                d = light // 3
            elif y == h - 2 or x == w - 2:
                d = dark // 3
            pixels[y][x] = (r + d, g + d, b + d)


def sunken_groove(pixels, left, right, top, bottom):
    """A recessed slot: dark floor, shadowed upper lip, lit lower lip."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            r, g, b = pixels[y][x]
            if y == top or x == left:
                pixels[y][x] = (24, 26, 29)
            elif y == bottom or x == right:
                pixels[y][x] = (r + 52, g + 52, b + 54)
            else:
                # Floor: very dark, a little lighter towards the bottom, where
                # light from below would reach.
                depth = (y - top) / max(1, bottom - top)
                v = 30 + 16 * depth
                pixels[y][x] = (v + (r - 85) * 0.15, v + 1 + (g - 90) * 0.15, v + 4 + (b - 95) * 0.15)
    # Rounded ends: soften the four corner pixels of the slot.
    for (x, y) in ((left, top), (right, top), (left, bottom), (right, bottom)):
        r, g, b = pixels[y][x]
        pixels[y][x] = ((r + 70) / 2, (g + 74) / 2, (b + 80) / 2)


def to_image(pixels):
    h = len(pixels)
    w = len(pixels[0])
    img = Image.new("RGB", (w, h))
    img.putdata([tuple(clamp(c) for c in pixels[y][x]) for y in range(h) for x in range(w)])
    return img


def make_backing():
    w, h = TRACK_SIZE
    px = brushed_steel(w, h, seed=1138)
    bevel(px)
    # The groove spans the pointer's travel: the knob's index line sits at
    # 8 px from its left edge and travels 0..120 px, so 8..128 plus a lip.
    sunken_groove(px, left=6, right=131, top=11, bottom=15)
    # Fine tick marks under the groove every 10 minutes of the 0..60 scale
    # (a minute is 30 twips = 2 px of pointer travel).
    for minute in range(0, 61, 10):
        x = 8 + minute * 2
        for y in (18, 19):
            r, g, b = px[y][x]
            px[y][x] = (r - 38, g - 38, b - 36)
        r, g, b = px[20][x]
        px[20][x] = (r + 24, g + 24, b + 24)
    return to_image(px)


def make_pointer():
    w, h = KNOB_SIZE
    px = brushed_steel(w, h, seed=4242)
    # The knob is lit a touch more than the track so it reads as raised.
    px = [[(r + 10, g + 10, b + 10) for (r, g, b) in row] for row in px]
    # The control shows only 17 of the 18 columns (the pointer is 255 twips
    # wide), so the bevel is drawn on the visible part and the hidden last
    # column repeats the shadowed edge.
    visible = [row[: w - 1] for row in px]
    bevel(visible, light=62, dark=-58)
    px = [row + [row[-1]] for row in visible]
    # Vertical red index line, one pixel wide with darker flanks so it stays
    # crisp on the grain; it stops short of the bevel at both ends.
    mid = 8
    for y in range(3, h - 3):
        px[y][mid] = (214, 28, 24)
        for x in (mid - 1, mid + 1):
            r, g, b = px[y][x]
            px[y][x] = (r * 0.55 + 40, g * 0.55, b * 0.55)
    # Grip lines left and right of the index.
    for x in (3, 13):
        for y in range(9, 18):
            r, g, b = px[y][x]
            px[y][x] = (r - 30, g - 30, b - 28)
            r, g, b = px[y][x + 1]
            px[y][x + 1] = (r + 26, g + 26, b + 26)
    return to_image(px)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "controls", "range_slider", "bitmaps")
    os.makedirs(out, exist_ok=True)
    make_backing().save(os.path.join(out, "SLIDERBACKING.bmp"), format="BMP")
    make_pointer().save(os.path.join(out, "SLIDERPOINTER.bmp"), format="BMP")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
