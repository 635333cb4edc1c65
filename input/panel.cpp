#include "input/input.h"
// placeholder until the panel issue lands
void inp_mode0_cur() {}
void inp_mode0_btm() {}
