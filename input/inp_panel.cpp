// Settings panel commands: the item cursor, each item's value steps and
// limits, and the buttons that run commands or hand the input to the canvas.
#include <algorithm>
#include <iterator>

#include "app/app.h"
#include "export/export.h"
#include "input/input.h"
#include "sound/sound.h"

constexpr PanelItemDef panelItems[] = {
    {ITEM_SCALE, &cm.scale, 50, 50, 3000},
    {ITEM_SIZE_X, &cm.sizeX, 2, ED_SIZE_MIN, ED_SIZE_MAX},
    {ITEM_SIZE_Y, &cm.sizeY, 2, ED_SIZE_MIN, ED_SIZE_MAX},
    {ITEM_GRID_SPAN, &cm.gridSpan, 1, 0, 100},
    {ITEM_CURSOR_MOVE, &cm.cursorMove, 1, 1, ED_MOVE_MAX},
    {ITEM_ANTIALIAS, &cm.antiAlias, 1, 0, 1},
    {ITEM_LAYER, &cm.layer, 1, 0, ED_LAYERS - 1},
    {ITEM_DESIGN_MODE, &cm.designMode, 1, DESIGN_DRAW, DESIGN_COLOR},
    {ITEM_VIEW_1, &ed[0].view, 1, VIEW_OFF, VIEW_MODES - 1}, {ITEM_TYPE_1, &ed[0].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_2, &ed[1].view, 1, VIEW_OFF, VIEW_MODES - 1}, {ITEM_TYPE_2, &ed[1].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_3, &ed[2].view, 1, VIEW_OFF, VIEW_MODES - 1}, {ITEM_TYPE_3, &ed[2].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_4, &ed[3].view, 1, VIEW_OFF, VIEW_MODES - 1}, {ITEM_TYPE_4, &ed[3].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_5, &ed[4].view, 1, VIEW_OFF, VIEW_MODES - 1}, {ITEM_TYPE_5, &ed[4].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_6, &ed[5].view, 1, VIEW_OFF, VIEW_MODES - 1}, {ITEM_TYPE_6, &ed[5].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_PREVIEW_1, &cm.prevScale1, 5, 5, 1000},
    {ITEM_PREVIEW_2, &cm.prevScale2, 5, 5, 1000},
    {ITEM_PREVIEW_3, &cm.prevScale3, 5, 5, 1000},
    {ITEM_BGM, &snd.bgm, 1, BGM_OFF, BGM_LAST + 1},  // silence at either end
    {ITEM_BGM_VOLUME, &snd.bgmVolume, 2, 0, 126},
    {ITEM_SE_VOLUME, &snd.seVolume, 2, 0, 126},
    {ITEM_BG_COLOR, &cm.bgColor, 1, 0, BG_COLORS - 1},
    {ITEM_EXPORT, nullptr, 0, 0, 0},
    {ITEM_SCREEN, nullptr, 0, 0, 0},
    {ITEM_RESET, nullptr, 0, 0, 0},
    {ITEM_QUIT, nullptr, 0, 0, 0},
};

static_assert(tbl_in_order(panelItems), "one row for every panel item, in item order");

const PanelSectionDef panelSections[SEC_COUNT] = {
    {ITEM_SCALE, ITEM_DESIGN_MODE, &cm.rowGlobal},
    {ITEM_VIEW_1, ITEM_TYPE_6, &cm.rowLayer},
    {ITEM_PREVIEW_1, ITEM_PREVIEW_3, &cm.rowPreview},
    {ITEM_BGM, ITEM_BG_COLOR, &cm.rowBack},
    {ITEM_EXPORT, ITEM_QUIT, &cm.rowOther},
};

int panel_section(int item)
{
    int s = 0;
    while (item > panelSections[s].last)
        s++;
    return s;
}

static_assert(ITEM_PREVIEW_3 - ITEM_PREVIEW_1 + 1 == std::size(LAY_PREVIEWS), "a box for every preview");

int panel_line(int item)
{
    const int s = panel_section(item), i = item - panelSections[s].first;
    return s == SEC_PREVIEW ? LAY_PREVIEWS[i].top - LAY_LINE : LAY_LINE * (i + 1);
}

int panel_box_height(int section)
{
    return section == SEC_PREVIEW ? LAY_PREVIEWS[2].bottom : panel_line(panelSections[section].last) + LAY_LINE;
}

int panel_layer(int item)
{
    return (item - ITEM_VIEW_1) / 2;
}

bool panel_is_type(int item)
{
    return panel_section(item) == SEC_LAYER && (item - ITEM_VIEW_1) % 2 == 1;
}

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
    case ITEM_EXPORT:
        SE(CUE_CONFIRM);
        edit_data(0);
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
