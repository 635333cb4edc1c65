// Sampling: the joystick reading mapped onto JOY (hat table, stick thresholds,
// buttons), the keyboard array onto KEY, and both merged into INP.
#include <gtest/gtest.h>

#include <cstring>

#include "input/input.h"
#include "tests/support/tst.h"

namespace {

struct Dirs {
    int up, down, left, right;
};

Dirs dirs() { return {JOY.up, JOY.down, JOY.left, JOY.right}; }

bool same(Dirs a, Dirs b) { return a.up == b.up && a.down == b.down && a.left == b.left && a.right == b.right; }

Uint8* keys()
{
    return SDL_GetKeyState(nullptr);
}

}  // namespace

class InputSampleTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override
    {
        tst_reset_records();
        int n = 0;
        memset(SDL_GetKeyState(&n), 0, (size_t)n);
    }
    void TearDown() override
    {
        int n = 0;
        memset(SDL_GetKeyState(&n), 0, (size_t)n);
    }
};

TEST_F(InputSampleTest, HatTableSetsDirectionsAndIgnoresTheStick)
{
    struct {
        int hat;
        Dirs d;
    } table[] = {{1, {1, 0, 0, 0}}, {2, {0, 0, 0, 1}}, {3, {1, 0, 0, 1}},  {4, {0, 1, 0, 0}},
                 {6, {0, 1, 0, 1}}, {8, {0, 0, 1, 0}}, {9, {1, 0, 1, 0}}, {12, {0, 1, 1, 0}}};
    for (auto& e : table) {
        // The stick pushed the other way everywhere must not leak in.
        inp_joy_levels(e.hat, -32768, 32767, 0, 0, 0, 0);
        EXPECT_TRUE(same(dirs(), e.d)) << "hat " << e.hat;
        inp_joy_levels(e.hat, 32767, -32768, 0, 0, 0, 0);
        EXPECT_TRUE(same(dirs(), e.d)) << "hat " << e.hat;
    }
}

TEST_F(InputSampleTest, OtherHatValuesLeaveTheStickToDecideAtPlusMinus30000)
{
    for (int hat : {0, 5, 10, 15, 7, 16, -1}) {
        inp_joy_levels(hat, 29999, -30000, 0, 0, 0, 0);
        EXPECT_TRUE(same(dirs(), {1, 0, 0, 0})) << hat;
        inp_joy_levels(hat, -30000, 30000, 0, 0, 0, 0);
        EXPECT_TRUE(same(dirs(), {0, 1, 1, 0})) << hat;
        inp_joy_levels(hat, 30000, 29999, 0, 0, 0, 0);
        EXPECT_TRUE(same(dirs(), {0, 0, 0, 1})) << hat;
        inp_joy_levels(hat, -29999, -29999, 0, 0, 0, 0);
        EXPECT_TRUE(same(dirs(), {0, 0, 0, 0})) << hat;
        inp_joy_levels(hat, -32768, -32768, 0, 0, 0, 0);
        EXPECT_TRUE(same(dirs(), {1, 0, 1, 0})) << hat;
    }
}

TEST_F(InputSampleTest, ButtonsThreeTwoNineEightAreLevels)
{
    inp_joy_levels(0, 0, 0, 1, 0, 0, 0);
    EXPECT_EQ(JOY.btnA, 1);
    EXPECT_EQ(JOY.btnB + JOY.btnC + JOY.btnD, 0);
    inp_joy_levels(0, 0, 0, 0, 1, 1, 1);
    EXPECT_EQ(JOY.btnA, 0);
    EXPECT_EQ(JOY.btnB, 1);
    EXPECT_EQ(JOY.btnC, 1);
    EXPECT_EQ(JOY.btnD, 1);
    inp_joy_levels(0, 0, 0, 2, 2, 2, 2);  // only exactly 1 counts as pressed
    EXPECT_EQ(JOY.btnA + JOY.btnB + JOY.btnC + JOY.btnD, 0);
}

TEST_F(InputSampleTest, KeyboardFillsKeyAndMergesWithJoystick)
{
    const int codes[8] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_z, SDLK_x, SDLK_SPACE, SDLK_RETURN};
    for (int k = 0; k < 8; k++) {
        SCOPED_TRACE(k);
        keys()[codes[k]] = 1;
        inputEngine();
        int* key = &KEY.up;
        int* inp = &INP.up;
        for (int f = 0; f < 8; f++) {
            EXPECT_EQ(key[f], f == k);
            EXPECT_EQ(inp[f], f == k);
        }
        keys()[codes[k]] = 0;
    }
    // Right held on both sources is still just 1; the joystick alone also counts.
    keys()[SDLK_RIGHT] = 1;
    inp_joy_levels(SDL_HAT_RIGHT, 0, 0, 0, 0, 1, 0);
    inputEngine();  // no open joystick in slot useJ: JOY keeps its reading
    EXPECT_EQ(JOY.right, 1);
    EXPECT_EQ(INP.right, 1);
    EXPECT_EQ(INP.btnC, 1);
    EXPECT_EQ(KEY.btnC, 0);
    EXPECT_EQ(INP.left + INP.up + INP.down + INP.btnA, 0);
    keys()[SDLK_RIGHT] = 0;
    keys()[SDLK_z] = 2;  // not a pressed level
    inputEngine();
    EXPECT_EQ(KEY.right, 0);
    EXPECT_EQ(INP.right, 1);
    EXPECT_EQ(KEY.btnA, 0);
}

TEST_F(InputSampleTest, NoJoystickAttachedOpensNothing)
{
    testing::internal::CaptureStdout();
    load_input();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(SDL_NumJoysticks(), 0);
    EXPECT_EQ(joyNum, 0);
    EXPECT_EQ(Joy[0], nullptr);
    EXPECT_EQ(out, "");
    EXPECT_STREQ(inp_joy_name(0), "");
    end_input();
}
