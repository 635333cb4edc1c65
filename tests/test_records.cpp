// Defaults of the settings and the model, the draw-type clamp and the hit test.
#include <gtest/gtest.h>

#include <cstring>

#include "app/records.h"
#include "tests/support/tst.h"

TEST(Records, LoadTimeValues)
{
    EXPECT_EQ(alB, 0.5);
    EXPECT_STREQ(dataPassM, "/Users/");
    EXPECT_EQ(WIW, 400);
    EXPECT_EQ(WIH, 300);
}

TEST(Records, InitCommonGivesEverySettingItsDefault)
{
    memset(&cm, 0x55, sizeof cm);
    snd.bgm = 3;
    snd.bgmVolume = 77;
    init_common();
    EXPECT_EQ(cm.pane, 1);
    EXPECT_EQ(cm.winToggle, 0);
    EXPECT_EQ(cm.cullFace, 0);
    EXPECT_EQ(cm.bgColor, 0);
    EXPECT_EQ(cm.gridSpan, 6);
    EXPECT_EQ(cm.cursorMove, 1);
    EXPECT_EQ(cm.antiAlias, 0);
    EXPECT_EQ(cm.scale, 1800);
    EXPECT_EQ(cm.layer, 0);
    EXPECT_EQ(cm.designMode, 0);
    EXPECT_EQ(cm.selVertex, -1);
    EXPECT_EQ(cm.curX, 0);
    EXPECT_EQ(cm.curY, 0);
    EXPECT_EQ(cm.sizeX, 12);
    EXPECT_EQ(cm.sizeY, 12);
    EXPECT_EQ(cm.menuItem, 0);
    EXPECT_EQ(cm.colorChannel, 0);
    EXPECT_EQ(cm.prevScale1, 50);
    EXPECT_EQ(cm.prevScale2, 100);
    EXPECT_EQ(cm.prevScale3, 400);
    EXPECT_EQ(cm.rowGlobal, -258);
    EXPECT_EQ(cm.rowLayer, -198);
    EXPECT_EQ(cm.rowPreview, -114);
    EXPECT_EQ(cm.rowBack, 216);
    EXPECT_EQ(cm.rowOther, 252);
    EXPECT_EQ(snd.bgm, 0);
    EXPECT_EQ(snd.bgmVolume, 77) << "volumes belong to the sound bank, not the settings";
}

TEST(Records, InitEditerEmptiesAllLayersAndAllSlots)
{
    memset(ed, 0x33, sizeof ed);
    init_editer();
    for (const EdLayer& l : ed) {
        EXPECT_EQ(l.view, 2);
        EXPECT_EQ(l.colorSel, -1);
        EXPECT_EQ(l.count, 0);
        EXPECT_EQ(l.drawType, 6);
        EXPECT_STREQ(l.modeLabel, "TRIANGLE_FAN");
        EXPECT_EQ(l.r, 0.0);
        EXPECT_EQ(l.g, 1.0);
        EXPECT_EQ(l.b, 1.0);
        EXPECT_EQ(l.a, 0.3);
        for (int j = 0; j < 257; j++) {
            ASSERT_EQ(l.vr[j], 0.0) << j;
            ASSERT_EQ(l.vg[j], 1.0) << j;
            ASSERT_EQ(l.vb[j], 1.0) << j;
            ASSERT_EQ(l.va[j], 0.3) << j;
            ASSERT_EQ(l.vx[j], 0.0) << j;
            ASSERT_EQ(l.vy[j], 0.0) << j;
        }
    }
}

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
