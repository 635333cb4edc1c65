// Sound: the bank loaded on a real (dummy) mixer, each cue on its channel with
// its stamp. A missing device and broken files are the end-to-end tests'
// (tests/e2e/test_surroundings.sh).
#include "tests/support/tst.h"

TEST(Sound, CuesPlayOnTheirChannelsAndStampTheirTimers)
{
    SDL_QuitSubSystem(SDL_INIT_AUDIO);  // start-up left it without a device
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(tst_stdout(load_Sound), "");
    EXPECT_EQ(std::make_tuple(Mix_AllocateChannels(-1), Mix_VolumeMusic(-1), Mix_PlayingMusic(), Mix_Playing(-1)),
              std::make_tuple(3, 120, 0, 0));
    // The warm-up turned the confirm rotor once; it goes round five of the six blips.
    const struct { int kind, channel, chunk; } cues[] = {{0, 0, 0}, {1, 1, 4}, {1, 1, 5}, {1, 1, 1}, {1, 1, 2},
                                                         {1, 1, 3}, {1, 1, 4}, {2, 1, 7}, {3, 2, 8}};
    for (auto& c : cues) {
        tm.now += 100;
        SE(c.kind);
        EXPECT_EQ(Mix_GetChunk(c.channel), seSrcC[c.chunk]) << "cue " << c.kind;
        EXPECT_EQ(c.kind ? tm.pressStamp : tm.moveStamp, tm.now) << "cue " << c.kind;
    }
    EXPECT_EQ(Mix_Playing(-1), 3) << "the pane switch sounds beside the others";
    tm.now += 100;
    SE(4);  // no such cue: no stamp
    BGM(3, 0);
    EXPECT_EQ(std::make_tuple(Mix_PlayingMusic(), tm.moveStamp, tm.pressStamp), std::make_tuple(1, tm.now, tm.now - 100));
}
