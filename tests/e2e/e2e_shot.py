# Reads a window shot (XWD on stdin, from xwd -silent -id WIN) for the e2e scripts
# and prints "X Y ITEM": the canvas cursor's model position (while the canvas has
# the input its centre is opaque, blinking from green to cyan with green 128 plus
# half its blue, unlike the model's fills; 18 pixels a unit) and the panel item
# whose row the cursor bar lights at its text-free right end; "-" when unclear.
# Given regions "X,Y[,W,H]", it prints each one's pixels instead.
import struct, sys

raw = sys.stdin.buffer.read()
f = struct.unpack('>25I', raw[:100])
w, h, bpl, pix = f[4], f[5], f[12], raw[f[0] + 12 * f[19]:]  # past the window name and colour entries
# Each channel's mask is one whole byte of a 32-bit pixel (index fails otherwise),
# counted from the low end in LSBFirst byte order and from the high end in MSBFirst.
at = [(0xff, 0xff00, 0xff0000, 0xff000000).index(m) ^ (3 if f[7] else 0) for m in f[14:17]]
data = bytearray(3 * w * h)
for c in range(3):
    data[c::3] = b''.join(pix[y * bpl + at[c]:y * bpl + 4 * w:4] for y in range(h))
px = lambda x, y: tuple(data[3 * (y * w + x):3 * (y * w + x) + 3])
if sys.argv[1:]:  # a line a region: its pixels' RGB in hex, row by row
    for r in sys.argv[1:]:
        x0, y0, rw, rh = [*map(int, r.split(',')), 1, 1][:4]
        print(''.join('%02x%02x%02x' % px(x, y) for y in range(y0, y0 + rh) for x in range(x0, x0 + rw)))
    sys.exit()
hits = [(x, y) for y in range(-12, 13) for x in range(-12, 13)
        if (lambda r, g, b: r < 16 and abs(g - 128 - b / 2) <= 8)(*px(460 + 18 * x, 300 + 18 * y))]
tops = [*range(-252, -204, 6), *range(-192, -120, 6), -108, -42, 24, *range(222, 246, 6), *range(258, 282, 6)]
green = [px(128, 301 + t)[1] for t in tops]
best = max(range(len(tops)), key=lambda k: green[k])
lit = green[best] - max(g for k, g in enumerate(green) if k != best) >= 15
print('%s %s' % ('%d %d' % hits[0] if len(hits) == 1 else '- -', best if lit else '-'))
