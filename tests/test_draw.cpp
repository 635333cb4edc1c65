// Drawing, read back from Mesa: the window's GL state, glyph sheets and text,
// the display lists, the canvas, the model in its six placements, the vertex
// markers, and the text of the panel, the design status, title and footer.
#include <algorithm>
#include <map>

#include "tests/support/tst.h"

// Bounds ("x0 y0 x1 y1" to 0.01) and filled area (each polygon's own, so the winding counts not).
struct Box {
    double x0, y0, x1, y1, area;
    std::string bounds;
};

static Box box_of(const std::vector<TstPrim>& prims)
{
    Box b{1e9, 1e9, -1e9, -1e9, 0, ""};
    for (const TstPrim& p : prims) {
        double a = 0;
        for (size_t i = 0; i < p.v.size(); i++) {
            const TstVert &u = p.v[i], &w = p.v[(i + 1) % p.v.size()];
            b.x0 = std::min(b.x0, u.x);
            b.y0 = std::min(b.y0, u.y);
            b.x1 = std::max(b.x1, u.x);
            b.y1 = std::max(b.y1, u.y);
            a += u.x * w.y - w.x * u.y;
        }
        // A line's or a point's terms cancel exactly: only polygons add area.
        b.area += std::fabs(a) / 2;
    }
    char text[64];
    auto r = [](double v) { return std::round(v * 100) / 100 + 0.0; };
    snprintf(text, sizeof text, "%g %g %g %g", r(b.x0), r(b.y0), r(b.x1), r(b.y1));
    b.bounds = text;
    return b;
}

// The alpha of each texel of the texture createTex makes of path; none unless it is square.
static std::vector<unsigned char> sheet(const char* path)
{
    GLuint tex = 0;
    GLint w = 0, h = 0;
    createTex(0, path, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> alpha(w * h);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
    return h == w ? alpha : std::vector<unsigned char>{};
}

TEST(Draw, TextInBothSizesIsCutAt255AndNamesEveryByte)
{
    auto text = tst_feedback([] {
        fontB(0, 0.5, 10, 20, "A%dz\xC1", 7);
        fontB(0, 1, 0, 30, "%s", std::string(300, 'x').c_str());
    });
    EXPECT_EQ(tst_lines(text), (std::vector<std::string>{"10,20 0.5:A7z\xC1", "0,30 1:" + std::string(255, 'x')}));
    // The loaders' screen: the stages done, 6 pixels apart, then what is loading.
    EXPECT_EQ(tst_lines(tst_feedback([] { load_progress(2, "SOUND %d", 3); })), (std::vector<std::string>{"-42,-42 0.5:FONTS CHECK OK", "-42,-36 0.5:IMAGE CHECK OK", "-42,-30 0.5:SOUND 3"}));
    // Any size above 0 is the large one: 16-pixel squares 12 apart.
    EXPECT_EQ(tst_lines(tst_feedback([] { fontA(9, 0.25, -4, 0, "ab"); })), (std::vector<std::string>{"-4,0 0.25 16px:ab"}));
}

TEST(Draw, GlyphSheetsKeyOutBlackAndBrokenOnesLeaveAnEmptyTexture)
{
    // A sheet 100 pixels wide, its left half white and the rest black: padded into a 128-pixel
    // texture, not refused, from its top-left corner, with the black keyed out.
    SDL_Surface* odd = SDL_CreateRGBSurface(0, 100, 128, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_Rect white = {0, 0, 50, 128};
    SDL_FillRect(odd, &white, 0xffffff);
    SDL_SaveBMP(odd, "tests/odd.bmp");
    SDL_FreeSurface(odd);
    auto alpha = sheet("tests/odd.bmp");
    EXPECT_EQ(alpha.size(), 128u * 128);
    EXPECT_EQ(std::count(alpha.begin(), alpha.end(), 255), 50 * 128) << "only the white opaque";
    EXPECT_EQ(alpha[0], 255) << "from the top-left corner";
    // Unreadable, empty, not a picture, or wider than any GL need take: each leaves the empty texture.
    SDL_Surface* wide = SDL_CreateRGBSurface(0, 4097, 1, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_SaveBMP(wide, "tests/wide.bmp");
    SDL_FreeSurface(wide);
    for (const char* path : {"/nonexistent/sheet.dat", "/dev/null", "CMakeCache.txt", "tests/wide.bmp"}) {
        EXPECT_EQ(tst_stdout([&] { alpha = sheet(path); }), "KAKUNIN 1\n") << path;
        EXPECT_EQ(alpha, std::vector<unsigned char>{0}) << path << ": one transparent texel";
    }
    EXPECT_EQ(remove("tests/odd.bmp") + remove("tests/wide.bmp"), 0);
}

TEST(Draw, DisplayListsHoldTheirShapesAndOnlyTheReversedStripsCull)
{
    // Each list, drawn at alpha 0.9: its bounds, filled area, the alpha and x at which its last
    // primitive starts (which fixes the direction of an outline), and its area with front faces
    // culled. Mesa's feedback drops the lines that follow a fill inside one list (26's ring, 40's lines).
    glCullFace(GL_FRONT);
    std::string text;
    for (int n : {10, 11, 12, 13, 14, 20, 25, 26, 30, 31, 33, 34, 35, 40, 50, 60}) {
        resetGL(0, 0);
        glColor4d(0.1, 0.2, 0.3, 0.9);
        const auto prims = tst_feedback([&] { glCallList(n); });
        glEnable(GL_CULL_FACE);
        const double culled = box_of(tst_feedback([&] { glCallList(n); })).area;
        glDisable(GL_CULL_FACE);
        char line[128];
        snprintf(line, sizeof line, "%d: %s, area %.2f, last at alpha %.2f, x %.2f, culled %.2f\n", n, box_of(prims).bounds.c_str(),
                 box_of(prims).area, prims.back().v[0].a, prims.back().v[0].x, culled);
        text += line;
    }
    EXPECT_EQ(text, tst_slurp(TST_DIR "display_lists.txt"));
}

TEST(Draw, CanvasBackgroundModelAreaGridAndCanvasFrame)
{
    // The distance of the pixel at window (x, y) from the colour want.
    auto off = [](int x, int y, const int* want) {
        unsigned char px[4];
        glReadPixels(WIW + x, WIH - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
        return std::abs(px[0] - want[0]) + std::abs(px[1] - want[1]) + std::abs(px[2] - want[2]);
    };
    // The default dark blue, and the model area and a preview box blended over it.
    const int want[3][3] = {{0, 0, 128}, {0, 0, 153}, {0, 15, 153}};
    edit_backs();
    EXPECT_LE(off(350, 200, want[0]), 3) << "the background";
    EXPECT_LE(off(69, 9, want[1]), 3) << "the model area blends over the background";
    EXPECT_LE(off(-380, -94, want[2]), 3) << "so does the first preview box";
    // The axes and grid lines, counted by alpha.
    auto lines = [](int span) {
        cm.gridSpan = span;
        cm.scale = 50;  // the whole grid inside the zoomed-out view
        std::map<float, int> count;
        for (const TstPrim& p : tst_feedback(edit_backs))
            if (p.kind == GL_LINE_TOKEN && p.v[0].r == 0 && (float)p.v[0].g == 0.4f && p.v[0].b == 1)
                count[(float)p.v[0].a]++;
        return count;
    };
    EXPECT_EQ(lines(6), (std::map<float, int>{{0.1f, 4 * 1000}, {0.2f, 4 * 199}, {0.5f, 2}})) << "every span brighter";
    EXPECT_EQ(lines(0), (std::map<float, int>{{0.5f, 2}})) << "no grid";
    auto prims = tst_feedback(edit_backs);
    EXPECT_EQ(box_of({prims.end() - 4, prims.end()}).bounds, "-258 -258 390 276") << "the canvas frame while it has the input";
}

TEST(Draw, ModelInSixPlacementsInItsViewsAndColoursUnderTheMarkers)
{
    ed[0].g = 0;  // blue, not the markers' cyan
    tst_put(0, 0, -5);
    tst_put(0, 5, 5);
    tst_put(0, -5, 5);
    ALP.spin = 90;
    std::vector<std::string> drawings;
    size_t markers = 0;
    for (const TstPrim& p : tst_feedback(editerSet)) {
        if (p.v[0].g == 0 && (float)p.v[0].a == 0.3f) {
            drawings.push_back(box_of({p}).bounds);
            markers = 0;  // only markers drawn over the model count
        }
        markers += p.v[0].r == 0 && p.v[0].g == 1 && (float)p.v[0].a == 0.3f;
    }
    // On the canvas, previews 1 and 2 still and spun a quarter turn, preview 3.
    EXPECT_EQ(drawings, (std::vector<std::string>{"-30 -90 150 90", "-362.5 -74.5 -357.5 -69.5",
                                                  "-302.5 -74.5 -297.5 -69.5", "-365 -11 -355 -1",
                                                  "-305 -11 -295 -1", "-350 70 -310 110"}));
    EXPECT_EQ(markers, 3u * 4) << "a hexagon (four triangles) on each vertex of the current layer";
    EXPECT_EQ(std::make_tuple(ALP.spin, ALP.titleAlpha, ALP.blink), std::make_tuple(91.5, 0.01, 1.5)) << "the phases advance after the drawing";
    // Then every layer in wire view, so that no later one puts the fill back: layer 1 with a colour
    // per vertex, layer 2 a point, layer 3 hidden.
    for (EdLayer& l : ed)
        l.view = 1;
    ed[0].colorSel = 0;
    ed[0].va[2] = 0.75;
    tst_put(1, -20, 0);
    ed[1].drawType = GL_POINTS;
    tst_put(2, 20, 20);  // away from the other markers
    ed[2].drawType = GL_POINTS;
    ed[2].view = 0;
    auto model = tst_feedback([] { edit_model(1, 0, 0, 0); });
    ASSERT_EQ(model.size(), 4u) << "a wire triangle and the point of layer 2";
    EXPECT_EQ(model[2].v.at(1).a, 0.75) << "a line's end in its vertex's colour";
    // Layer 1's markers are filled hexagons (the ring over them is lost to the feedback), which
    // would have no area were the wire view left on; layer 2's is the small ring at (-300, 0).
    auto marks = box_of(tst_feedback([] { edit_point(18, 0, 60, 0); }));
    EXPECT_EQ(marks.bounds, "-304.5 -94.68 155.4 94.68");
    EXPECT_NEAR(marks.area, 3 * 1.5 * std::sqrt(3.0) * 5.4 * 5.4, 0.1);
}

TEST(Draw, DefaultFrameText)
{
    // The blink and the title's pulse at 0: their lines tell from the normal face's 0.5. Layer 2 is
    // hidden. Every run of text, in drawing order, as the golden list has it.
    ed[1].view = 0;
    std::string text;
    for (const std::string& l : tst_lines(tst_feedback(scn_sets)))
        text += l + "\n";
    EXPECT_EQ(text, tst_slurp("tests/frame_text.txt"));
    cm.cullFace = 1;
    cm.layer = 1;
    const auto again = tst_lines(tst_feedback(scn_sets));
    EXPECT_EQ(std::count(again.begin(), again.end(), "336,276 1:CULL_FACE"), 1);
    EXPECT_EQ(std::count(again.begin(), again.end(), "-258,-252 1:VIEW MODE:  OFF"), 1);
}

TEST(Draw, CursorLabelAndColourReadOuts)
{
    // The label beside the cursor at (104, -20) and its read-outs, each "y alpha:text", in every
    // state of the pane, the design mode, the vertex under the cursor (none, one, one picked) and
    // the colour selection; the highlight face (0.75) marks what the next key acts on.
    cm.curX = 2;
    cm.curY = -1;
    tst_put(0, 2, -1);
    std::tie(ed[0].vr[0], ed[0].vb[0], cm.colorChannel) = std::tuple(0.25, 0.5, 1);
    std::string text;
    for (int pane : {PANE_PANEL, PANE_CANVAS})
        for (int mode : {DESIGN_DRAW, DESIGN_COLOR})
            for (int under : {0, 1, 2})
                for (int sel : {COLOR_LAYER_EDIT, COLOR_LAYER, COLOR_PER_VERTEX}) {
                    std::tie(cm.pane, cm.designMode, ed[0].count, cm.selVertex, ed[0].colorSel) =
                        std::tuple(pane, mode, under > 0, under == 2 ? 0 : VERTEX_NONE, sel);
                    text += "pane " + std::to_string(pane) + ", mode " + std::to_string(mode) + ", vertex " + std::to_string(under) + ", colour " + std::to_string(sel) + ":";
                    for (const std::string& l : tst_lines(tst_feedback([] { scn_B_screen(0.75, -390, -276); })))
                        if (l.rfind("104,", 0) == 0)
                            text += " " + l.substr(4);
                    text += "\n";
                }
    EXPECT_EQ(text, tst_slurp(TST_DIR "cursor_labels.txt"));
}

TEST(Draw, PanelCursorBarLightsItsItemsLine)
{
    // The panel cursor on each item: the top of its blue bar, the left end of its cyan value arrows
    // (wider round a layer's MODE, none on a command), the outline of its section (the last four
    // primitives behind the panel), and the panel text lit over the normal face (the item's at the
    // blink, 0 here; a layer's MODE lights its number too).
    cm.pane = PANE_PANEL;
    std::string text;
    for (int k = 0; k < ITEM_COUNT; k++) {
        cm.menuItem = k;
        const auto prims = tst_feedback(scn_sets);
        double bar = 1e9, arrow = 0;
        for (const TstPrim& p : prims) {
            if (p.v[0].r == 0 && p.v[0].g == 1 && p.v[0].b == 1 && p.v[0].a == 1)
                arrow = std::min(arrow, box_of({p}).x0);
            if (p.v[0].r == 0 && p.v[0].g == 0.5 && p.v[0].b == 1 && p.v[0].a == 0)
                bar = std::min(bar, box_of({p}).y0);
        }
        const auto behind = tst_feedback(edit_backs);
        text += std::to_string(k) + ": bar " + std::to_string((int)bar) + ", arrows " + std::to_string((int)arrow) + ", box " + box_of({behind.end() - 4, behind.end()}).bounds + ", lit";
        for (const std::string& l : tst_lines(prims))  // the panel's column, not the window title
            if (l.rfind("-3", 0) == 0 && l.find(" 0.5") == l.npos && l.find("-294") == l.npos)
                text += " " + l;
        text += "\n";
    }
    EXPECT_EQ(text, tst_slurp(TST_DIR "panel_cursor.txt"));
}
