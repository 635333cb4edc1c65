# One short session of the real program under valgrind's memcheck: a vertex
# exported, then Escape. Any memory error, or a definite leak outside the
# suppressed system libraries, fails it. memcheck runs about 3 frames a
# second, so keys are held longer and the screen is given longer to show.
PRESS=0.45 STEP=0.35 GAP=0.5 SHOWN=0.8 WAIT=180
source "$(dirname "$0")/../e2e/e2e_lib.sh"
user vg
session valgrind --vgdb=no --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite --show-leak-kinds=definite \
    --num-callers=40 --suppressions="$(dirname "$(readlink -f "$0")")/memcheck.supp" --gen-suppressions=all
end_ok
