// Canvas editing commands: cursor moves with wrap-around, placing, carrying and
// removing vertices of the current layer, and channel-by-channel colour tuning.
#include <algorithm>
#include <cassert>
#include <initializer_list>

#include "input/input.h"
#include "sound/sound.h"

static void inp_cursor_step()
{
    int m = cm.cursorMove;
    int dy = INP.up ? -m : INP.down ? m : 0;
    int dx = INP.left ? -m : INP.right ? m : 0;
    if (dx == 0 && dy == 0)
        return;
    SE(CUE_STEP);
    cm.curX += dx;
    cm.curY += dy;
}

static void inp_color_step()
{
    double* ch[4];
    edit_channels(ch, cm.selVertex);
    if (INP.up || INP.down) {
        SE(CUE_STEP);
        cm.colorChannel += INP.up ? -1 : 1;
    } else if (INP.left || INP.right) {
        SE(CUE_STEP);
        *ch[cm.colorChannel] += INP.left ? -0.05 : 0.05;
    }
}

static void inp_wrap(int& v, int half)
{
    if (v < -half)
        v = half;
    else if (v > half)
        v = -half;
}

static void inp_canvas_limits()
{
    inp_wrap(cm.curX, cm.sizeX);
    inp_wrap(cm.curY, cm.sizeY);
    cm.colorChannel = std::clamp(cm.colorChannel, 0, 3);
    double* ch[4];
    for (int k : {VERTEX_NONE, cm.selVertex}) {
        edit_channels(ch, k);
        for (double* v : ch)
            *v = std::clamp(*v, 0.0, 1.0);
    }
}

void inp_mode1_cur()
{
    EdLayer& L = ed[cm.layer];
    // The vertex carried or tuned is one of the current layer's.
    assert(cm.selVertex >= VERTEX_NONE && cm.selVertex < L.count);
    if (cm.designMode == DESIGN_DRAW) {
        inp_cursor_step();
        // The carried vertex follows before the wrap, so it may rest beyond the edge.
        if (cm.selVertex != VERTEX_NONE) {
            L.vx[cm.selVertex] = cm.curX;
            L.vy[cm.selVertex] = cm.curY;
        }
    } else if (cm.designMode == DESIGN_COLOR) {
        if (cm.selVertex == VERTEX_NONE && L.colorSel != COLOR_LAYER_EDIT)
            inp_cursor_step();
        else
            inp_color_step();
    }
    inp_canvas_limits();
}

static void inp_draw_pick()
{
    EdLayer& L = ed[cm.layer];
    cm.selVertex = edit_same_pos();
    if (cm.selVertex != VERTEX_NONE) {
        SE(CUE_CONFIRM);
    } else if (L.count >= ED_MAXVERT) {
        SE(CUE_CANCEL);
    } else {
        L.vx[L.count] = cm.curX;
        L.vy[L.count] = cm.curY;
        L.count += 1;
        SE(CUE_CONFIRM);
    }
}

static void inp_color_pick()
{
    EdLayer& L = ed[cm.layer];
    if (cm.selVertex != VERTEX_NONE) {
        cm.selVertex = VERTEX_NONE;
    } else if (L.colorSel == COLOR_LAYER_EDIT) {
        L.colorSel = COLOR_LAYER;
    } else {
        cm.selVertex = edit_same_pos();
        L.colorSel = cm.selVertex == VERTEX_NONE ? COLOR_LAYER_EDIT : cm.selVertex;
    }
}

void inp_mode1_B1()
{
    if (cm.designMode == DESIGN_DRAW) {
        if (cm.selVertex == VERTEX_NONE) {
            inp_draw_pick();
        } else {
            SE(CUE_CONFIRM);
            cm.selVertex = VERTEX_NONE;
        }
    } else if (cm.designMode == DESIGN_COLOR) {
        SE(CUE_CONFIRM);
        inp_color_pick();
    }
}

void inp_mode1_B2()
{
    EdLayer& L = ed[cm.layer];
    if (cm.designMode == DESIGN_DRAW) {
        SE(CUE_CANCEL);
        if (cm.selVertex != VERTEX_NONE)
            cm.selVertex = VERTEX_NONE;
        else if (L.count > 0)
            L.count -= 1;
    } else if (cm.designMode == DESIGN_COLOR) {
        SE(CUE_CANCEL);
        cm.selVertex = VERTEX_NONE;
        if (L.colorSel == COLOR_LAYER_EDIT)
            L.colorSel = COLOR_LAYER;
    }
}
