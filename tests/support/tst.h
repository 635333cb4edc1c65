// Test support: the editor's own window (tests run under xvfb-run), records
// back at their start-up values, and what a piece of drawing code emits,
// read back in GL_FEEDBACK mode as primitives, text lines and pixels.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/records.h"

struct TstVert {
    double x, y;        // editor window coordinates: origin at the centre, y down
    double r, g, b, a;  // colour as the GL holds it
    double s, t;        // texture coordinate
};

struct TstPrim {
    int kind;  // GL_POINT_TOKEN, GL_LINE_TOKEN or GL_POLYGON_TOKEN
    std::vector<TstVert> v;
};

void tst_reset();
std::vector<TstPrim> tst_feedback(const std::function<void()>& draw);
// One "x,y alpha:text" entry per run of glyphs, in drawing order; a glyph
// quad's texture coordinate names its character.
std::vector<std::string> tst_lines(const std::vector<TstPrim>& prims);
bool tst_has(const std::vector<std::string>& lines, const std::string& line);
bool tst_glyph(const TstPrim& p);  // a textured square of text
void tst_put(int layer, double x, double y);
std::string tst_slurp(const std::string& path);
