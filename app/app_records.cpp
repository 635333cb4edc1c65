// Storage of the global records, their defaults and the helpers that every
// subsystem shares (draw-type labels, colour channels, the vertex hit test,
// joystick names).
#include "app/app_records.h"

#include <algorithm>
#include <iterator>

EdLayer ed[ED_LAYERS];
CmRec cm;
TmRec tm;
AlpRec ALP;
int gm;
InpRec INP, JOY, KEY;
SDL_Joystick* Joy[JOY_SLOTS];
int joyNum, useJ;
SndRec snd;
Mix_Chunk* seSrcC[SE_COUNT];
Mix_Music* BGMsrc[BGM_COUNT];
GLuint imgFontA[2], imgFontB[2];
double alB = 0.5;
char dataPassM[PATH_SIZE] = "/Users/";

const char* const edModeLabels[] = {
    "      POINTS", "       LINES", "   LINE_LOOP", "  LINE_STRIP", "   TRIANGLES",
    "TRIANGLSTRIP", "TRIANGLE_FAN", "       QUADS", "  QUAD_STRIP", "     POLYGON",
};
static_assert(std::size(edModeLabels) == ED_TYPES, "a label for every draw type");

// Every setting not named here starts at 0.
void init_common()
{
    cm = CmRec();
    cm.pane = PANE_CANVAS;
    cm.gridSpan = 6;
    cm.cursorMove = 1;
    cm.scale = 1800;
    cm.selVertex = VERTEX_NONE;
    cm.sizeX = 12;
    cm.sizeY = 12;
    cm.prevScale1 = 50;
    cm.prevScale2 = 100;
    cm.prevScale3 = 400;
    cm.rowGlobal = LAY_ROW_GLOBAL;
    cm.rowLayer = LAY_ROW_LAYER;
    cm.rowPreview = LAY_ROW_PREVIEW;
    cm.rowBack = LAY_ROW_BACK;
    cm.rowOther = LAY_ROW_OTHER;
    snd.bgm = BGM_OFF;
}

void init_layer(EdLayer& l)
{
    l.view = VIEW_FILL;
    l.colorSel = COLOR_LAYER;
    l.count = 0;
    l.r = 0.0;
    l.g = 1.0;
    l.b = 1.0;
    l.a = 0.3;
    l.drawType = GL_TRIANGLE_FAN;
    for (int j = 0; j < ED_SLOTS; j++) {
        l.vr[j] = 0.0;
        l.vg[j] = 1.0;
        l.vb[j] = 1.0;
        l.va[j] = 0.3;
        l.vx[j] = 0.0;
        l.vy[j] = 0.0;
    }
}

void init_editer()
{
    for (EdLayer& l : ed)
        init_layer(l);
    edit_mode_setter();
}

void edit_mode_setter()
{
    for (EdLayer& l : ed) {
        l.drawType = std::clamp(l.drawType, 0, ED_TYPES - 1);
        l.modeLabel = edModeLabels[l.drawType];
    }
}

void edit_channels(double* ch[4], int k)
{
    EdLayer& l = ed[cm.layer];
    ch[0] = k == VERTEX_NONE ? &l.r : &l.vr[k];
    ch[1] = k == VERTEX_NONE ? &l.g : &l.vg[k];
    ch[2] = k == VERTEX_NONE ? &l.b : &l.vb[k];
    ch[3] = k == VERTEX_NONE ? &l.a : &l.va[k];
}

int edit_same_pos()
{
    const EdLayer& l = ed[cm.layer];
    for (int n = l.count - 1; n >= 0; n--)
        if (l.vx[n] == (double)cm.curX && l.vy[n] == (double)cm.curY)
            return n;
    return VERTEX_NONE;
}

const char* joy_name(int index)
{
    const char* name = SDL_JoystickName(index);
    return name ? name : "";
}
