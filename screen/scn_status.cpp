// The design side of the text pass: the canvas cursor, the MODEL DESIGN status
// text with its cursor label and colour read-outs, and the modelling clock.
#include <cstdio>

#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"

static const char scnDesignHead[] = "MODEL DESIGN" "__________________________________________";

void scn_sets()
{
    const double x = LAY_ITEMS;
    scn_A_cursol(LAY_VALUES, cm.rowGlobal + panel_line(ITEM_SCALE));
    scn_B_cursol(edit_scale() * cm.curX, edit_scale() * cm.curY);
    glEnable(GL_TEXTURE_2D);
    scn_A_common(ALP.blink, x, cm.rowGlobal);
    scn_A_layers(ALP.blink, x, cm.rowLayer);
    scn_A_prview(ALP.blink, x, cm.rowPreview);
    scn_A_sounds(ALP.blink, x, cm.rowBack);
    scn_A_others(ALP.blink, x, cm.rowOther);
    scn_B_screen(ALP.blink, LAY_STATUS_X, LAY_STATUS_Y);
    scn_B_timers(alB, LAY_CLOCK_X, LAY_CLOCK_Y);
    scn_tops();
    glDisable(GL_TEXTURE_2D);
}

void scn_B_cursol(double x, double y)
{
    resetGL(x + LAY_CANVAS_X, y);
    if (cm.pane == PANE_CANVAS)
        glColor4d(0, 0.5 * ALP.blink + 0.5, ALP.blink, 1);
    else
        glColor4d(0, 0.5, 1, 0.5);
    if (cm.selVertex != VERTEX_NONE) {
        glCallList(LST_SQUARE);
        return;
    }
    glCallList(LST_PLUS);
    if (edit_same_pos() != VERTEX_NONE) {
        glCallList(LST_SQUARE);
        glRotated(2 * ALP.spin, 0, 0, 1);
        glCallList(LST_RAYS);
    }
}

// The header block: in the normal face always, again in the highlight face
// while the canvas has the input.
static void scn_B_header(ScnFont font, double alpha, double x0, double y0)
{
    const EdLayer& l = ed[cm.layer];
    fontIn(font, 1, alpha, x0, y0, "%s", scnDesignHead);
    fontIn(font, 0, alpha, x0, y0 + 18, "CURRENT LAYER:%d", cm.layer + 1);
    fontIn(font, 0, alpha, x0, y0 + 24, "VIEW MODE:%5s", scnViewNames[l.view]);
    fontIn(font, 0, alpha, x0, y0 + 30, "VERTEX: %3d/%3d", l.count, ED_MAXVERT);
}

static void scn_B_corners(double s)
{
    const double a = 0.8 * alB, left = LAY_CANVAS_X - s * cm.sizeX, right = LAY_CANVAS_X + s * cm.sizeX;
    const double top = -12 - s * cm.sizeY, bottom = 12 + s * cm.sizeY;
    fontB(0, a, left, top, "X:%d,Y:%d", -cm.sizeX, -cm.sizeY);
    fontB(0, a, right, top, "X:%d,Y:%d", cm.sizeX, -cm.sizeY);
    fontB(0, a, left, bottom, "X:%d,Y:%d", -cm.sizeX, cm.sizeY);
    fontB(0, a, right, bottom, "X:%d,Y:%d", cm.sizeX, cm.sizeY);
}

// The cursor label of the current state: its text, whether the dim copy is
// drawn, and which colour the read-outs show (none when rgba stays null).
struct ScnLabel {
    char text[32];
    bool dim;
    double* rgba[4];
};

static ScnLabel scn_B_label()
{
    ScnLabel lb = {{0}, true, {nullptr, nullptr, nullptr, nullptr}};
    const EdLayer& l = ed[cm.layer];
    const int k = edit_same_pos();
    const bool sel = cm.selVertex != VERTEX_NONE;
    if (cm.designMode == DESIGN_DRAW) {
        if (k != VERTEX_NONE)
            snprintf(lb.text, sizeof lb.text, sel ? "No.%d MOVE" : "No.%d MOVE ?", k + 1);
        else
            snprintf(lb.text, sizeof lb.text, "No.%d", l.count + 1);
    } else if (k == VERTEX_NONE) {
        snprintf(lb.text, sizeof lb.text, "ALL COLOR ?");
        lb.dim = l.colorSel == COLOR_LAYER;
        if (l.colorSel == COLOR_LAYER_EDIT)
            edit_channels(lb.rgba, VERTEX_NONE);
    } else if (!sel) {
        snprintf(lb.text, sizeof lb.text, "No.%d VERTEX COLOR ?", k + 1);
    } else {
        snprintf(lb.text, sizeof lb.text, "No.%d VERTEX COLOR", k + 1);
        lb.dim = false;
        edit_channels(lb.rgba, cm.selVertex);
    }
    return lb;
}

static void scn_B_readouts(const ScnLabel& lb, double blink, double x, double y)
{
    static const char channels[] = "RGBA";
    if (!lb.rgba[0])
        return;
    for (int c = 0; c < 4; c++)
        fontB(0, alB, x, y + 4 + 6 * c, " %c:%.2f", channels[c], *lb.rgba[c]);
    const int c = cm.colorChannel;
    fontA(0, blink, x, y + 4 + 6 * c, " %c:%.2f", channels[c], *lb.rgba[c]);
}

void scn_B_screen(double blink, double x0, double y0)
{
    const double s = edit_scale(), cx = s * cm.curX + (LAY_CANVAS_X + 8), cy = s * cm.curY;
    scn_B_corners(s);
    scn_B_header(imgFontB, alB, x0, y0);
    const ScnLabel lb = scn_B_label();
    if (lb.dim && lb.text[0])
        fontB(0, alB, cx, cy - 2, "%s", lb.text);
    if (cm.designMode == DESIGN_DRAW)
        fontB(0, alB, cx, cy + 4, "X:%d,Y:%d", cm.curX, cm.curY);
    if (cm.pane != PANE_CANVAS)
        return;
    scn_B_header(imgFontA, 1, x0, y0);
    if (lb.text[0])
        fontA(0, blink, cx, cy - 2, "%s", lb.text);
    scn_B_readouts(lb, blink, cx, cy);
}

// One frame more on the clock, with at most one carry per frame.
static void scn_B_tick()
{
    const unsigned f = 1000u / (unsigned)tm.framePeriod;
    tm.timeF += 1;
    if (tm.timeF >= f) {
        tm.timeS += 1;
        tm.timeF = 0;
    } else if (tm.timeS > 59) {
        tm.timeM += 1;
        tm.timeS = 0;
    } else if (tm.timeM > 59) {
        tm.timeH += 1;
        tm.timeM = 0;
    } else if (tm.timeH > 59) {
        tm.timeH = tm.timeM = tm.timeS = tm.timeF = 0;
    }
}

void scn_B_timers(double alpha, double x, double y)
{
    scn_B_tick();
    fontB(0, alpha, x - 18, y, "MODELLING TIME:%02u", tm.timeH);
    fontB(0, alpha, x + 84, y, "'%02u", tm.timeM);
    fontB(0, alpha, x + 104, y, "'%02u", tm.timeS);
    fontB(0, alpha, x + 122, y, "'%02u", tm.timeF);
}
