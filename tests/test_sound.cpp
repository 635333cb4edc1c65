// Sound: the bank loaded on a real (dummy) mixer, each cue on its channel with
// its stamp, music and volumes following the panel, and a silent but working
// editor without a device or with broken files.
#include <gtest/gtest.h>

#include <unistd.h>

#include "input/input.h"
#include "sound/sound.h"
#include "tests/support/tst.h"

// Loads the bank with the given driver from the bundle under dir; returns what it printed.
static std::string load(const char* driver, const std::string& dir = ".")
{
    end_Sound();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", driver, 1);
    char here[4096];
    EXPECT_TRUE(getcwd(here, sizeof here) && chdir(dir.c_str()) == 0);
    testing::internal::CaptureStdout();
    load_Sound();
    EXPECT_EQ(chdir(here), 0);
    return testing::internal::GetCapturedStdout();
}

// First: SDL_mixer 1.2 cannot fail to open once it has been open and closed.
TEST(Sound, NoDeviceOrBrokenFilesLeaveAWorkingSilentEditor)
{
    const std::string out = load("nosuch-driver");
    EXPECT_EQ(out.rfind("SDL_MIXER:", 0), 0u) << out;
    EXPECT_NE(out.find("\nSE_C[8] : audio device not open\n"), std::string::npos) << out;
    tm.now = 7;
    SE(1);
    BGM(1, -1);
    EXPECT_EQ(tm.pressStamp + tm.moveStamp, 14u) << "cues still stamp their timers";
    const std::string dir = "/tmp/tess-sound-" + std::to_string(getpid()), res = dir + "/" RES_DIR;
    ASSERT_EQ(system(("mkdir -p " + dir + " && cp -r Tessaloom.app " + dir + " && cd " + res + " && rm BGM1.dat && : >seC00.dat" +
                      " && echo noise >seC01_2.dat && rm seD00.dat && mkdir seD00.dat").c_str()), 0);
    const std::string broken = load("dummy", dir);
    EXPECT_EQ(broken.find("SDL_MIXER"), std::string::npos);
    std::string named;
    for (size_t at = 0; (at = broken.find('[', at)) != std::string::npos; at++)
        named += broken.substr(at - 4, 7) + " ";
    EXPECT_EQ(named, "BGM_[1] SE_C[0] SE_C[3] SE_C[8] ") << broken;
    EXPECT_NE(broken.find("BGM_[1] : Couldn't open '" RES_DIR "BGM1.dat'"), std::string::npos) << broken;
    SE(0), SE(3), BGM(2, -1);
    EXPECT_EQ(Mix_Playing(-1) * 10 + Mix_PlayingMusic(), 0) << "broken sounds are never played";
    SE(1), SE(1);
    EXPECT_EQ(Mix_Playing(1), 1) << "the rest still play";
    ASSERT_EQ(load("dummy"), "");
    system(("rm -rf " + dir).c_str());
}

TEST(Sound, CuesPlayOnTheirChannelsAndStampTheirTimers)
{
    tst_reset();
    ASSERT_EQ(load("dummy"), "");
    EXPECT_EQ(Mix_AllocateChannels(-1) * 1000 + Mix_VolumeMusic(-1) + Mix_PlayingMusic() + Mix_Playing(-1), 3120);
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
    SE(4);
    EXPECT_NE(tm.pressStamp, tm.now);
    BGM(2, 0);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(tm.moveStamp, tm.now);
    cm.pane = 0, cm.menuItem = 23;  // BGM NUMBER follows at once, 4 stops it
    INP = InpRec{0, 0, 0, 1, 0, 0, 0, 0};
    for (int i = 0; i < 4; i++)
        inp_mode0_cur();
    EXPECT_EQ(Mix_PlayingMusic() * 10 + snd.bgm, 4);
    cm.menuItem = 24, INP.right = 0, INP.left = 1;
    inp_mode0_cur();
    cm.menuItem = 25;
    for (int i = 0; i < 3; i++)
        inp_mode0_cur();
    EXPECT_EQ(std::make_pair(Mix_VolumeMusic(-1), Mix_Volume(-1, -1)), std::make_pair(118, 114));
}
