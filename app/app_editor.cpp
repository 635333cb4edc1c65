// One editor frame, in its order: the input first, so an edit shows in the
// same frame, then the canvas, the model in its six placements, the markers
// and the text pass, and last the animation phases advance.
#include "app/app.h"
#include "input/input.h"
#include "screen/screen.h"

void editerSet()
{
    inp_editEngine();
    edit_backs();
    edit_alias_setter(cm.antiAlias);
    edit_model_all();
    edit_alias_setter(0);
    edit_point(edit_scale(), 0, LAY_CANVAS_X, 0);
    scn_sets();
    alp_set();
}
