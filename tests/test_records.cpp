// Mode labels, the draw-type clamp and the hit test.
#include <gtest/gtest.h>

#include <cstring>

#include "app/records.h"
#include "tests/support/tst.h"

TEST(Records, LabelsAreTwelveCharactersRightAligned)
{
    const char* want[10] = {"      POINTS", "       LINES", "   LINE_LOOP", "  LINE_STRIP", "   TRIANGLES",
                            "TRIANGLSTRIP", "TRIANGLE_FAN", "       QUADS", "  QUAD_STRIP", "     POLYGON"};
    init_editer();
    for (int t = 0; t < 10; t++) {
        ed[t % 6].drawType = t;
        edit_mode_setter();
        EXPECT_STREQ(ed[t % 6].modeLabel, want[t]);
        EXPECT_EQ(strlen(ed[t % 6].modeLabel), 12u);
    }
}

TEST(Records, ModeSetterClampsEveryLayerInOneCall)
{
    init_editer();
    int in[6] = {10, -1, 99, -50, 9, 0};
    int out[6] = {9, 0, 9, 0, 9, 0};
    for (int i = 0; i < 6; i++)
        ed[i].drawType = in[i];
    edit_mode_setter();
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(ed[i].drawType, out[i]) << i;
        EXPECT_STREQ(ed[i].modeLabel, out[i] == 9 ? "     POLYGON" : "      POINTS") << i;
    }
}

TEST(Records, SamePosFindsHighestIndexBelowCount)
{
    tst_reset_records();
    EXPECT_EQ(edit_same_pos(), -1) << "empty layer";
    EdLayer& l = ed[0];
    l.vx[0] = 0, l.vy[0] = 0;
    l.vx[1] = 3, l.vy[1] = 0;
    l.vx[2] = 0, l.vy[2] = 0;
    l.count = 3;
    EXPECT_EQ(edit_same_pos(), 2);
    cm.curX = 3;
    EXPECT_EQ(edit_same_pos(), 1);
    cm.curY = 1;
    EXPECT_EQ(edit_same_pos(), -1);
    // A stale position above count never matches.
    l.vx[3] = 3, l.vy[3] = 1;
    EXPECT_EQ(edit_same_pos(), -1);
    cm.layer = 1;
    cm.curX = cm.curY = 0;
    EXPECT_EQ(edit_same_pos(), -1) << "only the current layer is searched";
}
