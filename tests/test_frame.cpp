// The frame loop's parts: start-up defaults, frame pacing and the frame counter.
// (The quit test is the input tests' and the end-to-end tests'.)
#include "tests/support/tst.h"

TEST(Frame, StartUpGivesEveryRunTheSameDefaults)
{
    std::tie(cm.scale, tm.timeH, ed[0].count) = std::tuple(50, 5u, 3);
    setenv("SDL_AUDIODRIVER", "nosuch", 1);  // and no audio device: the mixer's reason and one line, no file named
    testing::internal::CaptureStderr();
    const std::string out = tst_stdout(start), err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(out.rfind("SDL_MIXER:", 0), 0u) << out;
    EXPECT_EQ(out.find_first_of('\n'), out.size() - 1) << out;
    EXPECT_NE(err.find("tessaloom: no audio device, so the editor runs silent\n"), std::string::npos) << err;
    EXPECT_EQ(std::make_tuple(gm, cm.scale, cm.pane, ed[0].count, tm.timeH, joyNum), std::make_tuple(0, 1800, 1, 0, 0u, SDL_NumJoysticks()));
    // The joystick is polled and the mouse ignored: nothing but key presses and quits is queued.
    EXPECT_EQ(std::make_tuple(SDL_JoystickEventState(SDL_QUERY), SDL_EventState(SDL_MOUSEMOTION, SDL_QUERY), SDL_EventState(SDL_KEYDOWN, SDL_QUERY), SDL_EventState(SDL_QUIT, SDL_QUERY)), std::make_tuple(SDL_IGNORE, SDL_IGNORE, SDL_ENABLE, SDL_ENABLE));
}

TEST(Frame, ShortFramesArePaddedTo50msAndFramesCountedEachSecond)
{
    // Each frame's wait after its swap, as due from its 50 ms period and as taken. A busy machine
    // may wake the wait late, never early; but SDL 1.2's tick count rounds up just before each
    // whole second of its own and down after it, so a wait across that turn reads 1 ms short.
    auto frame = [](Uint32 used) {
        const Uint32 start = SDL_GetTicks() - used;
        tm.frameEnd = start;
        frameLate();
        const Uint32 due = tm.now - start < 50 ? 50 - (tm.now - start) : 0;
        return std::make_pair(due, tm.frameEnd - tm.now);
    };
    tm.fpsStamp = SDL_GetTicks();
    frame(60);
    tm.fpsStamp = tm.now - 1000;
    const auto late = frame(60);
    EXPECT_TRUE(late.first == 0 && late.second < 25) << late.second << " ms: a long frame is not padded";
    EXPECT_EQ(std::make_pair(tm.fps, tm.fpsCount), std::make_pair(1, 0)) << "the frame before the second's end counted";
    const auto padded = frame(30);
    EXPECT_TRUE(padded.second + 1 >= padded.first && padded.second < padded.first + 25) << padded.first << " ms due, " << padded.second << " taken";
}
