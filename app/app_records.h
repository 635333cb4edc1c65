// Global records of the editor: the model, settings, timing, animation, input,
// sound and font state, and the screen layout they are drawn by. Every
// subsystem includes this header; the records are defined once in
// app/app_records.cpp and live for the whole run.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <GL/gl.h>

constexpr int WIH = 300, WIW = 400;  // half window height and width
enum { ED_LAYERS = 6, ED_MAXVERT = 256, ED_SLOTS = ED_MAXVERT + 1, ED_TYPES = 10 };
enum { BG_COLORS = 9 };  // what the background colour chooses from
// The states the records hold, under the values they have always had.
enum { GM_SELECT = 0, GM_EDITOR = 1, GM_QUIT = 100 };     // gm: joystick selection, editor, quit requested
enum { PANE_PANEL = 0, PANE_CANVAS = 1 };                 // cm.pane: what has the input
enum { DESIGN_DRAW = 0, DESIGN_COLOR = 1 };               // cm.designMode
enum { VIEW_OFF, VIEW_WIRE, VIEW_FILL, VIEW_MODES };      // a layer's view
// A layer's colorSel: its own colour, that colour being edited, or a colour
// per vertex (any value from COLOR_PER_VERTEX up).
enum { COLOR_LAYER_EDIT = -2, COLOR_LAYER = -1, COLOR_PER_VERTEX = 0 };
constexpr int VERTEX_NONE = -1;                           // cm.selVertex and the hit test: no vertex
enum { PULSE_UP, PULSE_DOWN };                            // ALP.titleDir: where the title's alpha goes
// The model area's half size and the cursor's step, as the panel bounds them.
enum { ED_SIZE_MIN = 2, ED_SIZE_MAX = 400, ED_MOVE_MAX = 100 };
enum { JOY_SLOTS = 16, SE_COUNT = 9, BGM_COUNT = 3 };
// snd.bgm: the music number, BGM_FIRST to BGM_LAST playing; BGM_OFF and any
// other number are silence.
enum { BGM_OFF = 0, BGM_FIRST = 1, BGM_LAST = BGM_COUNT };
enum { PATH_SIZE = 512 };

// The screen layout in window coordinates: every fixed place on screen is
// named here, and each that follows from another is written as it follows.
constexpr int LAY_LINE = 6;         // one line of small text
constexpr int LAY_LEFT = 10 - WIW;  // where the title, the panel and the footer start
// The lines of every screen: the title and version on the top row; at the
// bottom, one line apart, the culling flag, a rule and the footer, with the
// frame rate at the flag's x.
constexpr int LAY_TOP_ROW = 6 - WIH, LAY_VERSION_X = 178 - WIW;
constexpr int LAY_FOOTER_Y = WIH - 12, LAY_RULE_Y = LAY_FOOTER_Y - LAY_LINE, LAY_CULL_Y = LAY_RULE_Y - LAY_LINE;
constexpr int LAY_FPS_X = WIW - 64;
// The loaders' progress screen and the joystick selection screen, by their first lines.
constexpr int LAY_PROGRESS_X = -42, LAY_PROGRESS_Y = -42;
constexpr int LAY_SELECT_X = -54, LAY_SELECT_Y = -24;

// The settings panel column, its item lines (titles a glyph to their left),
// where its values start and where each section starts.
constexpr int LAY_PANEL_L = LAY_LEFT, LAY_PANEL_R = -270;
constexpr int LAY_ITEMS = LAY_PANEL_L + LAY_LINE, LAY_VALUES = LAY_PANEL_L + 78;
constexpr int LAY_ROW_GLOBAL = 42 - WIH, LAY_ROW_LAYER = 102 - WIH, LAY_ROW_PREVIEW = 186 - WIH,
              LAY_ROW_BACK = WIH - 84, LAY_ROW_OTHER = WIH - 48;
// The preview boxes below the preview row. A halved box holds a still drawing
// in its left half and a spinning one in its right, each half split again
// through its drawing; a whole box holds one still drawing in the middle.
struct LayBox { int top, bottom; bool halved; };
constexpr LayBox LAY_PREVIEWS[3] = {{12, 72, true}, {78, 138, true}, {144, 264, false}};
constexpr int LAY_PREVIEW_MID = (LAY_PANEL_L + LAY_PANEL_R) / 2;
constexpr int LAY_PREVIEW_STILL = (LAY_PANEL_L + LAY_PREVIEW_MID) / 2;
constexpr int LAY_PREVIEW_SPIN = (LAY_PREVIEW_MID + LAY_PANEL_R) / 2;

// The canvas frame, level with the panel's first section; the MODEL DESIGN
// status block over its top left corner; the modelling clock's anchor (its
// text starts 18 to the left) at the top right; and the model's origin,
// window (LAY_CANVAS_X, 0).
constexpr int LAY_CANVAS_L = -258, LAY_CANVAS_T = LAY_ROW_GLOBAL, LAY_CANVAS_R = WIW - 10, LAY_CANVAS_B = WIH - 24;
constexpr int LAY_STATUS_X = LAY_CANVAS_L, LAY_STATUS_Y = LAY_CANVAS_T - 18;
constexpr int LAY_CLOCK_X = WIW - 148, LAY_CLOCK_Y = 18 - WIH;
constexpr int LAY_CANVAS_X = 60;

struct EdLayer {
    const char* modeLabel;
    int view;      // VIEW_OFF, VIEW_WIRE or VIEW_FILL
    int colorSel;  // COLOR_LAYER, COLOR_LAYER_EDIT, or from COLOR_PER_VERTEX up
    int count;
    int drawType;  // the GL primitive value, 0 .. ED_TYPES - 1
    double r, g, b, a;
    double vr[ED_SLOTS], vg[ED_SLOTS], vb[ED_SLOTS], va[ED_SLOTS];
    double vx[ED_SLOTS], vy[ED_SLOTS];
};

struct CmRec {
    int pane, winToggle, cullFace, bgColor, gridSpan, cursorMove, antiAlias;
    int scale, layer, designMode, selVertex, curX, curY, sizeX, sizeY;
    int menuItem, colorChannel, prevScale1, prevScale2, prevScale3;
    int rowGlobal, rowLayer, rowPreview, rowBack, rowOther;
};

struct TmRec {
    int fps, fpsCount, framePeriod;
    Uint32 fpsStamp, now, frameEnd, moveStamp, pressStamp, cullStamp;
    unsigned timeH, timeM, timeS, timeF;
};

struct AlpRec {
    int titleDir;
    double titleAlpha, spin, blink;
};

struct InpRec {
    int up, down, left, right, btnA, btnB, btnC, btnD;
};

struct SndRec {
    int bgm, seRotor, bgmVolume, seVolume;
};

extern EdLayer ed[ED_LAYERS];
extern CmRec cm;
extern TmRec tm;
extern AlpRec ALP;
extern int gm;  // GM_SELECT, GM_EDITOR or GM_QUIT
extern InpRec INP, JOY, KEY;
extern SDL_Joystick* Joy[JOY_SLOTS];
extern int joyNum, useJ;
extern SndRec snd;
extern Mix_Chunk* seSrcC[SE_COUNT];
extern Mix_Music* BGMsrc[BGM_COUNT];
extern GLuint imgFontA[2], imgFontB[2];
extern double alB;
extern char dataPassM[PATH_SIZE];

// The 12-character panel label of each draw type, indexed by drawType.
extern const char* const edModeLabels[];

// Whether every row of a table names its own index (rows[k].item == k), so a
// missing or misplaced row can fail the build.
template <class Row, int n>
constexpr bool tbl_in_order(const Row (&rows)[n])
{
    for (int k = 0; k < n; k++)
        if (rows[k].item != k)
            return false;
    return true;
}

void init_common();
void init_editer();
void init_layer(EdLayer& l);  // a layer as a fresh start leaves it
void edit_mode_setter();
// The four channels of the current layer's vertex k, or of the layer's own colour for k = VERTEX_NONE.
void edit_channels(double* ch[4], int k);
int edit_same_pos();  // the last vertex of the current layer under the cursor, or VERTEX_NONE
// The name SDL gives joystick `index`, or "" when it gives none.
const char* joy_name(int index);
