#include "screen/screen.h"
// placeholder until the editor issue lands
void scn_sets() {}
void scn_B_cursol(double, double) {}
void scn_B_screen(double, double, double) {}
void scn_B_timers(double, double, double) {}
