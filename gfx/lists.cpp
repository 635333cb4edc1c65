#include "gfx/gfx.h"
// placeholder until the display-list issue lands
void load_ImgSet() {}
void mdl_Lin(double, double) {}
void mdl_Rec(int, double, double) {}
void mdl_Cir(int, double, double, int) {}
