// Sound: opening audio, the music and effect bank with its progress screen and
// warm-up, music by number and the four cues on three mixer channels, each cue
// stamping the input timer that paces its repetition.
#include "sound/sound.h"

#include <cstdio>

#include "gfx/gfx.h"

static const char* const sndMusicPath[BGM_COUNT] = {
    RES_DIR "BGM0.dat",
    RES_DIR "BGM1.dat",
    RES_DIR "BGM2.dat",
};
static const char* const sndEffectPath[SE_COUNT] = {
    RES_DIR "seC00.dat",   RES_DIR "seC01_0.dat", RES_DIR "seC01_1.dat",
    RES_DIR "seC01_2.dat", RES_DIR "seC01_3.dat", RES_DIR "seC01_4.dat",
    RES_DIR "seC01_5.dat", RES_DIR "seC02.dat",   RES_DIR "seD00.dat",
};

// Without a device the mixer has no channels and its music loader would
// convert to a zero rate, so nothing is loaded or played then.
static bool sndOpen = false;
// Why each file failed, kept at load time: the failure lines come after all
// loads, when SDL's error text names only the last failure.
static char sndWhy[BGM_COUNT + SE_COUNT][160];

static void snd_keep_reason(int slot)
{
    snprintf(sndWhy[slot], sizeof sndWhy[slot], "%s", sndOpen ? SDL_GetError() : "audio device not open");
}

static void snd_load_bank()
{
    for (int i = 0; i < BGM_COUNT; i++) {
        BGMsrc[i] = sndOpen ? Mix_LoadMUS(sndMusicPath[i]) : nullptr;
        if (!BGMsrc[i])
            snd_keep_reason(i);
    }
    for (int i = 0; i < SE_COUNT; i++) {
        SDL_RWops* rw = sndOpen ? SDL_RWFromFile(sndEffectPath[i], "rb") : nullptr;
        seSrcC[i] = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
        if (!seSrcC[i])
            snd_keep_reason(BGM_COUNT + i);
    }
}

static void snd_report_failures()
{
    for (int i = 0; i < BGM_COUNT; i++)
        if (!BGMsrc[i])
            printf("BGM_[%d] : %s\n", i, sndWhy[i]);
    for (int i = 0; i < SE_COUNT; i++)
        if (!seSrcC[i])
            printf("SE_C[%d] : %s\n", i, sndWhy[BGM_COUNT + i]);
    fflush(stdout);
}

// Touches every sound once, quietly, so the first real cue starts without delay.
static void snd_warm_up()
{
    Mix_VolumeMusic(17);
    Mix_Volume(-1, 17);
    for (int j = 0; j < 3; j++) {
        BGM(j, 0);
        SDL_Delay(27);
    }
    Mix_HaltMusic();
    for (int j = 0; j < 9; j++) {
        S_E(j, 0);
        SDL_Delay(27);
    }
    Mix_HaltChannel(-1);
    SDL_Delay(100);
}

void load_Sound()
{
    sndOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 256) == 0;
    if (!sndOpen) {
        // SDL leaves no text when start-up found no usable audio driver.
        const char* why = SDL_GetError();
        printf("SDL_MIXER:%s\n", *why ? why : "no audio device");
        fflush(stdout);
    }
    snd_load_bank();
    if (sndOpen)
        Mix_AllocateChannels(3);
    snd_report_failures();
    load_progress(3, "SOUND CHECK");
    snd_warm_up();
    snd.bgmVolume = 120;
    Mix_VolumeMusic(120);
    snd.seVolume = 120;
    Mix_Volume(-1, 120);
}

void end_Sound()
{
    for (Mix_Music*& m : BGMsrc) {
        Mix_FreeMusic(m);
        m = nullptr;
    }
    for (Mix_Chunk*& c : seSrcC) {
        Mix_FreeChunk(c);
        c = nullptr;
    }
    if (sndOpen)
        Mix_CloseAudio();
    sndOpen = false;
}

void BGM(int number, int loops)
{
    if (number >= 1 && number <= 3)
        Mix_PlayMusic(BGMsrc[number - 1], loops);
    else
        Mix_HaltMusic();
    tm.moveStamp = tm.now;
}

void S_E(int kind, int loops)
{
    int channel;
    Mix_Chunk* chunk;
    if (kind == 0) {
        channel = 0;
        chunk = seSrcC[0];
    } else if (kind == 1) {
        snd.seRotor += 1;
        if (snd.seRotor > 4 || snd.seRotor < 0)
            snd.seRotor = 0;
        channel = 1;
        chunk = seSrcC[1 + snd.seRotor];
    } else if (kind == 2) {
        channel = 1;
        chunk = seSrcC[7];
    } else if (kind == 3) {
        channel = 2;
        chunk = seSrcC[8];
    } else {
        return;
    }
    if (sndOpen && chunk)
        Mix_PlayChannelTimed(channel, chunk, loops, -1);
}

void SE(int kind)
{
    if (kind < 0 || kind > 3)
        return;
    S_E(kind, 0);
    if (kind == 0)
        tm.moveStamp = tm.now;
    else
        tm.pressStamp = tm.now;
}
