# Reads a window shot (PPM on stdin, from tess_xtool shot) for the e2e scripts.
#   probe      "X Y ITEM": the canvas cursor's model position (while the canvas has the
#              input its centre is opaque, blinking from green to cyan with green 128 plus
#              half its blue, unlike the model's fills; 18 pixels a unit) and the panel item
#              whose row the cursor bar lights at its text-free right end; "-" when unclear
#   px X Y     "R G B" at (X, Y) from the window's centre
#   bright     how many nearly white pixels there are; only text is that light
#   png OUT    the shot as a PNG, for the README
import struct, sys, zlib

w, h = map(int, sys.stdin.buffer.readline().split()[1:3])
data, cmd = sys.stdin.buffer.read(), sys.argv[1]
px = lambda x, y: tuple(data[3 * (y * w + x):3 * (y * w + x) + 3])
if cmd == 'probe':
    hits = [(x, y) for y in range(-12, 13) for x in range(-12, 13)
            if (lambda r, g, b: r < 16 and abs(g - 128 - b / 2) <= 8)(*px(460 + 18 * x, 300 + 18 * y))]
    tops = [-252 + 6 * k for k in range(8)] + [-192 + 6 * k for k in range(12)] + [-108, -42, 24] + \
           [222 + 6 * k for k in range(4)] + [258 + 6 * k for k in range(4)]
    green = [px(128, 301 + t)[1] for t in tops]
    best = max(range(31), key=lambda k: green[k])
    lit = green[best] - max(g for k, g in enumerate(green) if k != best) >= 15
    print('%s %s' % ('%d %d' % hits[0] if len(hits) == 1 else '- -', best if lit else '-'))
elif cmd == 'px':
    print('%d %d %d' % px(400 + int(sys.argv[2]), 300 + int(sys.argv[3])))
elif cmd == 'bright':
    print(sum(1 for i in range(0, len(data), 3) if min(data[i:i + 3]) > 200))
else:
    chunk = lambda kind, d: struct.pack('>I', len(d)) + kind + d + struct.pack('>I', zlib.crc32(kind + d))
    rows = b''.join(b'\0' + data[3 * w * y:3 * w * (y + 1)] for y in range(h))
    open(sys.argv[2], 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) +
                                  chunk(b'IDAT', zlib.compress(rows, 6)) + chunk(b'IEND', b''))
