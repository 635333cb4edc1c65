#include "gfx/gfx.h"
// placeholder until the text issue lands
void createTex(int, const char*, GLuint*) {}
void load_Fonts() {}
void fontRec(int, int, double, int, double) {}
void fontB(int, double, double, double, const char*, ...) {}
void fontA(int, double, double, double, const char*, ...) {}
