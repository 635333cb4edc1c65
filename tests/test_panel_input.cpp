// Settings panel input: the item cursor, every item's steps and limits, the
// clamps that run on every call, the music and volume calls, and each row of
// the button table including screen mode, reset and quit.
#include <gtest/gtest.h>

#include "input/input.h"
#include "tests/support/tst.h"

static void press(int a, int b)
{
    INP = InpRec{0, 0, 0, 0, a, b, 0, 0};
}

class PanelInput : public ::testing::Test {
  protected:
    // The window for SCREEN MODE; a silent audio device and the music bank so
    // the music calls can be seen through the mixer.
    static void SetUpTestSuite()
    {
        tst_open_window();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
        ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 256), 0);
        Mix_AllocateChannels(3);
        const char* names[BGM_COUNT] = {RES_DIR "BGM0.dat", RES_DIR "BGM1.dat", RES_DIR "BGM2.dat"};
        for (int i = 0; i < BGM_COUNT; i++) {
            if (!BGMsrc[i])
                BGMsrc[i] = Mix_LoadMUS(names[i]);
            ASSERT_NE(BGMsrc[i], nullptr) << names[i];
        }
    }
    // Closed before exit: SDL2's audio thread (under sdl12-compat) would
    // otherwise call into a mixer already torn down.
    static void TearDownTestSuite()
    {
        Mix_HaltMusic();
        for (Mix_Music*& m : BGMsrc) {
            Mix_FreeMusic(m);
            m = nullptr;
        }
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    void SetUp() override
    {
        tst_reset_records();
        Mix_HaltMusic();
        cm.pane = 0;
    }
    static TstCue step_on(int item, int left, int right)
    {
        cm.menuItem = item;
        tst_hold(0, 0, left, right);
        return tst_cue_of(inp_mode0_cur);
    }
};

TEST_F(PanelInput, ItemCursorWrapsBothWays)
{
    tst_hold(1, 0, 0, 0);
    EXPECT_EQ(tst_cue_of(inp_mode0_cur), CUE_STEP);
    EXPECT_EQ(cm.menuItem, 30);
    tst_hold(0, 1, 0, 0);
    EXPECT_EQ(tst_cue_of(inp_mode0_cur), CUE_STEP);
    EXPECT_EQ(cm.menuItem, 0);
    inp_mode0_cur();
    EXPECT_EQ(cm.menuItem, 1);
}

TEST_F(PanelInput, ValueItemsStepAndStopAtTheirLimitsWithACue)
{
    struct { int item; int* field; int step, lo, hi; } rows[] = {
        {0, &cm.scale, 50, 50, 3000},         {1, &cm.sizeX, 2, 2, 400},
        {2, &cm.sizeY, 2, 2, 400},            {3, &cm.gridSpan, 1, 0, 100},
        {4, &cm.cursorMove, 1, 1, 100},       {6, &cm.layer, 1, 0, 5},
        {7, &cm.designMode, 1, 0, 1},         {20, &cm.prevScale1, 5, 5, 1000},
        {21, &cm.prevScale2, 5, 5, 1000},     {22, &cm.prevScale3, 5, 5, 1000},
        {24, &snd.bgmVolume, 2, 0, 126},      {25, &snd.seVolume, 2, 0, 126},
        {26, &cm.bgColor, 1, 0, 8},           {8, &ed[0].view, 1, 0, 2},
        {12, &ed[2].view, 1, 0, 2},           {18, &ed[5].view, 1, 0, 2},
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.item);
        *r.field = r.lo;
        EXPECT_EQ(step_on(r.item, 0, 1), CUE_STEP);
        EXPECT_EQ(*r.field, r.lo + r.step);
        EXPECT_EQ(step_on(r.item, 1, 0), CUE_STEP);
        EXPECT_EQ(*r.field, r.lo);
        EXPECT_EQ(step_on(r.item, 1, 0), CUE_STEP);
        EXPECT_EQ(*r.field, r.lo);
        *r.field = r.hi;
        EXPECT_EQ(step_on(r.item, 0, 1), CUE_STEP);
        EXPECT_EQ(*r.field, r.hi);
    }
}

TEST_F(PanelInput, PrimitiveItemsStepAndClampEveryLayer)
{
    for (int item = 9; item <= 19; item += 2) {
        EdLayer& L = ed[(item - 8) / 2];
        EXPECT_EQ(step_on(item, 0, 1), CUE_STEP);
        EXPECT_EQ(L.drawType, 7);
        EXPECT_STREQ(L.modeLabel, "       QUADS");
    }
    ed[0].drawType = 9;
    step_on(9, 0, 1);
    EXPECT_EQ(ed[0].drawType, 9);
    EXPECT_STREQ(ed[0].modeLabel, "     POLYGON");
    ed[0].drawType = 0;
    step_on(9, 1, 0);
    EXPECT_EQ(ed[0].drawType, 0);
    // Any primitive item clamps all layers, even with nothing pressed.
    ed[4].drawType = -3;
    step_on(11, 0, 0);
    EXPECT_EQ(ed[4].drawType, 0);
    EXPECT_STREQ(ed[4].modeLabel, "      POINTS");
}

TEST_F(PanelInput, ScaleFromDefaultReachesItsBottomIn35Presses)
{
    for (int i = 0; i < 35; i++)
        step_on(0, 1, 0);
    EXPECT_EQ(cm.scale, 50);
    cm.scale = 3000;
    EXPECT_EQ(step_on(0, 0, 1), CUE_STEP);
    EXPECT_EQ(cm.scale, 3000);
}

TEST_F(PanelInput, AntiAliasLeftSetsOffRightSetsOn)
{
    cm.antiAlias = 1;
    EXPECT_EQ(step_on(5, 0, 1), CUE_STEP);
    EXPECT_EQ(cm.antiAlias, 1);
    EXPECT_EQ(step_on(5, 1, 0), CUE_STEP);
    EXPECT_EQ(cm.antiAlias, 0);
    EXPECT_EQ(step_on(5, 1, 0), CUE_STEP);
    EXPECT_EQ(cm.antiAlias, 0);
    EXPECT_EQ(step_on(5, 0, 1), CUE_STEP);
    EXPECT_EQ(cm.antiAlias, 1);
}

TEST_F(PanelInput, VolumesStopAt126AndTheMixerFollows)
{
    for (int i = 0; i < 3; i++)
        step_on(24, 0, 1);
    EXPECT_EQ(snd.bgmVolume, 126);
    EXPECT_EQ(Mix_VolumeMusic(-1), 126);
    step_on(24, 0, 1);
    EXPECT_EQ(snd.bgmVolume, 126);
    step_on(25, 1, 0);
    EXPECT_EQ(snd.seVolume, 118);
    EXPECT_EQ(Mix_Volume(-1, -1), 118);
    // A volume set from elsewhere is clamped and applied on the next call.
    snd.seVolume = 500;
    step_on(27, 0, 0);
    EXPECT_EQ(snd.seVolume, 126);
    EXPECT_EQ(Mix_Volume(-1, -1), 126);
}

TEST_F(PanelInput, MusicItemPlaysAndStopsAtOnce)
{
    snd.bgm = 2;
    EXPECT_EQ(step_on(23, 0, 1), CUE_STEP);
    EXPECT_EQ(snd.bgm, 3);
    EXPECT_TRUE(Mix_PlayingMusic());
    step_on(23, 0, 1);
    EXPECT_EQ(snd.bgm, 4);
    EXPECT_FALSE(Mix_PlayingMusic());
    step_on(23, 0, 1);
    EXPECT_EQ(snd.bgm, 4);
    EXPECT_FALSE(Mix_PlayingMusic());
    step_on(23, 1, 0);
    EXPECT_EQ(snd.bgm, 3);
    EXPECT_TRUE(Mix_PlayingMusic());

    snd.bgm = 0;  // music still playing: stepping left from 0 stops it
    step_on(23, 1, 0);
    EXPECT_EQ(snd.bgm, 0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(PanelInput, OnlyOneDirectionActsUpDownLeftRight)
{
    cm.menuItem = 3;
    tst_hold(1, 1, 1, 0);
    inp_mode0_cur();
    EXPECT_EQ(cm.menuItem, 2);
    EXPECT_EQ(cm.sizeY, 12);
    EXPECT_EQ(cm.gridSpan, 6);
    tst_hold(0, 1, 0, 1);
    inp_mode0_cur();
    EXPECT_EQ(cm.menuItem, 3);
    EXPECT_EQ(cm.gridSpan, 6);
    step_on(3, 1, 1);
    EXPECT_EQ(cm.gridSpan, 5);
}

TEST_F(PanelInput, CommandItemsAndIdleCallsSoundNothing)
{
    for (int item = 27; item <= 30; item++) {
        EXPECT_EQ(step_on(item, 1, 0), CUE_NONE);
        EXPECT_EQ(step_on(item, 0, 1), CUE_NONE);
    }
    EXPECT_EQ(step_on(0, 0, 0), CUE_NONE);
    EXPECT_EQ(cm.scale, 1800);
}

TEST_F(PanelInput, ClampsRunOnEveryCallInAnyItem)
{
    cm.scale = 9000, cm.sizeX = 0, cm.sizeY = 401, cm.cursorMove = 0, cm.gridSpan = -1;
    cm.antiAlias = 2, cm.layer = 6, cm.designMode = -1, cm.prevScale1 = 0;
    cm.prevScale2 = 1001, cm.prevScale3 = 4, snd.bgm = 9, snd.bgmVolume = -5, cm.bgColor = 9;
    ed[3].view = 5;
    step_on(28, 0, 0);
    EXPECT_EQ(cm.scale, 3000);
    EXPECT_EQ(cm.sizeX, 2);
    EXPECT_EQ(cm.sizeY, 400);
    EXPECT_EQ(cm.cursorMove, 1);
    EXPECT_EQ(cm.gridSpan, 0);
    EXPECT_EQ(cm.antiAlias, 1);
    EXPECT_EQ(cm.layer, 5);
    EXPECT_EQ(cm.designMode, 0);
    EXPECT_EQ(cm.prevScale1, 5);
    EXPECT_EQ(cm.prevScale2, 1000);
    EXPECT_EQ(cm.prevScale3, 5);
    EXPECT_EQ(snd.bgm, 4);
    EXPECT_EQ(snd.bgmVolume, 0);
    EXPECT_EQ(cm.bgColor, 8);
    EXPECT_EQ(ed[3].view, 5);  // a view is clamped only while its item is current
    step_on(14, 0, 0);
    EXPECT_EQ(ed[3].view, 2);
    ed[3].view = -1;
    step_on(14, 0, 0);
    EXPECT_EQ(ed[3].view, 0);
    cm.menuItem = 31;
    tst_hold(0, 0, 0, 0);
    inp_mode0_cur();
    EXPECT_EQ(cm.menuItem, 0);
}

TEST_F(PanelInput, ButtonsOnValueAndLayerItemsHandTheInputToTheCanvas)
{
    for (int item = 0; item <= 26; item++) {
        SCOPED_TRACE(item);
        cm.pane = 0, cm.layer = 0, cm.menuItem = item;
        press(1, 1);  // A wins over B
        EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_CONFIRM);
        EXPECT_EQ(cm.pane, 1);
        EXPECT_EQ(cm.layer, item >= 8 && item <= 19 ? (item - 8) / 2 : 0);
        cm.pane = 0, cm.layer = 0;
        press(0, 1);
        EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_CANCEL);
        EXPECT_EQ(cm.pane, 1);
        EXPECT_EQ(cm.layer, 0);
    }
    cm.pane = 0;
    press(0, 0);
    EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_NONE);
    EXPECT_EQ(cm.pane, 0);
}

TEST_F(PanelInput, ButtonBOnCommandItemsCancelsToTheCanvas)
{
    for (int item = 27; item <= 30; item++) {
        cm.pane = 0, cm.menuItem = item;
        press(0, 1);
        EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_CANCEL);
        EXPECT_EQ(cm.pane, 1);
        EXPECT_EQ(gm, 0);
    }
}

TEST_F(PanelInput, ExportConfirmsAndKeepsThePanel)
{
    cm.menuItem = 27;
    press(1, 0);
    EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_CONFIRM);
    EXPECT_EQ(cm.pane, 0);
    EXPECT_EQ(cm.menuItem, 27);
}

TEST_F(PanelInput, ScreenModeSwitchesTwiceBackToAWindow)
{
    cm.menuItem = 28;
    press(1, 0);
    EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_CONFIRM);
    EXPECT_EQ(cm.pane, 1);
    EXPECT_NE(cm.winToggle, 1);
    ASSERT_NE(SDL_GetVideoSurface(), nullptr);
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    cm.pane = 0;
    EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_CONFIRM);
    EXPECT_EQ(cm.pane, 1);
    EXPECT_EQ(cm.winToggle, 1);
    EXPECT_FALSE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
}

TEST_F(PanelInput, ResetAllRestoresDefaultsButKeepsClockAndVolumes)
{
    cm.scale = 700, cm.layer = 4, cm.curX = 3, snd.bgm = 2;
    ed[1].count = 9, ed[1].view = 0, ed[1].vr[3] = 0.7;
    tm.timeM = 5, tm.timeS = 17;
    snd.bgmVolume = 60, snd.seVolume = 40;
    cm.menuItem = 29;
    press(1, 0);
    EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_CONFIRM);
    EXPECT_EQ(cm.pane, 1);
    EXPECT_EQ(cm.menuItem, 0);
    EXPECT_EQ(cm.scale, 1800);
    EXPECT_EQ(cm.layer, 0);
    EXPECT_EQ(cm.curX, 0);
    EXPECT_EQ(snd.bgm, 0);
    EXPECT_EQ(ed[1].count, 0);
    EXPECT_EQ(ed[1].view, 2);
    EXPECT_EQ(ed[1].vr[3], 0.0);
    EXPECT_EQ(tm.timeM, 5u);
    EXPECT_EQ(tm.timeS, 17u);
    EXPECT_EQ(snd.bgmVolume, 60);
    EXPECT_EQ(snd.seVolume, 40);
}

TEST_F(PanelInput, QuitEndsTheProgramWithoutACue)
{
    cm.menuItem = 30;
    press(1, 0);
    EXPECT_EQ(tst_cue_of(inp_mode0_btm), CUE_NONE);
    EXPECT_EQ(gm, 100);
    EXPECT_EQ(cm.pane, 0);
}
