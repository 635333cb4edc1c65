// The joystick selection screen's keys: it is drawn, then "z" (or at most one
// joystick) hands over to the editor, and the keyboard arrows step the choice
// at most once a second.
#include <algorithm>

#include "input/input.h"
#include "screen/screen.h"
#include "sound/sound.h"

static void inp_sel_step()
{
    if (!inp_gate_open(tm.moveStamp, INP_SELECT_MS)) {
        if (KEY.up == 0 && KEY.down == 0)
            tm.moveStamp = 0;
    } else if (KEY.up == 1) {
        useJ -= 1;
        tm.moveStamp = tm.now;
    } else if (KEY.down == 1) {
        useJ += 1;
        tm.moveStamp = tm.now;
    }
    if (useJ < 0)
        useJ = std::max(joyNum - 1, 0);
    else if (useJ > joyNum - 1)
        useJ = 0;
}

void inp_selecter()
{
    scn_selecter();
    if (KEY.btnA == 1 || joyNum <= 1) {
        tm.pressStamp = tm.now;
        gm = GM_EDITOR;
        BGM(snd.bgm, -1);
        SE(CUE_CONFIRM);
    }
    inp_sel_step();
}
