#include "screen/screen.h"
#include "app/app.h"
// placeholder until the editor issue lands
void editerSet() { alp_set(); }
