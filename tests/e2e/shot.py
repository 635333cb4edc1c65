"""Reads the editor's screenshots (24-bit BMP from tess_xtool shot) for the e2e scripts.
  shot.py probe FILE   "X Y ITEM": the canvas cursor's model position (while the canvas
                       has the input its centre is opaque, blinking from green to cyan
                       with green 128 plus half its blue, unlike the model's fills and
                       markers; default scale, 18 pixels a unit) and the panel item whose row the cursor
                       bar lights at its text-free right end; "-" for what is unclear
  shot.py bright FILE  how many nearly white pixels there are; only text is that light
  shot.py png FILE OUT the screenshot as a PNG, for the README
"""
import struct
import sys
import zlib


def load(path):
    d = open(path, 'rb').read()
    off, = struct.unpack_from('<I', d, 10)
    w, h = struct.unpack_from('<ii', d, 18)
    row = (w * 3 + 3) // 4 * 4

    def px(x, y):
        i = off + (h - 1 - y) * row + 3 * x
        return d[i + 2], d[i + 1], d[i]
    return w, h, px


def is_cursor(r, g, b):
    return r < 16 and abs(g - 128 - b / 2) <= 8


def probe(px):
    hits = [(x, y) for y in range(-12, 13) for x in range(-12, 13) if is_cursor(*px(460 + 18 * x, 300 + 18 * y))]
    cursor = '%d %d' % hits[0] if len(hits) == 1 else '- -'
    tops = [-252 + 6 * k for k in range(8)] + [-192 + 6 * k for k in range(12)] + [-108, -42, 24] + \
           [222 + 6 * k for k in range(4)] + [258 + 6 * k for k in range(4)]
    green = [px(128, 301 + t)[1] for t in tops]
    best = max(range(31), key=lambda k: green[k])
    rest = max(g for k, g in enumerate(green) if k != best)
    return '%s %s' % (cursor, best if green[best] - rest >= 15 else '-')


def bright(w, h, px):
    return sum(1 for y in range(h) for x in range(w) if min(px(x, y)) > 200)


def png(w, h, px, out):
    rows = b''.join(b'\0' + bytes(c for x in range(w) for c in px(x, y)) for y in range(h))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    with open(out, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) +
                chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))


w, h, px = load(sys.argv[2])
if sys.argv[1] == 'png':
    png(w, h, px, sys.argv[3])
else:
    print(probe(px) if sys.argv[1] == 'probe' else bright(w, h, px))
