# Reads the sound the mixer played, as SDL's disk driver captured it (16-bit
# stereo, in SDL_DISKAUDIOFILE), from byte OFFSET on, and prints the pitch of
# its loudest 40 ms in Hz at 22050 frames a second, from the zero crossings:
# the cancel cue falls from 700 to 330 Hz, the confirm cues ring at 1047 Hz
# and above.
import struct, sys

with open(sys.argv[1], 'rb') as f:
    f.seek(int(sys.argv[2]) // 4 * 4)
    data = f.read()
left = struct.unpack('<%dh' % (len(data) // 2), data[:len(data) // 4 * 4])[0::2]
win = 882
loudest = max(range(0, len(left) - win, win // 4), key=lambda i: sum(map(abs, left[i:i + win])))
part = left[loudest:loudest + win]
print(round(sum((a < 0) != (b < 0) for a, b in zip(part, part[1:])) * 22050 / 2 / win))
