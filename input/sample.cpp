#include "input/input.h"
void load_input() {}
void inputEngine() {}
void inp_selecter() { gm = 1; }
void end_input() {}
void inp_joy_levels(int, int, int, int, int, int, int) {}
