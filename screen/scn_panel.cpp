// The settings panel: the item cursor (bar and value arrows) and the text of
// its five sections, with the current section and item in the highlight face.
#include <iterator>

#include "app/app.h"
#include "gfx/gfx.h"
#include "input/input.h"
#include "screen/screen.h"

// Draws the line of one item of a section in the given face and alpha.
typedef void (*ScnLine)(int item, ScnFont font, double alpha, double x, double y);

static const char* const scnTitles[] = {"GLOBAL______________", "LAYER_______________", "PREVIEW_____________",
                                        "BACKGROUND__________", "OTHER_______________"};
static_assert(std::size(scnTitles) == SEC_COUNT, "a title for every section");
const char* const scnViewNames[] = {"OFF", "WIRE", "FILL"};
static_assert(std::size(scnViewNames) == VIEW_MODES, "a name for every view mode");

static void scn_A_text(int s, ScnLine line, double x, double y)
{
    fontB(0, alB, x - 6, y, "%s", scnTitles[s]);
    for (int k = panelSections[s].first; k <= panelSections[s].last; k++)
        line(k, imgFontB, alB, x, y);
}

// The title and the current item's line again in the highlight face, while
// the panel has the input and its cursor is in this section.
static void scn_A_mark(int s, ScnLine mark, double alpha, double x, double y)
{
    if (cm.pane != PANE_PANEL || panel_section(cm.menuItem) != s)
        return;
    fontA(0, 1, x - 6, y, "%s", scnTitles[s]);
    mark(cm.menuItem, imgFontA, alpha, x, y);
}

static void scn_A_section(int s, ScnLine line, ScnLine mark, double alpha, double x, double y)
{
    scn_A_text(s, line, x, y);
    scn_A_mark(s, mark, alpha, x, y);
}

static int scn_A_line(int k)
{
    return *panelSections[panel_section(k)].row + panel_line(k);
}

// y is where the first item's line stands; the bar goes to the current one's.
void scn_A_cursol(double x, double y)
{
    const int k = cm.menuItem;
    if (cm.pane != PANE_PANEL)
        return;
    resetGL(x, y + scn_A_line(k) - scn_A_line(ITEM_SCALE));
    glColor4d(0, 0.5, 1, ALP.blink);
    glCallList(LST_BAR);
    if (!panelItems[k].field)
        return;
    glColor4d(0, 1, 1, 1);
    glCallList(panel_is_type(k) ? LST_ARROWS_WIDE : LST_ARROWS);
}

static void scn_A_common_line(int k, ScnFont font, double a, double x, double y)
{
    const double ly = y + panel_line(k);
    switch (k) {
    case ITEM_SCALE: fontIn(font, 0, a, x, ly, "SCALE      :%5d%%", cm.scale); break;
    case ITEM_SIZE_X: fontIn(font, 0, a, x, ly, "SIZE X     :%4dpx", 2 * cm.sizeX); break;
    case ITEM_SIZE_Y: fontIn(font, 0, a, x, ly, "SIZE Y     :%4dpx", 2 * cm.sizeY); break;
    case ITEM_GRID_SPAN: fontIn(font, 0, a, x, ly, "GRID SPAN  :%4dpx", cm.gridSpan); break;
    case ITEM_CURSOR_MOVE: fontIn(font, 0, a, x, ly, "CURSOR MOVE:%4dpx", cm.cursorMove); break;
    case ITEM_ANTIALIAS: fontIn(font, 0, a, x, ly, "ANTI-ALIAS :%6s", cm.antiAlias ? "ON" : "OFF"); break;
    case ITEM_LAYER: fontIn(font, 0, a, x, ly, "LAYER      :%6d", cm.layer + 1); break;
    default: fontIn(font, 0, a, x, ly, "DESIGN MODE:%6s", cm.designMode != DESIGN_DRAW ? "COLOR" : "DRAW"); break;
    }
}

// The heading belongs to this section: all its normal text comes first, then
// every highlight over it.
void scn_A_common(double blink, double x, double y)
{
    fontB(1, alB, x - 6, y - 18, "SETTING___");
    scn_A_text(SEC_GLOBAL, scn_A_common_line, x, y);
    if (cm.pane == PANE_PANEL)
        fontA(1, 1, x - 6, y - 18, "SETTING___");
    scn_A_mark(SEC_GLOBAL, scn_A_common_line, blink, x, y);
}

static void scn_A_layer_line(int k, ScnFont font, double a, double x, double y)
{
    const EdLayer& l = ed[panel_layer(k)];
    if (panel_is_type(k))
        fontIn(font, 0, a, x - 6, y + panel_line(k), " MODE: %s", l.modeLabel);
    else
        fontIn(font, 0, a, x - 6, y + panel_line(k), "%d.VIEW      :%6s", panel_layer(k) + 1, scnViewNames[l.view]);
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
    fontIn(font, 0, a, x, y + panel_line(k), "MODE: %s", ed[panel_layer(k)].modeLabel);
}

void scn_A_layers(double, double x, double y)
{
    scn_A_section(SEC_LAYER, scn_A_layer_line, scn_A_layer_mark, 1, x, y);
}

static void scn_A_prview_line(int k, ScnFont font, double a, double x, double y)
{
    fontIn(font, 0, a, x, y + panel_line(k), "SCALE      :%5d%%", *panelItems[k].field);
}

void scn_A_prview(double blink, double x, double y)
{
    scn_A_section(SEC_PREVIEW, scn_A_prview_line, scn_A_prview_line, blink, x, y);
}

static void scn_A_sounds_line(int k, ScnFont font, double a, double x, double y)
{
    const double ly = y + panel_line(k);
    switch (k) {
    case ITEM_BGM:
        if (snd.bgm >= BGM_FIRST && snd.bgm <= BGM_LAST)
            fontIn(font, 0, a, x, ly, "BGM NUMBER :%6d", snd.bgm);
        else
            fontIn(font, 0, a, x, ly, "BGM NUMBER :   OFF");
        break;
    case ITEM_BGM_VOLUME: fontIn(font, 0, a, x, ly, "BGM VOLUME :%6d", snd.bgmVolume); break;
    case ITEM_SE_VOLUME: fontIn(font, 0, a, x, ly, "SE  VOLUME :%6d", snd.seVolume); break;
    default: fontIn(font, 0, a, x, ly, "COLOR      :%6d", cm.bgColor); break;
    }
}

void scn_A_sounds(double blink, double x, double y)
{
    scn_A_section(SEC_BACK, scn_A_sounds_line, scn_A_sounds_line, blink, x, y);
}

static void scn_A_others_line(int k, ScnFont font, double a, double x, double y)
{
    static const char* const texts[] = {"EXPORT TO TEXT", "SCREEN MODE", "RESET ALL", "QUIT"};
    static_assert(std::size(texts) == ITEM_QUIT - ITEM_EXPORT + 1, "a text for every command");
    fontIn(font, 0, a, x, y + panel_line(k), "%s", texts[k - ITEM_EXPORT]);
}

void scn_A_others(double blink, double x, double y)
{
    scn_A_section(SEC_OTHER, scn_A_others_line, scn_A_others_line, blink, x, y);
}
