// Input: sampling keyboard and joystick into KEY, JOY and INP, the joystick
// selection screen's keys, the editor's time gates and the panel and canvas
// commands. Input reads and changes the records; it draws nothing.
#pragma once

#include "app/app_panel.h"

void load_input();
void inputEngine();
void inp_selecter();
void end_input();

// Milliseconds a held key waits before it acts again: a direction, a button or
// the culling key in the editor, an arrow on the joystick selection screen.
constexpr Uint32 INP_STEP_MS = 60, INP_PRESS_MS = 500, INP_SELECT_MS = 1000;
bool inp_gate_open(Uint32 stamp, Uint32 limit);  // more than limit ms since stamp

void inp_editEngine();
void inp_mode0_cur();
void inp_mode0_btm();
void inp_mode1_cur();
void inp_mode1_B1();
void inp_mode1_B2();

// Maps one joystick reading (hat 0, axis 0 = horizontal, axis 1 = vertical,
// buttons 3, 2, 9, 8) onto JOY; inputEngine feeds it from the open device.
void inp_joy_levels(int hat, int axisH, int axisV, int btn3, int btn2, int btn9, int btn8);

