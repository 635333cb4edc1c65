#include "screen/screen.h"
// placeholder until the title issue lands
void scn_tops() {}
