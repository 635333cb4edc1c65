// Frame benchmark: counters kept by the link-time wrappers and the figures
// printed for each measured scenario.
#pragma once

#include <cstddef>

#include "app/app_records.h"

// Heap allocations made from our own objects (malloc family and operator new).
extern size_t bchAllocs;
// Milliseconds asked of SDL_Delay by our code.
extern Uint32 bchDelayMs;

// Deliberately allocates once through each counted path; false if a path is not counted.
bool bch_counter_works();
