// The editor frame: input first, so an edit shows in the same frame, then the
// canvas, the model in its six placements, the markers and the text pass.
#include "app/app.h"
#include "input/input.h"
#include "screen/screen.h"

// Scale factor, angle and origin of one drawing of the model.
struct EdPlace {
    double scale, angle, x, y;
};

// The first two preview boxes hold a still and a spinning drawing side by
// side, the third one still drawing in the middle.
static void edit_model_all()
{
    const double spin = ALP.spin, quarter = (LAY_PANEL_R - LAY_PANEL_L) / 4.0;
    const double left = LAY_PANEL_L + quarter, right = LAY_PANEL_R - quarter, mid = LAY_PANEL_L + 2 * quarter;
    const double p1 = cm.prevScale1 * PERCENT, p2 = cm.prevScale2 * PERCENT, p3 = cm.prevScale3 * PERCENT;
    double y[3];
    for (int i = 0; i < 3; i++)
        y[i] = cm.rowPreview + (LAY_PREVIEWS[i].top + LAY_PREVIEWS[i].bottom) / 2.0;
    const EdPlace places[6] = {
        {edit_scale(), 0, CANVAS_X, 0}, {p1, 0, left, y[0]}, {p1, spin, right, y[0]},
        {p2, 0, left, y[1]},            {p2, spin, right, y[1]}, {p3, 0, mid, y[2]},
    };
    for (const EdPlace& p : places)
        edit_model(p.scale, p.angle, p.x, p.y);
}

void editerSet()
{
    inp_editEngine();
    edit_backs();
    edit_alias_setter(cm.antiAlias);
    edit_model_all();
    edit_alias_setter(0);
    edit_point(edit_scale(), 0, CANVAS_X, 0);
    scn_sets();
    alp_set();
}
