// Graphics resources: glyph-sheet textures, formatted text in two faces and
// two sizes, the numbered display lists and the shape primitives behind them.
#pragma once

#include "app/records.h"

enum { TXT_BUF = 256 };  // formatted text is cut at TXT_BUF - 1 characters

void createTex(int kind, const char* path, GLuint* out);
void load_Fonts();
void fontRec(int column, int row, double size, int texture, double alpha);
void fontB(int size, double alpha, double x, double y, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void fontA(int size, double alpha, double x, double y, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

// Start-up progress screen: the first `done` finished stages, then the stage
// now running (formatted), one line every 6 pixels from (-42, -42), swapped.
void load_progress(int done, const char* format, ...) __attribute__((format(printf, 2, 3)));

void load_ImgSet();
void mdl_Lin(double a, double b);
void mdl_Rec(int fill, double w, double h);
void mdl_Cir(int fill, double rx, double ry, int n);
