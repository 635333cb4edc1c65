// Input sampling: opening the joysticks with their start-up lines, reading the
// selected joystick and the keyboard into JOY and KEY each frame, merging them
// into INP, and closing the joysticks at shutdown.
#include <cstdio>

#include "gfx/gfx.h"
#include "input/input.h"

struct InpHat {
    int value, up, down, left, right;
};

// Only these eight hat positions count; any other pattern leaves it to the stick.
static const InpHat inpHats[8] = {
    {SDL_HAT_UP, 1, 0, 0, 0},        {SDL_HAT_RIGHT, 0, 0, 0, 1},    {SDL_HAT_RIGHTUP, 1, 0, 0, 1},
    {SDL_HAT_DOWN, 0, 1, 0, 0},      {SDL_HAT_RIGHTDOWN, 0, 1, 0, 1}, {SDL_HAT_LEFT, 0, 0, 1, 0},
    {SDL_HAT_LEFTUP, 1, 0, 1, 0},    {SDL_HAT_LEFTDOWN, 0, 1, 1, 0},
};

void load_input()
{
    int i = 0;
    for (; i < SDL_NumJoysticks() && i < JOY_SLOTS; i++) {
        load_progress(STAGE_INPUT, "INPUT CHECK %d:%.200s", i + 1, joy_name(i));
        SDL_Delay(100);
        Joy[i] = SDL_JoystickOpen(i);
        if (!Joy[i])
            puts("JOYSTIC ERR.");
        joyNum = i + 1;
    }
    if (SDL_NumJoysticks() > i)
        fprintf(stderr, "tessaloom: %d joysticks beyond the first %d ignored\n", SDL_NumJoysticks() - i, i);
}

void end_input()
{
    for (int i = 0; i < joyNum; i++) {
        if (Joy[i])
            SDL_JoystickClose(Joy[i]);
        Joy[i] = nullptr;
    }
}

void inp_joy_levels(int hat, int axisH, int axisV, int btn3, int btn2, int btn9, int btn8)
{
    const InpHat* h = nullptr;
    for (const InpHat& e : inpHats)
        if (e.value == hat)
            h = &e;
    if (h) {
        JOY.up = h->up;
        JOY.down = h->down;
        JOY.left = h->left;
        JOY.right = h->right;
    } else {
        JOY.up = axisV <= -30000;
        JOY.down = axisV >= 30000;
        JOY.left = axisH <= -30000;
        JOY.right = axisH >= 30000;
    }
    JOY.btnA = btn3 == 1;
    JOY.btnB = btn2 == 1;
    JOY.btnC = btn9 == 1;
    JOY.btnD = btn8 == 1;
}

static void inp_read_joystick(SDL_Joystick* j)
{
    SDL_JoystickUpdate();
    inp_joy_levels(SDL_JoystickGetHat(j, 0), SDL_JoystickGetAxis(j, 0), SDL_JoystickGetAxis(j, 1),
                   SDL_JoystickGetButton(j, 3), SDL_JoystickGetButton(j, 2), SDL_JoystickGetButton(j, 9),
                   SDL_JoystickGetButton(j, 8));
}

static void inp_read_keyboard()
{
    const Uint8* k = SDL_GetKeyState(nullptr);
    KEY.up = k[SDLK_UP] == 1;
    KEY.down = k[SDLK_DOWN] == 1;
    KEY.left = k[SDLK_LEFT] == 1;
    KEY.right = k[SDLK_RIGHT] == 1;
    KEY.btnA = k[SDLK_z] == 1;
    KEY.btnB = k[SDLK_x] == 1;
    KEY.btnC = k[SDLK_SPACE] == 1;
    KEY.btnD = k[SDLK_RETURN] == 1;
}

void inputEngine()
{
    if (useJ >= 0 && useJ < JOY_SLOTS && Joy[useJ])
        inp_read_joystick(Joy[useJ]);
    inp_read_keyboard();
    INP.up = JOY.up == 1 || KEY.up == 1;
    INP.down = JOY.down == 1 || KEY.down == 1;
    INP.left = JOY.left == 1 || KEY.left == 1;
    INP.right = JOY.right == 1 || KEY.right == 1;
    INP.btnA = JOY.btnA == 1 || KEY.btnA == 1;
    INP.btnB = JOY.btnB == 1 || KEY.btnB == 1;
    INP.btnC = JOY.btnC == 1 || KEY.btnC == 1;
    INP.btnD = JOY.btnD == 1 || KEY.btnD == 1;
}
