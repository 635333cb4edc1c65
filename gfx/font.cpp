#include "gfx/gfx.h"
void load_Fonts() {}
