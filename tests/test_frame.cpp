// The frame loop's parts: start-up defaults, the quit test, frame pacing and
// the frame counter, and the animation phases.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/app.h"
#include "tests/support/tst.h"

TEST(Frame, StartUpGivesEveryRunTheSameDefaults)
{
    tst_reset();
    cm.scale = 50, tm.timeH = 5, ed[0].count = 3;
    setenv("USER", "ann", 1);
    setenv("SDL_AUDIODRIVER", "nosuch", 1);  // the sound tests need a mixer never opened
    snprintf(dataPassM, sizeof dataPassM, "/Users/");
    testing::internal::CaptureStdout();
    start();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::make_tuple(gm, cm.scale, cm.pane, ed[0].count, tm.timeH + tm.timeM + tm.timeS + tm.timeF),
              std::make_tuple(0, 1800, 1, 0, 0u));
    EXPECT_EQ(std::make_tuple(tm.framePeriod, snd.bgmVolume, snd.seVolume), std::make_tuple(50, 120, 120));
    EXPECT_STREQ(dataPassM, "/Users/ann/Desktop/model_data.txt");
}

static bool quits_on(Uint8 type, SDLKey key)
{
    SDL_Event ev = {};
    ev.type = type, ev.key.keysym.sym = key;
    SDL_PushEvent(&ev);
    return QuitEvents();
}

TEST(Frame, EscapeQAndCloseEndTheLoopOneEventAtATime)
{
    tst_reset();
    while (SDL_PollEvent(nullptr) && !QuitEvents()) {
    }
    EXPECT_TRUE(quits_on(SDL_KEYDOWN, SDLK_ESCAPE) && quits_on(SDL_KEYDOWN, SDLK_q) && quits_on(SDL_QUIT, SDLK_a));
    EXPECT_FALSE(quits_on(SDL_KEYUP, SDLK_ESCAPE) || quits_on(SDL_KEYDOWN, SDLK_z) || QuitEvents());
    gm = 100;
    EXPECT_TRUE(quits_on(SDL_KEYDOWN, SDLK_z)) << "a quit request ends without reading the queue";
    gm = 1;
    EXPECT_FALSE(quits_on(SDL_KEYDOWN, SDLK_ESCAPE)) << "one event a call: the z comes first";
    EXPECT_TRUE(QuitEvents());
}

TEST(Frame, ShortFramesArePaddedTo50msAndFramesCountedEachSecond)
{
    tst_reset();
    auto frame = [](Uint32 used) {
        tm.frameEnd = SDL_GetTicks() - used;
        const Uint32 t0 = SDL_GetTicks();
        frameLate();
        return SDL_GetTicks() - t0;
    };
    const Uint32 padded = frame(10);
    EXPECT_TRUE(padded >= 39 && padded <= 150) << padded << " ms; a loaded machine may add some";
    EXPECT_LT(frame(70), 30u) << "a long frame is not padded";
    tm.fpsStamp = tm.now, tm.fpsCount = 0;
    frame(60);
    tm.fpsStamp = tm.now - 1000;
    frame(60);
    EXPECT_EQ(std::make_tuple(tm.fps, tm.fpsCount, multiple(-7, 3)), std::make_tuple(1, 0, -1));
}

TEST(Frame, AnimationPhases)
{
    tst_reset();
    double low = 1, high = 0;
    int wraps = 0;
    for (int f = 0; f < 500; f++) {
        const double spin = ALP.spin, blink = ALP.blink;
        alp_set();
        EXPECT_TRUE(ALP.spin == spin + 1.5 || (ALP.spin == 0 && spin == 358.5)) << spin;
        EXPECT_TRUE(ALP.blink == blink - 0.0625 || (ALP.blink == 1.5 && blink < 0.0625)) << blink;
        wraps += ALP.spin == 0;
        low = std::min(low, ALP.titleAlpha), high = std::max(high, ALP.titleAlpha);
    }
    EXPECT_EQ(std::make_tuple(low, high, wraps), std::make_tuple(0.0, 1.0, 2));
}
