// The design status against Mesa: the canvas cursor, the MODEL DESIGN text and
// its cursor label table, the colour read-outs and the modelling clock.
#include <gtest/gtest.h>

#include <cmath>

#include "app/app.h"
#include "screen/screen.h"
#include "tests/test_status_runs.h"

class Status : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override
    {
        tst_reset_records();
        ALP.blink = 0.7;  // tells the blinking highlight from alB and alpha 1
    }
};

static std::vector<TxtRun> screen_runs()
{
    return txt_runs(tst_feedback([] {
        glEnable(GL_TEXTURE_2D);
        scn_B_screen(ALP.blink, 10 - WIW, 24 - WIH);
        glDisable(GL_TEXTURE_2D);
    }));
}

static void put_vertices(int n)
{
    for (int j = 0; j < n; j++) {
        ed[0].vx[j] = j - 1;
        ed[0].vy[j] = 2;
    }
    ed[0].count = n;
}

TEST_F(Status, DefaultStateText)
{
    auto runs = screen_runs();
    EXPECT_EQ(txt_count(runs, "X:-12,Y:-12", -156, -228, 0.4), 1);
    EXPECT_EQ(txt_count(runs, "X:12,Y:-12", 276, -228, 0.4), 1);
    EXPECT_EQ(txt_count(runs, "X:-12,Y:12", -156, 228, 0.4), 1);
    EXPECT_EQ(txt_count(runs, "X:12,Y:12", 276, 228, 0.4), 1);
    const std::string head = "MODEL DESIGN" + std::string(42, '_');
    for (double a : {0.5, 1.0}) {
        EXPECT_EQ(txt_count(runs, head, -258, -276, a), 1);
        EXPECT_EQ(txt_count(runs, "CURRENT LAYER:1", -258, -258, a), 1);
        EXPECT_EQ(txt_count(runs, "VIEW MODE: FILL", -258, -252, a), 1);
        EXPECT_EQ(txt_count(runs, "VERTEX:   0/256", -258, -246, a), 1);
    }
    for (const TxtRun& r : runs)
        if (r.text == head) {
            EXPECT_EQ(r.size, 16);
        }
    EXPECT_EQ(txt_count(runs, "No.1", 68, -2, 0.5), 1);
    EXPECT_EQ(txt_count(runs, "No.1", 68, -2, 0.7), 1);
    EXPECT_EQ(txt_count(runs, "X:0,Y:0", 68, 4), 1);  // dim only
}

TEST_F(Status, WholeFrameShowsTheStatusAndTheClock)
{
    auto prims = tst_feedback(editerSet);
    auto runs = txt_runs(prims);
    EXPECT_EQ(txt_count(runs, "CURRENT LAYER:1", -258, -258, 1), 1);
    EXPECT_EQ(txt_count(runs, "VERTEX:   0/256", -258, -246, 1), 1);
    EXPECT_EQ(txt_count(runs, "X:0,Y:0", 68, 4, 0.5), 1);
    EXPECT_EQ(tst_text_at(tst_glyphs(prims), -282), "MODELLING TIME:00'00'00'01");
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Status, ViewLinesCornersFollowState)
{
    cm.scale = 100;
    cm.sizeX = 31;
    cm.sizeY = 5;
    cm.layer = 2;
    cm.curX = 1;  // off the 256 vertices piled at the origin
    ed[2].count = 256;
    const char* lines[3] = {"VIEW MODE:  OFF", "VIEW MODE: WIRE", "VIEW MODE: FILL"};
    for (int v = 0; v <= 3; v++) {
        ed[2].view = v;
        auto runs = screen_runs();
        for (int k = 0; k < 3; k++)
            EXPECT_EQ(txt_count(runs, lines[k], -258, -252), k == v ? 2 : 0) << v;
        EXPECT_EQ(txt_count(runs, "CURRENT LAYER:3", -258, -258), 2);
        EXPECT_EQ(txt_count(runs, "VERTEX: 256/256", -258, -246), 2);
        EXPECT_EQ(txt_count(runs, "X:31,Y:5", 91, 17, 0.4), 1);
        EXPECT_EQ(txt_count(runs, "X:-31,Y:-5", 29, -17, 0.4), 1);
        EXPECT_EQ(txt_count(runs, "No.257", 69, -2), 2);
    }
}

struct LabelRow {
    int mode, onVertex, selected, colorSel;
    const char *dim, *lit;
};

TEST_F(Status, CursorLabelTable)
{
    const LabelRow rows[] = {
        {0, 1, 0, -1, "No.5 MOVE ?", "No.5 MOVE ?"},
        {0, 1, 1, -1, "No.5 MOVE", "No.5 MOVE"},
        {0, 0, 0, -1, "No.6", "No.6"},
        {1, 0, 0, -1, "ALL COLOR ?", "ALL COLOR ?"},
        {1, 0, 0, -2, nullptr, "ALL COLOR ?"},
        {1, 0, 0, 3, nullptr, "ALL COLOR ?"},
        {1, 1, 0, -1, "No.5 VERTEX COLOR ?", "No.5 VERTEX COLOR ?"},
        {1, 1, 1, 4, nullptr, "No.5 VERTEX COLOR"},
    };
    for (int pane : {1, 0})
        for (const LabelRow& row : rows) {
            SCOPED_TRACE(std::string(row.lit) + (pane ? " canvas" : " panel"));
            tst_reset_records();
            ALP.blink = 0.7;
            cm.pane = pane;
            put_vertices(5);  // vertex 4 at (3, 2)
            cm.designMode = row.mode;
            cm.curX = row.onVertex ? 3 : 7;
            cm.curY = row.onVertex ? 2 : 7;
            cm.selVertex = row.selected ? 4 : -1;
            ed[0].colorSel = row.colorSel;
            const double x = 18 * cm.curX + 68, y = 18 * cm.curY;
            auto runs = screen_runs();
            EXPECT_EQ(txt_count(runs, row.dim ? row.dim : "", x, y - 2, 0.5), row.dim ? 1 : 0);
            EXPECT_EQ(txt_count(runs, row.lit, x, y - 2, 0.7), pane);
            const std::string coords = "X:" + std::to_string(cm.curX) + ",Y:" + std::to_string(cm.curY);
            EXPECT_EQ(txt_count(runs, coords, x, y + 4), row.mode == 0 ? 1 : 0);
            if (pane == 0) {
                EXPECT_EQ(txt_count_alpha(runs, 1.0) + txt_count_alpha(runs, 0.7), 0);
            }
        }
}

TEST_F(Status, LayerColourReadOutsBlinkTheChosenChannel)
{
    const char* lines[4] = {" R:0.00", " G:1.00", " B:1.00", " A:0.30"};
    cm.designMode = 1;
    ed[0].colorSel = -2;
    for (int ch = 0; ch <= 4; ch++) {
        cm.colorChannel = ch;
        auto runs = screen_runs();
        for (int k = 0; k < 4; k++) {
            EXPECT_EQ(txt_count(runs, lines[k], 68, 4 + 6 * k, 0.5), 1) << k;
            EXPECT_EQ(txt_count(runs, lines[k], 68, 4 + 6 * k, 0.7), k == ch ? 1 : 0) << ch;
        }
    }
    cm.pane = 0;
    auto runs = screen_runs();
    EXPECT_EQ(txt_count(runs, lines[0], 68, 4), 0);
}

TEST_F(Status, SelectedVertexReadOutsAndAnOutOfRangeSelection)
{
    put_vertices(5);
    cm.designMode = 1;
    cm.curX = 3, cm.curY = 2;
    cm.selVertex = 4;
    ed[0].colorSel = 4;
    ed[0].vr[4] = 0.25, ed[0].vg[4] = 0.5, ed[0].vb[4] = 0.75, ed[0].va[4] = 1;
    cm.colorChannel = 2;
    auto runs = screen_runs();
    EXPECT_EQ(txt_count(runs, " R:0.25", 122, 40, 0.5), 1);
    EXPECT_EQ(txt_count(runs, " G:0.50", 122, 46, 0.5), 1);
    EXPECT_EQ(txt_count(runs, " B:0.75", 122, 52, 0.7), 1);
    EXPECT_EQ(txt_count(runs, " A:1.00", 122, 58, 0.5), 1);
    cm.selVertex = 100000;  // must never be used as an index
    runs = screen_runs();
    EXPECT_EQ(txt_count(runs, "No.5 VERTEX COLOR", 122, 34, 0.7), 1);
    for (const TxtRun& r : runs)
        EXPECT_EQ(r.text.find(" R:"), std::string::npos);
    cm.layer = 6;  // no such layer: the number is shown, nothing is read
    runs = screen_runs();
    EXPECT_EQ(txt_count(runs, "CURRENT LAYER:7", -258, -258), 2);
    scn_B_cursol(0, 0);
}

// Segments of the canvas cursor in the colour it was drawn with.
static std::vector<TstPrim> cursor_lines()
{
    return tst_feedback([] { scn_B_cursol(18.0 * cm.curX, 18.0 * cm.curY); });
}

static bool has_end(const std::vector<TstPrim>& lines, double x, double y)
{
    for (const TstPrim& p : lines)
        for (const TstVert& v : p.v)
            if (std::fabs(v.x - x) < 0.01 && std::fabs(v.y - y) < 0.01)
                return true;
    return false;
}

TEST_F(Status, CanvasCursorShapesAndColours)
{
    put_vertices(5);
    cm.curX = 2, cm.curY = -1;  // no vertex there; centre at (96, -18)
    ALP.blink = 0.4;
    ALP.spin = 10;
    auto lines = cursor_lines();
    ASSERT_FALSE(lines.empty());
    for (const TstPrim& p : lines) {
        EXPECT_EQ(p.kind, TST_LINE);
        EXPECT_NEAR(p.v[0].g, 0.7, 1e-3);
        EXPECT_NEAR(p.v[0].b, 0.4, 1e-3);
        EXPECT_NEAR(p.v[0].a, 1, 1e-3);
    }
    EXPECT_TRUE(has_end(lines, 93, -18) && has_end(lines, 99, -18));
    EXPECT_FALSE(has_end(lines, 99, -21));

    cm.curY = 2;  // onto vertex 3: plus, square and rays turned by 2 x spin
    lines = cursor_lines();
    const double a = 20 * M_PI / 180;
    EXPECT_TRUE(has_end(lines, 93, 36));
    EXPECT_TRUE(has_end(lines, 99 , 33) && has_end(lines, 93, 39));
    EXPECT_TRUE(has_end(lines, 96 + 10 * std::cos(a), 36 + 10 * std::sin(a)));
    EXPECT_TRUE(has_end(lines, 96 + 6 * std::cos(a), 36 + 6 * std::sin(a)));

    cm.selVertex = 3;  // carried: the square only
    cm.pane = 0;
    lines = cursor_lines();
    EXPECT_TRUE(has_end(lines, 99, 33));
    EXPECT_FALSE(has_end(lines, 93, 36));
    EXPECT_FALSE(has_end(lines, 96 + 10 * std::cos(a), 36 + 10 * std::sin(a)));
    for (const TstPrim& p : lines) {
        EXPECT_NEAR(p.v[0].g, 0.5, 1e-3);
        EXPECT_NEAR(p.v[0].a, 0.5, 1e-3);
    }
}

static std::string clock_text()
{
    auto prims = tst_feedback([] {
        glEnable(GL_TEXTURE_2D);
        scn_B_timers(alB, WIW - 148, 18 - WIH);
        glDisable(GL_TEXTURE_2D);
    });
    return tst_text_at(tst_glyphs(prims), -282);
}

TEST_F(Status, ClockCarriesOncePerFrame)
{
    EXPECT_EQ(clock_text(), "MODELLING TIME:00'00'00'01");
    tm.timeS = 59, tm.timeF = 19;
    EXPECT_EQ(clock_text(), "MODELLING TIME:00'00'60'00");
    EXPECT_EQ(clock_text(), "MODELLING TIME:00'01'00'01");
    tm.timeH = 59, tm.timeM = 59, tm.timeS = 60, tm.timeF = 5;
    EXPECT_EQ(clock_text(), "MODELLING TIME:59'60'00'06");
    EXPECT_EQ(clock_text(), "MODELLING TIME:60'00'00'07");
    EXPECT_EQ(clock_text(), "MODELLING TIME:00'00'00'00");
    tm.timeH = 12, tm.timeM = 34, tm.timeS = 10, tm.timeF = 10;
    EXPECT_EQ(clock_text(), "MODELLING TIME:12'34'10'11");
}

TEST_F(Status, ClockPlacesAndZeroPeriod)
{
    tm.timeH = 1, tm.timeM = 5, tm.timeS = 9, tm.timeF = 12;
    auto runs = txt_runs(tst_feedback([] {
        glEnable(GL_TEXTURE_2D);
        scn_B_timers(0.5, 252, -282);
        glDisable(GL_TEXTURE_2D);
    }));
    ASSERT_FALSE(runs.empty());
    EXPECT_DOUBLE_EQ(runs[0].x, 234);
    EXPECT_EQ(tst_text_at(tst_glyphs(tst_feedback([] {})), -282), "");
    int seconds = 0;
    for (const TxtRun& r : runs)
        seconds += r.text.rfind("'09", 0) == 0 && std::fabs(r.x - 356) < 0.01;
    EXPECT_EQ(seconds, 1);
    tm.framePeriod = 0;  // would divide by zero: counts as 1000 frames a second
    tm.timeF = 998;
    clock_text();
    EXPECT_EQ(tm.timeF, 999u);
    EXPECT_EQ(tm.timeS, 9u);
}
