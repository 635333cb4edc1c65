// Animation phases, the quit test and frame pacing of the frame loop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "tests/support/tst.h"

TEST(Alp, SpinStepsAndNeverReaches360)
{
    memset(&ALP, 0, sizeof ALP);
    double last = 0;
    int turns = 0;
    for (int f = 0; f < 240 * 3; f++) {
        alp_set();
        EXPECT_LT(ALP.spin, 360.0);
        if (ALP.spin == 0.0) {
            EXPECT_EQ(last, 358.5);
            turns++;
        }
        last = ALP.spin;
    }
    EXPECT_EQ(turns, 3);
}

TEST(Alp, BlinkIsA25FrameSawtooth)
{
    memset(&ALP, 0, sizeof ALP);
    alp_set();
    EXPECT_EQ(ALP.blink, 1.5) << "the first call from 0 jumps to 1.5";
    for (int k = 1; k <= 24; k++) {
        alp_set();
        EXPECT_DOUBLE_EQ(ALP.blink, 1.5 - 0.0625 * k);
    }
    EXPECT_EQ(ALP.blink, 0.0);
    alp_set();
    EXPECT_EQ(ALP.blink, 1.5);
}

TEST(Alp, TitleAlphaSwingsWithinZeroAndOne)
{
    memset(&ALP, 0, sizeof ALP);
    int flips = 0, dir = 0;
    for (int f = 0; f < 1000; f++) {
        alp_set();
        ASSERT_GE(ALP.titleAlpha, 0.0);
        ASSERT_LE(ALP.titleAlpha, 1.0);
        if (ALP.titleDir != dir) {
            flips++;
            dir = ALP.titleDir;
            EXPECT_EQ(ALP.titleAlpha, dir == 1 ? 1.0 : 0.0);
        }
    }
    EXPECT_GE(flips, 8);
}

TEST(Multiple, TruncatesTowardZero)
{
    EXPECT_EQ(multiple(7, 3), 1);
    EXPECT_EQ(multiple(-7, 3), -1);
    EXPECT_EQ(multiple(12, 6), 0);
}

class QuitTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_SetVideoMode(64, 64, 32, 0);
    }
    static void TearDownTestSuite() { SDL_Quit(); }
    void SetUp() override
    {
        gm = 1;
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
    }
    static void key(Uint8 type, SDLKey sym)
    {
        SDL_Event e;
        memset(&e, 0, sizeof e);
        e.type = type;
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = sym;
        ASSERT_EQ(SDL_PushEvent(&e), 0);
    }
};

TEST_F(QuitTest, EscapeQAndCloseEnd)
{
    EXPECT_FALSE(QuitEvents()) << "empty queue";
    key(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_TRUE(QuitEvents());
    key(SDL_KEYDOWN, SDLK_q);
    EXPECT_TRUE(QuitEvents());
    SDL_Event e;
    memset(&e, 0, sizeof e);
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    EXPECT_TRUE(QuitEvents());
}

TEST_F(QuitTest, ReleasesAndOtherKeysDoNotEnd)
{
    key(SDL_KEYUP, SDLK_ESCAPE);
    key(SDL_KEYUP, SDLK_q);
    key(SDL_KEYDOWN, SDLK_z);
    key(SDL_KEYDOWN, SDLK_RETURN);
    for (int i = 0; i < 4; i++)
        EXPECT_FALSE(QuitEvents()) << i;
}

TEST_F(QuitTest, OneEventPerCall)
{
    key(SDL_KEYDOWN, SDLK_z);
    key(SDL_KEYDOWN, SDLK_x);
    key(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_FALSE(QuitEvents());
    EXPECT_FALSE(QuitEvents());
    EXPECT_TRUE(QuitEvents()) << "the quit key waits one call per event ahead of it";
}

TEST_F(QuitTest, QuitRequestEndsWithoutReadingEvents)
{
    key(SDL_KEYDOWN, SDLK_z);
    gm = 100;
    EXPECT_TRUE(QuitEvents());
    gm = 1;
    SDL_Event e;
    EXPECT_EQ(SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_ALLEVENTS), 1) << "the event is still queued";
}

class PaceTest : public QuitTest {
};

TEST_F(PaceTest, ShortFrameIsPaddedLongOneIsNot)
{
    tm.framePeriod = 50;
    tm.frameEnd = SDL_GetTicks();
    SDL_Delay(20);
    Uint32 t0 = SDL_GetTicks();
    frameLate();
    Uint32 padded = tm.frameEnd - t0;
    EXPECT_GE(padded, 25u) << "a 20 ms frame waits out the rest of the 50 ms";
    EXPECT_LE(padded, 80u);
    Uint32 start = tm.frameEnd;
    SDL_Delay(70);
    t0 = SDL_GetTicks();
    frameLate();
    EXPECT_LE(tm.frameEnd - t0, 10u) << "a 70 ms frame is not delayed";
    EXPECT_GE(tm.now - start, 70u);
}

TEST_F(PaceTest, ZeroElapsedIsNotDelayed)
{
    tm.framePeriod = 50;
    tm.frameEnd = SDL_GetTicks() + 1000;  // makes elapsed wrap to a huge value
    Uint32 t0 = SDL_GetTicks();
    frameLate();
    EXPECT_LE(SDL_GetTicks() - t0, 10u);
}

TEST_F(PaceTest, FrameCounterClosesAWindowEachSecond)
{
    tm.framePeriod = 50;
    tm.fps = tm.fpsCount = 0;
    tm.fpsStamp = SDL_GetTicks();
    tm.frameEnd = SDL_GetTicks();
    Uint32 begin = SDL_GetTicks();
    while (SDL_GetTicks() - begin < 2150) {
        SDL_Delay(5);  // frame work; a frame measured at 0 ms is never padded
        frameLate();
    }
    EXPECT_GE(tm.fps, 17);
    EXPECT_LE(tm.fps, 20);
}
