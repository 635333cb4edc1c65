#include "input/input.h"
void load_input() {}
void inputEngine() {}
void inp_selecter() { gm = 1; }
void end_input() {}
