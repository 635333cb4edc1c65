// The joystick selection screen: the opened joysticks listed under a heading,
// the selected one again in the highlight face, and the title and footer.
#include "screen/screen.h"

void scn_selecter()
{
    glEnable(GL_TEXTURE_2D);
    fontB(0, 1.0, -54, -24, "ARROW & Z KEY TO");
    fontB(0, 1.0, -54, -18, "SELECT A JOYSTICK:");
    fontB(0, 1.0, -54, -12, "____________________");
    for (int i = 0; i < joyNum; i++)
        fontB(0, 1.0, -54, 6 * i - 6, "%d:%.200s HAT %d", i, joy_name(i), SDL_JoystickNumHats(Joy[i]));
    fontA(0, 1.0, -54, 6 * useJ - 6, "%d:%.200s HAT %d", useJ, joy_name(useJ), SDL_JoystickNumHats(Joy[useJ]));
    scn_tops();
    glDisable(GL_TEXTURE_2D);
}
