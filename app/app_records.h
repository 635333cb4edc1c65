// Global records of the editor: the model, settings, timing, animation, input,
// sound and font state. Every subsystem includes this header; the records are
// defined once in app/app_records.cpp and live for the whole run.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <GL/gl.h>

constexpr int WIH = 300, WIW = 400;  // half window height and width
enum { ED_LAYERS = 6, ED_MAXVERT = 256, ED_SLOTS = ED_MAXVERT + 1, ED_TYPES = 10 };
enum { JOY_SLOTS = 16, SE_COUNT = 9, BGM_COUNT = 3 };
enum { PATH_SIZE = 512 };

struct EdLayer {
    const char* modeLabel;
    int view;      // 0 off, 1 wire, 2 fill
    int colorSel;  // -1 layer colour, -2 layer colour being edited, >=0 per vertex
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
extern int gm;  // 0 joystick selection, 1 editor, 100 quit requested
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
extern const char* const edModeLabels[ED_TYPES];

#define RES_DIR "Tessaloom.app/Contents/Resources/init.component/"

void init_common();
void init_editer();
void edit_mode_setter();
int edit_same_pos();
