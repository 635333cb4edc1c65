#include "sound/sound.h"
void load_Sound() {}
void end_Sound() {}
