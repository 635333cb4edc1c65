// The joystick selection screen: hand-over to the editor, the once-a-second
// keyboard step with wrap, and the text it draws.
#include <gtest/gtest.h>

#include <algorithm>

#include "input/input.h"
#include "tests/support/tst.h"

class SelecterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override
    {
        tst_reset_records();
        tm.now = 5000;
    }
    static void frame(Uint32 now)
    {
        tm.now = now;
        inp_selecter();
    }
};

TEST_F(SelecterTest, ZeroOrOneJoystickHandsOverInTheFirstFrame)
{
    for (int n : {0, 1}) {
        tst_reset_records();
        joyNum = n;
        snd.bgm = 2;
        KEY.up = 1;  // held arrows change nothing in the hand-over frame
        tm.moveStamp = 0;
        frame(5000);
        EXPECT_EQ(gm, 1) << n;
        EXPECT_EQ(useJ, 0) << n;
        EXPECT_EQ(tm.pressStamp, 5000u) << n;
        EXPECT_EQ(tm.moveStamp, 5000u) << n;  // set by the music call
        EXPECT_EQ(snd.seRotor, 2) << n;       // the confirm cue sounded
    }
}

TEST_F(SelecterTest, TwoJoysticksWaitForTheZKeyOnly)
{
    joyNum = 2;
    JOY.btnA = INP.btnA = 1;  // a joystick button does not count here
    frame(5000);
    frame(5050);
    EXPECT_EQ(gm, 0);
    EXPECT_EQ(snd.seRotor, 1);
    EXPECT_EQ(tm.pressStamp, 0u);
    KEY.btnA = 1;
    frame(5100);
    EXPECT_EQ(gm, 1);
    EXPECT_EQ(tm.pressStamp, 5100u);
    // The music call stamps it, then the step that still runs clears it (no arrow held).
    EXPECT_EQ(tm.moveStamp, 0u);
    EXPECT_EQ(snd.seRotor, 2);
}

TEST_F(SelecterTest, ArrowsStepOncePerSecondAndWrapBothWays)
{
    joyNum = 3;
    KEY.down = 1;
    frame(5000);  // fresh press: the cleared stamp lets it through at once
    EXPECT_EQ(useJ, 1);
    EXPECT_EQ(tm.moveStamp, 5000u);
    frame(5050);
    frame(6000);  // exactly 1000 ms: still gated
    EXPECT_EQ(useJ, 1);
    EXPECT_EQ(tm.moveStamp, 5000u);
    frame(6001);
    EXPECT_EQ(useJ, 2);
    frame(7002);
    EXPECT_EQ(useJ, 0);  // past the last entry wraps to the first
    KEY.down = 0;
    frame(7050);  // released: the stamp clears
    EXPECT_EQ(tm.moveStamp, 0u);
    KEY.up = 1;
    frame(7100);  // re-pressed soon after: moves at once
    EXPECT_EQ(useJ, 2);  // before the first wraps to the last
    EXPECT_EQ(tm.moveStamp, 7100u);
    frame(7150);
    EXPECT_EQ(useJ, 2);
    EXPECT_EQ(gm, 0);
}

TEST_F(SelecterTest, GateSurvivesTheTickCounterWrapping)
{
    joyNum = 2;
    KEY.down = 1;
    tm.moveStamp = 0xFFFFFF00u;
    frame(0x100);  // 512 ms after the stamp
    EXPECT_EQ(useJ, 0);
    tm.moveStamp = 0xFFFFF000u;
    frame(16);  // 4112 ms after the stamp
    EXPECT_EQ(useJ, 1);
}

TEST_F(SelecterTest, FirstProgramFrameNeverSteps)
{
    joyNum = 2;
    KEY.down = 1;
    frame(0);
    EXPECT_EQ(useJ, 0);
    EXPECT_EQ(tm.moveStamp, 0u);
}

static std::vector<std::string> screen_lines()
{
    auto lines = tst_lines(tst_glyphs(tst_feedback([] { inp_selecter(); })));
    std::vector<std::string> mine;  // the title and footer are checked elsewhere
    for (const std::string& l : lines)
        if (l.rfind("-54,", 0) == 0)
            mine.push_back(l);
    return mine;
}

TEST_F(SelecterTest, ScreenListsEveryJoystickAndHighlightsTheChoice)
{
    joyNum = 2;
    useJ = 1;
    std::vector<std::string> want = {"-54,-24:ARROW & Z KEY TO", "-54,-18:SELECT A JOYSTICK:",
                                     "-54,-12:____________________", "-54,-6:0: HAT -1", "-54,0:1: HAT -1",
                                     "-54,0:1: HAT -1"};
    EXPECT_EQ(screen_lines(), want);
}

TEST_F(SelecterTest, WithoutJoysticksTheHighlightHasAnEmptyName)
{
    std::vector<std::string> want = {"-54,-24:ARROW & Z KEY TO", "-54,-18:SELECT A JOYSTICK:",
                                     "-54,-12:____________________", "-54,-6:0: HAT -1"};
    EXPECT_EQ(screen_lines(), want);
}
