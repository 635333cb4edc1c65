// Reading a model file: the export's own text, taken exactly as the export
// writes it (CRLF line ends too) and within the editor's limits, into
// expModel; anything else is refused with its line and what was expected.
// The lines that follow from others (headers, the arrays) are checked by
// running the export's own line formatting against the file.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "export/exp_lines.h"

ExpModel expModel;

// A vertex's position stays within the cursor's reach: the largest model area
// plus one step past its edge, where a carried vertex may rest.
constexpr long RD_REACH = ED_SIZE_MAX + ED_MOVE_MAX;

// The text left to read, and the line at hand (null past the end): its
// number, its length without its line end, and its start in rdText, cut at
// RD_LINE_MAX (longer than any line of the export) and ended by a zero.
enum { RD_LINE_MAX = 127 };
static const char *rdAt, *rdEnd, *rdLine;
static char rdText[RD_LINE_MAX + 1];
static size_t rdLen;
static int rdNo;
static ExpFault* rdFault;

static void rd_next()
{
    rdNo++;
    rdLine = rdAt < rdEnd ? rdAt : nullptr;
    const char* nl = rdLine ? (const char*)memchr(rdAt, '\n', rdEnd - rdAt) : nullptr;
    const char* stop = nl ? nl : rdEnd;
    rdLen = rdLine ? stop - rdLine : 0;
    rdLen -= nl && rdLen > 0 && rdLine[rdLen - 1] == '\r';
    snprintf(rdText, sizeof rdText, "%.*s", (int)std::min(rdLen, (size_t)RD_LINE_MAX), rdLine ? rdLine : "");
    rdAt = nl ? nl + 1 : rdEnd;
}

// The fault is the line at hand, and what was expected there (a printf format
// and its arguments).
#define RD_FAIL(...) (snprintf(rdFault->what, sizeof rdFault->what, __VA_ARGS__), rd_fault())
static bool rd_fault()
{
    const size_t n = strlen(rdFault->what);
    if (!rdLine)
        snprintf(rdFault->what + n, sizeof rdFault->what - n, " (the file ends here)");
    rdFault->line = rdNo;
    return false;
}

static bool rd_is(const char* text, size_t length)
{
    return rdLine && rdLen == length && memcmp(rdText, text, length) == 0;
}

// An expected line, tabs shown as \t.
static const char* rd_shown(const char* line, int length)
{
    static char shown[2 * 128];
    int n = 0;
    for (int i = 0; i < length; i++) {
        if (line[i] == '\t')
            shown[n++] = '\\';
        shown[n++] = line[i] == '\t' ? 't' : line[i];
    }
    shown[n] = 0;
    return shown;
}

// The sink the export's formatting runs into while a file is read: each line
// it formats must be the file's next one.
static bool rd_check(const char* line, int length)
{
    rd_next();
    return rd_is(line, length) || RD_FAIL("expected \"%s\"", rd_shown(line, length));
}

// A number as printf writes it into the export: digits without a leading zero
// and a minus only before a number that is not 0; with hundredths, two
// decimals after a point. At most six digits before the point.
static bool rd_digit(char c)
{
    return c >= '0' && c <= '9';
}

static bool rd_number(const char*& p, bool hundredths, long& v)
{
    const bool minus = *p == '-';
    p += minus;
    const char* digits = p;
    for (v = 0; p - digits < 6 && rd_digit(*p); p++)
        v = v * 10 + (*p - '0');
    if (p == digits || (*digits == '0' && p - digits > 1))
        return false;
    if (hundredths) {
        if (p[0] != '.' || !rd_digit(p[1]) || !rd_digit(p[2]))
            return false;
        v = v * 100 + (p[1] - '0') * 10 + (p[2] - '0');
        p += 3;
    }
    v = minus ? -v : v;
    return !minus || v != 0;
}

// Whether the line at hand is what format prints, and the numbers in it: each
// %d or %.f a whole number, each %.2f in hundredths.
static bool rd_scan(const char* format, long* num)
{
    const char* p = rdText;
    for (const char* f = format; *f; f++) {
        if (*f != '%') {
            if (*p++ != *f)
                return false;
            continue;
        }
        const bool hundredths = f[1] == '.' && f[2] == '2';
        f += hundredths ? 3 : f[1] == '.' ? 2 : 1;
        if (!rd_number(p, hundredths, *num++))
            return false;
    }
    return (size_t)(p - rdText) == rdLen;
}

static int rd_type()
{
    char want[32];
    for (int t = 0; t < ED_TYPES; t++)
        if (rd_is(want, snprintf(want, sizeof want, EXP_BEGIN, expPrimNames[t])))
            return t;
    return -1;
}

// Four colour channels in hundredths into r, g, b and a.
static bool rd_colour(const long* c, double& r, double& g, double& b, double& a)
{
    for (int k = 0; k < 4; k++)
        if (c[k] < 0 || c[k] > 100)
            return RD_FAIL("expected colours from 0.00 to 1.00");
    r = c[0] / 100.0;
    g = c[1] / 100.0;
    b = c[2] / 100.0;
    a = c[3] / 100.0;
    return true;
}

static bool rd_vertex(EdLayer& l)
{
    const bool own = l.colorSel >= COLOR_PER_VERTEX;
    long c[6];
    if (l.count == ED_MAXVERT)
        return RD_FAIL("expected \"%s\": a layer holds at most %d vertices", rd_shown(EXP_END, sizeof EXP_END - 1), ED_MAXVERT);
    if (!rd_scan(own ? EXP_COLOR EXP_VERTEX : EXP_VERTEX, c))
        return RD_FAIL(own ? "expected a vertex and its colour, \"\\t\\tglColor4f(r, g, b, a);\\t\\tglVertex2f(x.f, y.f);\" "
                             "in hundredths and whole numbers, or \"\\t\\tglEnd();\""
                           : "expected a vertex, \"\\t\\tglVertex2f(x.f, y.f);\" in whole numbers, or \"\\t\\tglEnd();\"");
    const long* at = own ? c + 4 : c;
    if (std::max(std::abs(at[0]), std::abs(at[1])) > RD_REACH)
        return RD_FAIL("expected positions from %ld to %ld", -RD_REACH, RD_REACH);
    const int j = l.count++;
    l.vx[j] = at[0];
    l.vy[j] = at[1];
    return !own || rd_colour(c, l.vr[j], l.vg[j], l.vb[j], l.va[j]);
}

// The glBegin line, the layer's colour or its vertices' own, and the vertices.
static bool rd_begin(EdLayer& l)
{
    rd_next();
    l.drawType = rd_type();
    if (l.drawType < 0)
        return RD_FAIL("expected \"\\tglBegin(GL_...);\" with one of the ten primitives, GL_POINTS to GL_POLYGON");
    long c[4];
    rd_next();
    l.colorSel = rd_scan(EXP_COLOR, c) ? COLOR_LAYER : COLOR_PER_VERTEX;
    if (l.colorSel == COLOR_LAYER) {
        if (!rd_colour(c, l.r, l.g, l.b, l.a))
            return false;
        rd_next();
    }
    for (; !rd_is(EXP_END, sizeof EXP_END - 1); rd_next())
        if (!rd_vertex(l))
            return false;
    if (l.count == 0)
        return RD_FAIL("expected a vertex: a layer in the file holds at least one");
    exp_line("%s", "");
    return expLinesOk;
}

static bool rd_layer(int i)
{
    EdLayer& l = expModel.layer[i];
    init_layer(l);
    exp_line(EXP_IMMEDIATE);
    exp_line(EXP_RULE);
    if (!expLinesOk || !rd_begin(l))
        return false;
    exp_arrays(l, i + 1);
    return expLinesOk;
}

// The size line, if the text has one, and the blank line after it.
static bool rd_size()
{
    long n[2];
    if (!rd_scan(EXP_SIZE, n))
        return true;
    for (long v : n)
        if (v % 2 != 0 || v < 2 * ED_SIZE_MIN || v > 2 * ED_SIZE_MAX)
            return RD_FAIL("expected sizes from %d to %d, even numbers", 2 * ED_SIZE_MIN, 2 * ED_SIZE_MAX);
    expModel.sizeX = n[0] / 2;
    expModel.sizeY = n[1] / 2;
    exp_line("%s", "");
    exp_line(EXP_LAYER, 1);  // and the loop reads it again
    return expLinesOk;
}

// Layer numbers rise, and layer 1 comes with the size line and only with it.
static bool rd_order(long k, int last)
{
    if (last == ED_LAYERS)
        return RD_FAIL("expected the end of the file after layer %d", ED_LAYERS);
    if (k <= last || k > ED_LAYERS)
        return RD_FAIL("expected a layer from %d to %d: layers come in order, each at most once", last + 1, ED_LAYERS);
    if (k == 1 && expModel.sizeX == 0)
        return RD_FAIL("expected \"SIZE X = n, Y = n\" before layer 1");
    return true;
}

bool exp_parse(const char* text, size_t size, ExpFault* fault)
{
    expModel = ExpModel{};
    *fault = ExpFault{};
    rdFault = fault;
    rdAt = text;
    rdEnd = text + size;
    rdNo = 0;
    expSink = rd_check;
    expLinesOk = true;
    rd_next();
    if (!rd_size())
        return false;
    for (int last = 0; rdLine; rd_next()) {
        long k;
        if (!rd_scan(EXP_LAYER, &k))
            return RD_FAIL(rdNo == 1 ? "expected a model file: \"SIZE X = n, Y = n\" or \"LAYER : n ____...\""
                                     : "expected \"LAYER : n ____...\" or the end of the file");
        if (!rd_order(k, last) || !rd_layer(k - 1))
            return false;
        last = k;
    }
    return true;
}

void init_model()
{
    for (int i = 0; i < ED_LAYERS; i++)
        if (expModel.layer[i].count > 0)
            ed[i] = expModel.layer[i];
    if (expModel.sizeX > 0) {
        cm.sizeX = expModel.sizeX;
        cm.sizeY = expModel.sizeY;
    }
    edit_mode_setter();
    expSaved = exp_fingerprint();
}
