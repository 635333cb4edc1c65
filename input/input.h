// Input: sampling keyboard and joystick into KEY, JOY and INP, the joystick
// selection screen, the editor's time gates and the panel and canvas commands.
#pragma once

#include "app/app_records.h"

void load_input();
void inputEngine();
void inp_selecter();
void end_input();

// The settings panel: its items in their fixed order, in five sections.
enum PanelItem {
    ITEM_SCALE, ITEM_SIZE_X, ITEM_SIZE_Y, ITEM_GRID_SPAN, ITEM_CURSOR_MOVE, ITEM_ANTIALIAS, ITEM_LAYER,
    ITEM_DESIGN_MODE,
    ITEM_VIEW_1, ITEM_TYPE_1, ITEM_VIEW_2, ITEM_TYPE_2, ITEM_VIEW_3, ITEM_TYPE_3,  // each layer's view and
    ITEM_VIEW_4, ITEM_TYPE_4, ITEM_VIEW_5, ITEM_TYPE_5, ITEM_VIEW_6, ITEM_TYPE_6,  // primitive type
    ITEM_PREVIEW_1, ITEM_PREVIEW_2, ITEM_PREVIEW_3,
    ITEM_BGM, ITEM_BGM_VOLUME, ITEM_SE_VOLUME, ITEM_BG_COLOR,
    ITEM_EXPORT, ITEM_SCREEN, ITEM_RESET, ITEM_QUIT,
    ITEM_COUNT
};
static_assert(ITEM_TYPE_6 - ITEM_VIEW_1 + 1 == 2 * ED_LAYERS, "two items for every layer");
enum PanelSection { SEC_GLOBAL, SEC_LAYER, SEC_PREVIEW, SEC_BACK, SEC_OTHER, SEC_COUNT };

struct PanelItemDef {
    int item;          // the row's own item, so a missing or misplaced row fails the build
    int* field;        // what left and right change; null on the command items
    int step, lo, hi;  // its step and the range it is held in
};
struct PanelSectionDef {
    int first, last;
    int* row;
};
extern const PanelItemDef panelItems[ITEM_COUNT];
extern const PanelSectionDef panelSections[SEC_COUNT];
int panel_section(int item);
int panel_line(int item);      // where its line stands below its section's row
int panel_box_height(int section);
int panel_layer(int item);     // the layer of a LAYER item
bool panel_is_type(int item);  // a layer's primitive-type item

// Milliseconds a held key waits before it acts again: a direction, a button or
// the culling key in the editor, an arrow on the joystick selection screen.
constexpr Uint32 INP_STEP_MS = 60, INP_PRESS_MS = 500, INP_SELECT_MS = 1000;
bool inp_gate_open(Uint32 stamp, Uint32 limit);  // more than limit ms since stamp

void inp_editEngine();
void inp_mode0_cur();
void inp_mode0_btm();
void inp_mode1_cur();
void inp_mode1_B1();
void inp_mode1_B2();

// Maps one joystick reading (hat 0, axis 0 = horizontal, axis 1 = vertical,
// buttons 3, 2, 9, 8) onto JOY; inputEngine feeds it from the open device.
void inp_joy_levels(int hat, int axisH, int axisV, int btn3, int btn2, int btn9, int btn8);

// The name SDL gives joystick `index`, or "" when it gives none.
const char* inp_joy_name(int index);
