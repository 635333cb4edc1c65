// The editor's input gates: step, press and cull pacing over simulated frames,
// the strict limits and the tick wrap, button precedence, the pane switch and
// the culling toggle read back from Mesa.
#include <gtest/gtest.h>

#include "input/input.h"
#include "tests/support/tst.h"

class Dispatch : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override
    {
        tst_reset_records();
        cm.sizeX = cm.sizeY = 400;  // room to step without wrapping
        glDisable(GL_CULL_FACE);
    }
    // One editor frame's input step at tick t with the given input held.
    static void frame(Uint32 t, InpRec in)
    {
        tm.now = t;
        INP = in;
        inp_editEngine();
    }
};

static const InpRec NONE{}, RIGHT{0, 0, 0, 1, 0, 0, 0, 0}, BTN_A{0, 0, 0, 0, 1, 0, 0, 0},
    BTN_B{0, 0, 0, 0, 0, 1, 0, 0}, BTN_C{0, 0, 0, 0, 0, 0, 1, 0}, BTN_D{0, 0, 0, 0, 0, 0, 0, 1};

TEST_F(Dispatch, HeldDirectionActsEverySecondFrame)
{
    std::vector<int> acted;
    for (int f = 0; f < 20; f++) {
        int before = cm.curX;
        frame(1000 + 50 * f, RIGHT);
        if (cm.curX != before)
            acted.push_back(f);
    }
    EXPECT_EQ(acted, (std::vector<int>{0, 2, 4, 6, 8, 10, 12, 14, 16, 18}));
}

TEST_F(Dispatch, ReleasingAllDirectionsClearsTheStepStamp)
{
    frame(1000, RIGHT);
    ASSERT_EQ(tm.moveStamp, 1000u);
    frame(1030, RIGHT);  // held inside the gate: nothing, stamp kept
    EXPECT_EQ(cm.curX, 1);
    EXPECT_EQ(tm.moveStamp, 1000u);
    frame(1040, NONE);
    EXPECT_EQ(tm.moveStamp, 0u);
    frame(1045, RIGHT);  // a fresh press acts at once
    EXPECT_EQ(cm.curX, 2);
}

TEST_F(Dispatch, GateLimitsAreStrict)
{
    tm.moveStamp = 1000;
    frame(1060, RIGHT);
    EXPECT_EQ(cm.curX, 0);
    frame(1061, RIGHT);
    EXPECT_EQ(cm.curX, 1);

    tm.pressStamp = 1000;
    frame(1500, BTN_A);
    EXPECT_EQ(ed[0].count, 0);
    frame(1501, BTN_A);
    EXPECT_EQ(ed[0].count, 1);
    EXPECT_EQ(tm.pressStamp, 1501u);
}

TEST_F(Dispatch, GatesSurviveTheTickCounterWrap)
{
    tm.moveStamp = 0xFFFFFFF0u;
    frame(0x20, RIGHT);  // 48 ms later
    EXPECT_EQ(cm.curX, 0);
    frame(0x30, RIGHT);  // 64 ms later
    EXPECT_EQ(cm.curX, 1);
    tm.pressStamp = 0xFFFFFF00u;
    frame(0x100, BTN_A);  // 512 ms later
    EXPECT_EQ(ed[0].count, 1);
}

TEST_F(Dispatch, HeldButtonRepeatsAboutEvery550ms)
{
    std::vector<Uint32> switched;
    for (int f = 0; f < 40; f++) {
        int before = cm.pane;
        frame(1000 + 50 * f, BTN_C);
        if (cm.pane != before)
            switched.push_back(tm.now);
    }
    EXPECT_EQ(switched, (std::vector<Uint32>{1000, 1550, 2100, 2650}));
    EXPECT_EQ(cm.pane, 1);
}

TEST_F(Dispatch, ReleasingButtonsClearsThePressStampButDDoesNot)
{
    frame(1000, BTN_B);
    ASSERT_EQ(tm.pressStamp, 1000u);
    frame(1050, BTN_D);
    EXPECT_EQ(tm.pressStamp, 0u);
    frame(1100, BTN_B);
    EXPECT_EQ(tm.pressStamp, 1100u);
    frame(1150, BTN_D);
    EXPECT_EQ(tm.pressStamp, 0u);
    EXPECT_EQ(tm.cullStamp, 1050u);  // the second D came within 500 ms
}

TEST_F(Dispatch, ButtonCOverAOverB)
{
    frame(1000, InpRec{0, 0, 0, 0, 1, 0, 1, 0});
    EXPECT_EQ(cm.pane, 0);
    EXPECT_EQ(ed[0].count, 0);

    tst_reset_records();
    ed[0].count = 1;
    cm.curX = 7;
    frame(1000, InpRec{0, 0, 0, 0, 1, 1, 0, 0});
    EXPECT_EQ(ed[0].count, 2);  // appended, not removed
    EXPECT_EQ(ed[0].vx[1], 7.0);
    frame(1501, BTN_B);
    EXPECT_EQ(ed[0].count, 1);
}

TEST_F(Dispatch, PaneSwitchDropsSelectionAndEndsLayerColourEditing)
{
    int rotor = snd.seRotor;
    cm.layer = 3;
    ed[3].count = 4;
    cm.selVertex = 2;
    ed[3].colorSel = -2;
    frame(1000, BTN_C);
    EXPECT_EQ(cm.pane, 0);
    EXPECT_EQ(cm.selVertex, -1);
    EXPECT_EQ(ed[3].colorSel, -1);
    EXPECT_EQ(tm.pressStamp, 1000u);
    EXPECT_EQ(snd.seRotor, rotor);  // the pane cue, not the confirm cue

    ed[3].colorSel = -2;
    frame(2000, BTN_C);
    EXPECT_EQ(cm.pane, 1);
    EXPECT_EQ(ed[3].colorSel, -1);

    ed[3].colorSel = 2;  // per-vertex colours survive the switch
    frame(3000, BTN_C);
    EXPECT_EQ(ed[3].colorSel, 2);
}

TEST_F(Dispatch, CullingTogglesAtMostEvery500msWithoutACue)
{
    frame(1000, BTN_D);
    EXPECT_EQ(cm.cullFace, 1);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    GLint mode = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &mode);
    EXPECT_EQ(mode, GL_FRONT);
    EXPECT_EQ(tm.cullStamp, 1000u);
    EXPECT_EQ(tm.pressStamp, 0u);
    EXPECT_EQ(tm.moveStamp, 0u);

    frame(1200, NONE);
    frame(1400, BTN_D);  // tapped again too soon
    EXPECT_EQ(cm.cullFace, 1);
    frame(1500, BTN_D);
    EXPECT_EQ(cm.cullFace, 1);
    frame(1501, BTN_D);
    EXPECT_EQ(cm.cullFace, 0);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_EQ(tm.cullStamp, 1501u);

    cm.pane = 0;  // the same on the panel
    frame(2100, BTN_D);
    EXPECT_EQ(cm.cullFace, 1);
    EXPECT_EQ(cm.pane, 0);
}

TEST_F(Dispatch, HoldingRightOnTheScaleItemForOneSecond)
{
    cm.pane = 0;
    cm.menuItem = 0;
    int steps = 0;
    for (int f = 0; f < 20; f++) {
        frame(1000 + 50 * f, RIGHT);
        steps += tm.moveStamp == tm.now;
    }
    EXPECT_EQ(cm.scale, 1800 + 10 * 50);
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(cm.pane, 0);
}

TEST_F(Dispatch, DirectionActsBeforeTheButtonInTheSameFrame)
{
    cm.pane = 0;
    cm.menuItem = 12;
    frame(1000, InpRec{0, 1, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(cm.menuItem, 13);
    EXPECT_EQ(cm.layer, 2);
    EXPECT_EQ(cm.pane, 1);
}
