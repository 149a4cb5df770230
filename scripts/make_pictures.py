#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Horavox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws every picture of the clock: the main window skin and its button
bitmaps, the speaking lamps, the About button, the About window's board and
title pictures, the alarm hourglass, the AM/PM captions, the hand cursor and
the program icon.

    make_pictures.py <resources folder> [<preview folder>]

Everything is drawn at four times the final size and scaled down, so edges
come out smooth. Pictures that the program shows with a see-through key
colour (GIFs 101 to 107) are smoothed against the artwork that will sit
behind them and get the exact key colour only where nothing is drawn, which
keeps them free of grey fringes.
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

S = 4  # supersampling factor
KEY = (190, 190, 190)
FONTS = '/usr/share/fonts/truetype/dejavu/'

# The window outline and the places of the controls on it, in skin pixels.
OUTLINE = [(76, 0), (230, 0), (301, 95), (1, 96), (74, 0)]
SKIN_SIZE = (302, 97)
DIGITS = (96, 17, 88, 21)
AMPM = (186, 25, 25, 17)
ALARM = (192, 13, 17, 17)
SLIDER = (84, 60, 138, 27)
LAMP = (209, 19, 42, 42)
ABOUT_BUTTON = (265, 58, 22, 29)
SPEAK = (42, 60, 38, 27)
SETTINGS = (59, 32, 29, 21)
MINIMIZE = (216, 10, 13, 13)
CLOSE = (76, 10, 13, 13)
IMAGE2 = (16, 40, 38, 27)
WELL = (89, 9, 213, 46)  # the recessed display behind digits, AM/PM and alarm

# The About window and where its three title pictures sit on it.
ABOUT_SIZE = (236, 157)
ABOUT_PANEL = (15, 55, 220, 124)
TITLES = [(105, 9, 67), (106, 80, 39), (107, 118, 99)]  # resource, left, width
TITLE_HEIGHT = 50


def font(name, size):
    return ImageFont.truetype(FONTS + name + '.ttf', size)


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def scaled(points, s=S, dx=0, dy=0):
    return [((x + dx) * s, (y + dy) * s) for x, y in points]


def shrink(img, size):
    return img.resize(size, Image.LANCZOS)


def mask_polygon(size, points, inset=0.0):
    """Smooth coverage mask of a polygon given in final pixels."""
    big = Image.new('L', (size[0] * S, size[1] * S), 0)
    d = ImageDraw.Draw(big)
    pts = scaled(points)
    d.polygon(pts, fill=255)
    if inset:
        big = big.filter(ImageFilter.MinFilter(int(inset * S) * 2 + 1))
    return shrink(big, size)


def mask_rounded(size, box, radius):
    big = Image.new('L', (size[0] * S, size[1] * S), 0)
    d = ImageDraw.Draw(big)
    x0, y0, x1, y1 = box
    d.rounded_rectangle((x0 * S, y0 * S, x1 * S - 1, y1 * S - 1), radius * S, fill=255)
    return shrink(big, size)


def mask_ellipse(size, box):
    big = Image.new('L', (size[0] * S, size[1] * S), 0)
    d = ImageDraw.Draw(big)
    x0, y0, x1, y1 = box
    d.ellipse((x0 * S, y0 * S, x1 * S - 1, y1 * S - 1), fill=255)
    return shrink(big, size)


def shifted(mask, dx, dy):
    return ImageChops.offset(mask, dx, dy)


def solid(size, colour):
    return Image.new('RGB', size, colour)


def brushed(size, top, bottom, seed, grain=10, streak=24):
    """Brushed metal: a vertical gradient with long horizontal streaks."""
    rnd = random.Random(seed)
    w, h = size
    base = Image.new('RGB', size)
    d = ImageDraw.Draw(base)
    for y in range(h):
        d.line([(0, y), (w, y)], fill=lerp(top, bottom, y / max(1, h - 1)))
    noise = Image.new('L', (max(1, w // streak), h))
    noise.putdata([rnd.randint(128 - grain, 128 + grain) for _ in range(noise.width * h)])
    noise = noise.resize(size, Image.BICUBIC)
    fine = Image.new('L', size)
    fine.putdata([rnd.randint(128 - grain // 3, 128 + grain // 3) for _ in range(w * h)])
    fine = fine.filter(ImageFilter.BoxBlur(0.6))
    out = base
    for n in (noise, fine):
        lighter = Image.merge('RGB', [n.point(lambda v: max(0, v - 128) * 2)] * 3)
        darker = Image.merge('RGB', [n.point(lambda v: max(0, 128 - v) * 2)] * 3)
        out = ImageChops.subtract(ImageChops.add(out, lighter), darker)
    return out


def paint(img, mask, colour_or_img, opacity=1.0):
    """Paints a colour or picture through a coverage mask."""
    src = colour_or_img if isinstance(colour_or_img, Image.Image) else solid(img.size, colour_or_img)
    if opacity != 1.0:
        mask = mask.point(lambda v: int(v * opacity))
    img.paste(src, (0, 0), mask)


def bevel(img, mask, width, light, dark, strength=1.0, inward=True):
    """Lights the upper-left side of a shape and shades the lower-right,
    raised when inward is True, sunk when False."""
    hi = ImageChops.subtract(mask, shifted(mask, width, width))
    lo = ImageChops.subtract(mask, shifted(mask, -width, -width))
    hi = hi.filter(ImageFilter.GaussianBlur(width / 3)).point(lambda v: int(v * strength))
    lo = lo.filter(ImageFilter.GaussianBlur(width / 3)).point(lambda v: int(v * strength))
    hi = ImageChops.multiply(hi, mask)
    lo = ImageChops.multiply(lo, mask)
    if not inward:
        hi, lo = lo, hi
    paint(img, hi, light)
    paint(img, lo, dark)


def inner_shadow(img, mask, depth, colour=(0, 0, 0), strength=0.8):
    """Shadow cast inside a recess by its upper-left rim."""
    cast = ImageChops.subtract(mask, shifted(mask, depth, depth))
    cast = cast.filter(ImageFilter.GaussianBlur(depth * 0.8))
    cast = ImageChops.multiply(cast, mask).point(lambda v: int(v * strength))
    paint(img, cast, colour)


def text_mask(size, xy, text, fnt, anchor='la'):
    big = Image.new('L', (size[0] * S, size[1] * S), 0)
    f = ImageFont.truetype(fnt.path, fnt.size * S)
    ImageDraw.Draw(big).text((xy[0] * S, xy[1] * S), text, font=f, fill=255, anchor=anchor)
    return shrink(big, size)


def engrave(img, mask, dark=(12, 13, 16), light=(120, 126, 136), strength=0.9):
    """Cuts a shape into the metal: a dark groove with a light lower lip."""
    paint(img, shifted(mask, 0, 1), light, 0.5 * strength)
    paint(img, mask, dark, strength)


# ---------------------------------------------------------------- skin ----

GRAPHITE_TOP = (78, 83, 92)
GRAPHITE_BOTTOM = (44, 47, 54)
STEEL_LIGHT = (196, 202, 212)
STEEL_DARK = (14, 15, 18)
LED_GREEN = (70, 235, 110)


def draw_skin():
    w, h = SKIN_SIZE
    img = brushed(SKIN_SIZE, GRAPHITE_TOP, GRAPHITE_BOTTOM, seed=7)
    outline = mask_polygon(SKIN_SIZE, OUTLINE)
    # Outer rim: a bright chamfer along the outline, then a face plate
    # set a few pixels inside it.
    bevel(img, outline, 3, STEEL_LIGHT, STEEL_DARK, 0.85)
    face = mask_polygon(SKIN_SIZE, OUTLINE, inset=5)
    groove = ImageChops.subtract(mask_polygon(SKIN_SIZE, OUTLINE, inset=4), face)
    paint(img, groove, (20, 22, 26), 0.7)
    paint(img, shifted(groove, 1, 1), (140, 146, 156), 0.25)

    # The display well behind the digits, the AM/PM label and the alarm sign.
    x0, y0, x1, y1 = WELL
    well = mask_rounded(SKIN_SIZE, WELL, 5)
    lip = mask_rounded(SKIN_SIZE, (x0 - 2, y0 - 2, x1 + 2, y1 + 2), 7)
    bevel(img, lip, 2, STEEL_DARK, (170, 176, 186), 0.8)
    glass = Image.new('RGB', SKIN_SIZE)
    gd = ImageDraw.Draw(glass)
    for y in range(h):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        gd.line([(0, y), (w, y)], fill=lerp((10, 16, 13), (4, 7, 6), t))
    paint(img, well, glass)
    inner_shadow(img, well, 3, strength=0.9)
    # A faint reflection across the upper half of the glass.
    sheen = mask_rounded(SKIN_SIZE, (x0 + 2, y0 + 1, x1 - 2, y0 + 9), 4)
    paint(img, sheen, (90, 110, 100), 0.07)

    # The socket of the speaking lamp.
    lx, ly, lw, lh = LAMP
    cx, cy = lx + lw / 2, ly + lh / 2
    socket = mask_ellipse(SKIN_SIZE, (cx - 20.5, cy - 20.5, cx + 20.5, cy + 20.5))
    paint(img, socket, (24, 26, 30))
    bevel(img, socket, 2, STEEL_DARK, (150, 156, 166), 0.9)

    # The slider's recess (its own bitmap covers it) and the button seats.
    for (bx, by, bw, bh), r in ((SLIDER, 3), (SPEAK, 4), (SETTINGS, 4),
                                (MINIMIZE, 3), (CLOSE, 3)):
        seat = mask_rounded(SKIN_SIZE, (bx - 1, by - 1, bx + bw + 1, by + bh + 1), r + 1)
        paint(img, seat, (22, 24, 28), 0.8)
        bevel(img, seat, 1, STEEL_DARK, (130, 136, 146), 0.7)
    # The About button's round seat.
    ax, ay = ABOUT_BUTTON[0] + 9.5, ABOUT_BUTTON[1] + 19.5
    seat = mask_ellipse(SKIN_SIZE, (ax - 11, ay - 11, ax + 11, ay + 11))
    paint(img, seat, (22, 24, 28), 0.8)
    bevel(img, seat, 1, STEEL_DARK, (130, 136, 146), 0.7)

    # Engraved scale above the slider, lined up with its tick marks.
    small = font('DejaVuSansCondensed-Bold', 6)
    marks = text_mask(SKIN_SIZE, (0, 0), '', small)
    for i, label in enumerate(['0', '10', '20', '30', '40', '50', '60']):
        tx = SLIDER[0] + 8.75 + 19.9 * i
        # The last one keeps clear of the lamp socket.
        anchor = 'rs' if i == 6 else 'ms'
        marks = ImageChops.lighter(marks, text_mask(SKIN_SIZE, (tx + (2.5 if i == 6 else 0), 55.5), label, small, anchor))
    engrave(img, marks, (150, 160, 170), (10, 10, 12), 0.55)
    # Name plate along the top edge.
    name = text_mask(SKIN_SIZE, (151, 6.8), 'H O R A V O X', font('DejaVuSans-Bold', 5), 'ms')
    engrave(img, name, (160, 168, 178), (10, 10, 12), 0.5)
    # The speaker emblem beside the buttons (the fixed picture Image2).
    draw_speaker_emblem(img)
    return img, outline


def draw_speaker_emblem(img):
    size = img.size
    big = Image.new('L', (size[0] * S, size[1] * S), 0)
    d = ImageDraw.Draw(big)
    ox, oy = 38.5, 47.5  # body of the speaker
    body = [(ox, oy + 2.5), (ox + 2.5, oy + 2.5), (ox + 6.5, oy - 1), (ox + 6.5, oy + 10),
            (ox + 2.5, oy + 6.5), (ox, oy + 6.5)]
    d.polygon(scaled(body), fill=255)
    for r in (4.0, 7.0):
        cx, cy = ox + 7.5, oy + 4.5
        d.arc(((cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S), -50, 50,
              fill=255, width=int(1.3 * S))
    emblem = shrink(big, size)
    glow = emblem.filter(ImageFilter.GaussianBlur(1.2))
    paint(img, glow, LED_GREEN, 0.18)
    engrave(img, emblem, (8, 10, 10), (130, 138, 148), 0.95)
    paint(img, emblem, (60, 150, 90), 0.35)


# ------------------------------------------------------------- buttons ----

def key_cap(base, box, radius, pressed, glyph):
    """A steel key drawn over the skin crop base; glyph(draw_mask, dx, dy)
    draws the label into a mask at 4x."""
    img = base.copy()
    size = img.size
    cap = mask_rounded(size, box, radius)
    top, bottom = ((150, 156, 166), (88, 93, 102)) if not pressed else ((70, 74, 82), (104, 109, 118))
    fill = brushed(size, top, bottom, seed=11, grain=6, streak=8)
    paint(img, cap, fill)
    if pressed:
        inner_shadow(img, cap, 2, strength=0.85)
        bevel(img, cap, 1, (40, 42, 48), (150, 156, 166), 0.6)
    else:
        bevel(img, cap, 1, (235, 240, 248), (30, 32, 38), 0.9)
    edge = ImageChops.subtract(cap, mask_rounded(size, (box[0] + 0.6, box[1] + 0.6, box[2] - 0.6, box[3] - 0.6), radius))
    paint(img, edge, (18, 19, 22), 0.8)
    big = Image.new('L', (size[0] * S, size[1] * S), 0)
    shift = 1 if pressed else 0
    glyph(ImageDraw.Draw(big), shift, shift)
    label = shrink(big, size)
    colour = (28, 30, 34) if not pressed else (20, 22, 26)
    paint(img, shifted(label, 0, 1), (200, 206, 214) if not pressed else (120, 126, 134), 0.45)
    paint(img, label, colour)
    return img


def glyph_say(d, dx, dy):
    f = font('DejaVuSansCondensed-Bold', 9 * S)
    d.text(((16 + dx) * S, (13.6 + dy) * S), 'SAY', font=f, fill=255, anchor='mm')
    cx, cy = 26.5 + dx, 13.5 + dy
    for r in (2.5, 5.0):
        d.arc(((cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S), -45, 45, fill=255, width=int(1.1 * S))


def glyph_gear(d, dx, dy):
    cx, cy = 14.5 + dx, 10.5 + dy
    teeth, ro, ri = 8, 6.4, 4.6
    pts = []
    for i in range(teeth * 4):
        a = (i / (teeth * 4)) * 2 * math.pi
        r = ro if (i % 4) in (1, 2) else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    d.polygon(scaled(pts), fill=255)
    hole = 2.0
    d.ellipse(((cx - hole) * S, (cy - hole) * S, (cx + hole) * S, (cy + hole) * S), fill=0)


def glyph_minus(d, dx, dy):
    d.rectangle(((3.5 + dx) * S, (5.8 + dy) * S, (9.5 + dx) * S, (7.4 + dy) * S), fill=255)


def glyph_x(d, dx, dy):
    a, b = 3.8, 9.2
    w = int(1.5 * S)
    d.line([((a + dx) * S, (a + dy) * S), ((b + dx) * S, (b + dy) * S)], fill=255, width=w)
    d.line([((b + dx) * S, (a + dy) * S), ((a + dx) * S, (b + dy) * S)], fill=255, width=w)


def crop(img, rect):
    x, y, w, h = rect
    return img.crop((x, y, x + w, y + h))


def draw_buttons(skin):
    out = {}
    specs = [('SPEAK', SPEAK, 4, glyph_say), ('SETTINGS', SETTINGS, 4, glyph_gear),
             ('MINUS', MINIMIZE, 3, glyph_minus), ('X', CLOSE, 3, glyph_x)]
    for name, rect, radius, glyph in specs:
        base = crop(skin, rect)
        box = (0.5, 0.5, rect[2] - 0.5, rect[3] - 0.5)
        out[name + 'UP'] = key_cap(base, box, radius, False, glyph)
        out[name + 'DOWN'] = key_cap(base, box, radius, True, glyph)
    return out


# ------------------------------------------------------- keyed pictures ----

def keyed(picture, coverage):
    """Where coverage is zero the picture becomes the exact key colour."""
    out = picture.copy()
    hard = coverage.point(lambda v: 255 if v == 0 else 0)
    out.paste(solid(out.size, KEY), (0, 0), hard)
    return out, hard


def save_gif(picture, key_mask, path):
    """A GIF89a whose palette carries the key colour exactly and whose key
    pixels all use that entry; no other entry may equal the key."""
    body = picture.convert('RGB').quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                                           dither=Image.Dither.NONE)
    palette = body.getpalette()[:255 * 3]
    palette += [0] * (255 * 3 - len(palette))
    for i in range(255):
        if tuple(palette[i * 3:i * 3 + 3]) == KEY:
            palette[i * 3] = KEY[0] + 1
    palette += list(KEY)
    out = Image.new('P', picture.size)
    out.putpalette(palette)
    out.paste(body, (0, 0))
    out.paste(255, (0, 0), key_mask)
    # A comment is a GIF89a extension, so the file is written as GIF89a.
    out.save(path, format='GIF', optimize=False, comment=b'Horavox')


def draw_lamp(skin, lit):
    lx, ly, lw, lh = LAMP
    base = crop(skin, LAMP)
    size = (lw, lh)
    c = lw / 2
    img = base.copy()
    ring = mask_ellipse(size, (c - 19, c - 19, c + 19, c + 19))
    chrome = Image.new('RGB', size)
    cd = ImageDraw.Draw(chrome)
    for y in range(lh):
        cd.line([(0, y), (lw, y)], fill=lerp((210, 216, 226), (50, 54, 62), y / (lh - 1)))
    paint(img, ring, chrome)
    bevel(img, ring, 1, (245, 248, 255), (20, 22, 26), 0.7)
    hole = mask_ellipse(size, (c - 15.5, c - 15.5, c + 15.5, c + 15.5))
    paint(img, hole, (12, 13, 15))
    inner_shadow(img, hole, 2, strength=0.9)
    bulb = mask_ellipse(size, (c - 13.5, c - 13.5, c + 13.5, c + 13.5))
    # The dome: a radial gradient, its hot spot a little above centre.
    dome = Image.new('RGB', size)
    inner, middle, outer = ((225, 255, 200), (60, 225, 95), (10, 105, 40)) if lit else \
        ((70, 105, 80), (24, 58, 34), (8, 22, 12))
    px = dome.load()
    for y in range(lh):
        for x in range(lw):
            r = math.hypot(x + 0.5 - c, (y + 0.5 - c) * 1.05 + 2.5) / 14.5
            t = min(1.0, r)
            px[x, y] = lerp(inner, middle, t / 0.55) if t < 0.55 else lerp(middle, outer, (t - 0.55) / 0.45)
    paint(img, bulb, dome)
    if lit:
        halo = mask_ellipse(size, (c - 16, c - 16, c + 16, c + 16)).filter(ImageFilter.GaussianBlur(2))
        halo = ImageChops.subtract(halo, bulb)
        paint(img, ImageChops.multiply(halo, ring), (80, 255, 120), 0.55)
    glint = mask_ellipse(size, (c - 8.5, c - 10.5, c + 1.5, c - 4.5)).filter(ImageFilter.GaussianBlur(0.8))
    paint(img, glint, (255, 255, 255), 0.75 if lit else 0.35)
    spark = mask_ellipse(size, (c + 5, c + 6, c + 9, c + 9)).filter(ImageFilter.GaussianBlur(0.6))
    paint(img, spark, (255, 255, 255), 0.25 if lit else 0.12)
    return keyed(img, ring)


def draw_about_button(skin, pressed):
    base = crop(skin, ABOUT_BUTTON)
    size = base.size
    cx, cy, r = 9.5, 19.5, 9.0
    img = base.copy()
    disc = mask_ellipse(size, (cx - r, cy - r, cx + r, cy + r))
    dome = Image.new('RGB', size)
    px = dome.load()
    lo, hi = ((58, 62, 70), (120, 126, 136)) if pressed else ((92, 97, 106), (222, 228, 236))
    for y in range(size[1]):
        for x in range(size[0]):
            d = math.hypot(x + 0.5 - (cx - 3), y + 0.5 - (cy - 3.5)) / (r * 1.6)
            if pressed:
                d = 1 - min(1.0, d)
            px[x, y] = lerp(hi, lo, min(1.0, d))
    paint(img, disc, dome)
    edge = ImageChops.subtract(disc, mask_ellipse(size, (cx - r + 0.8, cy - r + 0.8, cx + r - 0.8, cy + r - 0.8)))
    paint(img, edge, (16, 17, 20), 0.85)
    if pressed:
        inner_shadow(img, disc, 2, strength=0.8)
    shift = 1 if pressed else 0
    q = text_mask(size, (cx + shift, cy + 0.5 + shift), '?', font('DejaVuSans-Bold', 13), 'mm')
    paint(img, shifted(q, 0, 1), (235, 240, 248), 0.4 if not pressed else 0.15)
    paint(img, q, (20, 60, 130) if not pressed else (16, 44, 96))
    return keyed(img, disc)


# ---------------------------------------------------------- About board ----

def draw_about_back():
    w, h = ABOUT_SIZE
    img = brushed(ABOUT_SIZE, (214, 218, 224), (176, 181, 189), seed=3, grain=8)
    whole = mask_rounded(ABOUT_SIZE, (0, 0, w, h), 0)
    bevel(img, whole, 3, (250, 252, 255), (70, 74, 82), 0.9)
    border = ImageChops.subtract(whole, mask_rounded(ABOUT_SIZE, (0.7, 0.7, w - 0.7, h - 0.7), 0))
    paint(img, border, (40, 42, 48))
    x0, y0, x1, y1 = ABOUT_PANEL
    lip = mask_rounded(ABOUT_SIZE, (x0 - 2, y0 - 2, x1 + 3, y1 + 3), 3)
    bevel(img, lip, 2, (96, 100, 108), (250, 252, 255), 0.9)
    panel = mask_rounded(ABOUT_SIZE, (x0, y0, x1 + 1, y1 + 1), 2)
    paint(img, panel, (255, 255, 255))
    inner_shadow(img, panel, 3, (60, 64, 72), 0.45)
    # Engraved rule between the title and the panel.
    rule = mask_rounded(ABOUT_SIZE, (x0 + 4, 50.5, x1 - 4, 51.5), 0)
    engrave(img, rule, (120, 124, 132), (250, 252, 255), 0.8)
    return img


def fit_title():
    """Lays "Horavox" out as the syllables Ho-ra-vox, one per title picture,
    in the largest letters that let the middle one fit its narrow picture;
    "Ho" sits against the right of the first picture and "vox" against the
    left of the third, so the word reads as one, and the room left after
    "vox" carries the sound waves of the voice."""
    f_name = 'DejaVuSans-Bold'
    groups = ['Ho', 'ra', 'vox']
    for size in range(46, 20, -1):
        f = font(f_name, size)
        widths = [spaced_width(f, g) for g in groups]
        room = [TITLES[i][2] - 6 for i in range(3)]
        if all(w <= r for w, r in zip(widths, room)):
            break
    # Share out the space between the syllables so both gaps look alike.
    ho_end, vox_start = TITLES[0][1] + TITLES[0][2] - 1, TITLES[2][1] + 2
    ra_start = max(TITLES[1][1] + 0.5, (ho_end + vox_start - widths[1]) / 2)
    xs = [ho_end - widths[0], ra_start, vox_start]
    return f_name, size, xs, groups


TRACKING = 1.0  # a touch of letter spacing, so the syllables read as one word


def spaced_width(f, text):
    return sum(f.getlength(ch) for ch in text) + TRACKING * (len(text) - 1)


def spaced_text(band, x, baseline, text, f):
    out = Image.new('L', band, 0)
    for ch in text:
        out = ImageChops.lighter(out, text_mask(band, (x, baseline), ch, f, 'ls'))
        x += f.getlength(ch) + TRACKING
    return out


def draw_titles(board):
    f_name, size, xs, groups = fit_title()
    w, h = ABOUT_SIZE[0], TITLE_HEIGHT
    band = (w, h)
    letters = Image.new('L', band, 0)
    baseline = 40
    f = font(f_name, size)
    for x, g in zip(xs, groups):
        letters = ImageChops.lighter(letters, spaced_text(band, x, baseline, g, f))
    # Sound waves after "vox", as tall as the small letters.
    wave_x = xs[2] + spaced_width(f, groups[2]) + 2
    xheight = -f.getbbox('x', anchor='ls')[1]
    cy = baseline - xheight / 2
    big = Image.new('L', (w * S, h * S), 0)
    wd = ImageDraw.Draw(big)
    right = TITLES[2][1] + TITLES[2][2] - 4
    for i, r in enumerate((xheight * 0.45, xheight * 0.8, xheight * 1.15)):
        cx = wave_x - r * 0.35
        if cx + r > right:
            break
        wd.arc(((cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S), -42, 42,
               fill=255, width=int(size * 0.1 * S))
    letters = ImageChops.lighter(letters, shrink(big, band))
    outline = letters.filter(ImageFilter.MaxFilter(3))
    shadow = shifted(outline, 1, 2).filter(ImageFilter.GaussianBlur(1.0))
    art = board.crop((0, 0, w, h))
    paint(art, shadow, (30, 34, 44), 0.55)
    paint(art, outline, (14, 22, 40))
    face = Image.new('RGB', band)
    fd = ImageDraw.Draw(face)
    for y in range(h):
        t = min(1.0, max(0.0, (y - 8) / (baseline - 8)))
        fd.line([(0, y), (w, y)], fill=lerp((150, 200, 255), (22, 70, 150), t) if t < 0.5
                else lerp((22, 70, 150), (12, 40, 96), (t - 0.5) * 2))
    paint(art, letters, face)
    gloss = ImageChops.multiply(letters, Image.linear_gradient('L').resize(band).point(
        lambda v: 255 if v < 26 * 255 / 50 and v > 12 * 255 / 50 else 0))
    paint(art, gloss, (255, 255, 255), 0.12)
    cover = ImageChops.lighter(outline, shadow.point(lambda v: 255 if v > 40 else 0))
    pictures = {}
    for number, left, width in TITLES:
        pic = art.crop((left, 0, left + width, h))
        cov = cover.crop((left, 0, left + width, h))
        pictures[number] = keyed(pic, cov)
    return pictures, groups, size


# ------------------------------------------------------ small symbols ----

def draw_hourglass():
    n = 17
    big = Image.new('RGBA', (n * S, n * S), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    white, grey = (255, 255, 255, 255), (170, 170, 170, 255)
    d.rounded_rectangle(scaled([(2.5, 1), (14.5, 3)]), S, fill=white)
    d.rounded_rectangle(scaled([(2.5, 14), (14.5, 16)]), S, fill=white)
    glass = [(4, 3), (13, 3), (9.6, 8.5), (13, 14), (4, 14), (7.4, 8.5)]
    d.polygon(scaled(glass), outline=white, width=int(1.2 * S))
    d.polygon(scaled([(6.5, 5.4), (10.5, 5.4), (8.5, 8.0)]), fill=grey)
    d.polygon(scaled([(8.5, 10.2), (11.6, 13.1), (5.4, 13.1)]), fill=white)
    d.line(scaled([(8.5, 8.0), (8.5, 12)]), fill=grey, width=int(0.7 * S))
    return big.resize((n, n), Image.LANCZOS)


def draw_caption(text):
    """The AM/PM caption as the clock's label would set it: bold, 11 pixels,
    at the left and centred on the line, white on see-through so the program
    can tint it. Drawn at its own size, not scaled down: hinted glyphs stay
    sharp at a size this small."""
    w, h = AMPM[2], AMPM[3]
    mask = Image.new('L', (w, h), 0)
    # The line is 13 pixels high with a 10-pixel ascent; centred in 17 that
    # puts the baseline on row 12.
    ImageDraw.Draw(mask).text((0, 12), text, font=font('DejaVuSans-Bold', 11), fill=255, anchor='ls')
    out = Image.new('RGBA', (w, h), (255, 255, 255, 0))
    out.putalpha(mask)
    return out


def draw_cursor():
    """A pointing hand, index finger up; its hotspot is the fingertip."""
    n = 32
    big = Image.new('RGBA', (n * S, n * S), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)

    def hand(draw, grow, colour):
        g = grow

        def rr(x0, y0, x1, y1, r):
            draw.rounded_rectangle(((x0 - g) * S, (y0 - g) * S, (x1 + g) * S, (y1 + g) * S), (r + g) * S, fill=colour)
        rr(8.5, 1, 13.5, 18, 2.5)       # index finger
        rr(13, 9, 17.5, 18, 2.2)        # middle finger
        rr(17, 10.5, 21.5, 19, 2.2)     # ring finger
        rr(21, 12, 25, 20, 2.0)         # little finger
        rr(8.5, 15, 25, 27, 4.5)        # palm
        draw.polygon(scaled([(4.2 - g, 15.6 - g), (6.6, 14 - g), (10.5 + g, 18.5), (10.5 + g, 24 + g),
                             (8.0 - g, 23.5 + g)]), fill=colour)  # thumb
        rr(3.2, 14.6, 7.6, 18.8, 2.1)
        rr(10, 24, 23.5, 30.5, 2.0)     # cuff
    hand(d, 1.0, (0, 0, 0, 255))
    hand(d, 0.0, (255, 255, 255, 255))
    # Creases between the fingers and the cuff line.
    for x in (13.2, 17.2, 21.1):
        d.line(scaled([(x, 14.5), (x, 18.5)]), fill=(0, 0, 0, 255), width=int(0.8 * S))
    d.line(scaled([(10.5, 24.6), (23, 24.6)]), fill=(0, 0, 0, 255), width=int(0.8 * S))
    return big.resize((n, n), Image.LANCZOS)


CURSOR_HOTSPOT = (11, 1)


def draw_icon(n):
    """The program icon: a graphite clock face with green hands and the
    sound waves of its voice."""
    z = 1024
    big = Image.new('RGBA', (z, z), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    c, r = 440, 380
    d.ellipse((c - r - 24, c - r - 24, c + r + 24, c + r + 24), fill=(20, 22, 26, 255))
    steps = 48
    for i in range(steps):
        t = i / (steps - 1)
        rr = r + 16 - t * 16
        d.ellipse((c - rr, c - rr - 4, c + rr, c + rr - 4), fill=lerp((214, 220, 230), (70, 74, 84), t) + (255,))
    inner = r - 44
    for i in range(steps):
        t = i / (steps - 1)
        rr = inner - t * 40
        d.ellipse((c - rr, c - rr, c + rr, c + rr), fill=lerp((30, 33, 38), (58, 62, 70), t) + (255,))
    for k in range(12):
        a = k * math.pi / 6
        r0, r1 = inner - 52, inner - 16
        wdt = 22 if k % 3 == 0 else 12
        d.line([(c + r0 * math.sin(a), c - r0 * math.cos(a)), (c + r1 * math.sin(a), c - r1 * math.cos(a))],
               fill=(190, 198, 210, 255), width=wdt)
    green = (70, 235, 110, 255)
    for ang, length, wdt in ((-60, 190, 46), (60, 260, 30)):
        a = math.radians(ang)
        d.line([(c, c), (c + length * math.sin(a), c - length * math.cos(a))], fill=green, width=wdt)
        ex, ey = c + length * math.sin(a), c - length * math.cos(a)
        d.ellipse((ex - wdt / 2, ey - wdt / 2, ex + wdt / 2, ey + wdt / 2), fill=green)
    d.ellipse((c - 36, c - 36, c + 36, c + 36), fill=(220, 255, 225, 255))
    for rr in (115, 185, 255):
        bx = 735
        box = (bx - rr, c - rr, bx + rr, c + rr)
        d.arc(box, -34, 34, fill=green, width=46)
    glow = big.filter(ImageFilter.GaussianBlur(6))
    out = Image.alpha_composite(glow, big)
    return out.resize((n, n), Image.LANCZOS)


# ------------------------------------------------------------- preview ----

def preview_main(skin, outline, buttons, lamp, about, slider_dir):
    win = skin.copy()
    for name, rect in (('SPEAKUP', SPEAK), ('SETTINGSUP', SETTINGS), ('MINUSUP', MINIMIZE),
                       ('XUP', CLOSE)):
        win.paste(buttons[name], rect[:2])
    if os.path.exists(os.path.join(slider_dir, 'SLIDERBACKING.bmp')):
        win.paste(Image.open(os.path.join(slider_dir, 'SLIDERBACKING.bmp')), SLIDER[:2])
        pointer = Image.open(os.path.join(slider_dir, 'SLIDERPOINTER.bmp'))
        win.paste(pointer, (SLIDER[0] + 50, SLIDER[1]))
    for pic, rect in ((lamp, LAMP), (about, ABOUT_BUTTON)):
        rgb = pic.convert('RGB')
        see = Image.eval(rgb, lambda v: v)
        keymask = Image.new('L', rgb.size, 0)
        kp, rp = keymask.load(), rgb.load()
        for y in range(rgb.height):
            for x in range(rgb.width):
                if rp[x, y] != KEY:
                    kp[x, y] = 255
        win.paste(see, rect[:2], keymask)
    d = ImageDraw.Draw(win)
    d.text((DIGITS[0] + 2, DIGITS[1] - 1), '10:42:07', font=font('DejaVuSansMono-Bold', 19), fill=LED_GREEN)
    d.text((AMPM[0] + 2, AMPM[1] + 2), 'PM', font=font('DejaVuSans', 10), fill=LED_GREEN)
    hg = draw_hourglass()
    tint = Image.new('RGBA', hg.size, LED_GREEN + (255,))
    win.paste(tint, ALARM[:2], hg)
    out = Image.new('RGBA', win.size, (255, 255, 255, 0))
    out.paste(win, (0, 0), outline.point(lambda v: 255 if v >= 128 else 0))
    return out


def sheet(items, scale=4, bg=(255, 255, 255)):
    pad = 8
    tiles = [im.convert('RGBA').resize((im.width * scale, im.height * scale), Image.NEAREST) for im in items]
    width = max(t.width for t in tiles) + 2 * pad
    height = sum(t.height + pad for t in tiles) + pad
    out = Image.new('RGBA', (width, height), bg + (255,))
    y = pad
    for t in tiles:
        out.alpha_composite(t, (pad, y))
        y += t.height + pad
    return out


def row(items, scale=4, bg=(255, 255, 255)):
    pad = 8
    tiles = [im.convert('RGBA').resize((im.width * scale, im.height * scale), Image.NEAREST) for im in items]
    width = sum(t.width + pad for t in tiles) + pad
    height = max(t.height for t in tiles) + 2 * pad
    out = Image.new('RGBA', (width, height), bg + (255,))
    x = pad
    for t in tiles:
        out.alpha_composite(t, (x, pad))
        x += t.width + pad
    return out


def main():
    res = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'app', 'resources')
    preview = sys.argv[2] if len(sys.argv) > 2 else None
    root = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
    custom, bitmap, cursor, icon = (os.path.join(res, d) for d in ('custom', 'bitmap', 'cursor', 'icon'))
    for folder in (custom, bitmap, cursor, icon):
        os.makedirs(folder, exist_ok=True)

    skin, outline = draw_skin()
    buttons = draw_buttons(skin)
    skin.save(os.path.join(bitmap, 'TCSKIN.bmp'))
    crop(skin, IMAGE2).save(os.path.join(bitmap, 'IMAGE2.bmp'))
    for name, img in buttons.items():
        img.save(os.path.join(bitmap, name + '.bmp'))

    lamps = {101: draw_lamp(skin, True), 102: draw_lamp(skin, False)}
    abouts = {103: draw_about_button(skin, False), 104: draw_about_button(skin, True)}
    board = draw_about_back()
    board.save(os.path.join(bitmap, 'ABOUTBACK.bmp'))
    titles, split, title_size = draw_titles(board)
    gifs = {**lamps, **abouts, **titles}
    for number, (pic, keymask) in sorted(gifs.items()):
        save_gif(pic, keymask, os.path.join(custom, '%d.gif' % number))

    hourglass = draw_hourglass()
    hourglass.save(os.path.join(bitmap, 'HOURGLASS.png'))
    for caption in ('AM', 'PM'):
        draw_caption(caption).save(os.path.join(bitmap, caption + 'TEXT.png'))
    hand = draw_cursor()
    hand.save(os.path.join(cursor, 'HAND.png'))
    for n in (16, 32, 48, 64, 128, 256):
        img = draw_icon(n)
        if n == 128:
            img.save(os.path.join(icon, 'horavox.png'))
        sub = os.path.join(icon, '%dx%d' % (n, n))
        os.makedirs(sub, exist_ok=True)
        img.save(os.path.join(sub, 'horavox.png'))
    print('title split %s at %d px; cursor hotspot %s' % ('/'.join(split), title_size, CURSOR_HOTSPOT))

    if preview:
        os.makedirs(preview, exist_ok=True)
        slider_dir = os.path.join(root, 'controls', 'range_slider', 'bitmaps')
        win = preview_main(skin, outline, buttons, lamps[101][0], abouts[103][0], slider_dir)
        backdrop = Image.new('RGBA', win.size, (235, 222, 200, 255))
        backdrop.alpha_composite(win)
        backdrop.resize((win.width * 3, win.height * 3), Image.NEAREST).save(os.path.join(preview, 'main_window.png'))
        about = board.copy()
        for number, left, _ in TITLES:
            pic = Image.open(os.path.join(custom, '%d.gif' % number)).convert('RGB')
            m = Image.new('L', pic.size, 0)
            mp, pp = m.load(), pic.load()
            for y in range(pic.height):
                for x in range(pic.width):
                    mp[x, y] = 0 if pp[x, y] == KEY else 255
            about.paste(pic, (left, 0), m)
        about.paste(buttons['XUP'].resize((13, 13)), (218, 6))
        ImageDraw.Draw(about).text((14, 136), 'Email  horavox@example.org', font=font('DejaVuSans-Bold', 9), fill=(0, 0, 128))
        about.resize((about.width * 3, about.height * 3), Image.NEAREST).save(os.path.join(preview, 'about.png'))
        row([Image.open(os.path.join(custom, '%d.gif' % n)) for n in range(101, 105)] +
            [hourglass, hand], 6, (90, 90, 90)).save(os.path.join(preview, 'small.png'))
        row([buttons[k] for k in sorted(buttons)] + [crop(skin, IMAGE2)], 6).save(os.path.join(preview, 'buttons.png'))
        row([Image.open(os.path.join(custom, '%d.gif' % n)) for n in range(105, 108)], 3).save(
            os.path.join(preview, 'titles.png'))
        row([draw_icon(n) for n in (16, 32, 48, 64, 128)], 2, (200, 200, 200)).save(os.path.join(preview, 'icons.png'))


if __name__ == '__main__':
    main()
