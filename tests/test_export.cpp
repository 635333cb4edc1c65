// Text export: random models parsed back, the desktop path from USER, and
// failed exports that keep the previous file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>

#include "export/export.h"
#include "tests/support/tst.h"

struct Export : testing::Test {
    std::string dir = "/tmp/tess-export-" + std::to_string(getpid()), file = dir + "/model_data.txt";
    void SetUp() override
    {
        tst_reset();
        mkdir(dir.c_str(), 0755);
        snprintf(dataPassM, sizeof dataPassM, "%s", file.c_str());
    }
    void TearDown() override { system(("rm -rf " + dir).c_str()); }
    // Exports and returns what it printed.
    std::string run()
    {
        testing::internal::CaptureStdout();
        edit_data(0);
        return testing::internal::GetCapturedStdout();
    }
};

// The text with "#" for each number (a sign or digit not inside a name; a point
// with no digit after it not its own), and those numbers.
static std::string skeleton(const std::string& text, std::vector<double>& nums)
{
    std::string out;
    for (const char* p = text.c_str(); *p;) {
        char* end = nullptr;
        if ((isdigit(*p) || (*p == '-' && isdigit(p[1]))) && (p == text.c_str() || !isalnum(p[-1])))
            nums.push_back(strtod(p, &end)), out += '#', p = end - (end[-1] == '.');
        else
            out += *p++;
    }
    return out;
}

// What the export of layer l, numbered n, must read, with its numbers in want.
static std::string layer_text(const EdLayer& l, int n, std::vector<double>& want)
{
    static const char* const prims[10] = {"GL_POINTS",    "GL_LINES",          "GL_LINE_LOOP",    "GL_LINE_STRIP",
                                          "GL_TRIANGLES", "GL_TRIANGLE_STRIP", "GL_TRIANGLE_FAN", "GL_QUADS",
                                          "GL_QUAD_STRIP", "GL_POLYGON"};
    const std::string num = std::to_string(n), prim = prims[l.drawType], rule = "\t" + std::string(33, '-') + "\n";
    const std::string colour = "\t\tglColor4f(#f, #f, #f, #f);";
    const bool own = l.colorSel >= 0;
    auto add = [&](std::initializer_list<double> v) { want.insert(want.end(), v); };
    std::string t = "LAYER : # " + std::string(40, '_') + "\n\tDROW TYPE : ***glBegin ~ glEnd***\n" + rule;
    t += "\tglBegin(" + prim + ");\n" + (own ? "" : colour + "\n");
    add({(double)n});
    if (!own)
        add({l.r, l.g, l.b, l.a});
    for (int j = 0; j < l.count; j++) {
        t += (own ? colour : "") + "\t\tglVertex2f(#.f, #.f);\n";
        own ? add({l.vr[j], l.vg[j], l.vb[j], l.va[j], l.vx[j], l.vy[j]}) : add({l.vx[j], l.vy[j]});
    }
    t += "\t\tglEnd();\n\n\tDROW TYPE : ***Arrays***\n" + rule + "\tfloat cl" + num + "[]=//color\n\t\t{\n";
    for (int j = 0; j < l.count; j++)
        t += "\t\t#f,#f,#f,#f,\n", own ? add({l.vr[j], l.vg[j], l.vb[j], l.va[j]}) : add({l.r, l.g, l.b, l.a});
    t += "\t\t};\n\tfloat vt" + num + "[]=//vertex\n\t\t{\n";
    for (int j = 0; j < l.count; j++)
        t += "\t\t#.f,#.f,\n", add({l.vx[j], l.vy[j]});
    t += "\t\t};\n\tglColorPointer(#,GL_FLOAT,#,cl" + num + ");\n\tglVertexPointer(#,GL_FLOAT,#,vt" + num + ");\n";
    add({4, 0, 2, 0, 0, (double)l.count});
    return t + "\tglDrawArrays(" + prim + ",#,#);\n\n\n";
}

TEST_F(Export, RandomModelsParseBack)
{
    const unsigned seed = tst_env("TESS_SEED", std::random_device{}()), models = tst_env("TESS_MODELS", 200);
    SCOPED_TRACE("TESS_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (unsigned m = 0; m < models && !HasFailure(); m++) {
        tst_reset();
        cm.sizeX = pick(1, 200), cm.sizeY = pick(1, 200);
        for (EdLayer& l : ed) {
            l.view = pick(0, 2), l.drawType = pick(0, 9), l.colorSel = pick(-2, 3);
            l.count = pick(0, 3) ? pick(0, 8) : pick(0, 1) * ED_MAXVERT;
            l.r = pick(0, 100) / 100.0, l.g = pick(0, 40) / 40.0, l.b = pick(0, 1000) / 1000.0, l.a = pick(0, 7) / 7.0;
            for (int j = 0; j < l.count; j++)
                l.vx[j] = pick(-400, 400), l.vy[j] = pick(-400, 400), l.vr[j] = pick(0, 20) / 20.0,
                l.vg[j] = pick(0, 999) / 999.0, l.vb[j] = pick(0, 3) / 3.0, l.va[j] = pick(0, 100) / 100.0;
        }
        ASSERT_EQ(run(), "");
        std::vector<double> got, want;
        std::string text;
        if (ed[0].view && ed[0].count)  // the size line comes with layer 1 only
            text = "SIZE X = #, Y = #\n\n", want = {2.0 * cm.sizeX, 2.0 * cm.sizeY};
        for (int i = 0; i < ED_LAYERS; i++)
            text += ed[i].view && ed[i].count ? layer_text(ed[i], i + 1, want) : "";  // hidden and empty ones not
        const std::string read = skeleton(tst_slurp(file), got);
        const size_t at = std::mismatch(read.begin(), read.end(), text.begin(), text.end()).first - read.begin();
        ASSERT_EQ(read.substr(at - std::min(at, 60ul), 120), text.substr(at - std::min(at, 60ul), 120)) << "at " << at;
        ASSERT_EQ(got.size(), want.size());
        for (size_t k = 0; k < got.size(); k++)
            ASSERT_NEAR(got[k], want[k], 0.005 + 1e-9) << "number " << k;
    }
}

TEST_F(Export, FailuresAreReportedAndKeepThePreviousFile)
{
    tst_put(2, 1, 1);
    auto to = [&](const std::string& path) { snprintf(dataPassM, sizeof dataPassM, "%s", path.c_str()); return run(); };
    for (const std::string& bad : {dir, dir + "/missing/x"})  // the folder itself, a file in a missing folder
        EXPECT_EQ(to(bad), "失敗\n" + bad + "\n");
    FILE* f = fopen(file.c_str(), "w");
    fputs("previous", f), fclose(f);
    // Room for the report on the captured output, not for the export: a full disk.
    signal(SIGXFSZ, SIG_IGN);
    rlimit lim, none = {100, RLIM_INFINITY};
    getrlimit(RLIMIT_FSIZE, &lim), setrlimit(RLIMIT_FSIZE, &none);
    const std::string full = to(file);
    setrlimit(RLIMIT_FSIZE, &lim);
    EXPECT_EQ(full, "失敗\n" + file + "\n") << "a full disk";
    EXPECT_NE(access((file + ".tmp").c_str(), F_OK), 0) << "no temporary file left";
    edit_data(1);
    EXPECT_EQ(tst_slurp(file), "previous") << "kept; and other modes write nothing";
    EXPECT_EQ(run(), "") << "once the disk has room again";
    EXPECT_NE(tst_slurp(file).find("glVertex2f(1.f, 1.f);"), std::string::npos);
}

TEST(DataPath, BuiltFromUserOnlyWhenItFits)
{
    auto path = [](const char* user) {
        user ? setenv("USER", user, 1) : unsetenv("USER");
        snprintf(dataPassM, sizeof dataPassM, "/Users/");
        testing::internal::CaptureStderr();
        GetDataPath();
        return std::string(dataPassM) + "|" + testing::internal::GetCapturedStderr();
    };
    EXPECT_EQ(path(nullptr), "/Users/|");
    EXPECT_EQ(path(""), "/Users//Desktop/model_data.txt|");
    const std::string fits(481, 'u');  // with "/Users/", the suffix and the final zero: 512 bytes
    EXPECT_EQ(path(fits.c_str()), "/Users/" + fits + "/Desktop/model_data.txt|");
    EXPECT_EQ(path((fits + "u").c_str()), "/Users/|USER is too long for the export path\n");
}
