// The editor frame against Mesa: the six placements of the model, markers on
// the canvas only, smoothing only around the model drawings, face culling.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/app.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

class EditorDraw : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override { tst_reset_records(); }
};

static void add_vertex(int layer, double x, double y)
{
    EdLayer& l = ed[layer];
    l.vx[l.count] = x;
    l.vy[l.count] = y;
    l.count++;
}

TEST_F(EditorDraw, SixPlacementsOfTheModelAndTheSpin)
{
    ed[0].drawType = GL_POINTS;
    add_vertex(0, 1, -1);
    ed[1].drawType = GL_POINTS;
    ed[1].view = 0;  // OFF: drawn nowhere
    add_vertex(1, 3, 3);
    ALP.spin = 90;
    auto prims = tst_feedback(editerSet);
    std::vector<TstVert> points;
    for (const TstPrim& p : prims)
        if (p.kind == TST_POINT)
            points.push_back(p.v[0]);
    // (1, -1) turned by 90 degrees clockwise on screen is (1, 1).
    const double want[6][2] = {{78, -18},      {-359.5, -72.5}, {-299.5, -71.5},
                               {-359, -7},     {-299, -5},      {-326, 86}};
    ASSERT_EQ(points.size(), 6u);
    for (int n = 0; n < 6; n++) {
        EXPECT_NEAR(points[n].x, want[n][0], 1e-3) << n;
        EXPECT_NEAR(points[n].y, want[n][1], 1e-3) << n;
    }
    EXPECT_DOUBLE_EQ(ALP.spin, 91.5);  // the phases advance after drawing
}

TEST_F(EditorDraw, MarkersOnTheCanvasOnlyAndOverTheModel)
{
    ed[0].drawType = GL_POINTS;
    ed[0].r = 1, ed[0].g = 0, ed[0].b = 0, ed[0].a = 1;
    add_vertex(0, 1, -1);
    ed[2].view = 0;
    add_vertex(2, 5, 5);
    cm.prevScale1 = cm.prevScale2 = cm.prevScale3 = 1000;
    auto prims = tst_feedback(editerSet);
    int markers = 0;
    size_t lastModel = 0, firstMarker = prims.size();
    for (size_t n = 0; n < prims.size(); n++) {
        const TstVert& v = prims[n].v[0];
        if (prims[n].kind == TST_POINT)
            lastModel = n;
        if (std::fabs(v.g - 1) + std::fabs(v.b - 1) + std::fabs(v.a - 0.3) > 1e-3 || v.r != 0)
            continue;
        markers++;
        firstMarker = std::min(firstMarker, n);
        for (const TstVert& m : prims[n].v)
            EXPECT_LE(std::hypot(m.x - 78, m.y + 18), 9.01);
    }
    EXPECT_GT(markers, 0);
    EXPECT_GT(firstMarker, lastModel);
}

// A block of the back buffer.
static std::vector<unsigned char> block(int x, int y, int w, int h)
{
    std::vector<unsigned char> px((size_t)w * h * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(x + WIW, WIH - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    return px;
}

static void frame_with_alias(int on)
{
    tst_reset_records();
    cm.antiAlias = on;
    ed[0].drawType = GL_LINES;
    ed[0].r = 1, ed[0].g = 1, ed[0].b = 0, ed[0].a = 1;
    add_vertex(0, -8, -3);
    add_vertex(0, 8, 2);
    glClear(GL_COLOR_BUFFER_BIT);
    editerSet();
}

TEST_F(EditorDraw, SmoothingOnlyAroundTheModelDrawings)
{
    frame_with_alias(0);
    auto modelOff = block(60 - 90, -30, 180, 40), gridOff = block(150, 100, 100, 80);
    frame_with_alias(1);
    auto modelOn = block(60 - 90, -30, 180, 40), gridOn = block(150, 100, 100, 80);
    EXPECT_TRUE(modelOn != modelOff);  // the model's line is smoothed
    EXPECT_TRUE(gridOn == gridOff);    // the grid is not
    for (GLenum cap : {GL_POINT_SMOOTH, GL_LINE_SMOOTH, GL_POLYGON_SMOOTH})
        EXPECT_FALSE(glIsEnabled(cap));
}

static void triangle_frame(bool clockwise)
{
    tst_reset_records();
    cm.prevScale2 = cm.prevScale3 = 400;
    ed[0].r = 1, ed[0].g = 0, ed[0].b = 0, ed[0].a = 1;
    ed[0].drawType = GL_TRIANGLES;
    add_vertex(0, 0, 0);
    add_vertex(0, clockwise ? 4 : 0, clockwise ? 0 : 4);
    add_vertex(0, clockwise ? 0 : 4, clockwise ? 4 : 0);
    glClear(GL_COLOR_BUFFER_BIT);
    editerSet();
}

TEST_F(EditorDraw, FrontFaceCullingOnCanvasAndPreviews)
{
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    const double inside[3][2] = {{60 + 23, 23}, {-360 + 4, -6 + 4}, {-330 + 4, 90 + 4}};
    for (bool cw : {true, false}) {
        triangle_frame(cw);
        for (const auto& at : inside) {
            unsigned char px[4];
            tst_pixel(at[0], at[1], px);
            EXPECT_EQ(px[0] == 255 && px[1] == 0, cw) << at[0] << "," << at[1];
        }
    }
    glDisable(GL_CULL_FACE);
}
