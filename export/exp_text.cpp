// Text export: the desktop path, built once at start-up, and the OpenGL
// source written for every visible, non-empty layer of the model.
#include "export/export.h"

#include <limits.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

static const char* const expPrimNames[] = {
    "GL_POINTS",         "GL_LINES",        "GL_LINE_LOOP", "GL_LINE_STRIP", "GL_TRIANGLES",
    "GL_TRIANGLE_STRIP", "GL_TRIANGLE_FAN", "GL_QUADS",     "GL_QUAD_STRIP", "GL_POLYGON",
};
static_assert(std::size(expPrimNames) == ED_TYPES, "a name for every draw type");
static const char expSuffix[] = "/Desktop/model_data.txt";
static const char expRule[] = "\t---------------------------------\n";

// The memory stream the text is formatted into and whether any write to it
// has failed; a failed write is sticky so the export is reported, never
// mistaken for a success.
static FILE* expOut;
static bool expFailed;

// A missing export folder is told at once, or the first sign would be a failed
// export, unseen when started from the menu; in the set-up's words for a user
// without sudo (tools/export_folder.sh). A link, even a broken one, is the
// user's own doing and is left to the export's report.
static void exp_folder_hint(const char* user)
{
    char dir[sizeof dataPassM];
    snprintf(dir, sizeof dir, "%.*s", (int)(strrchr(dataPassM, '/') - dataPassM), dataPassM);
    struct stat st;
    if (lstat(dir, &st) == 0)
        return;
    fprintf(stderr, "tessaloom: %s does not exist, so exports will fail", dir);
    const char* home = getenv("HOME");
    if (home && *home) {
        char desk[PATH_MAX];
        snprintf(desk, sizeof desk, "%s/Desktop", home);
        fputs("; to give the export its folder, ", stderr);
        if (stat(desk, &st) != 0 || !S_ISDIR(st.st_mode))
            fprintf(stderr, "run: mkdir -p %s, then ", desk);
        fprintf(stderr, "as root run: mkdir -p /Users/%s && ln -s %s %s", user, desk, dir);
    }
    fputc('\n', stderr);
}

// A name that is empty, holds a '/' or is "." or ".." would point into another
// folder, and a cut one at someone else's file: such a path is not built at
// all, "/Users/" stays, names a directory, and every export then fails and is
// reported, as without USER.
void GetDataPath()
{
    const char* user = getenv("USER");
    const size_t used = strlen(dataPassM);
    const char* why = nullptr;
    if (!user || !*user)
        why = "USER is empty or not set";
    else if (strchr(user, '/') || strcmp(user, ".") == 0 || strcmp(user, "..") == 0)
        why = "USER is not a plain user name";
    else if (used + strlen(user) + sizeof expSuffix > sizeof dataPassM)
        why = "USER is too long for the export path";
    if (why) {
        fprintf(stderr, "tessaloom: %s, so exports will fail\n", why);
        return;
    }
    snprintf(dataPassM + used, sizeof dataPassM - used, "%s%s", user, expSuffix);
    exp_folder_hint(user);
}

__attribute__((format(printf, 1, 2))) static void exp_print(const char* format, ...)
{
    if (expFailed)
        return;
    va_list ap;
    va_start(ap, format);
    if (vfprintf(expOut, format, ap) < 0)
        expFailed = true;
    va_end(ap);
}

static void exp_put(const char* text)
{
    exp_print("%s", text);
}

static void exp_colour(double r, double g, double b, double a)
{
    exp_print("\t\tglColor4f(%.2ff, %.2ff, %.2ff, %.2ff);", r, g, b, a);
}

static void exp_immediate(const EdLayer& l, const char* prim)
{
    exp_put("\tDROW TYPE : ***glBegin ~ glEnd***\n");
    exp_put(expRule);
    exp_print("\tglBegin(%s);\n", prim);
    if (l.colorSel < 0) {
        exp_colour(l.r, l.g, l.b, l.a);
        exp_put("\n");
    }
    for (int j = 0; j < l.count; j++) {
        if (l.colorSel >= 0)
            exp_colour(l.vr[j], l.vg[j], l.vb[j], l.va[j]);
        exp_print("\t\tglVertex2f(%.f.f, %.f.f);\n", l.vx[j], l.vy[j]);
    }
    exp_put("\t\tglEnd();\n\n");
}

static void exp_arrays(const EdLayer& l, const char* prim, int num)
{
    exp_put("\tDROW TYPE : ***Arrays***\n");
    exp_put(expRule);
    exp_print("\tfloat cl%d[]=//color\n\t\t{\n", num);
    for (int j = 0; j < l.count; j++) {
        if (l.colorSel < 0)
            exp_print("\t\t%.2ff,%.2ff,%.2ff,%.2ff,\n", l.r, l.g, l.b, l.a);
        else
            exp_print("\t\t%.2ff,%.2ff,%.2ff,%.2ff,\n", l.vr[j], l.vg[j], l.vb[j], l.va[j]);
    }
    exp_put("\t\t};\n");
    exp_print("\tfloat vt%d[]=//vertex\n\t\t{\n", num);
    for (int j = 0; j < l.count; j++)
        exp_print("\t\t%.f.f,%.f.f,\n", l.vx[j], l.vy[j]);
    exp_put("\t\t};\n");
    exp_print("\tglColorPointer(4,GL_FLOAT,0,cl%d);\n", num);
    exp_print("\tglVertexPointer(2,GL_FLOAT,0,vt%d);\n", num);
    exp_print("\tglDrawArrays(%s,0,%d);\n\n\n", prim, l.count);
}

static void exp_layer(int i)
{
    const EdLayer& l = ed[i];
    if (l.view == 0 || l.count == 0)
        return;
    const char* prim = expPrimNames[l.drawType];
    if (i == 0)
        exp_print("SIZE X = %d, Y = %d\n\n", cm.sizeX * 2, cm.sizeY * 2);
    exp_print("LAYER : %d ________________________________________\n", i + 1);
    exp_immediate(l, prim);
    exp_arrays(l, prim, i + 1);
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

// glibc's memory stream reports neither a failed write in ferror nor a failed
// last allocation in fclose: the latter leaves no text, which must not pass
// for an empty model.
static bool exp_format(char** text, size_t* size)
{
    expOut = open_memstream(text, size);
    if (!expOut)
        return false;
    expFailed = false;
    for (int i = 0; i < ED_LAYERS; i++)
        exp_layer(i);
    const bool closed = fclose(expOut) == 0;
    expOut = nullptr;
    return closed && !expFailed && *text;
}

// The file itself is written, so a link is followed and its mode, owner and
// hard links stay; whatever the user may not write is refused. A failure
// leaves the errno of its first failed step.
static bool exp_write(const char* text, size_t size)
{
    FILE* f = fopen(dataPassM, "w");
    if (!f)
        return false;
    const bool ok = fwrite(text, 1, size, f) == size && fflush(f) == 0;
    const int err = errno;
    const bool closed = fclose(f) == 0;
    if (!ok)
        errno = err;
    return ok && closed;
}

// The whole text is formatted before the file is opened, so the file stands
// truncated or half written only for the moment of one write.
void edit_data(int mode)
{
    if (mode != 0)
        return;
    char* text = nullptr;
    size_t size = 0;
    const bool ok = exp_format(&text, &size) && exp_write(text, size);
    const int err = errno;
    free(text);
    if (!ok)
        exp_report(err);
}
