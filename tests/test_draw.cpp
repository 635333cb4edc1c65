// Drawing, read back from Mesa: the window's GL state, glyph sheets and text,
// the display lists, the canvas, the model in its six placements, the vertex
// markers, and the text of the panel, the design status, title and footer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

struct Draw : testing::Test {
    void SetUp() override { tst_reset(); }
};

// Bounds ("x0 y0 x1 y1" to 0.01), filled area (each polygon's own, so the winding counts not) and lines.
struct Box {
    double x0, y0, x1, y1, area;
    int lines;
    std::string bounds;
};

static Box box_of(const std::vector<TstPrim>& prims)
{
    Box b{1e9, 1e9, -1e9, -1e9, 0, 0, ""};
    for (const TstPrim& p : prims) {
        double a = 0;
        for (size_t i = 0; i < p.v.size(); i++) {
            const TstVert &u = p.v[i], &w = p.v[(i + 1) % p.v.size()];
            b.x0 = std::min(b.x0, u.x), b.y0 = std::min(b.y0, u.y), b.x1 = std::max(b.x1, u.x), b.y1 = std::max(b.y1, u.y);
            a += u.x * w.y - w.x * u.y;
        }
        b.lines += p.kind == GL_LINE_TOKEN, b.area += p.kind == GL_POLYGON_TOKEN ? std::fabs(a) / 2 : 0;
    }
    char text[64];
    auto r = [](double v) { return std::round(v * 100) / 100 + 0.0; };
    snprintf(text, sizeof text, "%g %g %g %g", r(b.x0), r(b.y0), r(b.x1), r(b.y1));
    b.bounds = text;
    return b;
}

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
    EXPECT_EQ(box_of(text).bounds, "-4 0 24 16") << "16-pixel squares 12 apart";
}

TEST_F(Draw, GlyphSheetsKeyOutBlackAndBrokenOnesLeaveAnEmptyTexture)
{
    GLint w = 0;
    auto px = sheet(RES_DIR "iFD06.dat", w);
    int clear = 0, lit = 0;
    for (size_t i = 0; i < px.size(); i += 4)
        clear += px[i + 3] == 0 && px[i] + px[i + 1] + px[i + 2] == 0, lit += px[i + 3] == 255;
    EXPECT_TRUE(w >= 16 && (w & (w - 1)) == 0 && clear > w * w / 2 && lit > 0) << w << " " << clear << " " << lit;
    // A sheet 100 pixels wide, white: padded into a 128-pixel texture, not refused.
    SDL_Surface* odd = SDL_CreateRGBSurface(0, 100, 128, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_FillRect(odd, nullptr, 0xffffff);
    SDL_SaveBMP(odd, "tests/odd.bmp");
    SDL_FreeSurface(odd);
    testing::internal::CaptureStdout();
    px = sheet("tests/odd.bmp", w);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(w, 128);
    EXPECT_EQ(px.at(4 * 99 + 3), 255) << "the sheet in the top-left corner";
    EXPECT_EQ(px.at(4 * 100 + 3), 0) << "the rest transparent";
    std::ofstream("tests/cut.bmp") << tst_slurp("tests/odd.bmp").substr(0, 100);
    for (const char* path : {"/nonexistent/sheet.dat", "/dev/null", "CMakeCache.txt", "tests/cut.bmp"}) {
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
            EXPECT_TRUE(dropped || b.bounds == c.bounds) << "list " << c.n << ": " << b.bounds;
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
    // The last four primitives outline the current item's section, or the canvas.
    const char* boxes[6] = {"-390 -258 -270 -204", "-390 -198 -270 -120", "-390 -114 -270 150",
                            "-390 216 -270 246",   "-390 252 -270 282",   "-258 -258 390 276"};
    for (int k = 0; k < 32; k++) {
        cm.pane = k == 31, cm.menuItem = k % 31;
        auto prims = tst_feedback(edit_backs);
        EXPECT_EQ(box_of({prims.end() - 4, prims.end()}).bounds, boxes[k == 31 ? 5 : (k > 7) + (k > 19) + (k > 22) + (k > 26)])
            << "item " << k;
    }
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
    const auto lines = tst_lines(tst_feedback(scn_sets));
    const std::string version = "VERSION 1.3b" + std::string(90, '_');
    // The panel's titles and the values the cursor test lights are left to it.
    for (const std::string& want : std::vector<std::string>{
             "-384,-246 0.5:SIZE X     :  24px", "-384,-240 0.5:SIZE Y     :  24px", "-384,-234 0.5:GRID SPAN  :   6px",
             "-384,-228 0.5:CURSOR MOVE:   1px", "-384,-222 0.5:ANTI-ALIAS :   OFF", "-384,-216 0.5:LAYER      :     1",
             "-390,-186 0.5: MODE: TRIANGLE_FAN", "-390,-132 0.5:6.VIEW      :   OFF", "-384,-42 0.5:SCALE      :  100%",
             "-384,228 0.5:BGM VOLUME :   120", "-384,234 0.5:SE  VOLUME :   120", "-384,264 0.5:SCREEN MODE",
             "-384,270 0.5:RESET ALL", "-258,-258 0.5:CURRENT LAYER:1", "-258,-258 1:CURRENT LAYER:1",
             "-258,-252 0.5:VIEW MODE: FILL", "-258,-246 1:VERTEX:   0/256", "-156,-228 0.4:X:-12,Y:-12",
             "276,-228 0.4:X:12,Y:-12", "-156,228 0.4:X:-12,Y:12", "276,228 0.4:X:12,Y:12", "68,-2 0.5:No.1",
             "68,-2 0.75:No.1", "68,4 0.5:X:0,Y:0", "234,-282 0.5:MODELLING TIME:00'00", "356,-282 0.5:'00'01",
             "-390,-294 0.5:Tessaloom", "-390,-294 0.25:Tessaloom", "-222,-294 0.5:" + version,
             "-390,282 0.5:" + std::string(130, '_'), "336,288 0.5:FPS: 0/20",
             "-390,288 0.5:Tessaloom VERSION 1.3b (C) the Tessaloom authors"})
        EXPECT_TRUE(tst_has(lines, want)) << want;
    EXPECT_FALSE(tst_has(lines, "336,276 1:CULL_FACE"));
    cm.cullFace = 1, tm.fps = 20;
    const auto culled = tst_lines(tst_feedback(scn_sets));
    EXPECT_TRUE(tst_has(culled, "336,276 1:CULL_FACE") && tst_has(culled, "336,288 0.5:FPS:20/20"));
}

// The label beside the cursor at (104, -20) and its read-outs, each "y alpha:text";
// the highlight face (0.75) marks what the next key acts on.
static std::string label_lines()
{
    std::string out;
    for (const std::string& l : tst_lines(tst_feedback([] { scn_B_screen(0.75, -390, -276); })))
        out += l.rfind("104,", 0) == 0 ? l.substr(4) + "|" : "";
    return out;
}

TEST_F(Draw, CursorLabelAndColourReadOuts)
{
    struct { int mode, count, sel, colorSel, channel; const char* lines; } table[] = {
        {0, 0, -1, -1, 0, "-20 0.5:No.1|-14 0.5:X:2,Y:-1|-20 0.75:No.1|"},
        {0, 1, -1, -1, 0, "-20 0.5:No.1 MOVE ?|-14 0.5:X:2,Y:-1|-20 0.75:No.1 MOVE ?|"},
        {0, 1, 0, -1, 0, "-20 0.5:No.1 MOVE|-14 0.5:X:2,Y:-1|-20 0.75:No.1 MOVE|"},
        {1, 0, -1, -1, 0, "-20 0.5:ALL COLOR ?|-20 0.75:ALL COLOR ?|"},
        {1, 0, -1, -2, 1, "-20 0.75:ALL COLOR ?|-14 0.5: R:0.00|-8 0.5: G:1.00|-2 0.5: B:1.00|4 0.5: A:0.30|-8 0.75: G:1.00|"},
        {1, 1, -1, -1, 0, "-20 0.5:No.1 VERTEX COLOR ?|-20 0.75:No.1 VERTEX COLOR ?|"},
        {1, 1, 0, 0, 0, "-20 0.75:No.1 VERTEX COLOR|-14 0.5: R:0.25|-8 0.5: G:1.00|-2 0.5: B:1.00|4 0.5: A:0.30|-14 0.75: R:0.25|"},
    };
    for (auto& c : table) {
        tst_reset();
        ALP.blink = 0.75, cm.curX = ed[0].vx[0] = 2, cm.curY = ed[0].vy[0] = -1, ed[0].vr[0] = 0.25;
        cm.designMode = c.mode, ed[0].count = c.count, cm.selVertex = c.sel, ed[0].colorSel = c.colorSel;
        cm.colorChannel = c.channel;
        EXPECT_EQ(label_lines(), c.lines);
    }
    cm.selVertex = 300;  // out of the arrays' range: no read-outs
    EXPECT_EQ(label_lines(), "-20 0.75:No.1 VERTEX COLOR|");
    cm.pane = 0, cm.selVertex = -1;
    EXPECT_EQ(label_lines(), "-20 0.5:No.1 VERTEX COLOR ?|") << "nothing lit while the panel has the input";
}

// The panel cursor on item k: the top of its blue bar, the left end of its cyan
// value arrows ("-" for none), and the panel text lit over the normal face.
static std::string panel_cursor(int k)
{
    cm.pane = 0, cm.menuItem = k, ALP.blink = 0.75;
    const auto prims = tst_feedback(scn_sets);
    double bar = 1e9, arrow = 1e9;
    for (const TstPrim& p : prims) {
        const TstVert& v = p.v[0];
        if (tst_glyph(p) || v.r != 0 || v.b != 1)
            continue;
        if (v.a == 1 && v.g == 1)
            arrow = std::min(arrow, box_of({p}).x0);
        else if (v.a == 0.75f)
            bar = std::min(bar, box_of({p}).y0);
    }
    std::string out = std::to_string((int)bar) + (arrow < 1e9 ? " " + std::to_string((int)arrow) : " -");
    for (const std::string& l : tst_lines(prims))  // the panel's column, not the window title
        if (l.rfind("-3", 0) == 0 && l.find(" 0.5:") == l.npos && l.find("-294") == l.npos)
            out += "|" + l.substr(5);
    return out;
}

TEST_F(Draw, PanelCursorBarLightsItsItemsLine)
{
    // The first and last items of each section; a layer's MODE lights its number too, with wider arrows.
    const std::pair<int, const char*> table[] = {
        {0, "-252 -312|-276 1:SETTING___|-258 1:GLOBAL______________|-252 0.75:SCALE      : 1800%"},
        {7, "-210 -312|-276 1:SETTING___|-258 1:GLOBAL______________|-210 0.75:DESIGN MODE:  DRAW"},
        {8, "-192 -312|-276 1:SETTING___|-198 1:LAYER_______________|-192 1:1.VIEW      :  FILL"},
        {9, "-186 -354|-276 1:SETTING___|-198 1:LAYER_______________|-192 1:1.|-186 1:MODE: TRIANGLE_FAN"},
        {19, "-126 -354|-276 1:SETTING___|-198 1:LAYER_______________|-132 1:6.|-126 1:MODE: TRIANGLE_FAN"},
        {20, "-108 -312|-276 1:SETTING___|-114 1:PREVIEW_____________|-108 0.75:SCALE      :   50%"},
        {22, "24 -312|-276 1:SETTING___|-114 1:PREVIEW_____________|24 0.75:SCALE      :  400%"},
        {23, "222 -312|-276 1:SETTING___|216 1:BACKGROUND__________|222 0.75:BGM NUMBER :   OFF"},
        {26, "240 -312|-276 1:SETTING___|216 1:BACKGROUND__________|240 0.75:COLOR      :     0"},
        {27, "258 -|-276 1:SETTING___|252 1:OTHER_______________|258 0.75:EXPORT TO TEXT"},
        {30, "276 -|-276 1:SETTING___|252 1:OTHER_______________|276 0.75:QUIT"},
    };
    for (auto& [k, want] : table)
        EXPECT_EQ(panel_cursor(k), want) << "item " << k;
}
