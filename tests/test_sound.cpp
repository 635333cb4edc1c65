// The sound bank played through SDL's disk writer: which channel each cue uses,
// cues replacing each other or sounding together, the confirm rotor, looping
// music and the timer stamps the cues set.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "sound/sound.h"
#include "tests/support/tst.h"

namespace {

std::string capturePath;

long file_size()
{
    struct stat st;
    return stat(capturePath.c_str(), &st) == 0 ? (long)st.st_size : 0;
}

// Waits until the writer has put `bytes` more into the capture file.
bool wait_growth(long from, long bytes)
{
    for (int i = 0; i < 2000 && file_size() < from + bytes; i++)
        SDL_Delay(5);
    return file_size() >= from + bytes;
}

// Starts cues with the device paused, lets them play out, and returns the
// left channel of what was mixed, without the silence around it.
std::vector<int> capture(const std::function<void()>& cues)
{
    SDL_PauseAudio(1);
    SDL_LockAudio();  // the callback running now has finished
    SDL_UnlockAudio();
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    long from = file_size();
    cues();
    SDL_PauseAudio(0);
    for (int i = 0; i < 600 && Mix_Playing(-1) > 0; i++)
        SDL_Delay(5);
    wait_growth(file_size(), 64 * 1024);
    std::ifstream f(capturePath, std::ios::binary);
    f.seekg(from);
    std::vector<int> left;
    int16_t frame[2];
    while (f.read((char*)frame, sizeof frame))
        left.push_back(frame[0]);
    size_t a = 0, b = left.size();
    while (a < b && std::abs(left[a]) < 30)
        a++;
    while (b > a && std::abs(left[b - 1]) < 30)
        b--;
    return std::vector<int>(left.begin() + (long)a, left.begin() + (long)b);
}

double energy(const std::vector<int>& s)
{
    double e = 0;
    for (int v : s)
        e += (double)v * v;
    return e;
}

double seconds(const std::vector<int>& s) { return s.size() / 22050.0; }

}  // namespace

class SoundTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        capturePath = "/tmp/tess_sound_" + std::to_string(getpid()) + ".raw";
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", capturePath.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
        tst_open_window();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
        load_Sound();
    }
    static void TearDownTestSuite()
    {
        end_Sound();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        std::remove(capturePath.c_str());
    }
};

TEST_F(SoundTest, LoadsEverythingAndWarmUpLeavesSilenceRotorAndFullVolumes)
{
    for (Mix_Music* m : BGMsrc)
        EXPECT_NE(m, nullptr);
    for (Mix_Chunk* c : seSrcC)
        EXPECT_NE(c, nullptr);
    EXPECT_EQ(snd.seRotor, 1);
    EXPECT_EQ(snd.bgmVolume, 120);
    EXPECT_EQ(snd.seVolume, 120);
    EXPECT_EQ(Mix_VolumeMusic(-1), 120);
    for (int ch = 0; ch < 3; ch++)
        EXPECT_EQ(Mix_Volume(ch, -1), 120);
    EXPECT_EQ(Mix_AllocateChannels(-1), 3);
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTest, ConfirmRotorCyclesSkippingTheSixthBlip)
{
    snd.seRotor = 1;  // where the warm-up leaves it
    const int expect[10] = {3, 4, 5, 1, 2, 3, 4, 5, 1, 2};
    capture([&] {
        for (int i = 0; i < 10; i++) {
            SE(1);
            EXPECT_EQ(Mix_GetChunk(1), seSrcC[expect[i]]) << "cue " << i;
        }
    });
}

TEST_F(SoundTest, EachCueKindPlaysOnItsOwnChannel)
{
    std::vector<int> mixed = capture([] {
        SE(0);
        EXPECT_EQ(Mix_Playing(0), 1);
        EXPECT_EQ(Mix_GetChunk(0), seSrcC[0]);
        SE(1);
        EXPECT_EQ(Mix_Playing(1), 1);
        EXPECT_EQ(Mix_GetChunk(1), seSrcC[1 + snd.seRotor]);
        SE(2);
        EXPECT_EQ(Mix_GetChunk(1), seSrcC[7]);
        SE(3);
        EXPECT_EQ(Mix_GetChunk(2), seSrcC[8]);
        EXPECT_EQ(Mix_Playing(-1), 3);
        S_E(4, 0);
        S_E(-1, 0);
        EXPECT_EQ(Mix_Playing(-1), 3);
    });
    EXPECT_GT(energy(mixed), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTest, NewCueReplacesTheOneOnItsChannelWhilePaneSwitchSoundsAlongside)
{
    std::vector<int> cancel = capture([] { SE(2); });
    std::vector<int> replaced = capture([] { SE(1), SE(2); });
    std::vector<int> step = capture([] { SE(0), SE(0); });
    std::vector<int> pane = capture([] { SE(3); });
    std::vector<int> both = capture([] { SE(2), SE(3); });
    ASSERT_GT(energy(cancel), 0);
    ASSERT_GT(energy(pane), 0);
    // The confirm is cut before it sounds: only the cancel is heard.
    EXPECT_NEAR(seconds(replaced), seconds(cancel), 0.005);
    EXPECT_NEAR(energy(replaced), energy(cancel), 0.05 * energy(cancel));
    EXPECT_LT(seconds(step), 0.060);
    // Separate channels mix: the energies add up.
    double sum = energy(cancel) + energy(pane);
    EXPECT_NEAR(energy(both), sum, 0.3 * sum);
    EXPECT_GT(energy(both), 1.2 * std::max(energy(cancel), energy(pane)));
}

TEST_F(SoundTest, MusicLoopsForeverOrPlaysOnceAndOtherNumbersStopIt)
{
    const long loopBytes = 27L * 22050 * 4;  // BGM0 in the device format, rounded up
    Mix_VolumeMusic(120);
    BGM(1, -1);
    EXPECT_TRUE(Mix_PlayingMusic());
    ASSERT_TRUE(wait_growth(file_size(), loopBytes + 200000));
    EXPECT_TRUE(Mix_PlayingMusic());
    BGM(1, 0);
    ASSERT_TRUE(wait_growth(file_size(), loopBytes + 200000));
    EXPECT_FALSE(Mix_PlayingMusic());
    for (int off : {0, 4, -1, 5}) {
        for (int on = 1; on <= 3; on++) {
            BGM(on, -1);
            EXPECT_TRUE(Mix_PlayingMusic()) << on;
        }
        BGM(off, -1);
        EXPECT_FALSE(Mix_PlayingMusic()) << off;
    }
}

TEST_F(SoundTest, CuesStampOnlyTheirTimer)
{
    for (int kind = -1; kind <= 4; kind++) {
        tm.now = 5000;
        tm.moveStamp = tm.pressStamp = 7;
        SE(kind);
        bool step = kind == 0, press = kind >= 1 && kind <= 3;
        EXPECT_EQ(tm.moveStamp, step ? 5000u : 7u) << kind;
        EXPECT_EQ(tm.pressStamp, press ? 5000u : 7u) << kind;
    }
    tm.moveStamp = tm.pressStamp = 7;
    BGM(0, -1);
    EXPECT_EQ(tm.moveStamp, 5000u);
    EXPECT_EQ(tm.pressStamp, 7u);
    Mix_HaltChannel(-1);
}
