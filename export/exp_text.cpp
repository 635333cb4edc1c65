// Text export: the OpenGL source of every visible, non-empty layer of the
// model, formatted line by line in memory and then written to the file.
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "export/exp_lines.h"

const char* const expPrimNames[ED_TYPES] = {
    "GL_POINTS",         "GL_LINES",        "GL_LINE_LOOP", "GL_LINE_STRIP", "GL_TRIANGLES",
    "GL_TRIANGLE_STRIP", "GL_TRIANGLE_FAN", "GL_QUADS",     "GL_QUAD_STRIP", "GL_POLYGON",
};
ExpSink expSink;
bool expLinesOk;
unsigned long long expSaved;
char expFailure[128];

// The memory stream the text is formatted into.
static FILE* expOut;

// The longest line is a vertex with its colour, some 70 characters.
void exp_line(const char* format, ...)
{
    if (!expLinesOk)
        return;
    char line[128];
    va_list ap;
    va_start(ap, format);
    const int n = vsnprintf(line, sizeof line, format, ap);
    va_end(ap);
    expLinesOk = n >= 0 && n < (int)sizeof line && expSink(line, n);
}

static bool exp_to_text(const char* line, int length)
{
    return fprintf(expOut, "%.*s\n", length, line) >= 0;
}

static void exp_immediate(const EdLayer& l)
{
    exp_line(EXP_IMMEDIATE);
    exp_line(EXP_RULE);
    exp_line(EXP_BEGIN, expPrimNames[l.drawType]);
    if (l.colorSel < COLOR_PER_VERTEX)
        exp_line(EXP_COLOR, l.r, l.g, l.b, l.a);
    for (int j = 0; j < l.count; j++) {
        if (l.colorSel >= COLOR_PER_VERTEX)
            exp_line(EXP_COLOR EXP_VERTEX, l.vr[j], l.vg[j], l.vb[j], l.va[j], l.vx[j], l.vy[j]);
        else
            exp_line(EXP_VERTEX, l.vx[j], l.vy[j]);
    }
    exp_line(EXP_END);
    exp_line("%s", "");
}

void exp_arrays(const EdLayer& l, int num)
{
    const bool own = l.colorSel >= COLOR_PER_VERTEX;
    exp_line(EXP_ARRAYS);
    exp_line(EXP_RULE);
    exp_line("\tfloat cl%d[]=//color", num);
    exp_line("\t\t{");
    for (int j = 0; j < l.count; j++)
        exp_line("\t\t%.2ff,%.2ff,%.2ff,%.2ff,", own ? l.vr[j] : l.r, own ? l.vg[j] : l.g, own ? l.vb[j] : l.b,
                 own ? l.va[j] : l.a);
    exp_line("\t\t};");
    exp_line("\tfloat vt%d[]=//vertex", num);
    exp_line("\t\t{");
    for (int j = 0; j < l.count; j++)
        exp_line("\t\t%.f.f,%.f.f,", l.vx[j], l.vy[j]);
    exp_line("\t\t};");
    exp_line("\tglColorPointer(4,GL_FLOAT,0,cl%d);", num);
    exp_line("\tglVertexPointer(2,GL_FLOAT,0,vt%d);", num);
    exp_line("\tglDrawArrays(%s,0,%d);", expPrimNames[l.drawType], l.count);
    exp_line("%s", "");
    exp_line("%s", "");
}

static bool exp_written(const EdLayer& l)
{
    return l.view != VIEW_OFF && l.count > 0;
}

static void exp_layer(int i)
{
    const EdLayer& l = ed[i];
    if (!exp_written(l))
        return;
    if (i == 0) {
        exp_line(EXP_SIZE, cm.sizeX * 2, cm.sizeY * 2);
        exp_line("%s", "");
    }
    exp_line(EXP_LAYER, i + 1);
    exp_immediate(l);
    exp_arrays(l, i + 1);
}

// glibc's memory stream reports neither a failed write in ferror nor a failed
// last allocation in fclose: the latter leaves no text, which must not pass
// for an empty model.
bool exp_format(char** text, size_t* size)
{
    *text = nullptr;
    expOut = open_memstream(text, size);
    if (!expOut)
        return false;
    expSink = exp_to_text;
    expLinesOk = true;
    for (int i = 0; i < ED_LAYERS; i++)
        exp_layer(i);
    const bool closed = fclose(expOut) == 0;
    expOut = nullptr;
    return closed && expLinesOk && *text;
}

// Every number the text holds, as it prints them (colours in hundredths),
// hashed (FNV-1a), so two models of the same text share it and a change to the
// text all but surely changes it. Cheap enough for every frame.
unsigned long long exp_fingerprint()
{
    unsigned long long h = 14695981039346656037ull;
    auto mix = [&h](double v) { h = (h ^ (unsigned long long)std::llround(v)) * 1099511628211ull; };
    auto colour = [&mix](double r, double g, double b, double a) {
        for (double c : {r, g, b, a})
            mix(c * 100);
    };
    for (int i = 0; i < ED_LAYERS; i++) {
        const EdLayer& l = ed[i];
        const bool own = l.colorSel >= COLOR_PER_VERTEX;
        if (!exp_written(l)) {
            mix(-1);
            continue;
        }
        for (double v : {(double)l.count, (double)l.drawType, (double)own, i == 0 ? cm.sizeX : 0.0, i == 0 ? cm.sizeY : 0.0})
            mix(v);
        if (!own)
            colour(l.r, l.g, l.b, l.a);
        for (int j = 0; j < l.count; j++) {
            mix(l.vx[j]);
            mix(l.vy[j]);
            if (own)
                colour(l.vr[j], l.vg[j], l.vb[j], l.va[j]);
        }
    }
    return h;
}

// Flushed at once: with output to a file or pipe the report would otherwise
// wait for the editor to end, and be lost if it never ends cleanly.
static void exp_report(int err)
{
    puts("失敗");
    puts(dataPassM);
    fflush(stdout);
    fprintf(stderr, "tessaloom: export not written: %s\n", strerror(err));
}

// The whole text is formatted before the file is touched.
void edit_data(int mode)
{
    if (mode != 0)
        return;
    char* text = nullptr;
    size_t size = 0;
    const bool ok = exp_format(&text, &size) && exp_write(text, size);
    const int err = errno;
    free(text);
    snprintf(expFailure, sizeof expFailure, "%s", ok ? "" : strerror(err));
    if (ok)
        expSaved = exp_fingerprint();
    else
        exp_report(err);
}
