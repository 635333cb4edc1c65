// The frame loop's parts: start-up defaults, frame pacing and the frame
// counter, and the quit test (the quit keys are the end-to-end tests').
#include <gtest/gtest.h>

#include <cstdio>

#include "app/app.h"
#include "screen/screen.h"
#include "sound/sound.h"
#include "tests/support/tst.h"

TEST(Frame, StartUpGivesEveryRunTheSameDefaults)
{
    tst_reset();
    cm.scale = 50, tm.timeH = 5, ed[0].count = 3;
    setenv("USER", "ann", 1);
    setenv("SDL_AUDIODRIVER", "nosuch", 1);  // and no audio device: a silent editor
    snprintf(dataPassM, sizeof dataPassM, "/Users/");
    testing::internal::CaptureStdout();
    start();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("SDL_MIXER:", 0), 0u) << out;
    tm.now = 7;
    SE(1), BGM(1, -1);
    EXPECT_EQ(tm.pressStamp + tm.moveStamp, 14u) << "cues still stamp their timers";
    EXPECT_EQ(std::make_tuple(gm, cm.scale, cm.pane, ed[0].count, tm.timeH + tm.timeM + tm.timeS + tm.timeF),
              std::make_tuple(0, 1800, 1, 0, 0u));
    EXPECT_STREQ(dataPassM, "/Users/ann/Desktop/model_data.txt");
}

TEST(Frame, TheWindowsCloseAndAQuitRequestEndTheLoop)
{
    tst_reset();
    while (SDL_PollEvent(nullptr) && !QuitEvents()) {
    }
    SDL_Event ev = {SDL_QUIT};
    SDL_PushEvent(&ev);
    EXPECT_TRUE(QuitEvents());
    EXPECT_FALSE(QuitEvents());
    gm = 100;  // QUIT on the panel
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
    tm.framePeriod = 0, tm.timeF = 0;  // the clock's frames a second, whatever the period
    scn_B_timers(0.5, 0, 0);
    EXPECT_EQ(tm.timeF, 1u);
}
