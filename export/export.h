// Text export: the desktop path, built once, and the OpenGL source written
// for every visible, non-empty layer.
#pragma once

#include "app/app_records.h"

void GetDataPath();
void edit_data(int mode);
