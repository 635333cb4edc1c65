// Canvas editing: cursor steps and wrap, vertex append/pick/carry/remove in
// DRAW mode, colour picking and channel steps in COLOR mode, with their cues.
#include <gtest/gtest.h>

#include <cstdio>

#include "input/input.h"
#include "tests/support/tst.h"

class CanvasInput : public ::testing::Test {
  protected:
    EdLayer& L = ed[2];
    void SetUp() override
    {
        tst_reset_records();
        cm.layer = 2;
    }
    void place(int x, int y)
    {
        cm.curX = x, cm.curY = y;
        ASSERT_EQ(tst_cue_of(inp_mode1_B1), CUE_CONFIRM);
    }
};

TEST_F(CanvasInput, CursorStepsIncludingDiagonalsAndPairPrecedence)
{
    cm.cursorMove = 3;
    struct { int u, d, l, r, dx, dy; } rows[] = {
        {1, 0, 1, 0, -3, -3}, {1, 0, 0, 1, 3, -3}, {0, 1, 1, 0, -3, 3}, {0, 1, 0, 1, 3, 3},
        {1, 0, 0, 0, 0, -3},  {0, 1, 0, 0, 0, 3},  {0, 0, 1, 0, -3, 0}, {0, 0, 0, 1, 3, 0},
        {1, 1, 0, 0, 0, -3},  {0, 0, 1, 1, -3, 0}, {1, 1, 1, 1, -3, -3},
    };
    for (auto& r : rows) {
        cm.curX = cm.curY = 0;
        tst_hold(r.u, r.d, r.l, r.r);
        EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_STEP);
        EXPECT_EQ(cm.curX, r.dx);
        EXPECT_EQ(cm.curY, r.dy);
    }
    cm.curX = cm.curY = 0;
    tst_hold(0, 0, 0, 0);
    EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_NONE);
    EXPECT_EQ(cm.curX, 0);
    EXPECT_EQ(cm.curY, 0);
}

TEST_F(CanvasInput, CursorWrapsToTheOppositeEdgeWhateverTheStep)
{
    cm.cursorMove = 5;
    cm.curX = 10;
    tst_hold(0, 0, 0, 1);
    inp_mode1_cur();
    EXPECT_EQ(cm.curX, -12);
    tst_hold(0, 0, 1, 0);
    inp_mode1_cur();
    EXPECT_EQ(cm.curX, 12);
    cm.curY = -10;
    tst_hold(1, 0, 0, 0);
    inp_mode1_cur();
    EXPECT_EQ(cm.curY, 12);
    // A shrunken model area pulls the cursor in on the next call, held or not.
    cm.sizeY = 4;
    tst_hold(0, 0, 0, 0);
    inp_mode1_cur();
    EXPECT_EQ(cm.curY, -4);
}

TEST_F(CanvasInput, DrawAppendPickCarryAndDrop)
{
    place(3, 4);
    EXPECT_EQ(L.count, 1);
    EXPECT_EQ(cm.selVertex, -1);
    EXPECT_EQ(L.vx[0], 3.0);
    EXPECT_EQ(L.vy[0], 4.0);
    EXPECT_EQ(ed[0].count, 0);

    place(3, 4);  // on the vertex: picks it up instead of appending
    EXPECT_EQ(L.count, 1);
    EXPECT_EQ(cm.selVertex, 0);

    cm.curX = cm.sizeX;
    tst_hold(0, 0, 0, 1);
    EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_STEP);
    EXPECT_EQ(L.vx[0], cm.sizeX + 1.0);  // stored before the cursor wraps
    EXPECT_EQ(cm.curX, -cm.sizeX);
    tst_hold(0, 1, 0, 0);
    inp_mode1_cur();
    EXPECT_EQ(L.vx[0], -cm.sizeX);
    EXPECT_EQ(L.vy[0], 5.0);

    EXPECT_EQ(tst_cue_of(inp_mode1_B1), CUE_CONFIRM);
    EXPECT_EQ(cm.selVertex, -1);
    EXPECT_EQ(L.count, 1);
    inp_mode1_cur();  // no longer carried
    EXPECT_EQ(L.vy[0], 5.0);
}

TEST_F(CanvasInput, DrawButtonBDeselectsOrRemovesTheLastVertex)
{
    place(1, 1);
    place(2, 2);
    place(3, 3);
    place(1, 1);  // select vertex 0
    ASSERT_EQ(cm.selVertex, 0);
    EXPECT_EQ(tst_cue_of(inp_mode1_B2), CUE_CANCEL);
    EXPECT_EQ(cm.selVertex, -1);
    EXPECT_EQ(L.count, 3);
    // Removal takes the last placed vertex, not the one under the cursor.
    EXPECT_EQ(tst_cue_of(inp_mode1_B2), CUE_CANCEL);
    EXPECT_EQ(L.count, 2);
    EXPECT_EQ(L.vx[1], 2.0);
    inp_mode1_B2();
    inp_mode1_B2();
    EXPECT_EQ(L.count, 0);
    EXPECT_EQ(tst_cue_of(inp_mode1_B2), CUE_CANCEL);
    EXPECT_EQ(L.count, 0);
}

TEST_F(CanvasInput, AppendIsRefusedAtTheCapacity)
{
    for (int n = 0; n < 255; n++) {
        L.vx[n] = n % 20 - 10;
        L.vy[n] = -12;
    }
    L.count = 255;
    place(0, 5);
    EXPECT_EQ(L.count, 256);
    cm.curX = 1;
    EXPECT_EQ(tst_cue_of(inp_mode1_B1), CUE_CANCEL);
    EXPECT_EQ(L.count, 256);
    EXPECT_EQ(L.vx[256], 0.0);  // the spare slot stays untouched
    EXPECT_EQ(cm.selVertex, -1);
    place(0, 5);
    EXPECT_EQ(cm.selVertex, 255);
}

TEST_F(CanvasInput, CoincidentVerticesPickTheHigherIndex)
{
    place(2, 2);
    place(5, 5);
    L.vx[2] = L.vy[2] = 2;  // a third vertex on top of the first
    L.count = 3;
    place(2, 2);
    EXPECT_EQ(cm.selVertex, 2);
}

TEST_F(CanvasInput, ColorModeLayerEditing)
{
    cm.designMode = 1;
    place(0, 0);  // empty ground: start editing the layer colour
    EXPECT_EQ(L.colorSel, -2);
    EXPECT_EQ(cm.selVertex, -1);
    cm.colorChannel = 3;
    tst_hold(0, 0, 0, 1);
    EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_STEP);
    EXPECT_DOUBLE_EQ(L.a, 0.35);
    EXPECT_EQ(cm.curX, 0);  // the cursor holds still while a colour is edited
    for (int i = 1; i < 13; i++)
        inp_mode1_cur();
    EXPECT_LT(L.a, 1.0);
    inp_mode1_cur();
    EXPECT_EQ(L.a, 1.0);
    EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_STEP);
    EXPECT_EQ(L.a, 1.0);

    tst_hold(1, 0, 0, 1);  // up wins: only the channel moves
    inp_mode1_cur();
    EXPECT_EQ(cm.colorChannel, 2);
    EXPECT_EQ(L.b, 1.0);
    EXPECT_EQ(L.r, 0.0);

    EXPECT_EQ(tst_cue_of(inp_mode1_B1), CUE_CONFIRM);
    EXPECT_EQ(L.colorSel, -1);
    EXPECT_EQ(L.a, 1.0);
    tst_hold(0, 0, 0, 1);
    inp_mode1_cur();
    EXPECT_EQ(cm.curX, 1);

    place(0, 0);
    EXPECT_EQ(tst_cue_of(inp_mode1_B2), CUE_CANCEL);
    EXPECT_EQ(L.colorSel, -1);
}

TEST_F(CanvasInput, ColorStepsAreNotSnapped)
{
    cm.designMode = 1;
    L.colorSel = -2;
    L.r = 0.3;
    tst_hold(0, 0, 1, 0);
    for (int i = 0; i < 6; i++)
        inp_mode1_cur();
    EXPECT_GT(L.r, 0.0);
    EXPECT_LT(L.r, 1e-16);
    char text[16];
    snprintf(text, sizeof text, "%.2f", L.r);
    EXPECT_STREQ(text, "0.00");
    EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_STEP);
    EXPECT_EQ(L.r, 0.0);
}

TEST_F(CanvasInput, ChannelChoiceStopsAtBothEndsWithACue)
{
    cm.designMode = 1;
    L.colorSel = -2;
    tst_hold(1, 0, 0, 0);
    EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_STEP);
    EXPECT_EQ(cm.colorChannel, 0);
    tst_hold(0, 1, 0, 0);
    for (int i = 0; i < 3; i++)
        inp_mode1_cur();
    EXPECT_EQ(cm.colorChannel, 3);
    EXPECT_EQ(tst_cue_of(inp_mode1_cur), CUE_STEP);
    EXPECT_EQ(cm.colorChannel, 3);
}

TEST_F(CanvasInput, ColorModeVertexPickSwitchesToPerVertexColours)
{
    place(4, 4);
    place(6, 6);
    cm.designMode = 1;
    place(6, 6);
    EXPECT_EQ(cm.selVertex, 1);
    EXPECT_EQ(L.colorSel, 1);
    cm.colorChannel = 0;
    tst_hold(0, 0, 0, 1);
    inp_mode1_cur();
    EXPECT_DOUBLE_EQ(L.vr[1], 0.05);
    EXPECT_EQ(L.vr[0], 0.0);
    EXPECT_EQ(L.r, 0.0);
    EXPECT_EQ(cm.curX, 6);

    EXPECT_EQ(tst_cue_of(inp_mode1_B2), CUE_CANCEL);
    EXPECT_EQ(cm.selVertex, -1);
    EXPECT_EQ(L.colorSel, 1);
    inp_mode1_cur();
    EXPECT_EQ(cm.curX, 7);
    EXPECT_EQ(tst_cue_of(inp_mode1_B2), CUE_CANCEL);  // nothing selected: no change
    EXPECT_EQ(L.colorSel, 1);

    cm.curX = 4;
    place(4, 4);
    EXPECT_EQ(L.colorSel, 0);
    EXPECT_EQ(tst_cue_of(inp_mode1_B1), CUE_CONFIRM);
    EXPECT_EQ(cm.selVertex, -1);
    EXPECT_EQ(L.colorSel, 0);
}

TEST_F(CanvasInput, RemovedSlotKeepsItsColourForTheNextVertex)
{
    place(1, 1);
    L.vg[1] = 0.25;  // colour of a slot that held a removed vertex
    L.vx[1] = 9;
    place(2, 2);
    inp_mode1_B2();
    place(-3, 3);
    EXPECT_EQ(L.count, 2);
    EXPECT_EQ(L.vx[1], -3.0);
    EXPECT_EQ(L.vg[1], 0.25);
    EXPECT_EQ(L.va[1], 0.3);
}

TEST_F(CanvasInput, ClampsRunOnEveryCall)
{
    place(0, 0);
    L.r = 1.5, L.g = -0.2;
    L.va[0] = 2, L.vb[0] = -1;
    L.vr[1] = 5;  // not selected: left alone
    cm.colorChannel = 7;
    tst_hold(0, 0, 0, 0);
    inp_mode1_cur();
    EXPECT_EQ(L.r, 1.0);
    EXPECT_EQ(L.g, 0.0);
    EXPECT_EQ(L.va[0], 2.0);
    EXPECT_EQ(cm.colorChannel, 3);
    place(0, 0);
    ASSERT_EQ(cm.selVertex, 0);
    inp_mode1_cur();
    EXPECT_EQ(L.va[0], 1.0);
    EXPECT_EQ(L.vb[0], 0.0);
    EXPECT_EQ(L.vr[1], 5.0);
    cm.colorChannel = -4;
    inp_mode1_cur();
    EXPECT_EQ(cm.colorChannel, 0);
}
