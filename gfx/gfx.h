// Graphics resources: glyph-sheet textures, formatted text in two faces and
// two sizes, the numbered display lists and the shape primitives behind them.
#pragma once

#include "app/app_records.h"

enum { TXT_BUF = 256 };  // formatted text is cut at TXT_BUF - 1 characters

void createTex(int kind, const char* path, GLuint* out);
void load_Fonts();
void fontRec(int column, int row, double size, int texture, double alpha);
// Text in either face, named by its sheets, for text drawn once in each.
typedef const GLuint* ScnFont;
void fontIn(ScnFont face, int size, double alpha, double x, double y, const char* format, ...)
    __attribute__((format(printf, 6, 7)));
// The normal and the highlight face: macros, so that every call's format is
// checked against its arguments by any compiler.
#define fontB(...) fontIn(imgFontB, __VA_ARGS__)
#define fontA(...) fontIn(imgFontA, __VA_ARGS__)

// The loaders' stages in start order (the image stage is shown done with the
// textures'). The progress screen: the stages before `stage`, done, then the
// line of the one now running (formatted), a line apart, swapped.
enum { STAGE_FONTS, STAGE_IMAGE, STAGE_TXTUR, STAGE_SOUND, STAGE_INPUT };
void load_progress(int stage, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The display lists, under the numbers they have always had.
enum GfxList {
    LST_ARROWS = 10,                                // value arrows of the panel cursor, left tip at x 0,
    LST_ARROWS_WIDE = 11,                           // or at x -42, around a primitive's name
    LST_PLUS = 12, LST_SQUARE = 13, LST_RAYS = 14,  // the canvas cursor's marks
    LST_BAR = 20,                                   // the panel cursor's bar
    LST_MARK = 25, LST_MARK_CURRENT = 26,           // vertex markers: other layers', the current one's
    LST_BOX_GLOBAL = 30, LST_BOX_LAYER = 31, LST_BOX_PREVIEW = 33, LST_BOX_BACK = 34, LST_BOX_OTHER = 35,
    LST_PREVIEWS = 40,                              // the three preview frames; sets its own matrix
    LST_CANVAS_FRAME = 50,
    LST_BACKGROUND = 60,                            // twice the window each way, in the current colour
};
// Frames and outlines on the canvas and panel.
constexpr GLdouble GFX_FRAME[4] = {0, 0.5, 1, 0.4};

void load_ImgSet();
void mdl_Lin(double a, double b);
void mdl_Rec(int fill, double w, double h);
void mdl_Cir(int fill, double rx, double ry, int n);
