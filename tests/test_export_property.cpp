// Random models exported and parsed back: the text must carry exactly the
// visible, non-empty layers, every vertex in order and every colour to two
// decimals, in both the immediate and the array form. TESS_SEED replays a run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "export/export.h"
#include "tests/support/tst.h"

namespace {

const char* const primNames[10] = {"GL_POINTS",         "GL_LINES",        "GL_LINE_LOOP", "GL_LINE_STRIP",
                                   "GL_TRIANGLES",      "GL_TRIANGLE_STRIP", "GL_TRIANGLE_FAN", "GL_QUADS",
                                   "GL_QUAD_STRIP",     "GL_POLYGON"};

struct Rgba {
    double c[4];
};

struct Parsed {
    int number = 0;
    std::string prim, arrayPrim;
    std::vector<Rgba> colours, arrayColours;  // one per vertex, layer colour repeated
    std::vector<double> xs, ys, arrayXs, arrayYs;
    int drawCount = -1;
};

bool starts(const std::string& s, const char* prefix) { return s.compare(0, strlen(prefix), prefix) == 0; }

Rgba colour_of(const char* text)
{
    Rgba c{};
    sscanf(text, "%lff, %lff, %lff, %lff", &c.c[0], &c.c[1], &c.c[2], &c.c[3]);
    return c;
}

// Reads the export back into layers; anything it does not know fails the test.
std::vector<Parsed> parse(const std::string& text)
{
    std::vector<Parsed> out;
    std::istringstream in(text);
    std::string line;
    enum { NONE, IMM, COL, VERT } part = NONE;
    Rgba layerColour{};
    bool perVertexSeen = false;
    while (std::getline(in, line)) {
        Parsed* L = out.empty() ? nullptr : &out.back();
        char name[32];
        int n;
        double x, y;
        if (starts(line, "SIZE X = ") || line.empty() || line == "\tDROW TYPE : ***glBegin ~ glEnd***" ||
            line == "\t---------------------------------" || line == "\t\t{" || starts(line, "\tglColorPointer") ||
            starts(line, "\tglVertexPointer")) {
            continue;
        } else if (sscanf(line.c_str(), "LAYER : %d ____", &n) == 1) {
            out.push_back(Parsed{});
            out.back().number = n;
            part = NONE;
        } else if (L && sscanf(line.c_str(), "\tglBegin(%31[A-Z_]);", name) == 1) {
            L->prim = name;
            part = IMM;
            perVertexSeen = false;
        } else if (L && part == IMM && starts(line, "\t\tglColor4f(")) {
            Rgba c = colour_of(line.c_str() + 12);
            size_t v = line.find("glVertex2f(");
            if (v == std::string::npos) {
                layerColour = c;
            } else {
                perVertexSeen = true;
                sscanf(line.c_str() + v, "glVertex2f(%lff, %lff);", &x, &y);
                L->colours.push_back(c);
                L->xs.push_back(x);
                L->ys.push_back(y);
            }
        } else if (L && part == IMM && sscanf(line.c_str(), "\t\tglVertex2f(%lff, %lff);", &x, &y) == 2) {
            EXPECT_FALSE(perVertexSeen) << "layer colour and vertex colours mixed";
            L->colours.push_back(layerColour);
            L->xs.push_back(x);
            L->ys.push_back(y);
        } else if (L && line == "\t\tglEnd();") {
            part = NONE;
        } else if (L && line == "\tDROW TYPE : ***Arrays***") {
            part = NONE;
        } else if (L && sscanf(line.c_str(), "\tfloat cl%d[]=//color", &n) == 1) {
            EXPECT_EQ(n, L->number);
            part = COL;
        } else if (L && sscanf(line.c_str(), "\tfloat vt%d[]=//vertex", &n) == 1) {
            EXPECT_EQ(n, L->number);
            part = VERT;
        } else if (L && line == "\t\t};") {
            part = NONE;
        } else if (L && part == COL) {
            Rgba c{};
            EXPECT_EQ(sscanf(line.c_str(), "\t\t%lff,%lff,%lff,%lff,", &c.c[0], &c.c[1], &c.c[2], &c.c[3]), 4) << line;
            L->arrayColours.push_back(c);
        } else if (L && part == VERT && sscanf(line.c_str(), "\t\t%lff,%lff,", &x, &y) == 2) {
            L->arrayXs.push_back(x);
            L->arrayYs.push_back(y);
        } else if (L && sscanf(line.c_str(), "\tglDrawArrays(%31[A-Z_],0,%d);", name, &n) == 2) {
            L->arrayPrim = name;
            L->drawCount = n;
        } else {
            ADD_FAILURE() << "unexpected line: [" << line << "]";
        }
    }
    return out;
}

// Positions: the cursor wraps at the grid half-size (up to 400) and a carried
// vertex may rest one cursor step beyond it before the wrap.
void random_model(std::mt19937& rng)
{
    tst_reset_records();
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto unit = [&] { return pick(0, 20) * 0.05; };  // the editor's 0.05 colour steps
    cm.sizeX = pick(2, 400);
    cm.sizeY = pick(2, 400);
    for (EdLayer& L : ed) {
        L.view = pick(0, 2);
        L.drawType = pick(0, 9);
        int roll = pick(0, 9);
        L.count = roll == 0 ? 0 : roll == 1 ? ED_MAXVERT : pick(1, ED_MAXVERT);
        L.r = unit(), L.g = unit(), L.b = unit(), L.a = unit();
        for (int j = 0; j < L.count; j++) {
            L.vx[j] = pick(-cm.sizeX - 50, cm.sizeX + 50);
            L.vy[j] = pick(-cm.sizeY - 50, cm.sizeY + 50);
            L.vr[j] = unit(), L.vg[j] = unit(), L.vb[j] = unit(), L.va[j] = unit();
        }
        int mode = pick(0, 2);
        L.colorSel = mode == 0 ? -1 : mode == 1 ? -2 : (L.count ? pick(0, L.count - 1) : -1);
    }
}

void expect_colour(const Rgba& got, const EdLayer& L, int j)
{
    bool perVertex = L.colorSel >= 0;
    const double want[4] = {perVertex ? L.vr[j] : L.r, perVertex ? L.vg[j] : L.g, perVertex ? L.vb[j] : L.b,
                            perVertex ? L.va[j] : L.a};
    for (int k = 0; k < 4; k++)
        ASSERT_NEAR(got.c[k], want[k], 0.005 + 1e-9) << "vertex " << j << " channel " << k;
}

void expect_layer(const Parsed& p, int i)
{
    const EdLayer& L = ed[i];
    SCOPED_TRACE("layer " + std::to_string(i + 1));
    EXPECT_EQ(p.prim, primNames[L.drawType]);
    EXPECT_EQ(p.arrayPrim, primNames[L.drawType]);
    EXPECT_EQ(p.drawCount, L.count);
    ASSERT_EQ(p.xs.size(), (size_t)L.count);
    ASSERT_EQ(p.arrayXs.size(), (size_t)L.count);
    ASSERT_EQ(p.arrayColours.size(), (size_t)L.count);
    for (int j = 0; j < L.count; j++) {
        ASSERT_EQ(p.xs[j], L.vx[j]) << "vertex " << j;
        ASSERT_EQ(p.ys[j], L.vy[j]) << "vertex " << j;
        ASSERT_EQ(p.arrayXs[j], L.vx[j]) << "vertex " << j;
        ASSERT_EQ(p.arrayYs[j], L.vy[j]) << "vertex " << j;
        expect_colour(p.colours[j], L, j);
        expect_colour(p.arrayColours[j], L, j);
    }
}

TEST(ExportProperty, RandomModelsParseBackExactly)
{
    const char* seedText = getenv("TESS_SEED");
    const unsigned seed = seedText ? (unsigned)strtoul(seedText, nullptr, 10) : std::random_device{}();
    const char* countText = getenv("TESS_MODELS");
    const int models = countText ? atoi(countText) : 2000;
    printf("export property: seed %u, %d models (TESS_SEED=%u replays)\n", seed, models, seed);
    std::mt19937 rng(seed);

    char dir[] = "/tmp/tess_export_prop_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string file = std::string(dir) + "/model_data.txt";
    for (int m = 0; m < models && !HasFailure(); m++) {
        SCOPED_TRACE("model " + std::to_string(m));
        random_model(rng);
        snprintf(dataPassM, sizeof dataPassM, "%s", file.c_str());
        edit_data(0);
        std::vector<Parsed> layers = parse(tst_slurp(file));
        size_t next = 0;
        for (int i = 0; i < ED_LAYERS; i++) {
            if (ed[i].view == 0 || ed[i].count == 0)
                continue;
            ASSERT_LT(next, layers.size()) << "layer " << i + 1 << " missing";
            EXPECT_EQ(layers[next].number, i + 1);
            expect_layer(layers[next++], i);
        }
        EXPECT_EQ(next, layers.size()) << "hidden or empty layers were written";
    }
    remove(file.c_str());
    rmdir(dir);
    strcpy(dataPassM, "/Users/");
}

}  // namespace
