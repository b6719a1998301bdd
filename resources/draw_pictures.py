#!/usr/bin/env python3
"""Draws the window's pictures into resources/ (run from anywhere).

The pictures are small enough to keep as pixel art in this file, so they can
be reviewed and redrawn without an image editor. The outputs are committed;
run this again only after changing the art below.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, in its usual order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, PURPLE, SILVER, GREY = (0, 0, 0), (128, 128, 0), (128, 0, 128), (192, 192, 192), (128, 128, 128)
RED, YELLOW, BLUE, MAGENTA, CYAN, WHITE = (255, 0, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)


def write_bmp(path, width, height, pixels, bits, palette=None):
    """pixels[y][x] is an (r, g, b) tuple; rows are stored bottom-up."""
    if bits == 24:
        row_bytes = [b''.join(bytes((b, g, r)) for (r, g, b) in row) for row in pixels]
        pal = b''
        colours_used = 0
    else:
        index = {c: i for i, c in enumerate(palette)}
        rows = [[index[c] for c in row] for row in pixels]
        if bits == 8:
            row_bytes = [bytes(r) for r in rows]
        else:  # 4 bits
            row_bytes = [bytes((r[i] << 4) | (r[i + 1] if i + 1 < len(r) else 0)
                               for i in range(0, len(r), 2)) for r in rows]
        full = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
        pal = b''.join(bytes((b, g, r, 0)) for (r, g, b) in full)
        colours_used = 1 << bits
    stride = (len(row_bytes[0]) + 3) & ~3
    data = b''.join(r.ljust(stride, b'\0') for r in reversed(row_bytes))
    offset = 14 + 40 + len(pal)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(data),
                       3780, 3780, colours_used, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pal + data)


def write_png(path, pixels, transparent=None):
    """A palette PNG of the 16 colours; `transparent` marks the see-through one."""
    palette = list(VGA16)
    trns = b''
    if transparent is not None:
        palette = [transparent] + [c for c in VGA16 if c != transparent]
        trns = b'\0'
    index = {c: i for i, c in enumerate(palette)}
    height, width = len(pixels), len(pixels[0])
    raw = b''.join(b'\0' + bytes(index[c] for c in row) for row in pixels)

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))

    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 3, 0, 0, 0))
    png += chunk(b'PLTE', b''.join(bytes(c) for c in palette))
    if trns:
        png += chunk(b'tRNS', trns)
    png += chunk(b'IDAT', zlib.compress(raw, 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


# --- The colour strip under the background colour buttons -------------------
STRIP_FILLS = [(255, 255, 255), (132, 255, 255), (255, 132, 255), (255, 255, 132),
               (255, 132, 132), (132, 255, 132), (132, 132, 255), (132, 132, 132)]


def colour_strip():
    px = canvas(129, 17, WHITE)
    for i, fill in enumerate(STRIP_FILLS):
        left = 1 + 16 * i
        for y in range(1, 16):
            for x in range(left, left + 15):
                edge = y in (1, 15) or x in (left, left + 14)
                px[y][x] = BLACK if edge else fill
    palette = [BLACK, WHITE] + STRIP_FILLS[1:]
    return px, palette


# --- The program's name as pixel lettering ----------------------------------
LETTERS = {
    'L': ['#....', '#....', '#....', '#....', '#....', '#....', '#####'],
    'u': ['.....', '.....', '#...#', '#...#', '#...#', '#..##', '.##.#'],
    'm': ['.....', '.....', '##.#.', '#.#.#', '#.#.#', '#.#.#', '#.#.#'],
    'e': ['.....', '.....', '.###.', '#...#', '#####', '#....', '.###.'],
    'n': ['.....', '.....', '#.##.', '##..#', '#...#', '#...#', '#...#'],
    'f': ['..##.', '.#..#', '.#...', '###..', '.#...', '.#...', '.#...'],
    'o': ['.....', '.....', '.###.', '#...#', '#...#', '#...#', '.###.'],
    'l': ['.##..', '..#..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    'd': ['....#', '....#', '.##.#', '#..##', '#...#', '#...#', '.####'],
}
NAME_LINES = [('Lum', BLUE), ('enf', RED), ('old', MAGENTA)]


def lettered_icon():
    px = canvas(32, 32, CYAN)
    for line, (text, colour) in enumerate(NAME_LINES):
        top = 3 + 9 * line
        for n, ch in enumerate(text):
            left = 6 + 7 * n
            for dy, row in enumerate(LETTERS[ch]):
                for dx, cell in enumerate(row):
                    if cell == '#':
                        px[top + dy][left + dx] = colour
    return px


def shrink(px):
    """Halves a lettered icon: a 2 x 2 block takes any lettering colour in it."""
    out = canvas(len(px[0]) // 2, len(px) // 2, CYAN)
    for y in range(len(out)):
        for x in range(len(out[0])):
            block = [px[2 * y + j][2 * x + i] for j in (0, 1) for i in (0, 1)]
            ink = [c for c in block if c != CYAN]
            if ink:
                out[y][x] = ink[0]
    return out


def small_window_icon():
    px = canvas(16, 16, PURPLE)  # PURPLE is written as the transparent colour
    for x in range(4, 16):
        px[15][x] = YELLOW
    return px


# --- Button glyphs ------------------------------------------------------------
FOLDER = [
    '................',
    '................',
    '..kkkkk.........',
    '.kBBBBBk........',
    '.kBBBBBBkkkkkk..',
    '.kBBBBBBBBBBBBk.',
    '.kBBBkkkkkkkkkkk',
    '.kBBkFFFFFFFFFFk',
    '.kBkFFFFFFFFFFk.',
    '.kBkFFFFFFFFFFk.',
    '.kkFFFFFFFFFFk..',
    '.kkFFFFFFFFFFk..',
    '.kkkkkkkkkkkk...',
    '................',
    '................',
    '................',
]
DISK = [
    '................',
    '.kkkkkkkkkkkkkk.',
    '.kRRRRRRRRRRRRk.',
    '.kWWWWWWWWWWWWk.',
    '.kWWWWWWWWWWWWk.',
    '.kWWWWWWWWWWWWk.',
    '.kWWWWWWWWWWWWk.',
    '.kWWWWWWWWWWWWk.',
    '.kkkkkkkkkkkkkk.',
    '.kkkkkkkkkkkkkk.',
    '.kkkGGGGGGGGkkk.',
    '.kkkGGkkGGGGkkk.',
    '.kkkGGkkGGGGkkk.',
    '.kkkGGGGGGGGkkk.',
    '..kkkkkkkkkkkkk.',
    '................',
]


def paint(art, ground):
    def colour(x, y, cell):
        dither = (x + y) % 2 == 0
        return {
            '.': ground, 'k': BLACK, 'R': RED, 'W': WHITE, 'G': GREY,
            'B': YELLOW if dither else WHITE,
            'F': YELLOW if dither else SILVER,
        }[cell]
    return [[colour(x, y, c) for x, c in enumerate(row)] for y, row in enumerate(art)]


def disabled_face(art, ground):
    """The shape's edges in grey with a white shadow, as disabled buttons show."""
    px = canvas(16, 16, ground)

    def at(x, y):
        return art[y][x] if 0 <= x < 16 and 0 <= y < 16 else '.'

    for y in range(16):
        for x in range(16):
            cell = at(x, y)
            if cell == '.':
                continue
            near = [at(x + 1, y), at(x - 1, y), at(x, y + 1), at(x, y - 1)]
            if '.' in near or (cell == 'k' and any(n not in '.k' for n in near)):
                px[y][x] = GREY
                if at(x + 1, y + 1) == '.' and x < 15 and y < 15:
                    px[y + 1][x + 1] = WHITE
    return px


def two_faces(art, ground):
    enabled, disabled = paint(art, ground), disabled_face(art, ground)
    return [enabled[y] + disabled[y] for y in range(16)]


def exit_cross():
    light, body, shadow = (35, 226, 0), (11, 141, 7), (70, 115, 9)
    px = canvas(16, 16, WHITE)
    for y in range(2, 14):
        for x in range(2, 14):
            strokes = [x - y, x + y - 15]
            if 0 in strokes:
                px[y][x] = body
            elif -1 in strokes:
                px[y][x] = light
            elif 1 in strokes:
                px[y][x] = shadow
    return px


def main():
    bitmaps = os.path.join(HERE, 'bitmaps')
    icons = os.path.join(HERE, 'icons')
    strip, strip_palette = colour_strip()
    write_bmp(os.path.join(bitmaps, 'colour_strip.bmp'), 129, 17, strip, 8, strip_palette)
    write_bmp(os.path.join(bitmaps, 'exit_glyph.bmp'), 16, 16, exit_cross(), 24)
    write_bmp(os.path.join(bitmaps, 'folder_glyph.bmp'), 32, 16, two_faces(FOLDER, PURPLE), 4, VGA16)
    write_bmp(os.path.join(bitmaps, 'disk_glyph.bmp'), 32, 16, two_faces(DISK, OLIVE), 4, VGA16)
    big = lettered_icon()
    write_png(os.path.join(icons, 'window_32.png'), big)
    write_png(os.path.join(icons, 'window_16.png'), small_window_icon(), transparent=PURPLE)
    write_png(os.path.join(icons, 'program_32.png'), big)
    write_png(os.path.join(icons, 'program_16.png'), shrink(big))


if __name__ == '__main__':
    main()
