// Input: sampling keyboard and joystick into KEY, JOY and INP, the joystick
// selection screen, the editor's time gates and the panel and canvas commands.
#pragma once

#include "app/records.h"

void load_input();
void inputEngine();
void inp_selecter();
void end_input();

void inp_editEngine();
void inp_mode0_cur();
void inp_mode0_btm();
void inp_mode1_cur();
void inp_mode1_B1();
void inp_mode1_B2();

// Maps one joystick reading (hat 0, axis 0 = horizontal, axis 1 = vertical,
// buttons 3, 2, 9, 8) onto JOY; inputEngine feeds it from the open device.
void inp_joy_levels(int hat, int axisH, int axisV, int btn3, int btn2, int btn9, int btn8);

// The name SDL gives joystick `index`, or "" when it gives none.
const char* inp_joy_name(int index);
