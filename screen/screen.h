// Editor display: the canvas, model and previews, the panel text, the design
// status, the clock, the title and footer lines and the joystick selection screen.
#pragma once

#include "app/app_panel.h"
#include "gfx/gfx.h"

// Scales are kept in per cent, so one model unit is edit_scale() pixels on the canvas.
constexpr double PERCENT = 0.01;
double edit_scale();

// The names of the view modes, 0 to 2, as the panel and the status show them.
extern const char* const scnViewNames[];

void edit_backs();
void edit_backs_src(GfxList list, double y);
void edit_model(double scale, double angle, double x, double y);
void edit_model_all();  // on the canvas and in the three preview boxes
void edit_point(double scale, double angle, double x, double y);
void edit_alias_setter(int on);

void scn_sets();
void scn_B_cursol(double x, double y);
void scn_B_screen(double blink, double x, double y);
void scn_B_timers(double alpha, double x, double y);

void scn_A_cursol(double x, double y);
void scn_A_common(double blink, double x, double y);
void scn_A_layers(double blink, double x, double y);
void scn_A_prview(double blink, double x, double y);
void scn_A_sounds(double blink, double x, double y);
void scn_A_others(double blink, double x, double y);

void scn_tops();
void scn_selecter();
