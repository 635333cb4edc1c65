// The settings panel against Mesa: every line's text, value and place, the
// highlight of each section, the cursor bar rows and the value arrows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/app.h"
#include "screen/screen.h"
#include "tests/test_status_runs.h"

struct PanelLine {
    std::string text;
    double x, y;
};

class PanelDraw : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override
    {
        tst_reset_records();
        ALP.blink = 0.7;
        cm.scale = 250, cm.sizeX = 7, cm.sizeY = 100, cm.cursorMove = 15;
        cm.antiAlias = 1, cm.layer = 3, cm.designMode = 1;
        ed[0].view = 0, ed[1].view = 1, ed[1].drawType = 0;
        edit_mode_setter();
        snd.bgm = 2, snd.seVolume = 7, cm.bgColor = 8;
    }
};

// The line of item k under the fixture's values, at the default rows.
static PanelLine item_line(int k)
{
    static const char* const fixed[] = {
        "SCALE      :  250%", "SIZE X     :  14px", "SIZE Y     : 200px", "GRID SPAN  :   6px",
        "CURSOR MOVE:  15px", "ANTI-ALIAS :    ON", "LAYER      :     4", "DESIGN MODE: COLOR"};
    static const char* const tail[] = {"SCALE      :   50%", "SCALE      :  100%", "SCALE      :  400%",
                                       "BGM NUMBER :     2", "BGM VOLUME :   120", "SE  VOLUME :     7",
                                       "COLOR      :     8", "EXPORT TO TEXT",     "SCREEN MODE",
                                       "RESET ALL",          "QUIT"};
    static const double tailY[] = {-108, -42, 24, 222, 228, 234, 240, 258, 264, 270, 276};
    if (k <= 7)
        return {fixed[k], -384, -252.0 + 6 * k};
    if (k >= 20)
        return {tail[k - 20], -384, tailY[k - 20]};
    const int i = (k - 8) / 2;
    const std::string n = std::to_string(i + 1);
    if (k % 2 == 1)
        return {i == 1 ? " MODE:       POINTS" : " MODE: TRIANGLE_FAN", -390, -186.0 + 12 * i};
    const char* view = i == 0 ? "   OFF" : i == 1 ? "  WIRE" : "  FILL";
    return {n + ".VIEW      :" + view, -390, -192.0 + 12 * i};
}

static const PanelLine titles[6] = {
    {"SETTING___", -390, -276},           {"GLOBAL______________", -390, -258},
    {"LAYER_______________", -390, -198}, {"PREVIEW_____________", -390, -114},
    {"BACKGROUND__________", -390, 216},  {"OTHER_______________", -390, 252},
};

static int section_of(int k)
{
    return k <= 7 ? 1 : k <= 19 ? 2 : k <= 22 ? 3 : k <= 26 ? 4 : 5;
}

static std::vector<TxtRun> panel_runs()
{
    return txt_runs(tst_feedback([] {
        glEnable(GL_TEXTURE_2D);
        scn_A_common(ALP.blink, 16 - WIW, cm.rowGlobal);
        scn_A_layers(ALP.blink, 16 - WIW, cm.rowLayer);
        scn_A_prview(ALP.blink, 16 - WIW, cm.rowPreview);
        scn_A_sounds(ALP.blink, 16 - WIW, cm.rowBack);
        scn_A_others(ALP.blink, 16 - WIW, cm.rowOther);
        glDisable(GL_TEXTURE_2D);
    }));
}

TEST_F(PanelDraw, EveryLineWithItsValueAndPlace)
{
    auto runs = panel_runs();
    for (int k = 0; k <= 30; k++) {
        const PanelLine l = item_line(k);
        EXPECT_EQ(txt_count(runs, l.text, l.x, l.y, 0.5), 1) << k << " " << l.text;
    }
    for (const PanelLine& t : titles)
        EXPECT_EQ(txt_count(runs, t.text, t.x, t.y, 0.5), 1) << t.text;
    EXPECT_EQ(runs.size(), 31u + 6u);  // nothing highlighted while the canvas has the input
    for (const TxtRun& r : runs)
        EXPECT_EQ(r.size, r.text == "SETTING___" ? 16 : 8) << r.text;
}

TEST_F(PanelDraw, OffAndDrawWordings)
{
    cm.antiAlias = 0, cm.designMode = 0;
    for (int bgm : {0, 4, 1, 3}) {
        snd.bgm = bgm;
        auto runs = panel_runs();
        const std::string want = bgm % 4 ? "BGM NUMBER :     " + std::to_string(bgm) : "BGM NUMBER :   OFF";
        EXPECT_EQ(txt_count(runs, want, -384, 222), 1) << bgm;
        EXPECT_EQ(txt_count(runs, "ANTI-ALIAS :   OFF", -384, -222), 1);
        EXPECT_EQ(txt_count(runs, "DESIGN MODE:  DRAW", -384, -210), 1);
    }
}

TEST_F(PanelDraw, HighlightOfEachSection)
{
    cm.pane = 0;
    for (int k = 0; k <= 30; k++) {
        cm.menuItem = k;
        auto runs = panel_runs();
        const PanelLine l = item_line(k);
        const PanelLine& title = titles[section_of(k)];
        EXPECT_EQ(txt_count(runs, "SETTING___", -390, -276, 1), 1) << k;
        EXPECT_EQ(txt_count(runs, title.text, title.x, title.y, 1), 1) << k;
        const bool layer = section_of(k) == 2;
        if (layer && k % 2 == 1) {
            const int i = (k - 8) / 2;
            EXPECT_EQ(txt_count(runs, std::to_string(i + 1) + ".", -390, l.y - 6, 1), 1) << k;
            EXPECT_EQ(txt_count(runs, l.text.substr(1), -384, l.y, 1), 1) << k;
            EXPECT_EQ(txt_count_alpha(runs, 1), 4) << k;
        } else {
            EXPECT_EQ(txt_count(runs, l.text, l.x, l.y, layer ? 1 : 0.7), 1) << k;
            EXPECT_EQ(txt_count_alpha(runs, 1), layer ? 3 : 2) << k;
        }
        EXPECT_EQ(txt_count_alpha(runs, 0.7), layer ? 0 : 1) << k;
    }
}

static bool colour_is(const TstPrim& p, double r, double g, double b, double a)
{
    const TstVert& v = p.v[0];
    return std::fabs(v.r - r) + std::fabs(v.g - g) + std::fabs(v.b - b) + std::fabs(v.a - a) < 1e-3;
}

static std::vector<std::pair<double, double>> corners(const std::vector<TstPrim>& prims, bool arrows)
{
    std::vector<std::pair<double, double>> out;
    for (const TstPrim& p : prims)
        if (p.kind == TST_POLYGON && (arrows ? colour_is(p, 0, 1, 1, 1) : colour_is(p, 0, 0.5, 1, 0.7)))
            for (const TstVert& v : p.v)
                out.push_back({std::round(v.x * 100) / 100, std::round(v.y * 100) / 100});
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

TEST_F(PanelDraw, CursorBarRowsAndArrows)
{
    cm.pane = 0;
    for (int k = 0; k <= 30; k++) {
        cm.menuItem = k;
        auto bar = corners(tst_feedback([] { scn_A_cursol(88 - WIW, 48 - WIH); }), false);
        const double y = item_line(k).y;
        const std::vector<std::pair<double, double>> want = {{-390, y}, {-390, y + 6}, {-270, y}, {-270, y + 6}};
        EXPECT_EQ(bar, want) << k;
        auto arrows = corners(tst_feedback([] { scn_A_cursol(88 - WIW, 48 - WIH); }), true);
        const int list = k >= 9 && k <= 19 && k % 2 ? 11 : 10;
        auto ref = corners(tst_feedback([&] {
            resetGL(-312, y);
            glColor4d(0, 1, 1, 1);
            glCallList(list);
        }), true);
        ASSERT_FALSE(ref.empty());
        if (k > 26) {
            EXPECT_TRUE(arrows.empty()) << k;
        } else {
            EXPECT_EQ(arrows, ref) << k;
        }
    }
    cm.menuItem = 9;
    auto arrows = corners(tst_feedback([] { scn_A_cursol(88 - WIW, 48 - WIH); }), true);
    ASSERT_FALSE(arrows.empty());
    EXPECT_DOUBLE_EQ(arrows.front().first, -354);  // around the primitive name
}

TEST_F(PanelDraw, NoCursorWhileTheCanvasHasTheInput)
{
    cm.pane = 1;
    cm.menuItem = 3;
    EXPECT_TRUE(tst_feedback([] { scn_A_cursol(88 - WIW, 48 - WIH); }).empty());
}
