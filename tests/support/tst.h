// Test support: a private Xvfb and a real Mesa GL window for drawing tests,
// feedback-mode capture of what a piece of drawing code emits, and pixel reads.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/records.h"

struct TstVert {
    double x, y;        // window coordinates of the editor: origin centre, y down
    double r, g, b, a;  // colour as the GL holds it (clamped to 0..1)
    double s, t;        // texture coordinate
};

enum TstKind { TST_POINT, TST_LINE, TST_POLYGON };

struct TstPrim {
    TstKind kind;
    std::vector<TstVert> v;
};

struct TstGlyph {
    int ch;        // byte value named by the quad's texture coordinate
    double x, y;   // top-left corner
    double size;   // side of the square
    double alpha;
};

// Starts Xvfb once per process (stopped at exit by its pid) and points DISPLAY at it.
void tst_start_xvfb();
// SDL with video on the private display, and the editor's window opened by
// init_win (fonts and display lists loaded). Safe to call repeatedly.
void tst_open_window();
// Runs draw() in GL_FEEDBACK mode and returns the primitives it produced.
std::vector<TstPrim> tst_feedback(const std::function<void()>& draw);
// Glyph squares among the primitives (textured polygons), one per drawn character.
std::vector<TstGlyph> tst_glyphs(const std::vector<TstPrim>& prims);
// The characters of glyphs lying on row y (within 0.5), left to right, as text.
std::string tst_text_at(const std::vector<TstGlyph>& glyphs, double y);
// Every line of text found, in the order drawn: "x,y:text" entries grouped by row.
std::vector<std::string> tst_lines(const std::vector<TstGlyph>& glyphs);
// Reads the RGBA pixel at editor window coordinates (x, y) of the back buffer.
void tst_pixel(double x, double y, unsigned char rgba[4]);
enum TstCue { CUE_NONE, CUE_STEP, CUE_CONFIRM, CUE_CANCEL };
// Runs fn at a fresh tick and names the cue it sounded: the step cue stamps
// moveStamp, confirm and cancel stamp pressStamp, and only confirm turns the rotor.
TstCue tst_cue_of(void (*fn)());
// Holds exactly the given directions in INP, no buttons.
void tst_hold(int up, int down, int left, int right);
// The whole file at path, bytes as they are; empty when it cannot be read.
std::string tst_slurp(const std::string& path);
// Resets every record to its start-up value (as after start, before the first frame).
void tst_reset_records();
