// Input: joystick and keyboard sampling, the time gates, the panel items and
// commands, drawing and colouring on the canvas, and the joystick selection screen.
#include "tests/support/tst.h"

enum Cue { NONE, STEP, PRESS };

// Runs fn at a fresh tick and names the timer its cue stamped.
static Cue cue_of(void (*fn)())
{
    tm.now += 1000;  // neither stamp can hold it yet
    fn();
    return tm.pressStamp == tm.now ? PRESS : tm.moveStamp == tm.now ? STEP : NONE;
}

static void hold(int up, int down, int left, int right) { INP = InpRec{up, down, left, right, 0, 0, 0, 0}; }

static void repeat(int n, void (*fn)())
{
    for (int i = 0; i < n; i++) {
        tm.now += 50;
        fn();
    }
}

TEST(Input, JoystickAndKeyboardLevelsMergeIntoInp)
{
    // A known hat position wins over the stick; any other leaves it to the axes, at full tilt only.
    const struct { int hat, axisH, axisV; std::tuple<int, int, int, int> dirs; } hats[] = {  // up, down, left, right
        {SDL_HAT_UP, 30000, 0, {1, 0, 0, 0}},            {SDL_HAT_RIGHTUP, 0, 0, {1, 0, 0, 1}},
        {SDL_HAT_RIGHTDOWN, 0, 0, {0, 1, 0, 1}},         {SDL_HAT_LEFTDOWN, 0, 0, {0, 1, 1, 0}},
        {SDL_HAT_LEFTUP, 0, 0, {1, 0, 1, 0}},            {SDL_HAT_CENTERED, -30000, 30000, {0, 1, 1, 0}},
        {SDL_HAT_CENTERED, 29999, -29999, {0, 0, 0, 0}}, {SDL_HAT_UP | SDL_HAT_DOWN, 30000, -30000, {1, 0, 0, 1}},
    };
    for (auto& c : hats) {
        inp_joy_levels(c.hat, c.axisH, c.axisV, 0, 0, 0, 0);
        EXPECT_EQ(std::tie(JOY.up, JOY.down, JOY.left, JOY.right), c.dirs) << "hat " << c.hat;
    }
    const int hatOf[4] = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};
    const SDLKey keyOf[8] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_z, SDLK_x, SDLK_SPACE, SDLK_RETURN};
    Uint8* k = SDL_GetKeyState(nullptr);
    int InpRec::*const level[8] = {&InpRec::up, &InpRec::down, &InpRec::left, &InpRec::right, &InpRec::btnA, &InpRec::btnB, &InpRec::btnC, &InpRec::btnD};
    // Each level alone: from the joystick's hat or its buttons 3, 2, 9 and 8 (A to D), then from the keyboard.
    for (int i = 0; i < 16; i++) {
        const int b = i % 8;
        inp_joy_levels(i < 4 ? hatOf[i] : SDL_HAT_CENTERED, 0, 0, i == 4, i == 5, i == 6, i == 7);
        k[keyOf[b]] = i >= 8;
        inputEngine();
        k[keyOf[b]] = 0;
        for (int f = 0; f < 8; f++)
            EXPECT_EQ(INP.*level[f], f == b) << "level " << b << (i < 8 ? " from the joystick" : " from the keyboard");
    }
}

TEST(Input, HeldKeysRepeatPastStrictGatesAcrossTheTickWrapAndCGoesBeforeAAndB)
{
    INP = InpRec{0, 0, 0, 1, 1, 0, 0, 1};  // right, A and D
    tm.now = 10;
    tm.moveStamp = tm.now - 60;  // across the wrap
    tm.pressStamp = tm.cullStamp = tm.now - 500;
    inp_editEngine();
    EXPECT_EQ(std::make_tuple(cm.curX, ed[0].count, cm.cullFace), std::make_tuple(0, 0, 0)) << "60 and 500 ms are not past";
    tm.now += 1;
    inp_editEngine();  // the step goes first
    EXPECT_EQ(std::make_tuple(cm.curX, ed[0].count, ed[0].vx[0], glIsEnabled(GL_CULL_FACE)), std::make_tuple(1, 1, 1.0, GL_TRUE));
    repeat(11, inp_editEngine);
    // A step every 100 ms; a vertex and a culling toggle every 550 ms.
    EXPECT_EQ(std::make_tuple(cm.curX, ed[0].count, cm.cullFace, glIsEnabled(GL_CULL_FACE)), std::make_tuple(6, 2, 0, GL_FALSE));
    ed[0].colorSel = -2;
    cm.selVertex = 0;
    INP = InpRec{0, 0, 0, 0, 1, 1, 1, 0};
    repeat(12, inp_editEngine);  // one press, and the next frame is inside its gate
    EXPECT_EQ(std::make_tuple(cm.pane, cm.selVertex, ed[0].colorSel, ed[0].count), std::make_tuple(0, -1, -1, 2));
    cm.pane = 1;
    INP = InpRec{0, 1, 0, 0, 0, 1, 0, 0};  // down and B on the canvas
    EXPECT_EQ(std::make_tuple(cue_of(inp_editEngine), cm.curY, ed[0].count), std::make_tuple(PRESS, 1, 1));
    INP = InpRec{};
    inp_editEngine();
    EXPECT_EQ(std::make_tuple(tm.moveStamp, tm.pressStamp, tm.cullStamp), std::make_tuple(0u, 0u, 561u)) << "released";
}

TEST(Input, PanelCursorWrapsAndEveryValueItemStepsWithinItsLimits)
{
    hold(1, 0, 0, 0);
    EXPECT_EQ(std::make_pair(cue_of(inp_mode0_cur), cm.menuItem), std::make_pair(STEP, 30));
    hold(0, 1, 0, 0);
    EXPECT_EQ(std::make_pair(cue_of(inp_mode0_cur), cm.menuItem), std::make_pair(STEP, 0));
    // From value v with left or right held: the cue and the value after the call.
    auto from = [](int* field, int v, int left, int right) {
        *field = v;
        hold(0, 0, left, right);
        return std::make_pair(cue_of(inp_mode0_cur), *field);
    };
    for (int k = 0; k < ITEM_COUNT; k++) {
        SCOPED_TRACE("item " + std::to_string(k));
        const TstItem& c = tstItems[k];
        cm.menuItem = k;
        if (!c.field)
            continue;
        // At either end a step stops.
        EXPECT_EQ(from(c.field, c.hi, 0, 1), std::make_pair(STEP, c.hi));
        EXPECT_EQ(from(c.field, c.hi, 1, 0), std::make_pair(STEP, c.hi - c.step));
        EXPECT_EQ(from(c.field, c.lo, 1, 0), std::make_pair(STEP, c.lo));
        EXPECT_EQ(from(c.field, c.lo, 0, 1), std::make_pair(STEP, c.lo + c.step));
    }
}

TEST(Input, PanelButtonsRunCommandsOrHandTheInputToTheCanvas)
{
    auto press = [](int item, int a) {  // through the press gate, as the frame loop does
        cm.pane = 0;
        cm.menuItem = item;
        INP = InpRec{0, 0, 0, 0, a, !a, 0, 0};
        return cue_of(inp_editEngine);
    };
    EXPECT_EQ(std::make_tuple(press(13, 1), cm.pane, cm.layer), std::make_tuple(PRESS, 1, 2)) << "layer 3's MODE";
    EXPECT_EQ(std::make_tuple(press(2, 1), cm.pane, cm.layer), std::make_tuple(PRESS, 1, 2)) << "any other item";
    // Escape, q and the window's close end the frame loop too, one queued event a frame.
    SDL_Event ev = {};
    while (SDL_PollEvent(&ev))
        continue;
    for (auto [type, key, quits] : {std::tuple{SDL_KEYDOWN, SDLK_ESCAPE, true}, {SDL_KEYDOWN, SDLK_q, true}, {SDL_KEYDOWN, SDLK_z, false}, {SDL_QUIT, SDLK_UNKNOWN, true}}) {
        ev.type = type;
        ev.key.keysym.sym = key;
        SDL_PushEvent(&ev);
        EXPECT_EQ(QuitEvents(), quits) << key;
    }
    EXPECT_EQ(std::make_tuple(press(30, 1), gm, cm.pane), std::make_tuple(NONE, 100, 0)) << "QUIT";
    EXPECT_TRUE(QuitEvents()) << "QUIT ends the frame loop";
    EXPECT_EQ(std::make_tuple(press(27, 0), cm.pane), std::make_tuple(PRESS, 1)) << "B cancels to the canvas";
    cm.cullFace = 1;
    press(28, 1);  // SCREEN MODE reopens the window full screen, and then as a window again
    EXPECT_EQ(std::make_pair(cm.pane, SDL_GetVideoSurface()->flags & SDL_FULLSCREEN), std::make_pair(1, (Uint32)SDL_FULLSCREEN));
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && std::fabs(projection[0] * WIW - 1) < 1e-6) << "the GL state set again";
    press(28, 1);
    EXPECT_EQ(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN, 0u);
    tst_put(4, 1, 1);  // RESET ALL brings back the start-up model and settings
    EXPECT_EQ(press(29, 1), PRESS);
    EXPECT_EQ(std::make_pair(ed[4].count, cm.layer), std::make_pair(0, 0)) << "RESET ALL";
}

TEST(Input, DrawModeAppendsPicksCarriesAndRemoves)
{
    EXPECT_EQ(cue_of(inp_mode1_B1), PRESS);
    cm.curX = 2;
    repeat(2, inp_mode1_B1);  // the second picks what the first placed
    hold(0, 0, 1, 0);
    repeat(2, inp_mode1_cur);  // carried onto vertex 0
    inp_mode1_B1();
    EXPECT_EQ(std::make_pair(cm.selVertex, ed[0].vx[1]), std::make_pair(-1, 0.0)) << "A drops";
    inp_mode1_B1();
    EXPECT_EQ(cm.selVertex, 1) << "the later of two vertices on one spot";
    EXPECT_EQ(std::make_tuple(cue_of(inp_mode1_B2), cm.selVertex, ed[0].count), std::make_tuple(PRESS, -1, 2));
    repeat(3, inp_mode1_B2);
    EXPECT_EQ(ed[0].count, 0);
    // Up beats down, down alone, left beats right, right alone, three steps each of the area's half
    // size from the centre: onto its edge, which is inside, past it, which wraps to the other, and back.
    cm.cursorMove = 12;
    std::string path;
    for (int i = 0; i < 12; i++) {
        hold(i < 3, i < 6, i / 3 == 2, i >= 6);
        inp_mode1_cur();
        path += std::to_string(cm.curX) + "," + std::to_string(cm.curY) + " ";
    }
    EXPECT_EQ(path, "0,-12 0,12 0,0 0,12 0,-12 0,0 -12,0 12,0 0,0 12,0 -12,0 0,0 ");
    ed[0].count = ED_MAXVERT;
    cm.curY = 9;
    inp_mode1_B1();
    EXPECT_EQ(std::make_pair(ed[0].count, ed[0].vy[ED_MAXVERT]), std::make_pair((int)ED_MAXVERT, 0.0)) << "full";
}

TEST(Input, ColorModeTunesTheLayerOrOneVertex)
{
    cm.designMode = 1;
    inp_mode1_B1();  // empty ground: the layer colour
    tst_put(0, -3, 0);
    hold(0, 1, 0, 0);
    EXPECT_EQ(cue_of(inp_mode1_cur), STEP);
    repeat(3, inp_mode1_cur);  // one past the last channel
    hold(0, 0, 1, 0);
    EXPECT_EQ(cue_of(inp_mode1_cur), STEP);
    EXPECT_EQ(std::make_tuple(ed[0].colorSel, cm.colorChannel, std::round(ed[0].a * 100)), std::make_tuple(-2, 3, 25.0));
    repeat(9, inp_mode1_cur);
    EXPECT_EQ(std::make_pair(ed[0].a, cm.curX), std::make_pair(0.0, 0)) << "clamped, and the cursor stays";
    EXPECT_EQ(std::make_pair(cue_of(inp_mode1_B2), ed[0].colorSel), std::make_pair(PRESS, -1));
    repeat(3, inp_mode1_cur);  // left still held: nothing is tuned, the cursor moves
    inp_mode1_B1();  // on vertex 0: per-vertex colours from now on
    hold(1, 0, 0, 0);
    repeat(4, inp_mode1_cur);  // one past the first channel
    hold(0, 0, 0, 1);
    repeat(30, inp_mode1_cur);
    EXPECT_EQ(std::make_tuple(ed[0].vr[0], ed[0].va[0], ed[0].r), std::make_tuple(1.0, 0.3, 0.0)) << "red only";
    inp_mode1_B1();
    EXPECT_EQ(std::make_pair(cm.selVertex, ed[0].colorSel), std::make_pair(-1, 0)) << "per-vertex colours stay";
}

TEST(Input, SelectionScreenStepsOnceASecondAndStartsOnZ)
{
    joyNum = 3;
    gm = 0;
    KEY.down = 1;
    repeat(85, inp_selecter);  // held 4.25 s: four steps down, round the three joysticks and on
    EXPECT_EQ(std::make_pair(gm, useJ), std::make_pair(0, 1));
    std::string list;  // each joystick on its line (none opened here: no hat), the selected one lit again
    for (const std::string& l : tst_lines(tst_feedback(scn_selecter)))
        list += l.rfind("-54,", 0) == 0 ? l + "|" : "";
    EXPECT_EQ(list, "-54,-24 1:ARROW & Z KEY TO|-54,-18 1:SELECT A JOYSTICK:|-54,-12 1:____________________|-54,-6 1:0: HAT -1|-54,0 1:1: HAT -1|-54,6 1:2: HAT -1|-54,0 1:1: HAT -1|");
    KEY = InpRec{0, 0, 0, 0, 1, 0, 0, 0};
    inp_selecter();
    EXPECT_EQ(std::make_pair(gm, useJ), std::make_pair(1, 1));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "the screen leaves no texturing to the next frame";
}
