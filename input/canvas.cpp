#include "input/input.h"
// placeholder until the editor issue lands
void inp_mode1_cur() {}
void inp_mode1_B1() {}
void inp_mode1_B2() {}
