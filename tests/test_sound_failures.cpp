// Sound failures: no audio device, and a bundle with a missing and a corrupt
// file. Each prints its line and everything else keeps working.
#include <gtest/gtest.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "sound/sound.h"
#include "tests/support/tst.h"

namespace {

const char* const bankFiles[] = {"BGM0.dat",    "BGM1.dat",    "BGM2.dat",    "seC00.dat",
                                 "seC01_0.dat", "seC01_1.dat", "seC01_2.dat", "seC01_3.dat",
                                 "seC01_4.dat", "seC01_5.dat", "seC02.dat",   "seD00.dat"};

void copy_file(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary);
    out << in.rdbuf();
}

// Runs load_Sound from `dir` (holding its own bundle) and returns what it printed.
std::string load_from(const std::string& dir)
{
    char home[PATH_MAX];
    if (!getcwd(home, sizeof home) || chdir(dir.c_str()) != 0)
        return "chdir failed";
    testing::internal::CaptureStdout();
    load_Sound();
    std::string out = testing::internal::GetCapturedStdout();
    if (chdir(home) != 0)
        return "chdir back failed";
    return out;
}

void use_audio_driver(const char* driver)
{
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    SDL_InitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace

class SoundFailureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void TearDown() override
    {
        end_Sound();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

TEST_F(SoundFailureTest, WithoutAudioDeviceEverythingCarriesOnSilently)
{
    use_audio_driver("nonexistent");
    testing::internal::CaptureStdout();
    auto glyphs = tst_glyphs(tst_feedback(load_Sound));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("SDL_MIXER:", 0), 0u) << out;
    std::vector<std::string> progress = {"-42,-42:FONTS CHECK OK", "-42,-36:IMAGE CHECK OK",
                                         "-42,-30:TXTUR CHECK OK", "-42,-24:SOUND CHECK"};
    EXPECT_EQ(tst_lines(glyphs), progress);
    for (const TstGlyph& g : glyphs)
        EXPECT_DOUBLE_EQ(g.alpha, 0.5);
    EXPECT_NE(out.find("BGM_[0] : "), std::string::npos);
    EXPECT_NE(out.find("SE_C[8] : "), std::string::npos);
    EXPECT_EQ(snd.bgmVolume, 120);
    EXPECT_EQ(snd.seVolume, 120);
    tm.now = 900;
    for (int kind = 0; kind < 4; kind++)
        SE(kind);
    BGM(2, -1);
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(tm.moveStamp, 900u);
    EXPECT_EQ(tm.pressStamp, 900u);
}

TEST_F(SoundFailureTest, MissingAndCorruptFilesAreNamedAndTheRestPlays)
{
    use_audio_driver("disk");
    char dir[] = "/tmp/tess_bank_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::string res = std::string(dir) + "/" RES_DIR;
    ASSERT_EQ(std::system(("mkdir -p " + res).c_str()), 0);
    for (const char* f : bankFiles)
        if (std::string(f) != "BGM1.dat")
            copy_file(RES_DIR + std::string(f), res + f);
    std::ofstream(res + "seC02.dat", std::ios::trunc) << "not a sound at all";

    std::string out = load_from(dir);
    EXPECT_EQ(out.find("SDL_MIXER:"), std::string::npos) << out;
    EXPECT_NE(out.find("BGM_[1] : "), std::string::npos) << out;
    EXPECT_NE(out.find("SE_C[7] : "), std::string::npos) << out;
    int lines = 0;
    for (char c : out)
        lines += c == '\n';
    EXPECT_EQ(lines, 2) << out;
    EXPECT_EQ(BGMsrc[1], nullptr);
    EXPECT_EQ(seSrcC[7], nullptr);
    EXPECT_NE(BGMsrc[0], nullptr);
    EXPECT_NE(seSrcC[8], nullptr);

    BGM(2, -1);
    EXPECT_FALSE(Mix_PlayingMusic());
    BGM(3, -1);
    EXPECT_TRUE(Mix_PlayingMusic());
    SDL_PauseAudio(1);  // keep the confirm on its channel while we look
    SE(1);
    EXPECT_EQ(Mix_Playing(1), 1);
    SE(2);  // nothing to play: the confirm keeps its channel
    EXPECT_EQ(Mix_GetChunk(1), seSrcC[1 + snd.seRotor]);
    SDL_PauseAudio(0);
    ASSERT_EQ(std::system(("rm -r " + std::string(dir)).c_str()), 0);
}
