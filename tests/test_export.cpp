// Text export: the README's example byte for byte, random models parsed back,
// the desktop path from USER, and failed exports that keep the previous file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <random>
#include <sstream>

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

TEST_F(Export, TheReadmeExampleByteForByte)
{
    const double v[5][6] = {{0, 0, 0, 1, 1, .3}, {-7, -4, 0, 1, 1, .3}, {0, -8, 1, 0, 1, 1}, {7, -4, 1, 0, 0, 1},
                            {7, 4, 1, 1, 0, 1}};
    for (auto& p : v) {
        const int k = ed[0].count;
        tst_put(0, p[0], p[1]);
        ed[0].vr[k] = p[2], ed[0].vg[k] = p[3], ed[0].vb[k] = p[4], ed[0].va[k] = p[5];
    }
    ed[0].colorSel = 2;
    EXPECT_EQ(run(), "");
    EXPECT_EQ(tst_slurp(file), tst_slurp(std::string(getenv("TESS_SOURCE")) + "/docs/model_data.txt"));
    remove(file.c_str());
    edit_data(1);
    EXPECT_NE(access(file.c_str(), F_OK), 0) << "other modes write nothing";
}

// Reads the export back line by line against the model it came from.
struct Reader {
    std::istringstream in;
    std::string line;
    bool next(const std::string& want) { return std::getline(in, line) && line == want; }
    // The numbers of the next line, which must have the form given, to two decimals of want.
    bool numbers(const char* format, std::initializer_list<double> want)
    {
        double got[6];
        std::getline(in, line);
        if (sscanf(line.c_str(), format, got, got + 1, got + 2, got + 3, got + 4, got + 5) != (int)want.size())
            return false;
        const double* w = want.begin();
        for (size_t c = 0; c < want.size(); c++)
            if (std::fabs(got[c] - w[c]) > 0.005 + 1e-9)
                return false;
        return true;
    }
};

static void check_layer(Reader& r, const EdLayer& l, int n)
{
    static const char* const prims[10] = {"GL_POINTS",    "GL_LINES",          "GL_LINE_LOOP",    "GL_LINE_STRIP",
                                          "GL_TRIANGLES", "GL_TRIANGLE_STRIP", "GL_TRIANGLE_FAN", "GL_QUADS",
                                          "GL_QUAD_STRIP", "GL_POLYGON"};
    const std::string num = std::to_string(n), prim = prims[l.drawType], rule = "\t" + std::string(33, '-');
    ASSERT_TRUE(r.next("LAYER : " + num + " " + std::string(40, '_'))) << r.line;
    ASSERT_TRUE(r.next("\tDROW TYPE : ***glBegin ~ glEnd***") && r.next(rule) && r.next("\tglBegin(" + prim + ");"));
    const bool own = l.colorSel >= 0;
    ASSERT_TRUE(own || r.numbers("\t\tglColor4f(%lff, %lff, %lff, %lff);", {l.r, l.g, l.b, l.a})) << r.line;
    for (int j = 0; j < l.count; j++)
        ASSERT_TRUE(own ? r.numbers("\t\tglColor4f(%lff, %lff, %lff, %lff);\t\tglVertex2f(%lff, %lff);",
                                    {l.vr[j], l.vg[j], l.vb[j], l.va[j], l.vx[j], l.vy[j]})
                        : r.numbers("\t\tglVertex2f(%lff, %lff);", {l.vx[j], l.vy[j]}))
            << r.line;
    ASSERT_TRUE(r.next("\t\tglEnd();") && r.next("") && r.next("\tDROW TYPE : ***Arrays***") && r.next(rule));
    ASSERT_TRUE(r.next("\tfloat cl" + num + "[]=//color") && r.next("\t\t{"));
    for (int j = 0; j < l.count; j++)
        ASSERT_TRUE(own ? r.numbers("\t\t%lff,%lff,%lff,%lff,", {l.vr[j], l.vg[j], l.vb[j], l.va[j]})
                        : r.numbers("\t\t%lff,%lff,%lff,%lff,", {l.r, l.g, l.b, l.a})) << r.line;
    ASSERT_TRUE(r.next("\t\t};") && r.next("\tfloat vt" + num + "[]=//vertex") && r.next("\t\t{"));
    for (int j = 0; j < l.count; j++)
        ASSERT_TRUE(r.numbers("\t\t%lff,%lff,", {l.vx[j], l.vy[j]})) << r.line;
    ASSERT_TRUE(r.next("\t\t};") && r.next("\tglColorPointer(4,GL_FLOAT,0,cl" + num + ");") &&
                r.next("\tglVertexPointer(2,GL_FLOAT,0,vt" + num + ");") &&
                r.next("\tglDrawArrays(" + prim + ",0," + std::to_string(l.count) + ");") && r.next("") && r.next(""))
        << r.line;
}

TEST_F(Export, RandomModelsParseBack)
{
    const unsigned seed = tst_seed();
    const int models = tst_env("TESS_MODELS", 200);
    SCOPED_TRACE("TESS_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int m = 0; m < models && !HasFatalFailure(); m++) {
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
        Reader r{std::istringstream(tst_slurp(file)), ""};
        const bool sized = !(ed[0].view && ed[0].count) ||  // the size line comes with layer 1 only
                           (r.next("SIZE X = " + std::to_string(2 * cm.sizeX) + ", Y = " + std::to_string(2 * cm.sizeY)) &&
                            r.next(""));
        ASSERT_TRUE(sized) << r.line;
        for (int i = 0; i < ED_LAYERS; i++)
            if (ed[i].view && ed[i].count)
                check_layer(r, ed[i], i + 1);
        ASSERT_FALSE(std::getline(r.in, r.line)) << "more after the last layer: " << r.line;
    }
}

TEST_F(Export, FailuresAreReportedAndKeepThePreviousFile)
{
    tst_put(2, 1, 1);
    const std::string report = "失敗\n" + file + "\n";
    dataPassM[dir.size()] = 0;  // the folder itself, then a file in a missing folder
    EXPECT_EQ(run(), "失敗\n" + dir + "\n");
    snprintf(dataPassM, sizeof dataPassM, "%s", (dir + "/missing/x").c_str());
    EXPECT_EQ(run(), "失敗\n" + dir + "/missing/x\n");
    snprintf(dataPassM, sizeof dataPassM, "%s", file.c_str());
    FILE* f = fopen(file.c_str(), "w");
    fputs("previous", f), fclose(f);
    // Room for the report on the captured output, not for the export: a full disk.
    signal(SIGXFSZ, SIG_IGN);
    rlimit lim, none = {100, RLIM_INFINITY};
    getrlimit(RLIMIT_FSIZE, &lim);
    setrlimit(RLIMIT_FSIZE, &none);
    const std::string full = run();
    setrlimit(RLIMIT_FSIZE, &lim);
    EXPECT_EQ(full, report) << "a full disk";
    EXPECT_EQ(tst_slurp(file), "previous");
    EXPECT_NE(access((file + ".tmp").c_str(), F_OK), 0) << "no temporary file left";
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
