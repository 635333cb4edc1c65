// A long random session: the editor frame driven by random held inputs, random
// clock steps and random panel items, with the records' invariants checked
// after every frame. TESS_SEED=<n> replays a failing run; TESS_FRAMES sets its length.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "app/app.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

static unsigned mk_seed()
{
    const char* s = getenv("TESS_SEED");
    return s ? (unsigned)strtoul(s, nullptr, 10) : (unsigned)std::random_device{}();
}

static int mk_frames()
{
    const char* s = getenv("TESS_FRAMES");
    return s ? atoi(s) : 20000;
}

static bool mk_in(double v) { return v >= 0.0 && v <= 1.0; }

static void mk_check_layers(int frame)
{
    for (int i = 0; i < 6; i++) {
        const EdLayer& l = ed[i];
        ASSERT_GE(l.count, 0) << "frame " << frame;
        ASSERT_LE(l.count, 256) << "frame " << frame;
        ASSERT_GE(l.drawType, 0);
        ASSERT_LE(l.drawType, 9);
        ASSERT_STREQ(l.modeLabel, edModeLabels[l.drawType]) << "frame " << frame;
        ASSERT_GE(l.view, 0);
        ASSERT_LE(l.view, 2);
        ASSERT_GE(l.colorSel, -2);
        ASSERT_LE(l.colorSel, 256);
        ASSERT_TRUE(mk_in(l.r) && mk_in(l.g) && mk_in(l.b) && mk_in(l.a)) << "frame " << frame << " layer " << i;
        for (int j = 0; j < 257; j++)
            ASSERT_TRUE(mk_in(l.vr[j]) && mk_in(l.vg[j]) && mk_in(l.vb[j]) && mk_in(l.va[j]))
                << "frame " << frame << " layer " << i << " slot " << j;
    }
}

static void mk_check_settings(int frame, bool cursorCalled)
{
    ASSERT_TRUE(cm.selVertex == -1 || (cm.selVertex >= 0 && cm.selVertex < ed[cm.layer].count))
        << "frame " << frame << " selVertex " << cm.selVertex;
    ASSERT_GE(cm.menuItem, 0);
    ASSERT_LE(cm.menuItem, 30);
    ASSERT_TRUE(cm.pane == 0 || cm.pane == 1) << "frame " << frame;
    ASSERT_TRUE(cm.layer >= 0 && cm.layer <= 5);
    ASSERT_TRUE(snd.bgm >= 0 && snd.bgm <= 4) << "frame " << frame;
    ASSERT_TRUE(snd.bgmVolume >= 0 && snd.bgmVolume <= 126);
    ASSERT_TRUE(snd.seVolume >= 0 && snd.seVolume <= 126);
    ASSERT_TRUE(cm.colorChannel >= 0 && cm.colorChannel <= 3);
    if (cursorCalled) {
        ASSERT_LE(abs(cm.curX), cm.sizeX) << "frame " << frame;
        ASSERT_LE(abs(cm.curY), cm.sizeY) << "frame " << frame;
    }
}

// One random held state, kept for a random number of frames.
static void mk_inputs(std::mt19937& rng)
{
    std::uniform_int_distribution<int> pct(0, 99);
    INP.up = pct(rng) < 15;
    INP.down = pct(rng) < 15;
    INP.left = pct(rng) < 20;
    INP.right = pct(rng) < 20;
    INP.btnA = pct(rng) < 20;
    INP.btnB = pct(rng) < 10;
    INP.btnC = pct(rng) < 6;
    INP.btnD = pct(rng) < 3;
}

static void mk_clock(std::mt19937& rng)
{
    std::uniform_int_distribution<int> pct(0, 999);
    int roll = pct(rng);
    if (roll < 2)
        tm.now = 0xFFFFFFFFu - (Uint32)pct(rng);  // across the tick counter's wrap
    else if (roll < 900)
        tm.now += 50;
    else
        tm.now += (Uint32)pct(rng);
}

TEST(Monkey, LongRandomSessionKeepsEveryInvariant)
{
    unsigned seed = mk_seed();
    int frames = mk_frames();
    printf("monkey seed %u, %d frames (replay with TESS_SEED=%u)\n", seed, frames, seed);
    std::mt19937 rng(seed);
    tst_open_window();
    tst_reset_records();
    gm = 1;
    char dir[] = "/tmp/tess-monkey.XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::string path = std::string(dir) + "/model_data.txt";
    snprintf(dataPassM, sizeof dataPassM, "%s", path.c_str());
    std::uniform_int_distribution<int> hold(1, 30), item(0, 30), pct(0, 999);
    int left = 0, switches = 0, exports = 0, resets = 0, quits = 0;
    for (int f = 0; f < frames; f++) {
        if (left-- <= 0) {
            mk_inputs(rng);
            left = hold(rng);
        }
        if (pct(rng) < 8)
            cm.menuItem = item(rng);
        mk_clock(rng);
        int before = cm.winToggle;
        bool onExport = cm.pane == 0 && cm.menuItem == 27, onReset = cm.pane == 0 && cm.menuItem == 29;
        bool cursorCalled = (double)(Uint32)(tm.now - tm.moveStamp) > 60.0 && cm.pane == 1;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        editerSet();
        switches += cm.winToggle != before;
        exports += onExport && INP.btnA;
        resets += onReset && INP.btnA;
        if (gm == 100) {  // QUIT reached at random: allowed, but only from its item
            ASSERT_EQ(cm.menuItem, 30) << "frame " << f;
            quits++;
            gm = 1;
        }
        ASSERT_NO_FATAL_FAILURE(mk_check_layers(f));
        ASSERT_NO_FATAL_FAILURE(mk_check_settings(f, cursorCalled));
        if (cm.menuItem == 28 && pct(rng) < 500)
            cm.menuItem = item(rng);  // keep screen-mode switches (each 200 ms of loader delay) rare
    }
    printf("monkey: %d screen switches, ~%d export and ~%d reset presses, %d quits seen\n", switches, exports,
           resets, quits);
    unlink(path.c_str());
    rmdir(dir);
}
