// Input: joystick and keyboard sampling, the time gates, the panel items and
// commands, drawing and colouring on the canvas, and the joystick selection screen.
#include <gtest/gtest.h>

#include <cmath>

#include "input/input.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

enum Cue { NONE, STEP, PRESS };

// Runs fn at a fresh tick and names the timer its cue stamped.
static Cue cue_of(void (*fn)())
{
    tm.now += 1000;
    tm.moveStamp = tm.pressStamp = 0;
    fn();
    return tm.pressStamp == tm.now ? PRESS : tm.moveStamp == tm.now ? STEP : NONE;
}

static void hold(int up, int down, int left, int right) { INP = InpRec{up, down, left, right, 0, 0, 0, 0}; }

static void repeat(int n, void (*fn)())
{
    for (int i = 0; i < n; i++)
        tm.now += 50, fn();
}

struct Input : testing::Test {
    void SetUp() override { tst_reset(); }
};

TEST_F(Input, JoystickAndKeyboardLevelsMergeIntoInp)
{
    // hat, horizontal and vertical axis -> up, down, left, right
    const int table[][4] = {{SDL_HAT_UP, 30000, 0, 1000},         {SDL_HAT_RIGHTUP, 0, 0, 1001},
                            {SDL_HAT_RIGHTDOWN, 0, 0, 101},       {SDL_HAT_LEFTDOWN, 0, 0, 110},
                            {SDL_HAT_LEFTUP, 0, 0, 1010},         {SDL_HAT_CENTERED, -30000, 30000, 110},
                            {SDL_HAT_CENTERED, 29999, -29999, 0}, {SDL_HAT_UP | SDL_HAT_DOWN, 30000, -30000, 1001}};
    for (auto& c : table) {
        inp_joy_levels(c[0], c[1], c[2], 0, 0, 0, 0);
        EXPECT_EQ(JOY.up * 1000 + JOY.down * 100 + JOY.left * 10 + JOY.right, c[3]) << "hat " << c[0];
    }
    Uint8* k = SDL_GetKeyState(nullptr);
    const SDLKey keys[8] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_z, SDLK_x, SDLK_SPACE, SDLK_RETURN};
    for (int i = 0; i < 16; i++) {  // each level alone, from the joystick then from the keyboard
        const int b = i % 8, joy = i < 8;
        inp_joy_levels(joy && b == 0 ? SDL_HAT_UP : joy && b == 1 ? SDL_HAT_DOWN : 0,
                       joy && b == 2 ? -30000 : joy && b == 3 ? 30000 : 0, 0, joy && b == 4, joy && b == 5,
                       joy && b == 6, joy && b == 7);
        k[keys[b]] = !joy;
        inputEngine();
        k[keys[b]] = 0;
        for (int f = 0; f < 8; f++)
            EXPECT_EQ((&INP.up)[f], f == b) << "level " << b << (joy ? " from the joystick" : " from the keyboard");
    }
}

TEST_F(Input, GatesAreStrictSurviveTheTickWrapAndClearOnRelease)
{
    hold(0, 0, 0, 1);
    tm.now = 10, tm.moveStamp = 0xFFFFFFF0u;  // 26 ms ago, across the wrap
    inp_editEngine();
    tm.now = 1000, tm.moveStamp = 940;
    inp_editEngine();
    EXPECT_EQ(cm.curX, 0) << "60 ms is not past the step gate";
    tm.moveStamp = 939;
    inp_editEngine();
    EXPECT_EQ(std::make_pair(cm.curX, tm.moveStamp), std::make_pair(1, 1000u));
    hold(0, 0, 0, 0);
    INP.btnA = 1, tm.pressStamp = 500;
    inp_editEngine();
    EXPECT_EQ(std::make_pair(tm.moveStamp, ed[0].count), std::make_pair(0u, 0)) << "released; 500 ms is not past";
    tm.pressStamp = 499;
    inp_editEngine();
    INP.btnA = 0;
    inp_editEngine();
    EXPECT_EQ(std::make_pair(ed[0].count, tm.pressStamp), std::make_pair(1, 0u));
}

TEST_F(Input, HeldKeysRepeatAtTheirGatesPaceAndCGoesBeforeAAndB)
{
    hold(0, 0, 0, 1);
    INP.btnA = INP.btnD = 1, tm.now = 1000, cm.sizeX = 30;
    int culls = 0;
    for (int f = 0, last = 0; f < 40; f++, last = cm.cullFace) {
        repeat(1, inp_editEngine);
        culls += cm.cullFace != last;
        EXPECT_EQ(glIsEnabled(GL_CULL_FACE), cm.cullFace == 1);
    }
    EXPECT_EQ(std::make_tuple(cm.curX, ed[0].count, culls), std::make_tuple(20, 4, 4)) << "every 100, 550, 550 ms";
    EXPECT_EQ(ed[0].vx[0], 1) << "the direction acts before the button of the same frame";
    ed[0].colorSel = -2, cm.selVertex = 0;
    INP = InpRec{0, 0, 0, 0, 1, 1, 1, 0};
    repeat(11, inp_editEngine);
    EXPECT_EQ(std::make_tuple(cm.pane, cm.selVertex, ed[0].colorSel, ed[0].count), std::make_tuple(0, -1, -1, 4));
    repeat(11, inp_editEngine);
    EXPECT_EQ(std::make_pair(cm.pane, tm.cullStamp), std::make_pair(1, 2700u)) << "the culling stamp stays";
}

TEST_F(Input, PanelCursorWrapsAndEveryValueItemStepsWithinItsLimits)
{
    cm.pane = 0;
    hold(1, 0, 0, 0);
    EXPECT_EQ(std::make_pair(cue_of(inp_mode0_cur), cm.menuItem), std::make_pair(STEP, 30));
    hold(0, 1, 0, 0);
    inp_mode0_cur();
    EXPECT_EQ(cm.menuItem, 0);
    struct { int item, *field, step, lo, hi; } table[] = {
        {0, &cm.scale, 50, 50, 3000},     {1, &cm.sizeX, 2, 2, 400},        {2, &cm.sizeY, 2, 2, 400},
        {3, &cm.gridSpan, 1, 0, 100},     {4, &cm.cursorMove, 1, 1, 100},   {5, &cm.antiAlias, 1, 0, 1},
        {6, &cm.layer, 1, 0, 5},          {7, &cm.designMode, 1, 0, 1},     {14, &ed[3].view, 1, 0, 2},
        {19, &ed[5].drawType, 1, 0, 9},   {20, &cm.prevScale1, 5, 5, 1000}, {21, &cm.prevScale2, 5, 5, 1000},
        {22, &cm.prevScale3, 5, 5, 1000}, {24, &snd.bgmVolume, 2, 0, 126},  {25, &snd.seVolume, 2, 0, 126},
        {26, &cm.bgColor, 1, 0, 8},
    };
    for (auto& c : table) {
        cm.menuItem = c.item;
        const int start = *c.field;
        hold(0, 0, 0, 1);
        EXPECT_EQ(std::make_pair(cue_of(inp_mode0_cur), *c.field), std::make_pair(STEP, std::min(start + c.step, c.hi)))
            << "item " << c.item;
        repeat(250, inp_mode0_cur);
        EXPECT_EQ(*c.field, c.hi) << "item " << c.item;
        hold(0, 0, 1, 0);
        repeat(250, inp_mode0_cur);
        EXPECT_EQ(*c.field, c.lo) << "item " << c.item;
        *c.field = c.hi + 7;  // out of range however it got there: the next call clamps
        hold(0, 0, 0, 0);
        EXPECT_EQ(std::make_pair(cue_of(inp_mode0_cur), *c.field), std::make_pair(NONE, c.hi)) << "item " << c.item;
    }
    EXPECT_STREQ(ed[5].modeLabel, edModeLabels[9]) << "the label follows the clamp";
}

TEST_F(Input, PanelButtonsRunCommandsOrHandTheInputToTheCanvas)
{
    auto press = [](int item, int a) {
        cm.pane = 0, cm.menuItem = item, INP = InpRec{0, 0, 0, 0, a, !a, 0, 0};
        return cue_of(inp_mode0_btm);
    };
    cm.pane = 0, cm.menuItem = 13, INP.btnA = 1, tm.now = 1000;  // layer 3's MODE, through the press gate
    inp_editEngine();
    EXPECT_EQ(std::make_tuple(cm.pane, cm.layer, tm.pressStamp), std::make_tuple(1, 2, 1000u));
    EXPECT_EQ(std::make_tuple(press(2, 1), cm.pane, cm.layer), std::make_tuple(PRESS, 1, 2)) << "any other item";
    EXPECT_EQ(std::make_tuple(press(30, 1), gm), std::make_tuple(NONE, 100)) << "QUIT";
    EXPECT_EQ(std::make_tuple(press(27, 0), cm.pane), std::make_tuple(PRESS, 1)) << "B cancels to the canvas";
    // RESET ALL brings back the start-up model and settings, not the clock or volumes.
    tst_put(4, 1, 1);
    cm.scale = 50, cm.curX = 3, ed[2].drawType = 1, snd.seVolume = 8, tm.timeM = 7;
    EXPECT_EQ(press(29, 1), PRESS);
    EXPECT_EQ(std::make_tuple(ed[4].count, cm.curX, cm.scale, ed[2].drawType), std::make_tuple(0, 0, 1800, 6));
    EXPECT_EQ(snd.seVolume + tm.timeM, 15u);
    cm.cullFace = 1;
    press(28, 1);  // SCREEN MODE reopens the window
    EXPECT_TRUE(cm.pane == 1 && glIsEnabled(GL_CULL_FACE) && SDL_GetVideoSurface()->w == 800);
    press(28, 1);
}

TEST_F(Input, DrawModeAppendsPicksCarriesAndRemoves)
{
    EXPECT_EQ(cue_of(inp_mode1_B1), PRESS);
    cm.curX = 2;
    inp_mode1_B1(), inp_mode1_B1();
    EXPECT_EQ(cm.selVertex, 1);
    hold(0, 0, 1, 0);
    inp_mode1_cur(), inp_mode1_cur();  // carried onto vertex 0
    inp_mode1_B1();
    EXPECT_EQ(std::make_pair(cm.selVertex, ed[0].vx[1]), std::make_pair(-1, 0.0)) << "A drops";
    inp_mode1_B1();
    EXPECT_EQ(cm.selVertex, 1) << "the later of two vertices on one spot";
    EXPECT_EQ(std::make_tuple(cue_of(inp_mode1_B2), cm.selVertex, ed[0].count), std::make_tuple(PRESS, -1, 2));
    inp_mode1_B2(), inp_mode1_B2(), inp_mode1_B2();
    EXPECT_EQ(ed[0].count, 0);
    ed[0].count = ED_MAXVERT, cm.curY = 9;
    inp_mode1_B1();
    EXPECT_EQ(std::make_pair(ed[0].count, ed[0].vy[ED_MAXVERT]), std::make_pair((int)ED_MAXVERT, 0.0)) << "full";
    cm.curX = 10, cm.cursorMove = 5;
    hold(1, 1, 1, 1);  // up beats down, left beats right; the edges are inside and the cursor wraps past them
    repeat(5, inp_mode1_cur);
    EXPECT_EQ(std::make_pair(cm.curX, cm.curY), std::make_pair(12, 12)) << "from (10, 9) in steps of 5";
}

TEST_F(Input, ColorModeTunesTheLayerOrOneVertex)
{
    cm.designMode = 1;
    tst_put(0, 3, 0);
    inp_mode1_B1();  // empty ground: the layer colour
    hold(0, 1, 0, 0);
    repeat(5, inp_mode1_cur);
    hold(0, 0, 1, 0);
    EXPECT_EQ(cue_of(inp_mode1_cur), STEP);
    EXPECT_EQ(std::make_tuple(ed[0].colorSel, cm.colorChannel, std::round(ed[0].a * 100)), std::make_tuple(-2, 3, 25.0));
    repeat(9, inp_mode1_cur);
    EXPECT_EQ(std::make_pair(ed[0].a, cm.curX), std::make_pair(0.0, 0)) << "clamped, and the cursor stays";
    EXPECT_EQ(std::make_pair(cue_of(inp_mode1_B2), ed[0].colorSel), std::make_pair(PRESS, -1));
    hold(0, 0, 0, 1);
    repeat(3, inp_mode1_cur);
    inp_mode1_B1();  // on vertex 0: per-vertex colours from now on
    EXPECT_EQ(std::make_pair(cm.selVertex, ed[0].colorSel), std::make_pair(0, 0));
    hold(1, 0, 0, 0);
    repeat(3, inp_mode1_cur);
    hold(0, 0, 0, 1);
    repeat(30, inp_mode1_cur);
    EXPECT_EQ(std::make_pair(ed[0].vr[0], ed[0].vg[0] + ed[0].va[0] + ed[0].r), std::make_pair(1.0, 1.3));
    inp_mode1_B1();
    EXPECT_EQ(std::make_pair(cm.selVertex, ed[0].colorSel), std::make_pair(-1, 0)) << "per-vertex colours stay";
}

TEST_F(Input, SelectionScreenStepsOnceASecondAndStartsOnZ)
{
    joyNum = 2, gm = 0, KEY.down = 1;
    repeat(45, inp_selecter);  // held 2.25 s: two steps, round the two joysticks
    EXPECT_EQ(std::make_pair(gm, useJ), std::make_pair(0, 0));
    KEY = InpRec{0, 0, 0, 0, 1, 0, 0, 0}, inp_selecter();
    EXPECT_EQ(std::make_pair(gm, useJ), std::make_pair(1, 0));
}
