// The settings panel: the item cursor (bar and value arrows) and the text of
// its five sections, with the current section and item in the highlight face.
#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"

typedef void (*ScnFont)(int, double, double, double, const char*, ...);
// Draws the line of one item of a section in the given face and alpha.
typedef void (*ScnLine)(int item, ScnFont font, double alpha, double x, double y);

static void scn_A_text(const char* title, int first, int last, ScnLine line, double x, double y)
{
    fontB(0, alB, x - 6, y, "%s", title);
    for (int k = first; k <= last; k++)
        line(k, fontB, alB, x, y);
}

// The title and the current item's line again in the highlight face, while
// the panel has the input and its cursor is in this section.
static void scn_A_mark(const char* title, int first, int last, ScnLine mark, double alpha, double x, double y)
{
    if (cm.pane != 0 || cm.menuItem < first || cm.menuItem > last)
        return;
    fontA(0, 1, x - 6, y, "%s", title);
    mark(cm.menuItem, fontA, alpha, x, y);
}

static void scn_A_section(const char* title, int first, int last, ScnLine line, ScnLine mark,
                          double alpha, double x, double y)
{
    scn_A_text(title, first, last, line, x, y);
    scn_A_mark(title, first, last, mark, alpha, x, y);
}

// Offset of the current item's line from the cursor's row, or -1 for none.
static int scn_A_offset(int k)
{
    if (k < 0 || k > 30)
        return -1;
    if (k <= 7)
        return 6 * k;
    if (k <= 19)
        return 6 * k + 12;
    if (k <= 22)
        return k == 20 ? 144 : k == 21 ? 210 : 276;
    return k <= 26 ? 6 * k + 336 : 6 * k + 348;
}

void scn_A_cursol(double x, double y)
{
    const int k = cm.menuItem, d = scn_A_offset(k);
    if (cm.pane != 0 || d < 0)
        return;
    resetGL(x, y + d);
    glColor4d(0, 0.5, 1, ALP.blink);
    glCallList(20);
    if (k > 26)
        return;
    glColor4d(0, 1, 1, 1);
    glCallList(k >= 9 && k <= 19 && k % 2 == 1 ? 11 : 10);
}

static void scn_A_common_line(int k, ScnFont font, double a, double x, double y)
{
    const double ly = y + 6 * (k + 1);
    switch (k) {
    case 0: font(0, a, x, ly, "SCALE      :%5d%%", cm.scale); break;
    case 1: font(0, a, x, ly, "SIZE X     :%4dpx", 2 * cm.sizeX); break;
    case 2: font(0, a, x, ly, "SIZE Y     :%4dpx", 2 * cm.sizeY); break;
    case 3: font(0, a, x, ly, "GRID SPAN  :%4dpx", cm.gridSpan); break;
    case 4: font(0, a, x, ly, "CURSOR MOVE:%4dpx", cm.cursorMove); break;
    case 5: font(0, a, x, ly, "%s", cm.antiAlias ? "ANTI-ALIAS :    ON" : "ANTI-ALIAS :   OFF"); break;
    case 6: font(0, a, x, ly, "LAYER      :%6d", cm.layer + 1); break;
    default: font(0, a, x, ly, "%s", cm.designMode ? "DESIGN MODE: COLOR" : "DESIGN MODE:  DRAW"); break;
    }
}

// The heading belongs to this section: all its normal text comes first, then
// every highlight over it.
void scn_A_common(double blink, double x, double y)
{
    static const char title[] = "GLOBAL______________";
    fontB(1, alB, x - 6, y - 18, "SETTING___");
    scn_A_text(title, 0, 7, scn_A_common_line, x, y);
    if (cm.pane == 0)
        fontA(1, 1, x - 6, y - 18, "SETTING___");
    scn_A_mark(title, 0, 7, scn_A_common_line, blink, x, y);
}

static const char* scn_A_label(const EdLayer& l)
{
    return l.modeLabel ? l.modeLabel : "";
}

static void scn_A_layer_line(int k, ScnFont font, double a, double x, double y)
{
    static const char* const views[3] = {"%d.VIEW      :   OFF", "%d.VIEW      :  WIRE",
                                         "%d.VIEW      :  FILL"};
    const int i = (k - 8) / 2;
    const EdLayer& l = ed[i];
    if (k % 2 == 1)
        font(0, a, x - 6, y + 12 + 12 * i, " MODE: %s", scn_A_label(l));
    else if (l.view >= 0 && l.view <= 2)
        font(0, a, x - 6, y + 6 + 12 * i, views[l.view], i + 1);
}

// A mode item lights its layer number on the view line and its own text
// without the leading blank, so the same glyph cells are covered.
static void scn_A_layer_mark(int k, ScnFont font, double a, double x, double y)
{
    const int i = (k - 8) / 2;
    if (k % 2 == 0) {
        scn_A_layer_line(k, font, a, x, y);
        return;
    }
    font(0, a, x - 6, y + 6 + 12 * i, "%d.", i + 1);
    font(0, a, x, y + 12 + 12 * i, "MODE: %s", scn_A_label(ed[i]));
}

void scn_A_layers(double, double x, double y)
{
    scn_A_section("LAYER_______________", 8, 19, scn_A_layer_line, scn_A_layer_mark, 1, x, y);
}

static void scn_A_prview_line(int k, ScnFont font, double a, double x, double y)
{
    static const int dy[3] = {6, 72, 138};
    const int* scales[3] = {&cm.prevScale1, &cm.prevScale2, &cm.prevScale3};
    font(0, a, x, y + dy[k - 20], "SCALE      :%5d%%", *scales[k - 20]);
}

void scn_A_prview(double blink, double x, double y)
{
    scn_A_section("PREVIEW_____________", 20, 22, scn_A_prview_line, scn_A_prview_line, blink, x, y);
}

static void scn_A_sounds_line(int k, ScnFont font, double a, double x, double y)
{
    const double ly = y + 6 * (k - 22);
    switch (k) {
    case 23:
        if (snd.bgm >= 1 && snd.bgm <= 3)
            font(0, a, x, ly, "BGM NUMBER :%6d", snd.bgm);
        else
            font(0, a, x, ly, "BGM NUMBER :   OFF");
        break;
    case 24: font(0, a, x, ly, "BGM VOLUME :%6d", snd.bgmVolume); break;
    case 25: font(0, a, x, ly, "SE  VOLUME :%6d", snd.seVolume); break;
    default: font(0, a, x, ly, "COLOR      :%6d", cm.bgColor); break;
    }
}

void scn_A_sounds(double blink, double x, double y)
{
    scn_A_section("BACKGROUND__________", 23, 26, scn_A_sounds_line, scn_A_sounds_line, blink, x, y);
}

static void scn_A_others_line(int k, ScnFont font, double a, double x, double y)
{
    static const char* const texts[4] = {"EXPORT TO TEXT", "SCREEN MODE", "RESET ALL", "QUIT"};
    font(0, a, x, y + 6 * (k - 26), "%s", texts[k - 27]);
}

void scn_A_others(double blink, double x, double y)
{
    scn_A_section("OTHER_______________", 27, 30, scn_A_others_line, scn_A_others_line, blink, x, y);
}
