// Canvas geometry against Mesa: background, model area, grid, highlight or
// frame, the model's polygon modes and colours, the markers and smoothing.
#include <gtest/gtest.h>

#include <cmath>

#include "app/app.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

class CanvasDraw : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override { tst_reset_records(); }
};

static bool near(double a, double b, double tol = 1e-4)
{
    return std::fabs(a - b) < tol;
}

static bool has_colour(const TstPrim& p, double r, double g, double b, double a)
{
    const TstVert& v = p.v[0];
    return near(v.r, r, 0.01) && near(v.g, g, 0.01) && near(v.b, b, 0.01) && near(v.a, a, 0.01);
}

static void add_vertex(int layer, double x, double y)
{
    EdLayer& l = ed[layer];
    l.vx[l.count] = x;
    l.vy[l.count] = y;
    l.count++;
}

TEST_F(CanvasDraw, BackgroundColourTable)
{
    static const double want[9][3] = {{0, 0, 0.5}, {0, 0, 0},       {0.3, 0, 0},
                                      {0, 0.15, 0}, {0.2, 0.2, 0},  {0.2, 0, 0.2},
                                      {0, 0.3, 0.3}, {0.1, 0.1, 0.1}, {1, 1, 1}};
    cm.gridSpan = 0;
    for (int c = 0; c < 9; c++) {
        cm.bgColor = c;
        edit_backs();
        unsigned char px[4];
        tst_pixel(350, 200, px);  // outside the model area, off the axes
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(px[k], want[c][k] * 255, 1.5) << "bgColor " << c << " channel " << k;
    }
}

TEST_F(CanvasDraw, ModelAreaBlendsOverBackground)
{
    cm.gridSpan = 0;
    for (int bg : {0, 1}) {
        cm.bgColor = bg;
        edit_backs();
        unsigned char px[4];
        tst_pixel(60 + 9, 9, px);
        const double under = bg == 0 ? 0.5 : 0.0;
        EXPECT_NEAR(px[2], (0.2 + 0.8 * under) * 255, 1.5);
        EXPECT_NEAR(px[0], 0, 1.5);
        tst_pixel(60 + 12 * 18 + 9, 9, px);  // just outside the area
        EXPECT_NEAR(px[2], under * 255, 1.5);
    }
}

// The grid reaches far beyond the window; widen the projection so that
// feedback keeps all of it, and scale the coordinates back.
static std::vector<TstPrim> grid_lines(int span)
{
    const double f = 100;
    cm.gridSpan = span;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-WIW * f, WIW * f, WIH * f, -WIH * f, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    auto prims = tst_feedback(edit_backs);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    std::vector<TstPrim> out;
    for (TstPrim& p : prims) {
        if (p.kind != TST_LINE || !near(p.v[0].g, 0.4, 0.01) || p.v[0].a > 0.25)
            continue;
        for (TstVert& v : p.v)
            v.x *= f, v.y *= f;
        out.push_back(p);
    }
    return out;
}

TEST_F(CanvasDraw, GridHas1199StepsWithSpanAlphas)
{
    auto lines = grid_lines(6);
    ASSERT_EQ(lines.size() * 2, 9592u);
    int bright = 0;
    for (size_t n = 0; n < lines.size(); n++) {
        const int i = (int)(n / 4) + 1;
        EXPECT_NEAR(lines[n].v[0].a, i % 6 == 0 ? 0.2 : 0.1, 0.01) << "step " << i;
        bright += lines[n].v[0].a > 0.15;
    }
    EXPECT_EQ(bright, 199 * 4);
    // Step 3: horizontal lines at y = +-3 units and vertical ones at x = +-3,
    // spanning 2000 x 1500 units at 18 pixels per unit around (60, 0).
    const TstPrim* l = &lines[8];
    EXPECT_NEAR(l[0].v[0].x, 60 - 2000 * 18, 1);
    EXPECT_NEAR(l[0].v[1].x, 60 + 2000 * 18, 1);
    EXPECT_NEAR(l[0].v[0].y, 54, 1);
    EXPECT_NEAR(l[1].v[0].y, -54, 1);
    EXPECT_NEAR(l[2].v[0].x, 60 - 54, 1);
    EXPECT_NEAR(l[2].v[0].y, -1500 * 18, 1);
    EXPECT_NEAR(l[3].v[1].x, 60 + 54, 1);
    EXPECT_NEAR(l[3].v[1].y, 1500 * 18, 1);
}

TEST_F(CanvasDraw, GridSpanZeroDrawsNoGridSpanOneAllBright)
{
    EXPECT_TRUE(grid_lines(0).empty());
    auto lines = grid_lines(1);
    ASSERT_EQ(lines.size(), 4796u);
    for (const TstPrim& p : lines)
        ASSERT_NEAR(p.v[0].a, 0.2, 0.01);
}

TEST_F(CanvasDraw, AxesCrossAtCanvasCentre)
{
    cm.gridSpan = 0;
    auto prims = tst_feedback(edit_backs);
    int axes = 0;
    for (const TstPrim& p : prims)
        if (p.kind == TST_LINE && has_colour(p, 0, 0.4, 1, 0.5)) {
            axes++;
            EXPECT_TRUE(near(p.v[0].x, 60) || near(p.v[0].y, 0));
        }
    EXPECT_EQ(axes, 2);
}

// Filled polygons of a section box (colour A) in the panel column: their top and bottom.
static bool section_box(const std::vector<TstPrim>& prims, double* top, double* bottom)
{
    bool any = false;
    for (const TstPrim& p : prims) {
        if (p.kind != TST_POLYGON || !has_colour(p, 0, 0.5, 1, 0.4))
            continue;
        for (const TstVert& v : p.v) {
            *top = any ? std::min(*top, v.y) : v.y;
            *bottom = any ? std::max(*bottom, v.y) : v.y;
            any = true;
        }
    }
    return any;
}

static bool canvas_frame(const std::vector<TstPrim>& prims)
{
    for (const TstPrim& p : prims)
        if (p.kind == TST_LINE && has_colour(p, 0, 0.5, 1, 0.4))
            for (const TstVert& v : p.v)
                if (near(v.x, 390) && near(v.y, 276))
                    return true;
    return false;
}

TEST_F(CanvasDraw, HighlightFollowsPaneAndItem)
{
    cm.gridSpan = 0;
    cm.pane = 1;
    auto prims = tst_feedback(edit_backs);
    double top = 0, bottom = 0;
    EXPECT_TRUE(canvas_frame(prims));
    EXPECT_FALSE(section_box(prims, &top, &bottom));
    cm.pane = 0;
    for (int k = 0; k <= 31; k++) {
        cm.menuItem = k;
        prims = tst_feedback(edit_backs);
        EXPECT_FALSE(canvas_frame(prims)) << k;
        const bool any = section_box(prims, &top, &bottom);
        if (k == 31) {
            EXPECT_FALSE(any);
            continue;
        }
        ASSERT_TRUE(any) << k;
        const double row = k <= 7 ? -258 : k <= 19 ? -198 : k <= 22 ? -114 : k <= 26 ? 216 : 252;
        const double h = k <= 7 ? 54 : k <= 19 ? 78 : k <= 22 ? 264 : 30;
        EXPECT_NEAR(top, row, 1e-3) << k;
        EXPECT_NEAR(bottom, row + h, 1e-3) << k;
    }
}

TEST_F(CanvasDraw, WireLayerOutlinesFollowingFillLayerFills)
{
    ed[0].view = 1;
    ed[0].drawType = GL_TRIANGLES;
    ed[1].drawType = GL_TRIANGLES;
    for (int layer : {0, 1}) {
        add_vertex(layer, 0, 0);
        add_vertex(layer, 2, 0);
        add_vertex(layer, 0, 2);
    }
    ed[1].r = 1;
    auto prims = tst_feedback([] { edit_model(18, 0, 60, 0); });
    int lines = 0, polys = 0;
    for (const TstPrim& p : prims) {
        if (p.kind == TST_LINE) {
            EXPECT_NEAR(p.v[0].r, 0, 1e-6);
            lines++;
        } else {
            EXPECT_NEAR(p.v[0].r, 1, 1e-6);
            polys++;
        }
    }
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(polys, 1);
    GLint mode[2];
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
}

TEST_F(CanvasDraw, LayerColourOrPerVertexColour)
{
    for (int layer = 0; layer < 3; layer++) {
        ed[layer].drawType = GL_POINTS;
        ed[layer].r = 0.5, ed[layer].g = 0.25, ed[layer].b = 0.75, ed[layer].a = 1;
        add_vertex(layer, layer, 0);
        add_vertex(layer, layer, 1);
        ed[layer].vr[0] = 1, ed[layer].vg[0] = 0, ed[layer].vb[0] = 0, ed[layer].va[0] = 1;
        ed[layer].vr[1] = 0, ed[layer].vg[1] = 0, ed[layer].vb[1] = 1, ed[layer].va[1] = 0.5;
    }
    ed[0].colorSel = -1;
    ed[1].colorSel = -2;
    ed[2].colorSel = 1;
    ed[3].view = 0;  // OFF: even a vertex must not show
    ed[3].drawType = GL_POINTS;
    add_vertex(3, 5, 5);
    auto prims = tst_feedback([] { edit_model(1, 0, 0, 0); });
    ASSERT_EQ(prims.size(), 6u);
    for (int n = 0; n < 4; n++)
        EXPECT_TRUE(has_colour(prims[n], 0.5, 0.25, 0.75, 1)) << n;
    EXPECT_TRUE(has_colour(prims[4], 1, 0, 0, 1));
    EXPECT_TRUE(has_colour(prims[5], 0, 0, 1, 0.5));
}

// Mesa's feedback replays only the first primitive of list 26 (its filled
// hexagon), so the outline of the current layer's marker is read from pixels.
TEST_F(CanvasDraw, MarkersSizedAndColouredPerLayer)
{
    add_vertex(0, 2, 3);
    add_vertex(1, -1, 0);
    add_vertex(1, -1, 0);  // coincident vertices stack their markers
    add_vertex(2, 4, 4);
    ed[2].view = 0;
    cm.layer = 0;
    auto prims = tst_feedback([] { edit_point(18, 0, 60, 0); });
    int current = 0, other = 0;
    for (const TstPrim& p : prims) {
        const bool cur = has_colour(p, 0, 1, 1, 0.3);
        ASSERT_TRUE(cur || has_colour(p, 0, 0.8, 1, 0.3));
        const double cx = cur ? 96 : 42, cy = cur ? 54 : 0, r = cur ? 5.4 : 4.5;
        for (const TstVert& v : p.v) {
            const double d = std::hypot(v.x - cx, v.y - cy);
            EXPECT_TRUE(d < 1e-6 || near(d, r, 0.01)) << d;  // Mesa may fan from the centre
        }
        EXPECT_EQ(p.kind, cur ? TST_POLYGON : TST_LINE);
        (cur ? current : other)++;
    }
    EXPECT_EQ(other, 2 * 6);
    EXPECT_GE(current, 1);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    edit_point(18, 0, 60.5, 0.5);
    unsigned char px[4];
    int ring = 0;
    for (int dy = -9; dy <= -7; dy++) {
        tst_pixel(96, 54 + dy, px);
        ring += px[1] > 40;
    }
    EXPECT_GE(ring, 1);  // the outline of radius 9 above the centre
    tst_pixel(96, 54 - 6, px);
    EXPECT_EQ(px[1], 0);  // between the filled hexagon and the outline
}

TEST_F(CanvasDraw, AliasSetterSwitchesSmoothing)
{
    const GLenum caps[3] = {GL_POINT_SMOOTH, GL_LINE_SMOOTH, GL_POLYGON_SMOOTH};
    edit_alias_setter(1);
    for (GLenum c : caps)
        EXPECT_TRUE(glIsEnabled(c));
    GLint hint;
    glGetIntegerv(GL_LINE_SMOOTH_HINT, &hint);
    EXPECT_EQ(hint, GL_NICEST);
    glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &hint);
    EXPECT_EQ(hint, GL_NICEST);
    edit_alias_setter(2);
    for (GLenum c : caps)
        EXPECT_TRUE(glIsEnabled(c));
    edit_alias_setter(0);
    for (GLenum c : caps)
        EXPECT_FALSE(glIsEnabled(c));
}

TEST_F(CanvasDraw, OversizedCountNeverReadsPastTheArrays)
{
    ed[0].drawType = GL_POINTS;
    ed[0].count = 100000;
    auto prims = tst_feedback([] { edit_model(0.01, 0, 0, 0); });
    EXPECT_EQ(prims.size(), 256u);
}
