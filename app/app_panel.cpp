// The settings panel's table: every item's label, value, step and range, the
// sections that cover the items in order, and the geometry of lines and boxes.
#include "app/app_panel.h"

#include <iterator>

constexpr PanelItemDef panelItems[] = {
    {ITEM_SCALE, "SCALE      :", &cm.scale, 50, 50, 3000},
    {ITEM_SIZE_X, "SIZE X     :", &cm.sizeX, 2, ED_SIZE_MIN, ED_SIZE_MAX},
    {ITEM_SIZE_Y, "SIZE Y     :", &cm.sizeY, 2, ED_SIZE_MIN, ED_SIZE_MAX},
    {ITEM_GRID_SPAN, "GRID SPAN  :", &cm.gridSpan, 1, 0, 100},
    {ITEM_CURSOR_MOVE, "CURSOR MOVE:", &cm.cursorMove, 1, 1, ED_MOVE_MAX},
    {ITEM_ANTIALIAS, "ANTI-ALIAS :", &cm.antiAlias, 1, 0, 1},
    {ITEM_LAYER, "LAYER      :", &cm.layer, 1, 0, ED_LAYERS - 1},
    {ITEM_DESIGN_MODE, "DESIGN MODE:", &cm.designMode, 1, DESIGN_DRAW, DESIGN_COLOR},
    {ITEM_VIEW_1, "VIEW      :", &ed[0].view, 1, VIEW_OFF, VIEW_MODES - 1},
    {ITEM_TYPE_1, "MODE: ", &ed[0].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_2, "VIEW      :", &ed[1].view, 1, VIEW_OFF, VIEW_MODES - 1},
    {ITEM_TYPE_2, "MODE: ", &ed[1].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_3, "VIEW      :", &ed[2].view, 1, VIEW_OFF, VIEW_MODES - 1},
    {ITEM_TYPE_3, "MODE: ", &ed[2].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_4, "VIEW      :", &ed[3].view, 1, VIEW_OFF, VIEW_MODES - 1},
    {ITEM_TYPE_4, "MODE: ", &ed[3].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_5, "VIEW      :", &ed[4].view, 1, VIEW_OFF, VIEW_MODES - 1},
    {ITEM_TYPE_5, "MODE: ", &ed[4].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_VIEW_6, "VIEW      :", &ed[5].view, 1, VIEW_OFF, VIEW_MODES - 1},
    {ITEM_TYPE_6, "MODE: ", &ed[5].drawType, 1, 0, ED_TYPES - 1},
    {ITEM_PREVIEW_1, "SCALE      :", &cm.prevScale1, 5, 5, 1000},
    {ITEM_PREVIEW_2, "SCALE      :", &cm.prevScale2, 5, 5, 1000},
    {ITEM_PREVIEW_3, "SCALE      :", &cm.prevScale3, 5, 5, 1000},
    {ITEM_BGM, "BGM NUMBER :", &snd.bgm, 1, BGM_OFF, BGM_LAST + 1},  // silence at either end
    {ITEM_BGM_VOLUME, "BGM VOLUME :", &snd.bgmVolume, 2, 0, 126},
    {ITEM_SE_VOLUME, "SE  VOLUME :", &snd.seVolume, 2, 0, 126},
    {ITEM_BG_COLOR, "COLOR      :", &cm.bgColor, 1, 0, BG_COLORS - 1},
    {ITEM_EXPORT, "EXPORT TO TEXT", nullptr, 0, 0, 0},
    {ITEM_SCREEN, "SCREEN MODE", nullptr, 0, 0, 0},
    {ITEM_RESET, "RESET ALL", nullptr, 0, 0, 0},
    {ITEM_QUIT, "QUIT", nullptr, 0, 0, 0},
};
static_assert(tbl_in_order(panelItems), "one row for every panel item, in item order");

constexpr PanelSectionDef panelSections[] = {
    {ITEM_SCALE, ITEM_DESIGN_MODE, &cm.rowGlobal, "GLOBAL______________"},
    {ITEM_VIEW_1, ITEM_TYPE_6, &cm.rowLayer, "LAYER_______________"},
    {ITEM_PREVIEW_1, ITEM_PREVIEW_3, &cm.rowPreview, "PREVIEW_____________"},
    {ITEM_BGM, ITEM_BG_COLOR, &cm.rowBack, "BACKGROUND__________"},
    {ITEM_EXPORT, ITEM_QUIT, &cm.rowOther, "OTHER_______________"},
};

// Whether each section starts where the one before it ended and the last
// ends on the last item, so that every item has exactly one section.
constexpr bool panel_sections_cover()
{
    int next = 0;
    for (const PanelSectionDef& s : panelSections) {
        if (s.first != next || s.last < s.first)
            return false;
        next = s.last + 1;
    }
    return next == ITEM_COUNT;
}
static_assert(std::size(panelSections) == SEC_COUNT && panel_sections_cover(), "the sections cover the items in order");

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
