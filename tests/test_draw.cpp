// Drawing, read back from Mesa: the window's GL state, glyph sheets and text,
// the display lists, the canvas, the model in its six placements, the vertex
// markers, and the text of the panel, the design status, title and footer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

struct Draw : testing::Test {
    void SetUp() override { tst_reset(); }
};

// Bounds, line count and filled area (each polygon's own, so the winding counts not).
struct Box {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9, area = 0;
    int lines = 0;
    std::string bounds() const
    {
        char out[64];
        auto r = [](double v) { return std::round(v * 100) / 100 + 0.0; };
        snprintf(out, sizeof out, "%g %g %g %g", r(x0), r(y0), r(x1), r(y1));
        return out;
    }
};

static Box box_of(const std::vector<TstPrim>& prims)
{
    Box b;
    for (const TstPrim& p : prims) {
        double a = 0;
        for (size_t i = 0; i < p.v.size(); i++) {
            const TstVert &u = p.v[i], &w = p.v[(i + 1) % p.v.size()];
            b.x0 = std::min(b.x0, u.x), b.y0 = std::min(b.y0, u.y), b.x1 = std::max(b.x1, u.x);
            b.y1 = std::max(b.y1, u.y), a += u.x * w.y - w.x * u.y;
        }
        b.lines += p.kind == GL_LINE_TOKEN;
        b.area += p.kind == GL_POLYGON_TOKEN ? std::fabs(a) / 2 : 0;
    }
    return b;
}

// The bounds of the last four primitives drawn: a section box's outline or the canvas frame.
static std::string last_outline(void (*draw)())
{
    auto prims = tst_feedback(draw);
    return box_of({prims.end() - 4, prims.end()}).bounds();
}

static std::vector<std::string> frame_text() { return tst_lines(tst_feedback(scn_sets)); }

// The texels of the texture createTex makes of path, and its side.
static std::vector<unsigned char> sheet(const char* path, GLint& w)
{
    GLuint tex = 0;
    GLint h = 0;
    createTex(0, path, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> px(4 * w * h);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    return h == w ? px : std::vector<unsigned char>{};
}

TEST_F(Draw, TextInBothSizesIsCutAt255AndNamesEveryByte)
{
    const std::string longText(300, 'x');
    auto text = tst_feedback([&] {
        fontB(0, 0.5, 10, 20, "A%dz\xC1", 7);
        fontA(9, 0.25, -4, 0, "ab");  // any size above 0 is the large one
        fontB(0, 1, 0, 30, "%s", longText.c_str());
    });
    EXPECT_EQ(tst_lines(text), (std::vector<std::string>{"10,20 0.5:A7z\xC1", "-4,0 0.25:ab",
                                                          "0,30 1:" + longText.substr(0, 255)}));
    text.erase(std::remove_if(text.begin(), text.end(), [](auto& p) { return p.v[0].a != 0.25f; }), text.end());
    EXPECT_EQ(box_of(text).bounds(), "-4 0 24 16") << "16-pixel squares 12 apart";
}

TEST_F(Draw, GlyphSheetsKeyOutBlackAndBrokenOnesLeaveAnEmptyTexture)
{
    GLint w = 0;
    auto px = sheet(RES_DIR "iFD06.dat", w);
    int clear = 0, lit = 0;
    for (size_t i = 0; i < px.size(); i += 4)
        clear += px[i + 3] == 0 && px[i] + px[i + 1] + px[i + 2] == 0, lit += px[i + 3] == 255;
    EXPECT_TRUE(w >= 16 && (w & (w - 1)) == 0 && clear > w * w / 2 && lit > 0) << w << " " << clear << " " << lit;
    SDL_Surface* odd = SDL_CreateRGBSurface(0, 100, 128, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_SaveBMP(odd, "tests/odd.bmp"), SDL_FreeSurface(odd);
    for (const char* path : {"/nonexistent/sheet.dat", "/dev/null", "CMakeCache.txt", "tests/odd.bmp"}) {
        testing::internal::CaptureStdout();
        px = sheet(path, w);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "KAKUNIN 1\n") << path;
        EXPECT_EQ(w * 1000 + px.at(3), 1000) << path << ": one transparent texel";
    }
}

TEST_F(Draw, DisplayListsHoldTheirShapesAndOnlyTheReversedStripsCull)
{
    // Mesa's feedback drops the lines that follow a fill inside one list, so those go unchecked (-1).
    // The last column is where the last primitive starts, which fixes the direction of an outline.
    struct { int n; const char* bounds; double area; int lines; double alpha, lastX; } table[] = {
        {10, "0 0 42 6", 36, 0, 0.9, 36},              {11, "-42 0 42 6", 36, 0, 0.9, 36},
        {12, "-3 -3 3 3", 0, 2, 0.9, 0},               {13, "-3 -3 3 3", 0, 4, 0.9, -3},
        {14, "-10 -10 10 10", 0, 8, 0.9, 7.07},        {20, "-78 0 42 6", 720, 0, 0.9, -78},
        {25, "-0.5 -0.43 0.5 0.43", 0, 6, 0.9, 0.25},  {26, "-0.3 -0.26 0.3 0.26", 0.2338, -1, 0.9, -0.15},
        {30, "-390 0 -270 54", 6480, 4, 0.8, -270},    {31, "-390 0 -270 78", 9360, 4, 0.8, -270},
        {33, "-390 0 -270 264", 31680, 4, 0.8, -270},  {34, "-390 0 -270 30", 3600, 4, 0.8, -390},
        {35, "-390 0 -270 30", 3600, 4, 0.8, -390},    {40, "-390 -102 -270 150", 28800, -1, 0.2, -270},
        {50, "-258 -258 390 276", 0, 4, 0.4, -258},    {60, "-800 -600 800 600", 1920000, 0, 0.9, 800},
    };
    for (int cull = 0; cull < 2; cull++) {
        cull ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        for (auto& c : table) {
            auto prims = tst_feedback([&] { resetGL(0, 0), glColor4d(0.1, 0.2, 0.3, 0.9), glCallList(c.n); });
            const Box b = box_of(prims);
            const bool dropped = cull && (c.n == 31 || c.n == 33);
            EXPECT_TRUE(dropped || b.bounds() == c.bounds) << "list " << c.n << ": " << b.bounds();
            EXPECT_NEAR(b.area, dropped ? 0 : c.area, 1e-3) << "list " << c.n << (cull ? " culled" : "");
            EXPECT_TRUE(c.lines < 0 || b.lines == c.lines) << "list " << c.n;
            EXPECT_NEAR(prims.back().v[0].a, c.alpha, 1e-6) << "list " << c.n;
            EXPECT_NEAR(prims.back().v[0].x, c.lastX, 0.01) << "list " << c.n;
        }
    }
    glDisable(GL_CULL_FACE);
}

TEST_F(Draw, CanvasBackgroundModelAreaGridAndSectionHighlight)
{
    unsigned char px[4];
    auto pixel = [&](int x, int y) { glReadPixels(x + WIW, WIH - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px); };
    const int want[9][3] = {{0, 0, 128}, {0, 0, 0}, {77, 0, 0}, {0, 38, 0}, {51, 51, 0},
                            {51, 0, 51}, {0, 77, 77}, {26, 26, 26}, {255, 255, 255}};
    for (int c = 0; c < 9; c++) {
        cm.bgColor = c;
        edit_backs();
        pixel(350, 200);
        EXPECT_LE(std::abs(px[0] - want[c][0]) + std::abs(px[1] - want[c][1]) + std::abs(px[2] - want[c][2]), 3)
            << "colour " << c;
    }
    cm.bgColor = 0;
    edit_backs();
    pixel(69, 9);
    EXPECT_NEAR(px[2], 153, 1.5) << "the model area blends over the background";
    auto lines = [](int span) {
        cm.gridSpan = span, cm.scale = 50;  // the whole grid inside the zoomed-out view
        int bright = 0, dim = 0;
        for (const TstPrim& p : tst_feedback(edit_backs))
            if (p.kind == GL_LINE_TOKEN && std::fabs(p.v[0].b - 1) < 1e-6 && std::fabs(p.v[0].g - 0.4) < 1e-6)
                bright += std::fabs(p.v[0].a - 0.2) < 1e-6, dim += std::fabs(p.v[0].a - 0.1) < 1e-6;
        return std::make_pair(bright, dim);
    };
    EXPECT_EQ(lines(6), std::make_pair(4 * 199, 4 * 1000)) << "grid lines every span brighter";
    EXPECT_EQ(lines(1), std::make_pair(4 * 1199, 0));
    EXPECT_EQ(lines(0).first + lines(0).second, 0) << "no grid";
    const char* boxes[5] = {"-390 -258 -270 -204", "-390 -198 -270 -120", "-390 -114 -270 150",
                            "-390 216 -270 246", "-390 252 -270 282"};
    for (int k = 0; k < 31; k++) {
        cm.pane = 0, cm.menuItem = k;
        EXPECT_EQ(last_outline(edit_backs), boxes[(k > 7) + (k > 19) + (k > 22) + (k > 26)]) << "item " << k;
    }
    cm.pane = 1;
    EXPECT_EQ(last_outline(edit_backs), "-258 -258 390 276") << "the canvas frame";
}

TEST_F(Draw, ModelInSixPlacementsInItsViewsAndColoursUnderTheMarkers)
{
    ed[0].drawType = GL_TRIANGLES, ed[0].r = 1, ed[0].g = 0, ed[0].b = 0, ed[0].a = 1;
    tst_put(0, 0, -5), tst_put(0, 5, 5), tst_put(0, -5, 5);
    ed[1].count = 1000, ed[1].r = 0.5;  // never read past the arrays, whatever the count says
    ALP.spin = 90;
    auto prims = tst_feedback(editerSet);
    // The apex (0, -5) of each drawing: canvas, previews 1 and 2 still and spinning, preview 3.
    const double apex[6][2] = {{60, -90}, {-360, -74.5}, {-297.5, -72}, {-360, -11}, {-295, -6}, {-330, 70}};
    size_t found = 0, lastModel = 0, firstMarker = prims.size(), markers = 0;
    for (size_t i = 0; i < prims.size(); i++) {
        for (const TstVert& v : prims[i].v)
            for (auto& a : apex)
                if (v.r == 1 && v.g == 0 && std::fabs(v.x - a[0]) < 1e-3 && std::fabs(v.y - a[1]) < 1e-3)
                    found++, lastModel = i;
        const TstVert& v = prims[i].v[0];
        if (v.r == 0 && std::fabs(v.g - 1) < 1e-6 && std::fabs(v.a - 0.3) < 1e-6)
            markers += v.x > -258, firstMarker = std::min(firstMarker, i);
    }
    EXPECT_EQ(found, 6u) << "one drawing with its apex at each placement";
    EXPECT_EQ(markers, 3u * 4) << "a hexagon (four triangles) on each vertex of the current layer, on the canvas";
    EXPECT_LT(lastModel, firstMarker) << "markers lie over the model";
    EXPECT_EQ(ALP.spin, 91.5) << "the phases advance after the drawing";
    tst_reset();
    tst_put(0, 1, 2), tst_put(0, 3, 2), tst_put(0, 1, 4), tst_put(1, -2, 0), tst_put(2, 5, 5);
    ed[0].view = 1, ed[1].drawType = GL_POINTS, ed[2].view = 0;
    ed[0].colorSel = 0, ed[0].vr[2] = 1, ed[0].va[2] = 0.5;
    auto model = tst_feedback([] { edit_model(1, 0, 0, 0); });
    ASSERT_EQ(model.size(), 4u) << "a wire triangle and the point of layer 2";
    EXPECT_EQ(std::make_pair(model[0].kind, model[3].kind), std::make_pair(GL_LINE_TOKEN, GL_POINT_TOKEN));
    EXPECT_EQ(std::make_tuple(model[2].v[1].r, model[2].v[1].a), std::make_tuple(1.0, 0.5)) << "per-vertex colour";
    EXPECT_EQ(std::make_tuple(model[3].v[0].x, model[3].v[0].g), std::make_tuple(-2.0, 1.0)) << "layer colour";
    GLint mode[2];
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL) << "wire view switched back";
    auto marks = box_of(tst_feedback([] { edit_point(18, 0, 60, 0); }));
    EXPECT_EQ(std::make_tuple(std::round(marks.x0 * 10), std::round(marks.y0 * 10), marks.lines),
              std::make_tuple(195.0, -39.0, 6)) << "layer 2's marker: the small ring at (24, 0)";
    EXPECT_NEAR(marks.x1, 60 + 54 + 5.4, 1e-3) << "layer 1's filled markers";
    for (int on : {1, 0}) {
        edit_alias_setter(on);
        EXPECT_EQ(glIsEnabled(GL_POINT_SMOOTH) + glIsEnabled(GL_LINE_SMOOTH) + glIsEnabled(GL_POLYGON_SMOOTH), 3 * on);
    }
}

TEST_F(Draw, DefaultFrameText)
{
    ALP.blink = 0.75, ALP.titleAlpha = 0.25, ed[5].view = 0;
    const auto lines = frame_text();
    const std::string version = "VERSION 1.3b" + std::string(90, '_');
    for (const std::string& want : std::vector<std::string>{
             "-390,-276 0.5:SETTING___", "-390,-258 0.5:GLOBAL______________", "-384,-252 0.5:SCALE      : 1800%",
             "-384,-246 0.5:SIZE X     :  24px", "-384,-240 0.5:SIZE Y     :  24px", "-384,-234 0.5:GRID SPAN  :   6px",
             "-384,-228 0.5:CURSOR MOVE:   1px", "-384,-222 0.5:ANTI-ALIAS :   OFF", "-384,-216 0.5:LAYER      :     1",
             "-384,-210 0.5:DESIGN MODE:  DRAW", "-390,-198 0.5:LAYER_______________", "-390,-192 0.5:1.VIEW      :  FILL",
             "-390,-186 0.5: MODE: TRIANGLE_FAN", "-390,-132 0.5:6.VIEW      :   OFF", "-390,-126 0.5: MODE: TRIANGLE_FAN",
             "-390,-114 0.5:PREVIEW_____________", "-384,-108 0.5:SCALE      :   50%", "-384,-42 0.5:SCALE      :  100%",
             "-384,24 0.5:SCALE      :  400%", "-390,216 0.5:BACKGROUND__________", "-384,222 0.5:BGM NUMBER :   OFF",
             "-384,228 0.5:BGM VOLUME :   120", "-384,234 0.5:SE  VOLUME :   120", "-384,240 0.5:COLOR      :     0",
             "-390,252 0.5:OTHER_______________", "-384,258 0.5:EXPORT TO TEXT", "-384,264 0.5:SCREEN MODE",
             "-384,270 0.5:RESET ALL", "-384,276 0.5:QUIT", "-258,-258 0.5:CURRENT LAYER:1", "-258,-258 1:CURRENT LAYER:1",
             "-258,-252 0.5:VIEW MODE: FILL", "-258,-246 1:VERTEX:   0/256", "-156,-228 0.4:X:-12,Y:-12",
             "276,-228 0.4:X:12,Y:-12", "-156,228 0.4:X:-12,Y:12", "276,228 0.4:X:12,Y:12", "68,-2 0.5:No.1",
             "68,-2 0.75:No.1", "68,4 0.5:X:0,Y:0", "234,-282 0.5:MODELLING TIME:00'00", "356,-282 0.5:'00'01", "-390,-294 0.5:Tessaloom", "-390,-294 0.25:Tessaloom",
             "-222,-294 0.5:" + version, "-390,282 0.5:" + std::string(130, '_'), "336,288 0.5:FPS: 0/20",
             "-390,288 0.5:Tessaloom VERSION 1.3b (C) the Tessaloom authors"})
        EXPECT_TRUE(tst_has(lines, want)) << want;
    EXPECT_FALSE(tst_has(lines, "336,276 1:CULL_FACE"));
    cm.cullFace = 1, tm.fps = 20;
    const auto culled = frame_text();
    EXPECT_TRUE(tst_has(culled, "336,276 1:CULL_FACE") && tst_has(culled, "336,288 0.5:FPS:20/20"));
}

TEST_F(Draw, CursorLabelAndColourReadOuts)
{
    ALP.blink = 0.75;
    cm.curX = 2, cm.curY = -1;  // the label stands at (104, -20)
    struct { int mode, count, sel, colorSel, channel; std::vector<std::string> has, hasNot; } table[] = {
        {0, 0, -1, -1, 0, {"104,-20 0.5:No.1", "104,-20 0.75:No.1", "104,-14 0.5:X:2,Y:-1"}, {}},
        {0, 1, -1, -1, 0, {"104,-20 0.5:No.1 MOVE ?", "104,-20 0.75:No.1 MOVE ?"}, {}},
        {0, 1, 0, -1, 0, {"104,-20 0.75:No.1 MOVE"}, {}},
        {1, 0, -1, -1, 0, {"104,-20 0.5:ALL COLOR ?", "104,-20 0.75:ALL COLOR ?"}, {"104,-14 0.5:X:2,Y:-1"}},
        {1, 0, -1, -2, 1, {"104,-20 0.75:ALL COLOR ?", "104,-14 0.5: R:0.00", "104,-8 0.75: G:1.00",
                           "104,-2 0.5: B:1.00", "104,4 0.5: A:0.30"}, {"104,-20 0.5:ALL COLOR ?"}},
        {1, 1, -1, -1, 0, {"104,-20 0.5:No.1 VERTEX COLOR ?", "104,-20 0.75:No.1 VERTEX COLOR ?"}, {}},
        {1, 1, 0, 0, 0, {"104,-20 0.75:No.1 VERTEX COLOR", "104,-14 0.75: R:0.25", "104,4 0.5: A:0.30"},
         {"104,-20 0.5:No.1 VERTEX COLOR"}},
    };
    for (auto& c : table) {
        tst_reset();
        cm.curX = 2, cm.curY = -1, ed[0].vr[0] = 0.25;
        cm.designMode = c.mode, ed[0].count = c.count, cm.selVertex = c.sel, ed[0].colorSel = c.colorSel;
        cm.colorChannel = c.channel, ed[0].vx[0] = 2, ed[0].vy[0] = -1;
        const auto lines = tst_lines(tst_feedback([] { scn_B_screen(0.75, -390, -276); }));
        for (auto& l : c.has)
            EXPECT_TRUE(tst_has(lines, l)) << l;
        for (auto& l : c.hasNot)
            EXPECT_FALSE(tst_has(lines, l)) << l;
    }
    cm.selVertex = 300;  // out of the arrays' range: no read-outs
    auto lines = tst_lines(tst_feedback([] { scn_B_screen(0.75, -390, -276); }));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](auto& l) { return l.find(": R:") != l.npos; }), 0);
    cm.pane = 0, cm.selVertex = -1;
    lines = tst_lines(tst_feedback([] { scn_B_screen(0.75, -390, -276); }));
    EXPECT_FALSE(tst_has(lines, "104,-20 0.75:No.1 VERTEX COLOR ?")) << "nothing lit while the panel has the input";
    EXPECT_TRUE(tst_has(lines, "104,-20 0.5:No.1 VERTEX COLOR ?"));
}

TEST_F(Draw, CanvasCursorShapes)
{
    ALP.blink = 0.5, ALP.spin = 22.5;
    auto shape = [] { return tst_feedback([] { scn_B_cursol(18, 0); }); };
    const TstVert plus = shape().at(0).v[0];
    EXPECT_EQ(std::make_tuple(plus.x, plus.g, plus.b, plus.a), std::make_tuple(75.0, 0.75, 0.5, 1.0)) << "at (78, 0)";
    tst_put(0, 0, 0);
    auto over = shape();
    ASSERT_EQ(over.size(), 2u + 4 + 8) << "plus, square and turning rays over a vertex";
    EXPECT_NEAR(over.back().v[0].x, 78 + 10 * std::cos(7 * M_PI / 4 + M_PI / 4), 1e-3) << "rays turned by twice the spin";
    cm.selVertex = 0, cm.pane = 0;
    auto carried = shape();
    EXPECT_EQ(std::make_tuple(carried.size(), carried[0].v[0].g, carried[0].v[0].a), std::make_tuple(4ul, 0.5, 0.5));
}

TEST_F(Draw, PanelCursorBarLightsItsItemsLine)
{
    cm.pane = 0, ALP.blink = 0.75;
    for (int k = 0; k < 31; k++) {
        cm.menuItem = k;
        const auto prims = tst_feedback(scn_sets);
        double bar = 1e9, arrowTip = 1e9;
        for (const TstPrim& p : prims) {
            if (tst_glyph(p))
                continue;
            if (p.v[0].a == 0.75f && p.v[0].b == 1)
                bar = std::min(bar, p.v[0].y);
            if (p.v[0].a == 1 && p.v[0].g == 1)
                arrowTip = std::min(arrowTip, box_of({p}).x0);
        }
        int lit = 0, titles = 0;
        std::string normal;
        for (const std::string& l : tst_lines(prims)) {
            double x, y, a;
            sscanf(l.c_str(), "%lf,%lf %lf", &x, &y, &a);
            if (x > -270 || y < -280 || a == 0.5) {  // the design side, the title row, normal text
                normal = x <= -270 && y == bar ? l.substr(l.find(':') + 1) : normal;
                continue;
            }
            const std::string text = l.substr(l.find(':') + 1);
            text.find("___") != std::string::npos ? titles++ : lit++;
            EXPECT_TRUE(text.find("___") != std::string::npos || y == bar || text.back() == '.') << k << ": " << l;
            EXPECT_TRUE(y != bar || normal.find(text) != std::string::npos) << k << ": " << l << " over " << normal;
        }
        EXPECT_EQ(titles, 2) << "item " << k;
        EXPECT_EQ(lit, k >= 9 && k <= 19 && k % 2 ? 2 : 1) << "item " << k;
        EXPECT_EQ(arrowTip, k > 26 ? 1e9 : k >= 9 && k <= 19 && k % 2 ? -354 : -312) << "item " << k;
    }
}

TEST_F(Draw, ClockCarriesOncePerFrame)
{
    tm.timeF = 19, tm.timeS = 59, tm.timeM = 59, tm.timeH = 59;
    for (const char* w : {"MODELLING TIME:59'59|'60'00", "MODELLING TIME:59'60|'00'01", "MODELLING TIME:60'00|'00'02",
                          "MODELLING TIME:00'00|'00'00"}) {
        const auto lines = tst_lines(tst_feedback([] { scn_B_timers(0.5, 252, -282); }));
        EXPECT_EQ(lines.at(0).substr(13) + "|" + lines.at(1).substr(13), w);
    }
    tm.framePeriod = 0;
    scn_B_timers(0.5, 0, 0);
    EXPECT_EQ(tm.timeF, 1u);
}
