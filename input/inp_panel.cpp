// Settings panel commands: the item cursor, each item's value steps within
// its limits, and the buttons that run commands or hand the input to the canvas.
#include <algorithm>

#include "app/app.h"
#include "export/export.h"
#include "input/input.h"
#include "sound/sound.h"

static void inp_item_step(int item)
{
    const PanelItemDef& it = panelItems[item];
    if (!it.field)
        return;
    int dir = INP.left ? -1 : INP.right ? 1 : 0;
    if (dir != 0) {
        SE(CUE_STEP);
        *it.field = item == ITEM_ANTIALIAS ? (dir > 0) : *it.field + dir * it.step;
        // The music follows at once, even to numbers the clamp will pull back (they stop it).
        if (item == ITEM_BGM)
            BGM(snd.bgm, -1);
    }
    // A layer's own values are held in range only while their item is current.
    if (panel_is_type(item))
        edit_mode_setter();
    else if (panel_section(item) == SEC_LAYER)
        *it.field = std::clamp(*it.field, it.lo, it.hi);
}

static void inp_panel_limits()
{
    for (int k = 0; k < ITEM_COUNT; k++)
        if (panelItems[k].field && panel_section(k) != SEC_LAYER)
            *panelItems[k].field = std::clamp(*panelItems[k].field, panelItems[k].lo, panelItems[k].hi);
    Mix_VolumeMusic(snd.bgmVolume);
    Mix_Volume(-1, snd.seVolume);
    if (cm.menuItem >= ITEM_COUNT)
        cm.menuItem = 0;
    else if (cm.menuItem < 0)
        cm.menuItem = ITEM_COUNT - 1;
}

void inp_mode0_cur()
{
    if (INP.up || INP.down) {
        SE(CUE_STEP);
        cm.menuItem += INP.up ? -1 : 1;
    } else {
        inp_item_step(cm.menuItem);
    }
    inp_panel_limits();
}

static void inp_item_confirm(int item)
{
    switch (item) {
    case ITEM_EXPORT:  // the cue tells whether the text was written
        edit_data(0);
        SE(expFailure[0] ? CUE_CANCEL : CUE_CONFIRM);
        break;
    case ITEM_SCREEN:
        init_win(&cm.winToggle);  // hands the input to the canvas itself
        SE(CUE_CONFIRM);
        break;
    case ITEM_RESET:
        SE(CUE_CONFIRM);
        init_common();
        init_editer();
        break;
    case ITEM_QUIT:
        gm = GM_QUIT;
        break;
    default:
        SE(CUE_CONFIRM);
        cm.pane += 1;
        if (panel_section(item) == SEC_LAYER)
            cm.layer = panel_layer(item);
    }
}

static void inp_item_cancel()
{
    cm.pane += 1;
    SE(CUE_CANCEL);
}

void inp_mode0_btm()
{
    if (INP.btnA)
        inp_item_confirm(cm.menuItem);
    else if (INP.btnB)
        inp_item_cancel();
}
