#include "export/export.h"
void GetDataPath() {}
