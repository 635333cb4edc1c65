// Sound: opening audio, the music and effect bank with its progress screen and
// warm-up, music by number and the four cues on three mixer channels, each cue
// stamping the input timer that paces its repetition.
#include "sound/sound.h"

#include <cstdio>
#include <dlfcn.h>
#include <iterator>

#include "gfx/gfx.h"
#include "resources/res_files.h"

static_assert(std::size(RES_MUSIC) == BGM_COUNT && std::size(RES_EFFECTS) == SE_COUNT, "a file for every sound");

// Without a device the mixer has no channels and its music loader would
// convert to a zero rate, so nothing is loaded or played then.
static bool sndOpen = false;
// Why each file failed, kept at load time: the failure lines come after all
// loads, when SDL's error text names only the last failure.
static char sndWhy[BGM_COUNT + SE_COUNT][160];

static void snd_keep_reason(int slot)
{
    snprintf(sndWhy[slot], sizeof sndWhy[slot], "%s", SDL_GetError());
}

static void snd_load_bank()
{
    for (int i = 0; i < BGM_COUNT; i++) {
        BGMsrc[i] = Mix_LoadMUS(res_path(RES_MUSIC[i]).c_str());
        if (!BGMsrc[i])
            snd_keep_reason(i);
    }
    for (int i = 0; i < SE_COUNT; i++) {
        SDL_RWops* rw = SDL_RWFromFile(res_path(RES_EFFECTS[i]).c_str(), "rb");
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

// The mixer's reason, then one line for the user: the files are not named,
// since without a device none of them would play anyway.
static void snd_report_silence()
{
    // SDL leaves no text when start-up found no usable audio driver.
    const char* why = SDL_GetError();
    printf("SDL_MIXER:%s\n", *why ? why : "no audio device");
    fflush(stdout);
    fputs("tessaloom: no audio device, so the editor runs silent\n", stderr);
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

// With no sound card ALSA prints a line for each step of its search for a
// device; the loader says the outcome in one. SDL opens ALSA by name as this
// does, and so gets the same library with the quiet handler; it stays loaded.
static void snd_alsa_quiet(const char*, int, const char*, int, const char*, ...) {}

void init_audio()
{
    if (void* alsa = dlopen("libasound.so.2", RTLD_NOW))
        if (auto set = reinterpret_cast<int (*)(decltype(&snd_alsa_quiet))>(dlsym(alsa, "snd_lib_error_set_handler")))
            set(snd_alsa_quiet);
    SDL_InitSubSystem(SDL_INIT_AUDIO);
}

void load_Sound()
{
    sndOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 256) == 0;
    if (sndOpen) {
        snd_load_bank();
        Mix_AllocateChannels(3);
        snd_report_failures();
    } else {
        snd_report_silence();
    }
    load_progress(STAGE_SOUND, "SOUND CHECK");
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
    if (number >= BGM_FIRST && number <= BGM_LAST)
        Mix_PlayMusic(BGMsrc[number - BGM_FIRST], loops);
    else
        Mix_HaltMusic();
    tm.moveStamp = tm.now;
}

// The step cue on channel 0, confirm (five files in turn) and cancel sharing
// channel 1, the pane switch on channel 2.
void S_E(int kind, int loops)
{
    static const int channels[CUE_KINDS] = {0, 1, 1, 2}, firstFile[CUE_KINDS] = {0, 1, 7, 8};
    if (kind < CUE_STEP || kind >= CUE_KINDS)
        return;
    int file = firstFile[kind];
    if (kind == CUE_CONFIRM) {
        snd.seRotor += 1;
        if (snd.seRotor > 4 || snd.seRotor < 0)
            snd.seRotor = 0;
        file += snd.seRotor;
    }
    if (sndOpen && seSrcC[file])
        Mix_PlayChannelTimed(channels[kind], seSrcC[file], loops, -1);
}

void SE(int kind)
{
    if (kind < CUE_STEP || kind >= CUE_KINDS)
        return;
    S_E(kind, 0);
    if (kind == CUE_STEP)
        tm.moveStamp = tm.now;
    else
        tm.pressStamp = tm.now;
}
