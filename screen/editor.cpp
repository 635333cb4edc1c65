#include "screen/screen.h"
#include "app/app.h"
void editerSet() { alp_set(); }
