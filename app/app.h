// Application frame: start-up, the frame loop with its pacing, the editor
// frame's order, the animation phases, shutdown and the two placement helpers
// that all drawing code uses.
#pragma once

#include "app/app_records.h"

constexpr int FRAME_MS = 50;  // the fixed frame period: 20 frames a second

int SDL_main();
void start();
void editerSet();  // one editor frame
void init_win(int* toggle);
void app_caption();  // the window title, after the model's state
bool QuitEvents();
void frameLate();
void alp_set();
void EndSet();
void cull_set();  // front faces culled while cm.cullFace is 1
void resetGL(double x, double y);
int multiple(int a, int b);
