// The export's text line by line: the format of every line, which the export
// prints and the reader matches, and the one road each formatted line takes,
// into the text being written or against the file being read.
#pragma once

#include "export/export.h"

// Every line ends in a line feed, which the formats leave out.
#define EXP_SIZE "SIZE X = %d, Y = %d"
#define EXP_LAYER "LAYER : %d ________________________________________"
#define EXP_IMMEDIATE "\tDROW TYPE : ***glBegin ~ glEnd***"
#define EXP_ARRAYS "\tDROW TYPE : ***Arrays***"
#define EXP_RULE "\t---------------------------------"
#define EXP_BEGIN "\tglBegin(%s);"
#define EXP_COLOR "\t\tglColor4f(%.2ff, %.2ff, %.2ff, %.2ff);"
#define EXP_VERTEX "\t\tglVertex2f(%.f.f, %.f.f);"
#define EXP_END "\t\tglEnd();"

// The full OpenGL names of the draw types, indexed by drawType.
extern const char* const expPrimNames[ED_TYPES];

// Where each formatted line goes (without its line feed); false stops the
// text there. expLinesOk stays false from the first line that failed.
typedef bool (*ExpSink)(const char* line, int length);
extern ExpSink expSink;
extern bool expLinesOk;
void exp_line(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The colour and vertex arrays of layer number num and their draw call: all
// of it follows from the layer's glBegin block.
void exp_arrays(const EdLayer& l, int num);
