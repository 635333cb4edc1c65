// The joystick selection screen: lists the opened joysticks, steps the choice
// with the keyboard arrows at most once a second and hands over to the editor.
#include <algorithm>

#include "gfx/gfx.h"
#include "input/input.h"
#include "screen/screen.h"
#include "sound/sound.h"

static void inp_sel_draw()
{
    glEnable(GL_TEXTURE_2D);
    fontB(0, 1.0, -54, -24, "ARROW & Z KEY TO");
    fontB(0, 1.0, -54, -18, "SELECT A JOYSTICK:");
    fontB(0, 1.0, -54, -12, "____________________");
    for (int i = 0; i < joyNum; i++)
        fontB(0, 1.0, -54, 6 * i - 6, "%d:%.200s HAT %d", i, inp_joy_name(i), SDL_JoystickNumHats(Joy[i]));
    fontA(0, 1.0, -54, 6 * useJ - 6, "%d:%.200s HAT %d", useJ, inp_joy_name(useJ), SDL_JoystickNumHats(Joy[useJ]));
    scn_tops();
    glDisable(GL_TEXTURE_2D);
}

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
    inp_sel_draw();
    if (KEY.btnA == 1 || joyNum <= 1) {
        tm.pressStamp = tm.now;
        gm = GM_EDITOR;
        BGM(snd.bgm, -1);
        SE(CUE_CONFIRM);
    }
    inp_sel_step();
}
