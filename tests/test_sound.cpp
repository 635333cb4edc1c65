// Sound: the bank loaded on a real (dummy) mixer, each cue on its channel with
// its stamp, and the music and volumes the panel sets. The export's cue by its
// outcome is the model file's end-to-end test's. A missing
// device is the start-up test's (test_frame.cpp), broken files the end-to-end tests'
// (tests/e2e/test_surroundings.sh).
#include "tests/support/tst.h"

TEST(Sound, CuesPlayOnTheirChannelsAndStampTheirTimers)
{
    SDL_QuitSubSystem(SDL_INIT_AUDIO);  // start-up left it without a device
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(tst_stdout(load_Sound), "");
    EXPECT_EQ(std::make_tuple(Mix_AllocateChannels(-1), Mix_VolumeMusic(-1), Mix_PlayingMusic(), Mix_Playing(-1)), std::make_tuple(3, 120, 0, 0));
    // The warm-up turned the confirm rotor once; it goes round five of the six blips.
    const struct { int kind, channel, chunk; } cues[] = {{0, 0, 0}, {1, 1, 4}, {1, 1, 5}, {1, 1, 1}, {1, 1, 2},
                                                         {1, 1, 3}, {1, 1, 4}, {2, 1, 7}, {3, 2, 8}};
    for (auto& c : cues) {
        tm.now += 100;
        SE(c.kind);
        EXPECT_EQ(Mix_GetChunk(c.channel), seSrcC[c.chunk]) << "cue " << c.kind;
        EXPECT_EQ(c.kind ? tm.pressStamp : tm.moveStamp, tm.now) << "cue " << c.kind;
    }
    // The panel's BGM NUMBER: the music follows each step at once, even one past either end;
    // 1 to 3 play, looping, and 0 and 4 are silence. From a number, with left or right held:
    // the number shown, and whether music plays. Whatever set the volumes, each call holds them in
    // range, and the mixer follows.
    const int steps[6][4] = {{0, 0, 1, 1}, {3, 0, 4, 0}, {4, 1, 3, 1}, {0, 1, 0, 0}, {2, 0, 3, 1}, {4, 0, 4, 0}};
    cm.menuItem = 23;
    snd.bgmVolume = 130;
    snd.seVolume = -4;
    for (auto& s : steps) {
        snd.bgm = s[0];
        INP = InpRec{0, 0, s[1], !s[1], 0, 0, 0, 0};
        inp_mode0_cur();
        EXPECT_EQ(std::make_tuple(snd.bgm, Mix_PlayingMusic(), Mix_VolumeMusic(-1), Mix_Volume(-1, -1)), std::make_tuple(s[2], s[3], 126, 0)) << s[0];
    }
}
