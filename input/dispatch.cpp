#include "input/input.h"
// placeholder until the editor issue lands
void inp_editEngine() {}
