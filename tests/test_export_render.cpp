// The exported text is working OpenGL code: both blocks of an export, built
// into a small program and drawn with Mesa, match the editor's own canvas
// drawing of the same model pixel for pixel.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "export/export.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

// The X11 client library keeps a few strings for the life of the process;
// they are not the program's to free.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libX11.so\n";
}

namespace {

typedef std::vector<unsigned char> Pixels;

std::string source_dir()
{
    const std::string self = __FILE__;
    return self.substr(0, self.rfind('/'));
}

void spill(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Splits the export into its immediate-mode and arrays code, dropping the
// headings (SIZE, LAYER, DROW TYPE and the rules under them).
void split_blocks(const std::string& text, std::string& immediate, std::string& arrays)
{
    std::istringstream lines(text);
    std::string* into = nullptr;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("SIZE ", 0) == 0 || line.rfind("LAYER : ", 0) == 0)
            into = nullptr;
        else if (line == "\tDROW TYPE : ***glBegin ~ glEnd***")
            into = &immediate;
        else if (line == "\tDROW TYPE : ***Arrays***")
            into = &arrays;
        else if (line.find("---") != std::string::npos)
            continue;
        else if (into)
            *into += line + "\n";
    }
}

void put_vertex(int layer, double x, double y)
{
    EdLayer& l = ed[layer];
    l.vx[l.count] = x;
    l.vy[l.count] = y;
    l.count++;
}

// Overlapping layers of several kinds, in layer and in per-vertex colours.
void build_model()
{
    tst_reset_records();
    ed[0].drawType = 4;
    ed[0].r = 1, ed[0].g = 0.5, ed[0].b = 0, ed[0].a = 0.6;
    const int tri[6][2] = {{-10, -2}, {-10, 8}, {4, 8}, {0, -9}, {9, -9}, {9, 3}};
    for (const auto& v : tri)
        put_vertex(0, v[0], v[1]);
    ed[1].view = 0;  // off: neither drawn nor exported
    for (int j = 0; j < 3; j++)
        put_vertex(1, -12 + 12 * j, 12 - 12 * (j % 2));
    ed[2].drawType = 8;
    ed[2].colorSel = 3;
    const double cols[6][4] = {{1, 0, 0, 1},    {0, 1, 0, 0.5},   {0, 0, 1, 0.75},
                               {1, 1, 0, 0.25}, {0.2, 0.4, 0.6, 0.8}, {0.95, 0.05, 0.5, 0.35}};
    for (int j = 0; j < 6; j++) {
        put_vertex(2, -6 + 3 * (j / 2), (j % 2) ? 6 : -1);
        ed[2].vr[j] = cols[j][0], ed[2].vg[j] = cols[j][1];
        ed[2].vb[j] = cols[j][2], ed[2].va[j] = cols[j][3];
    }
    ed[3].drawType = 2;
    ed[3].r = 1, ed[3].g = 1, ed[3].b = 1, ed[3].a = 0.9;
    const int square[4][2] = {{-11, -11}, {11, -11}, {11, 11}, {-11, 11}};
    for (const auto& v : square)
        put_vertex(3, v[0], v[1]);
    ed[4].drawType = 0;
    ed[4].colorSel = 0;
    for (int j = 0; j < 5; j++)
        put_vertex(4, 7 - j, -3 + j), ed[4].vr[j] = 1, ed[4].vg[j] = 0.2 * j;
    ed[5].drawType = 9;
    ed[5].colorSel = -2;
    ed[5].r = 0.4, ed[5].g = 0, ed[5].b = 0.8, ed[5].a = 0.5;
    for (int xy : {-4, 4})
        put_vertex(5, xy, -4);
    put_vertex(5, 6, 2);
    put_vertex(5, 0, 7);
    put_vertex(5, -6, 2);
}

Pixels editor_pixels()
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    edit_model(18, 0, 60, 0);
    Pixels px(2 * WIW * 2 * WIH * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 2 * WIW, 2 * WIH, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    return px;
}

TEST(ExportRender, BothBlocksDrawWhatTheEditorDraws)
{
    tst_open_window();
    build_model();
    char tmpl[] = "/tmp/tess_render_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string dir = tmpl;
    snprintf(dataPassM, sizeof dataPassM, "%s/model_data.txt", tmpl);
    edit_data(0);
    std::string immediate, arrays;
    split_blocks(tst_slurp(dataPassM), immediate, arrays);
    ASSERT_NE(immediate.find("glEnd();"), std::string::npos);
    ASSERT_NE(arrays.find("glDrawArrays(GL_POLYGON,0,5);"), std::string::npos);
    spill(dir + "/immediate.inc", immediate);
    spill(dir + "/arrays.inc", arrays);

    const std::string build = "c++ -std=c++17 -w -I" + dir + " " + source_dir() +
                              "/export_render/render.cpp -o " + dir +
                              "/render $(pkg-config --cflags --libs sdl) -lGL";
    ASSERT_EQ(system(build.c_str()), 0) << build;
    const std::string run = dir + "/render " + dir + "/immediate.rgb " + dir + "/arrays.rgb";
    ASSERT_EQ(system(run.c_str()), 0) << run;

    const std::string shotA = tst_slurp(dir + "/immediate.rgb"), shotB = tst_slurp(dir + "/arrays.rgb");
    const Pixels mine = editor_pixels();
    ASSERT_EQ(shotA.size(), mine.size());
    ASSERT_EQ(shotB.size(), mine.size());
    std::set<unsigned> colours;
    for (size_t i = 0; i < mine.size(); i += 3)
        colours.insert(mine[i] << 16 | mine[i + 1] << 8 | mine[i + 2]);
    EXPECT_GT(colours.size(), 8u) << "the model should cover the canvas in many colours";
    size_t differ = 0;
    for (size_t i = 0; i < mine.size(); i++)
        differ += (unsigned char)shotA[i] != mine[i] || (unsigned char)shotB[i] != mine[i];
    EXPECT_EQ(differ, 0u);
    EXPECT_TRUE(shotA == shotB);

    system(("rm -rf " + dir).c_str());
    strcpy(dataPassM, "/Users/");
}

}  // namespace
