// Settings panel commands: the item cursor, each item's value steps and
// limits, and the buttons that run commands or hand the input to the canvas.
#include "app/app.h"
#include "export/export.h"
#include "input/input.h"
#include "sound/sound.h"

enum { ITEM_LAST = 30, ITEM_ANTIALIAS = 5, ITEM_LAYER_FIRST = 8, ITEM_LAYER_LAST = 19,
       ITEM_BGM = 23, ITEM_EXPORT = 27, ITEM_SCREEN = 28, ITEM_RESET = 29, ITEM_QUIT = 30 };

struct PanelValue {
    int* field;  // null on the command items
    int step;
};

static PanelValue inp_item_value(int item)
{
    if (item >= ITEM_LAYER_FIRST && item <= ITEM_LAYER_LAST) {
        EdLayer& L = ed[(item - ITEM_LAYER_FIRST) / 2];
        return {item % 2 == 0 ? &L.view : &L.drawType, 1};
    }
    switch (item) {
    case 0: return {&cm.scale, 50};
    case 1: return {&cm.sizeX, 2};
    case 2: return {&cm.sizeY, 2};
    case 3: return {&cm.gridSpan, 1};
    case 4: return {&cm.cursorMove, 1};
    case ITEM_ANTIALIAS: return {&cm.antiAlias, 1};
    case 6: return {&cm.layer, 1};
    case 7: return {&cm.designMode, 1};
    case 20: return {&cm.prevScale1, 5};
    case 21: return {&cm.prevScale2, 5};
    case 22: return {&cm.prevScale3, 5};
    case ITEM_BGM: return {&snd.bgm, 1};
    case 24: return {&snd.bgmVolume, 2};
    case 25: return {&snd.seVolume, 2};
    case 26: return {&cm.bgColor, 1};
    default: return {nullptr, 0};
    }
}

static void inp_clamp(int& v, int lo, int hi)
{
    if (v > hi)
        v = hi;
    else if (v < lo)
        v = lo;
}

static void inp_item_step(int item)
{
    PanelValue pv = inp_item_value(item);
    if (!pv.field)
        return;
    int dir = INP.left ? -1 : INP.right ? 1 : 0;
    if (dir != 0) {
        SE(0);
        *pv.field = item == ITEM_ANTIALIAS ? (dir > 0) : *pv.field + dir * pv.step;
        // The music follows at once, even to numbers the clamp will pull back (they stop it).
        if (item == ITEM_BGM)
            BGM(snd.bgm, -1);
    }
    if (item >= ITEM_LAYER_FIRST && item <= ITEM_LAYER_LAST) {
        if (item % 2 == 0)
            inp_clamp(*pv.field, 0, 2);
        else
            edit_mode_setter();
    }
}

static void inp_panel_limits()
{
    inp_clamp(cm.scale, 50, 3000);
    inp_clamp(cm.sizeX, 2, 400);
    inp_clamp(cm.sizeY, 2, 400);
    inp_clamp(cm.cursorMove, 1, 100);
    inp_clamp(cm.gridSpan, 0, 100);
    inp_clamp(cm.antiAlias, 0, 1);
    inp_clamp(cm.layer, 0, ED_LAYERS - 1);
    inp_clamp(cm.designMode, 0, 1);
    inp_clamp(cm.prevScale1, 5, 1000);
    inp_clamp(cm.prevScale2, 5, 1000);
    inp_clamp(cm.prevScale3, 5, 1000);
    inp_clamp(snd.bgm, 0, 4);
    inp_clamp(snd.bgmVolume, 0, 126);
    Mix_VolumeMusic(snd.bgmVolume);
    inp_clamp(snd.seVolume, 0, 126);
    Mix_Volume(-1, snd.seVolume);
    inp_clamp(cm.bgColor, 0, 8);
    if (cm.menuItem > ITEM_LAST)
        cm.menuItem = 0;
    else if (cm.menuItem < 0)
        cm.menuItem = ITEM_LAST;
}

void inp_mode0_cur()
{
    if (INP.up) {
        SE(0);
        cm.menuItem -= 1;
    } else if (INP.down) {
        SE(0);
        cm.menuItem += 1;
    } else {
        inp_item_step(cm.menuItem);
    }
    inp_panel_limits();
}

static void inp_item_confirm(int item)
{
    switch (item) {
    case ITEM_EXPORT:
        SE(1);
        edit_data(0);
        break;
    case ITEM_SCREEN:
        init_win(&cm.winToggle);  // hands the input to the canvas itself
        SE(1);
        break;
    case ITEM_RESET:
        SE(1);
        init_common();
        init_editer();
        break;
    case ITEM_QUIT:
        gm = 100;
        break;
    default:
        SE(1);
        cm.pane += 1;
        if (item >= ITEM_LAYER_FIRST && item <= ITEM_LAYER_LAST)
            cm.layer = (item - ITEM_LAYER_FIRST) / 2;
    }
}

// SCREEN MODE hands the input over before its cue, as its confirm does.
static void inp_item_cancel(int item)
{
    if (item == ITEM_SCREEN) {
        cm.pane += 1;
        SE(2);
        return;
    }
    SE(2);
    cm.pane += 1;
}

void inp_mode0_btm()
{
    if (INP.btnA)
        inp_item_confirm(cm.menuItem);
    else if (INP.btnB)
        inp_item_cancel(cm.menuItem);
}
