// A long random session: whole editor frames driven by random held inputs and
// clock steps, every record checked after each frame. TESS_SEED=<n> replays a
// run, TESS_FRAMES sets its length.
#include <gtest/gtest.h>

#include <random>

#include "screen/screen.h"
#include "tests/support/tst.h"

namespace {
bool unit(double v) { return v >= 0 && v <= 1; }

void check_records()
{
    for (const EdLayer& l : ed) {
        ASSERT_TRUE(l.count >= 0 && l.count <= ED_MAXVERT && l.view >= 0 && l.view <= 2 && l.colorSel >= -2);
        ASSERT_TRUE(l.drawType >= 0 && l.drawType <= 9 && l.modeLabel == edModeLabels[l.drawType]);
        ASSERT_TRUE(unit(l.r) && unit(l.g) && unit(l.b) && unit(l.a));
        for (int j = 0; j < ED_SLOTS; j++)
            ASSERT_TRUE(unit(l.vr[j]) && unit(l.vg[j]) && unit(l.vb[j]) && unit(l.va[j]));
    }
    ASSERT_TRUE(cm.layer >= 0 && cm.layer < ED_LAYERS && (cm.pane == 0 || cm.pane == 1));
    ASSERT_TRUE(cm.selVertex >= -1 && cm.selVertex < ed[cm.layer].count);
    ASSERT_TRUE(cm.menuItem >= 0 && cm.menuItem <= 30 && cm.colorChannel >= 0 && cm.colorChannel <= 3);
    ASSERT_TRUE(cm.scale >= 50 && cm.scale <= 3000 && cm.sizeX >= 2 && cm.sizeX <= 400 && cm.cursorMove >= 1);
    ASSERT_TRUE(std::abs(cm.curX) <= cm.sizeX && std::abs(cm.curY) <= cm.sizeY) << cm.curX << "," << cm.curY;
    ASSERT_TRUE(snd.bgm >= 0 && snd.bgm <= 4 && snd.seVolume >= 0 && snd.seVolume <= 126 && cm.bgColor <= 8);
}

TEST(Monkey, RandomSessionKeepsEveryRecordInRange)
{
    const char* seedText = getenv("TESS_SEED");
    const unsigned seed = seedText ? (unsigned)atol(seedText) : std::random_device{}();
    const int frames = getenv("TESS_FRAMES") ? atoi(getenv("TESS_FRAMES")) : 20000;
    SCOPED_TRACE("TESS_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);
    tst_reset();
    snprintf(dataPassM, sizeof dataPassM, "/tmp/tess-monkey-%d.txt", (int)getpid());
    testing::internal::CaptureStdout();
    for (int f = 0; f < frames && !HasFatalFailure(); f++) {
        int* in = &INP.up;
        for (int k = 0; k < 8; k++)
            in[k] = rng() % 100 < (k < 4 ? 30u : k == 6 ? 2u : 8u);
        if (cm.pane == 0 && cm.menuItem == 28 && rng() % 20)
            INP.btnA = 0;  // reopening the window is slow: seldom
        tm.now += rng() % 8 ? 50 : rng() % 2000;
        editerSet();
        gm = 1;  // QUIT ends nothing here
        check_records();
    }
    testing::internal::GetCapturedStdout();
    remove(dataPassM);
}
}  // namespace
