#!/usr/bin/env python3
"""Draws the popup's skin sheets and the program icon.

Usage: python3 make_skins.py <output-folder>

Writes skin129.bmp, skin131.bmp, skin132.bmp (24-bit sheets embedded as
BITMAP resources 129, 131, 132) and tvQ41Box.ico (16x16 and 32x32).

Sheet layout, shared by all three skins:
  rows  0..59, x 0..79   frame, nine-sliced over the 280x80 popup with the
                         inner rectangle (35,25)-(45,30); only its corners
                         honour the transparent colour
  rows 60..77            close button, cells of 40x18: normal, hover, pressed
  rows 78..79            filler
  rows 80..99            view button, cells of 50x20 (skins 131 and 132 only)
Everything that holds no picture is the transparent colour.
"""
import os
import struct
import sys

MAGENTA = (255, 0, 255)          # transparent colour of every sheet
WHITE = (255, 255, 255)
NEAR_WHITE = (250, 250, 250)

SHEET_W = 150
FRAME_W, FRAME_H = 80, 60
CLOSE_Y, CLOSE_W, CLOSE_H = 60, 40, 18
VIEW_Y, VIEW_W, VIEW_H = 80, 50, 20


def lerp(a, b, t):
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


class Canvas:
    """RGBA pixels; the sheets ignore alpha, the icon keeps it."""

    def __init__(self, w, h, colour=MAGENTA, alpha=255):
        self.w, self.h = w, h
        self.px = [tuple(colour) + (alpha,)] * (w * h)

    def get(self, x, y):
        return self.px[y * self.w + x][:3]

    def put(self, x, y, colour, cover=1.0):
        """Paints colour over the pixel; cover < 1 blends it in."""
        if not (0 <= x < self.w and 0 <= y < self.h) or cover <= 0:
            return
        *old, a = self.px[y * self.w + x]
        src_a = cover
        dst_a = a / 255 * (1 - src_a)
        out_a = src_a + dst_a
        rgb = tuple(round((c * src_a + o * dst_a) / out_a)
                    for c, o in zip(colour, old))
        self.px[y * self.w + x] = rgb + (round(out_a * 255),)

    def fill(self, x0, y0, x1, y1, colour):
        """Fills x0..x1-1, y0..y1-1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def outline(self, x0, y0, x1, y1, colour):
        """One-pixel rectangle on the rim of x0..x1-1, y0..y1-1."""
        self.fill(x0, y0, x1, y0 + 1, colour)
        self.fill(x0, y1 - 1, x1, y1, colour)
        self.fill(x0, y0, x0 + 1, y1, colour)
        self.fill(x1 - 1, y0, x1, y1, colour)

    def vgrad(self, x0, y0, x1, y1, top, bottom, ease=1.0):
        """Top colour on row y0, bottom colour on row y1-1."""
        for y in range(y0, y1):
            t = ((y - y0) / max(1, y1 - 1 - y0)) ** ease
            self.fill(x0, y, x1, y + 1, lerp(top, bottom, t))

    def glyph(self, x, y, rows, ink):
        """Pixel art: '#' is ink, '+' is half-strength ink, others untouched."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in '#+':
                    self.put(x + dx, y + dy, ink, 1.0 if ch == '#' else 0.5)

    def paint(self, inside, colour, x0=0, y0=0, x1=None, y1=None):
        """Anti-aliased shape: inside(x, y) is sampled 4x4 per pixel.
        colour may be a function of the row for gradients."""
        for y in range(y0, self.h if y1 is None else y1):
            for x in range(x0, self.w if x1 is None else x1):
                hits = sum(inside(x + (i + .5) / 4, y + (j + .5) / 4)
                           for i in range(4) for j in range(4))
                c = colour(y) if callable(colour) else colour
                self.put(x, y, c, hits / 16)


# ---- glyphs for the view button (no font is available here) -------------

MAGNIFIER = [
    '.+###+....',
    '+#...#+...',
    '#.....#...',
    '#.....#...',
    '#.....#...',
    '+#...#+...',
    '.+###+#...',
    '......##..',
    '.......##.',
    '........##',
    '.........+',
]

CHA = [            # the first character of the word for "view"
    '.....#.....',
    '###########',
    '....###....',
    '..##.#.##..',
    '##...#...##',
    '..#######..',
    '..#.....#..',
    '..#######..',
    '..#.....#..',
    '..#######..',
    '...........',
    '###########',
]

KAN = [            # the second character of the word for "view"
    '.......###.',
    '..######...',
    '.....#.....',
    '..#######..',
    '....#......',
    '###########',
    '...#######.',
    '..##.....#.',
    '.#.#######.',
    '#..#.....#.',
    '...#######.',
    '...#.....#.',
    '...#######.',
]

CROSS = [
    '#+....+#',
    '+#+..+#+',
    '.+#++#+.',
    '..+##+..',
    '..+##+..',
    '.+#++#+.',
    '+#+..+#+',
    '#+....+#',
]

# ---- skins ---------------------------------------------------------------

# close button hover and pressed gradients (top row, bottom row)
RED = ((255, 51, 0), (222, 38, 0))
RED_BROWN = ((190, 81, 52), (150, 58, 34))
DARK_RED = ((160, 24, 16), (120, 14, 8))
PALE = (242, 247, 249)
# view button states: (top, bottom, edge, text) colours
VIEW_ON_CYAN = dict(normal=((250, 254, 255), (222, 240, 246), (150, 172, 182),
                            (40, 48, 54)),
                    hover=((255, 255, 255), (236, 248, 252), (22, 122, 235),
                           (22, 122, 235)),
                    pressed=((214, 234, 242), (222, 240, 247), (22, 122, 235),
                             (16, 96, 190)))
VIEW_ON_BLUE = dict(normal=((226, 240, 253), (200, 224, 248), (30, 82, 146),
                            (18, 46, 84)),
                    hover=((255, 255, 255), (240, 247, 255), (30, 82, 146),
                           (22, 122, 235)),
                    pressed=((196, 220, 246), (214, 232, 250), (30, 82, 146),
                             (16, 96, 190)))

# Frame rows: 1 highlight, 2..23 header gradient, 24 line, 25..29 band under
# the headline, 30 separator, 31 under the separator, 32..58 lower part.
SKINS = {
    129: dict(border=(29, 70, 91), highlight=(168, 212, 233),
              header=((85, 164, 202), PALE), ease=1.6, line24=PALE, band=PALE,
              sep=(178, 221, 245), sep_fade=True, under_sep=WHITE, lower=PALE,
              cross=NEAR_WHITE, hover=RED, pressed=RED_BROWN, view=None),
    131: dict(border=(140, 150, 155), highlight=(250, 255, 255),
              header=((204, 238, 248), (226, 246, 252)), ease=1.0,
              line24=(168, 204, 216), band=(236, 250, 253),
              sep=(168, 204, 216), sep_fade=False, under_sep=WHITE,
              lower=(236, 250, 253), cross=(70, 84, 92), hover=RED,
              pressed=RED_BROWN, view=VIEW_ON_CYAN),
    132: dict(border=(22, 62, 112), highlight=(166, 206, 242),
              header=((124, 180, 234), (86, 148, 214)), ease=1.0,
              line24=(30, 82, 146), band=WHITE, sep=(30, 82, 146),
              sep_fade=False, under_sep=(112, 168, 226), lower=(86, 148, 214),
              cross=WHITE, hover=RED, pressed=DARK_RED, view=VIEW_ON_BLUE),
}


def draw_frame(s, k):
    right, bottom = FRAME_W - 1, FRAME_H - 1
    s.fill(1, 1, right, bottom, k['lower'])
    s.fill(1, 1, right, 2, k['highlight'])
    s.vgrad(1, 2, right, 24, *k['header'], ease=k['ease'])
    s.fill(1, 24, right, 25, k['line24'])
    # rows 25..29 are stretched under the headline: keep each row uniform
    s.fill(1, 25, right, 30, k['band'])
    # the separator lands on popup row 50, just above the view button area
    for x in range(1, right):
        fade = min(1.0, min(x - 1, right - 1 - x) / 20) if k['sep_fade'] else 1
        s.put(x, 30, lerp(k['band'], k['sep'], fade))
    s.fill(1, 31, right, 32, k['under_sep'])
    s.outline(0, 0, FRAME_W, FRAME_H, k['border'])
    # the window region clips 5x5 ellipses; close the outline diagonally
    for cx, cy, ix, iy in ((0, 0, 1, 1), (right, 0, right - 1, 1),
                           (0, bottom, 1, bottom - 1),
                           (right, bottom, right - 1, bottom - 1)):
        s.put(cx, cy, MAGENTA)
        s.put(ix, iy, k['border'])


def draw_close_cells(s, k):
    # The button sits at popup (240,1), over the header's right end: the
    # normal cell is that piece of the frame (sheet x 40..79 from row 1).
    for y in range(CLOSE_H):
        for x in range(CLOSE_W):
            s.put(x, CLOSE_Y + y, s.get(FRAME_W - CLOSE_W + x, 1 + y))
    s.vgrad(40, CLOSE_Y, 80, CLOSE_Y + CLOSE_H, *k['hover'])
    s.vgrad(80, CLOSE_Y, 120, CLOSE_Y + CLOSE_H, *k['pressed'])
    for i, ink in enumerate((k['cross'], NEAR_WHITE, NEAR_WHITE)):
        x0 = i * CLOSE_W
        s.glyph(x0 + 16, CLOSE_Y + 5, CROSS, ink)
        # flush with the popup's right edge: keep the frame's border there
        s.fill(x0 + CLOSE_W - 1, CLOSE_Y, x0 + CLOSE_W, CLOSE_Y + CLOSE_H,
               k['border'])


def draw_view_cells(s, k):
    for i, state in enumerate(('normal', 'hover', 'pressed')):
        top, bottom, edge, ink = k['view'][state]
        x0, x1, y0, y1 = i * VIEW_W, (i + 1) * VIEW_W, VIEW_Y, VIEW_Y + VIEW_H
        s.vgrad(x0, y0, x1, y1, top, bottom)
        s.outline(x0, y0, x1, y1, edge)
        # soften the corners towards the frame's lower colour behind
        for cx, cy in ((x0, y0), (x1 - 1, y0), (x0, y1 - 1), (x1 - 1, y1 - 1)):
            s.put(cx, cy, lerp(edge, k['lower'], 0.6))
        push = 1 if state == 'pressed' else 0
        gx, gy = x0 + 6 + push, y0 + 4 + push
        s.glyph(gx, gy + 1, MAGNIFIER, ink)
        s.glyph(gx + 13, gy, CHA, ink)
        s.glyph(gx + 25, gy - 1, KAN, ink)


def make_sheet(number):
    k = SKINS[number]
    s = Canvas(SHEET_W, VIEW_Y + VIEW_H if k['view'] else VIEW_Y)
    draw_frame(s, k)
    draw_close_cells(s, k)
    if k['view']:
        draw_view_cells(s, k)
    return s


# ---- program icon: a label printer with a notification badge -------------

INK = (18, 52, 98)
BODY_TOP, BODY_MID, BODY_BOTTOM = (96, 168, 232), (62, 134, 210), (34, 98, 178)
PAPER = (255, 255, 255)
BACKING = (200, 224, 246)        # the strip the labels are peeled from
LED = (200, 240, 255)
BADGE = (255, 112, 40)

# Small size is hand-placed pixel art: shapes scaled down to 16 px blur.
ICON16 = [
    '...kkkkkk.qoooq.',
    '...kwwwwk.ooooo.',
    '...kwwwwk.ooooo.',
    '...kwwwwk.ooooo.',
    '...kwwwwk.qoooq.',
    '.kkkkkkkkkkkkkk.',
    'kbbbbbbbbbbbbbbk',
    'kblbbbbbbbbbbbbk',
    'kbbbbbbbbbbbbbbk',
    'kmmmmmmmmmmmmmmk',
    'kmmkkkkkkkkkkmmk',
    'kBBkwwwwwwwwkBBk',
    '.kkkwppppppwkkk.',
    '...kwwwwwwwwk...',
    '...kssssssssk...',
    '...kkkkkkkkkk...',
]
ICON16_COLOURS = dict(k=INK, w=PAPER, b=BODY_TOP, m=BODY_MID, B=BODY_BOTTOM,
                      l=LED, o=BADGE, p=BODY_BOTTOM, s=BACKING)
ICON16_HALF = dict(q=BADGE)      # half-covered pixels round the badge off


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return x0 <= x <= x1 and y0 <= y <= y1 and \
            (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def draw_icon16():
    c = Canvas(16, 16, (0, 0, 0), alpha=0)
    for y, row in enumerate(ICON16):
        for x, ch in enumerate(row):
            if ch in ICON16_COLOURS:
                c.put(x, y, ICON16_COLOURS[ch])
            elif ch in ICON16_HALF:
                c.put(x, y, ICON16_HALF[ch], 0.5)
    return c


def draw_icon32():
    c = Canvas(32, 32, (0, 0, 0), alpha=0)

    def body(y):
        return lerp(BODY_TOP, BODY_BOTTOM, min(1, max(0, (y - 11) / 12)))

    # paper feeding in at the top, then the body and its output slot
    c.paint(round_rect(8, 3, 22, 12, 1), INK)
    c.paint(round_rect(9.5, 4.5, 20.5, 12, .5), PAPER)
    c.paint(round_rect(2, 10, 30, 25, 3), INK)
    c.paint(round_rect(3.5, 11.5, 28.5, 23.5, 2), body)
    c.paint(round_rect(6, 18, 26, 20.5, .5), INK)
    c.paint(disc(7, 14.5, 1.3), LED)
    # label strip coming out: two labels on their backing, the first printed
    c.paint(round_rect(8, 19, 24, 31, 1), INK)
    c.paint(round_rect(9.5, 19, 22.5, 29.5, .5), BACKING)
    c.paint(round_rect(10.5, 19, 21.5, 25.5, .8), PAPER)
    c.paint(round_rect(10.5, 26.5, 21.5, 31, .8), PAPER, y1=30)
    for y in (21, 23.3):
        c.paint(round_rect(12.5, y, 19.5, y + 1.2, .3), BODY_BOTTOM)
    # notification badge, ringed in white so it reads on any desktop
    c.paint(disc(25.5, 6.5, 6.5), WHITE)
    c.paint(disc(25.5, 6.5, 5), BADGE)
    c.paint(round_rect(24.6, 2.8, 26.4, 7.6, .9), WHITE)
    c.paint(disc(25.5, 9.4, 1.0), WHITE)
    return c


# ---- file formats --------------------------------------------------------

def info_header(w, h, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, 0, image_size,
                       2835, 2835, 0, 0)


def bmp_bytes(c):
    stride = (c.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(c.h - 1, -1, -1):
        row = bytearray()
        for x in range(c.w):
            r, g, b = c.get(x, y)
            row += bytes((b, g, r))
        data += row + bytes(stride - len(row))
    head = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    return head + info_header(c.w, c.h, 24, len(data)) + data


def ico_bytes(canvases):
    images = []
    for c in canvases:
        colour, mask = bytearray(), bytearray()
        mask_stride = ((c.w + 31) // 32) * 4
        for y in range(c.h - 1, -1, -1):
            bits = 0
            for x in range(c.w):
                r, g, b, a = c.px[y * c.w + x]
                colour += bytes((b, g, r, a))
                bits = bits << 1 | (a == 0)
            bits <<= mask_stride * 8 - c.w
            mask += bits.to_bytes(mask_stride, 'big')
        head = info_header(c.w, c.h * 2, 32, len(colour) + len(mask))
        images.append(head + colour + mask)
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, img in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.w, c.h, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b''.join(images)


def main(argv):
    if len(argv) != 2:
        sys.exit('usage: make_skins.py <output-folder>')
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    for number in sorted(SKINS):
        with open(os.path.join(out, 'skin%d.bmp' % number), 'wb') as f:
            f.write(bmp_bytes(make_sheet(number)))
    with open(os.path.join(out, 'tvQ41Box.ico'), 'wb') as f:
        f.write(ico_bytes([draw_icon16(), draw_icon32()]))


if __name__ == '__main__':
    main(sys.argv)
