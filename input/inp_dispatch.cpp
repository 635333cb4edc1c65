// The editor's input entry: three time gates pace directions, buttons and the
// culling toggle, and hand what passes them to the panel or the canvas.
#include "app/app.h"
#include "input/input.h"
#include "sound/sound.h"

// The tick counter wraps after 49 days; the unsigned difference stays right across it.
bool inp_gate_open(Uint32 stamp, Uint32 limit)
{
    return tm.now - stamp > limit;
}

static void inp_step_gate()
{
    if (inp_gate_open(tm.moveStamp, INP_STEP_MS)) {
        if (cm.pane == PANE_PANEL)
            inp_mode0_cur();
        else if (cm.pane == PANE_CANVAS)
            inp_mode1_cur();
    } else if (!INP.up && !INP.down && !INP.left && !INP.right) {
        tm.moveStamp = 0;
    }
}

static void inp_pane_switch()
{
    SE(CUE_PANE);
    cm.selVertex = VERTEX_NONE;
    cm.pane += 1;
    if (ed[cm.layer].colorSel == COLOR_LAYER_EDIT)
        ed[cm.layer].colorSel = COLOR_LAYER;
}

static void inp_press_handlers()
{
    if (INP.btnC) {
        inp_pane_switch();
    } else if (cm.pane == PANE_PANEL) {
        inp_mode0_btm();
    } else if (cm.pane == PANE_CANVAS) {
        if (INP.btnA)
            inp_mode1_B1();
        else if (INP.btnB)
            inp_mode1_B2();
    }
}

static void inp_press_gate()
{
    if (inp_gate_open(tm.pressStamp, INP_PRESS_MS)) {
        inp_press_handlers();
        if (cm.pane < PANE_PANEL)
            cm.pane = PANE_CANVAS;
        else if (cm.pane > PANE_CANVAS)
            cm.pane = PANE_PANEL;
    } else if (!INP.btnA && !INP.btnB && !INP.btnC) {
        tm.pressStamp = 0;
    }
}

// Its stamp is never cleared, so a tapped D is paced like a held one.
static void inp_cull_gate()
{
    if (!inp_gate_open(tm.cullStamp, INP_PRESS_MS) || !INP.btnD)
        return;
    cm.cullFace = cm.cullFace == 0;
    cull_set();
    tm.cullStamp = tm.now;
}

void inp_editEngine()
{
    inp_step_gate();
    inp_press_gate();
    inp_cull_gate();
}
