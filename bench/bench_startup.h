// Start-up measurement: the real start-up path in a fresh process, timed from
// before its exec to the end of its first editor frame.
#pragma once

// Runs the frame loop of the program until one editor frame is done and finished
// by the GL; false if the loop ended first.
bool bch_first_editor_frame();
// The child side: start-up and the first editor frame, figures written to fd 3.
int bch_startup_child(const char* startNs);
// Runs the child `runs` times and prints the median figures; false on failure.
bool bch_startup(const char* self, int runs);
