# Broken glyph sheets: missing, empty, cut short, not a BMP, not a power of
# two, 1 x 1 and 8192 x 8192. Each broken sheet prints "KAKUNIN 1" and a line
# naming its file, its text turns transparent, and the editor still edits,
# draws, exports and ends normally. Seven runs break all four sheets at once,
# the kinds rotated so that every sheet meets every kind.
source "$(dirname "$0")/lib.sh"
start_xvfb

SHEETS=(iFC06 iFC12 iFD06 iFD12)
KINDS=(missing empty cut notbmp odd tiny huge)

# make_bmp OUT WIDTH HEIGHT BITS: an uncompressed BMP (1 or 24 bits a pixel)
# of white-on-black stripes
make_bmp() {
    python3 - "$@" <<'PY'
import struct, sys
out, w, h, bpp = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
row = ((w + 31) // 32) * 4 if bpp == 1 else (w * 3 + 3) // 4 * 4
pal = b'\0\0\0\0\xff\xff\xff\0' if bpp == 1 else b''
line = bytes([0x55] * row) if bpp == 1 else bytes([255, 255, 255] * w) + bytes(row - 3 * w)
off = 14 + 40 + len(pal)
with open(out, 'wb') as f:
    f.write(b'BM' + struct.pack('<IHHI', off + row * h, 0, 0, off))
    f.write(struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, row * h, 2835, 2835, len(pal) // 4, 0))
    f.write(pal)
    for _ in range(h):
        f.write(line)
PY
}
make_bmp "$WORK/odd.bmp" 100 128 24
make_bmp "$WORK/tiny.bmp" 1 1 24
make_bmp "$WORK/huge.bmp" 8192 8192 1

break_sheet() {
    local f=$RES/$2.dat
    case $1 in
        missing) rm "$f" ;;
        empty) : >"$f" ;;
        cut) head -c $(( $(stat -c %s "$f") / 2 )) "$f" >"$WORK/cut" && mv "$WORK/cut" "$f" ;;
        notbmp) echo "glyphs, but not a bitmap" >"$f" ;;
        *) cp "$WORK/$1.bmp" "$f" ;;
    esac
}

install_copy
usable_session intact
[ "$TEXT" -gt 0 ] || fail "no text seen with intact sheets"
grep -q "KAKUNIN" "$WORK/out" && fail "KAKUNIN with intact sheets"
echo "ok: intact sheets draw text ($TEXT light pixels)"

for k in "${!KINDS[@]}"; do
    install_copy
    for i in "${!SHEETS[@]}"; do
        break_sheet "${KINDS[$(( (i + k) % ${#KINDS[@]} ))]}" "${SHEETS[$i]}"
    done
    usable_session "run$k"
    [ "$TEXT" = 0 ] || fail "$TEXT light pixels: text from a broken sheet is not transparent"
    [ "$(grep -cx "KAKUNIN 1" "$WORK/out")" = 4 ] || fail "not one KAKUNIN 1 for each broken sheet"
    for i in "${!SHEETS[@]}"; do
        kind=${KINDS[$(( (i + k) % ${#KINDS[@]} ))]}
        line=$(grep -F "glyph sheet Tessaloom.app/Contents/Resources/init.component/${SHEETS[$i]}.dat" "$WORK/err") ||
            fail "no message naming ${SHEETS[$i]}.dat ($kind)"
        case $kind in
            odd) want=100x128 ;; tiny) want=1x1 ;; huge) want=8192x8192 ;; *) want="" ;;
        esac
        [ -z "$want" ] || [[ $line == *" is $want, "* ]] || fail "${SHEETS[$i]}.dat ($kind): $line"
        echo "ok: ${SHEETS[$i]}.dat $kind -> ${line#tessaloom: }"
    done
done
