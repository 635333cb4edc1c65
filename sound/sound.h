// Sound: the music and effect bank, music by number and the four cues, each
// cue stamping the input timer that paces its repetition.
#pragma once

#include "app/app_records.h"

// The four cues by what each means (SE's kind).
enum { CUE_STEP, CUE_CONFIRM, CUE_CANCEL, CUE_PANE, CUE_KINDS };

void init_audio();  // SDL's audio started, without ALSA's own lines
void load_Sound();
void end_Sound();
void BGM(int number, int loops);
void S_E(int kind, int loops);
void SE(int kind);
