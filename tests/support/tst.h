// Test support: the editor's own window (on the private Xvfb of xvfb.sh), records
// back at their start-up values before every test, and what a piece of
// drawing code emits, read back in GL_FEEDBACK mode as primitives and text.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "export/export.h"
#include "gfx/gfx.h"
#include "input/input.h"
#include "screen/screen.h"
#include "sound/sound.h"

struct TstVert {
    double x, y;        // editor window coordinates: origin at the centre, y down
    double r, g, b, a;  // colour as the GL holds it
    double s, t;        // texture coordinate
};

struct TstPrim {
    int kind;  // GL_POINT_TOKEN, GL_LINE_TOKEN or GL_POLYGON_TOKEN
    std::vector<TstVert> v;
};

// The panel's items as the design gives them: the value left and right change
// (none on the four commands), its step and the range it stops at.
struct TstItem { int *field, step, lo, hi; };
extern const TstItem tstItems[ITEM_COUNT];

std::vector<TstPrim> tst_feedback(const std::function<void()>& draw);
// One "x,y alpha:text" entry per run of glyphs of one size, in drawing order, " 16px" after the
// alpha for the large size; a glyph quad's texture coordinate names its character.
std::vector<std::string> tst_lines(const std::vector<TstPrim>& prims);
void tst_put(int layer, double x, double y);
std::string tst_slurp(const std::string& path);
std::string tst_stdout(const std::function<void()>& run);  // what run printed
// This thread's malloc, calloc or realloc that many from now fails, or none (-1). Not under
// AddressSanitizer, which keeps its own allocator.
extern thread_local long tstAllocsToFail;
extern const bool tstAllocCanFail;
