// The frame loop's parts: start-up defaults, frame pacing and the frame counter.
// (The quit test is the input tests' and the end-to-end tests'.)
#include "tests/support/tst.h"

TEST(Frame, StartUpGivesEveryRunTheSameDefaults)
{
    cm.scale = 50;
    tm.timeH = 5;
    ed[0].count = 3;
    setenv("SDL_AUDIODRIVER", "nosuch", 1);  // and no audio device: a silent editor that says why
    const std::string out = tst_stdout(start);
    EXPECT_EQ(out.rfind("SDL_MIXER:", 0), 0u) << out;
    EXPECT_NE(out.find("\nSE_C[0] : audio device not open\n"), std::string::npos) << out;
    EXPECT_EQ(std::make_tuple(gm, cm.scale, cm.pane, ed[0].count, tm.timeH, joyNum), std::make_tuple(0, 1800, 1, 0, 0u, SDL_NumJoysticks()));
    EXPECT_EQ(SDL_JoystickEventState(SDL_QUERY), SDL_IGNORE) << "the joystick is polled, its noise never queued";
}

TEST(Frame, ShortFramesArePaddedTo50msAndFramesCountedEachSecond)
{
    auto frame = [](Uint32 used) {
        tm.frameEnd = SDL_GetTicks() - used;
        const Uint32 t0 = SDL_GetTicks();
        frameLate();
        return SDL_GetTicks() - t0;
    };
    tm.fpsStamp = SDL_GetTicks();
    frame(60);  // unmeasured: its swap may carry earlier tests' drawing
    tm.fpsStamp = tm.now - 1000;
    EXPECT_LT(frame(60), 30u) << "a long frame is not padded";
    EXPECT_EQ(std::make_pair(tm.fps, tm.fpsCount), std::make_pair(1, 0)) << "the frame before the second's end counted";
    // A 30 ms frame waits out the 20 ms left of its period; a loaded machine may add some.
    const Uint32 padded = frame(30);
    EXPECT_TRUE(padded >= 19 && padded <= 75) << padded << " ms";
    tm.framePeriod = 0;  // the clock's frames a second, whatever the period
    scn_B_timers(0.5, 0, 0);
    EXPECT_EQ(tm.timeF, 1u);
}
