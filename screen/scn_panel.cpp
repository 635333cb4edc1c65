// The settings panel: the item cursor (bar and value arrows) and the text of
// its five sections, with the current section and item in the highlight face.
#include <cstdio>
#include <iterator>

#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"

// Draws the line of one item of a section in the given face and alpha.
typedef void (*ScnLine)(int item, ScnFont font, double alpha, double x, double y);

const char* const scnViewNames[] = {"OFF", "WIRE", "FILL"};
static_assert(std::size(scnViewNames) == VIEW_MODES, "a name for every view mode");

static void scn_A_text(int s, ScnLine line, double x, double y)
{
    fontB(0, alB, x - 6, y, "%s", panelSections[s].title);
    for (int k = panelSections[s].first; k <= panelSections[s].last; k++)
        line(k, imgFontB, alB, x, y);
}

// The title and the current item's line again in the highlight face, while
// the panel has the input and its cursor is in this section.
static void scn_A_mark(int s, ScnLine mark, double alpha, double x, double y)
{
    if (cm.pane != PANE_PANEL || panel_section(cm.menuItem) != s)
        return;
    fontA(0, 1, x - 6, y, "%s", panelSections[s].title);
    mark(cm.menuItem, imgFontA, alpha, x, y);
}

static void scn_A_section(int s, ScnLine line, ScnLine mark, double alpha, double x, double y)
{
    scn_A_text(s, line, x, y);
    scn_A_mark(s, mark, alpha, x, y);
}

static int scn_A_row(int k)
{
    return *panelSections[panel_section(k)].row + panel_line(k);
}

// y is where the first item's line stands; the bar goes to the current one's.
void scn_A_cursol(double x, double y)
{
    const int k = cm.menuItem;
    if (cm.pane != PANE_PANEL)
        return;
    resetGL(x, y + scn_A_row(k) - scn_A_row(ITEM_SCALE));
    glColor4d(0, 0.5, 1, ALP.blink);
    glCallList(LST_BAR);
    if (!panelItems[k].field)
        return;
    glColor4d(0, 1, 1, 1);
    glCallList(panel_is_type(k) ? LST_ARROWS_WIDE : LST_ARROWS);
}

// What an item shows after its label; nothing on the commands.
static void scn_A_value(int k, char (&v)[16])
{
    const int n = panelItems[k].field ? *panelItems[k].field : 0;
    switch ((PanelItem)k) {
    case ITEM_SCALE: case ITEM_PREVIEW_1: case ITEM_PREVIEW_2: case ITEM_PREVIEW_3:
        snprintf(v, sizeof v, "%5d%%", n);
        break;
    case ITEM_SIZE_X: case ITEM_SIZE_Y: snprintf(v, sizeof v, "%4dpx", 2 * n); break;  // the whole of a half size
    case ITEM_GRID_SPAN: case ITEM_CURSOR_MOVE: snprintf(v, sizeof v, "%4dpx", n); break;
    case ITEM_ANTIALIAS: snprintf(v, sizeof v, "%6s", n ? "ON" : "OFF"); break;
    case ITEM_LAYER: snprintf(v, sizeof v, "%6d", n + 1); break;
    case ITEM_DESIGN_MODE: snprintf(v, sizeof v, "%6s", n != DESIGN_DRAW ? "COLOR" : "DRAW"); break;
    case ITEM_VIEW_1: case ITEM_VIEW_2: case ITEM_VIEW_3: case ITEM_VIEW_4: case ITEM_VIEW_5: case ITEM_VIEW_6:
        snprintf(v, sizeof v, "%6s", scnViewNames[n]);
        break;
    case ITEM_TYPE_1: case ITEM_TYPE_2: case ITEM_TYPE_3: case ITEM_TYPE_4: case ITEM_TYPE_5: case ITEM_TYPE_6:
        snprintf(v, sizeof v, "%s", ed[panel_layer(k)].modeLabel);
        break;
    case ITEM_BGM:
        if (n >= BGM_FIRST && n <= BGM_LAST)
            snprintf(v, sizeof v, "%6d", n);
        else
            snprintf(v, sizeof v, "%6s", "OFF");
        break;
    case ITEM_BGM_VOLUME: case ITEM_SE_VOLUME: case ITEM_BG_COLOR: snprintf(v, sizeof v, "%6d", n); break;
    case ITEM_EXPORT: case ITEM_SCREEN: case ITEM_RESET: case ITEM_QUIT: v[0] = 0; break;
    }
}

static void scn_A_line(int k, ScnFont font, double a, double x, double y)
{
    char v[16];
    scn_A_value(k, v);
    fontIn(font, 0, a, x, y + panel_line(k), "%s%s", panelItems[k].label, v);
}

// The heading belongs to this section: all its normal text comes first, then
// every highlight over it.
void scn_A_common(double blink, double x, double y)
{
    fontB(1, alB, x - 6, y - 18, "SETTING___");
    scn_A_text(SEC_GLOBAL, scn_A_line, x, y);
    if (cm.pane == PANE_PANEL)
        fontA(1, 1, x - 6, y - 18, "SETTING___");
    scn_A_mark(SEC_GLOBAL, scn_A_line, blink, x, y);
}

// A layer's lines start a glyph early: the view's with the layer's number,
// the type's with a blank.
static void scn_A_layer_line(int k, ScnFont font, double a, double x, double y)
{
    char v[16];
    scn_A_value(k, v);
    if (panel_is_type(k))
        fontIn(font, 0, a, x - 6, y + panel_line(k), " %s%s", panelItems[k].label, v);
    else
        fontIn(font, 0, a, x - 6, y + panel_line(k), "%d.%s%s", panel_layer(k) + 1, panelItems[k].label, v);
}

// A type item lights its layer number on the view line just above and its own
// text without the leading blank, so the same glyph cells are covered.
static void scn_A_layer_mark(int k, ScnFont font, double a, double x, double y)
{
    if (!panel_is_type(k)) {
        scn_A_layer_line(k, font, a, x, y);
        return;
    }
    fontIn(font, 0, a, x - 6, y + panel_line(k - 1), "%d.", panel_layer(k) + 1);
    scn_A_line(k, font, a, x, y);
}

void scn_A_layers(double, double x, double y)
{
    scn_A_section(SEC_LAYER, scn_A_layer_line, scn_A_layer_mark, 1, x, y);
}

void scn_A_prview(double blink, double x, double y)
{
    scn_A_section(SEC_PREVIEW, scn_A_line, scn_A_line, blink, x, y);
}

void scn_A_sounds(double blink, double x, double y)
{
    scn_A_section(SEC_BACK, scn_A_line, scn_A_line, blink, x, y);
}

void scn_A_others(double blink, double x, double y)
{
    scn_A_section(SEC_OTHER, scn_A_line, scn_A_line, blink, x, y);
}
