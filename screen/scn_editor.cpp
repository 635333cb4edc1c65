// The editor frame: input first, so an edit shows in the same frame, then the
// canvas, the model in its six placements, the markers and the text pass.
#include "app/app.h"
#include "input/input.h"
#include "screen/screen.h"

// Scale factor, angle and origin of one drawing of the model.
struct EdPlace {
    double scale, angle, x, y;
};

static void edit_model_all()
{
    const double spin = ALP.spin;
    const double p1 = cm.prevScale1 * PERCENT, p2 = cm.prevScale2 * PERCENT, p3 = cm.prevScale3 * PERCENT;
    const EdPlace places[6] = {
        {edit_scale(), 0, CANVAS_X, 0},
        {p1, 0, -360, cm.rowPreview + 42.0},
        {p1, spin, -300, cm.rowPreview + 42.0},
        {p2, 0, -360, cm.rowPreview + 108.0},
        {p2, spin, -300, cm.rowPreview + 108.0},
        {p3, 0, -330, cm.rowPreview + 204.0},
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
