// The joystick selection screen: the opened joysticks listed under a heading,
// the selected one again in the highlight face, and the title and footer.
#include "screen/screen.h"

void scn_selecter()
{
    glEnable(GL_TEXTURE_2D);
    const int x = LAY_SELECT_X, y = LAY_SELECT_Y, list = y + 3 * LAY_LINE;  // the list below three heading lines
    fontB(0, 1.0, x, y, "ARROW & Z KEY TO");
    fontB(0, 1.0, x, y + LAY_LINE, "SELECT A JOYSTICK:");
    fontB(0, 1.0, x, y + 2 * LAY_LINE, "____________________");
    for (int i = 0; i < joyNum; i++)
        fontB(0, 1.0, x, list + LAY_LINE * i, "%d:%.200s HAT %d", i, joy_name(i), SDL_JoystickNumHats(Joy[i]));
    fontA(0, 1.0, x, list + LAY_LINE * useJ, "%d:%.200s HAT %d", useJ, joy_name(useJ), SDL_JoystickNumHats(Joy[useJ]));
    scn_tops();
    glDisable(GL_TEXTURE_2D);
}
