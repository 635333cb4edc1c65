#include "screen/screen.h"
// placeholder until the editor issue lands
void edit_backs() {}
void edit_backs_src(int, double) {}
void edit_model(double, double, double, double) {}
void edit_point(double, double, double, double) {}
void edit_alias_setter(int) {}
