#include "screen/screen.h"
// placeholder until the panel issue lands
void scn_A_cursol(double, double) {}
void scn_A_common(double, double, double) {}
void scn_A_layers(double, double, double) {}
void scn_A_prview(double, double, double) {}
void scn_A_sounds(double, double, double) {}
void scn_A_others(double, double, double) {}
