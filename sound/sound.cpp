#include "sound/sound.h"
// placeholder until the sound issue lands
void load_Sound() {}
void end_Sound() {}
void BGM(int, int) { tm.moveStamp = tm.now; }
void S_E(int, int) {}
void SE(int kind)
{
    if (kind == 0)
        tm.moveStamp = tm.now;
    else if (kind <= 3)
        tm.pressStamp = tm.now;
}
