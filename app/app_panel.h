// The settings panel as every subsystem sees it: its items in their fixed
// order, each with its label, the value left and right change and that
// value's step and range; the five sections the items fall in, with their
// titles and rows; and where an item's line and a section's box stand.
#pragma once

#include "app/app_records.h"

enum PanelItem {
    ITEM_SCALE, ITEM_SIZE_X, ITEM_SIZE_Y, ITEM_GRID_SPAN, ITEM_CURSOR_MOVE, ITEM_ANTIALIAS, ITEM_LAYER,
    ITEM_DESIGN_MODE,
    ITEM_VIEW_1, ITEM_TYPE_1, ITEM_VIEW_2, ITEM_TYPE_2, ITEM_VIEW_3, ITEM_TYPE_3,  // each layer's view and
    ITEM_VIEW_4, ITEM_TYPE_4, ITEM_VIEW_5, ITEM_TYPE_5, ITEM_VIEW_6, ITEM_TYPE_6,  // primitive type
    ITEM_PREVIEW_1, ITEM_PREVIEW_2, ITEM_PREVIEW_3,
    ITEM_BGM, ITEM_BGM_VOLUME, ITEM_SE_VOLUME, ITEM_BG_COLOR,
    ITEM_EXPORT, ITEM_SCREEN, ITEM_RESET, ITEM_QUIT,
};
// Outside the enumeration, so that a switch over the items must name each.
constexpr int ITEM_COUNT = ITEM_QUIT + 1;
static_assert(ITEM_TYPE_6 - ITEM_VIEW_1 + 1 == 2 * ED_LAYERS, "two items for every layer");
enum PanelSection { SEC_GLOBAL, SEC_LAYER, SEC_PREVIEW, SEC_BACK, SEC_OTHER, SEC_COUNT };

struct PanelItemDef {
    int item;           // the row's own item, so a missing or misplaced row fails the build
    const char* label;  // its text up to where the value starts (a layer's lines add its number or a blank first)
    int* field;         // what left and right change; null on the command items
    int step, lo, hi;   // its step and the range it is held in
};
struct PanelSectionDef {
    int first, last;
    int* row;
    const char* title;
};
extern const PanelItemDef panelItems[ITEM_COUNT];
extern const PanelSectionDef panelSections[SEC_COUNT];
int panel_section(int item);
int panel_line(int item);      // where its line stands below its section's row
int panel_box_height(int section);
int panel_layer(int item);     // the layer of a LAYER item
bool panel_is_type(int item);  // a layer's primitive-type item
