// Text export: random models parsed back, the desktop path from USER, and the
// file itself written through links or refused, with every failure reported.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <random>
#include <set>

#include "export/export.h"
#include "tests/support/tst.h"

struct Export : testing::Test {
    std::string dir = "/tmp/tess-export-" + std::to_string(getpid());
    std::string file = dir + "/model_data.txt";
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
        const bool number = isdigit(*p) || (*p == '-' && isdigit(p[1]));
        if (!number || (p != text.c_str() && isalnum(p[-1]))) {
            out += *p++;
            continue;
        }
        char* end = nullptr;
        nums.push_back(strtod(p, &end));
        out += '#';
        p = end - (end[-1] == '.');
    }
    return out;
}

// What the export of layer l, numbered n, must read, with its numbers in want.
static std::string layer_text(const EdLayer& l, int n, std::vector<double>& want)
{
    static const char* const prims[10] = {"GL_POINTS",    "GL_LINES",          "GL_LINE_LOOP",    "GL_LINE_STRIP",
                                          "GL_TRIANGLES", "GL_TRIANGLE_STRIP", "GL_TRIANGLE_FAN", "GL_QUADS",
                                          "GL_QUAD_STRIP", "GL_POLYGON"};
    const std::string num = std::to_string(n);
    const std::string prim = prims[l.drawType];
    const std::string rule = "\t" + std::string(33, '-') + "\n";
    const std::string colour = "\t\tglColor4f(#f, #f, #f, #f);";
    const bool own = l.colorSel >= 0;
    auto add = [&](std::initializer_list<double> v) { want.insert(want.end(), v); };
    auto add_colour = [&](int j) { own ? add({l.vr[j], l.vg[j], l.vb[j], l.va[j]}) : add({l.r, l.g, l.b, l.a}); };
    std::string t = "LAYER : # " + std::string(40, '_') + "\n\tDROW TYPE : ***glBegin ~ glEnd***\n" + rule;
    t += "\tglBegin(" + prim + ");\n" + (own ? "" : colour + "\n");
    add({(double)n});
    if (!own)
        add({l.r, l.g, l.b, l.a});
    for (int j = 0; j < l.count; j++) {
        t += (own ? colour : "") + "\t\tglVertex2f(#.f, #.f);\n";
        if (own)
            add_colour(j);
        add({l.vx[j], l.vy[j]});
    }
    t += "\t\tglEnd();\n\n\tDROW TYPE : ***Arrays***\n" + rule + "\tfloat cl" + num + "[]=//color\n\t\t{\n";
    for (int j = 0; j < l.count; j++) {
        t += "\t\t#f,#f,#f,#f,\n";
        add_colour(j);
    }
    t += "\t\t};\n\tfloat vt" + num + "[]=//vertex\n\t\t{\n";
    for (int j = 0; j < l.count; j++) {
        t += "\t\t#.f,#.f,\n";
        add({l.vx[j], l.vy[j]});
    }
    t += "\t\t};\n\tglColorPointer(#,GL_FLOAT,#,cl" + num + ");\n\tglVertexPointer(#,GL_FLOAT,#,vt" + num + ");\n";
    add({4, 0, 2, 0, 0, (double)l.count});
    return t + "\tglDrawArrays(" + prim + ",#,#);\n\n\n";
}

TEST_F(Export, RandomModelsParseBack)
{
    const unsigned seed = tst_env("TESS_SEED", std::random_device{}());
    const unsigned models = tst_env("TESS_MODELS", 200);
    SCOPED_TRACE("TESS_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    // Colours on grids of several steps, so that rounding to two decimals shows.
    auto part = [&](int steps) { return pick(0, steps) / (double)steps; };
    for (unsigned m = 0; m < models && !HasFailure(); m++) {
        tst_reset();
        cm.sizeX = pick(1, 200);
        cm.sizeY = pick(1, 200);
        for (EdLayer& l : ed) {
            l.view = pick(0, 2);
            l.drawType = pick(0, 9);
            l.colorSel = pick(-2, 3);
            l.count = pick(0, 3) ? pick(0, 8) : pick(0, 1) * ED_MAXVERT;
            l.r = part(100);
            l.g = part(40);
            l.b = part(1000);
            l.a = part(7);
            for (int j = 0; j < l.count; j++) {
                l.vx[j] = pick(-400, 400);
                l.vy[j] = pick(-400, 400);
                l.vr[j] = part(20);
                l.vg[j] = part(999);
                l.vb[j] = part(3);
                l.va[j] = part(100);
            }
        }
        ASSERT_EQ(run(), "");
        std::vector<double> got, want;
        std::string text;
        if (ed[0].view && ed[0].count) {  // the size line comes with layer 1 only
            text = "SIZE X = #, Y = #\n\n";
            want = {2.0 * cm.sizeX, 2.0 * cm.sizeY};
        }
        for (int i = 0; i < ED_LAYERS; i++)
            text += ed[i].view && ed[i].count ? layer_text(ed[i], i + 1, want) : "";  // hidden and empty ones not
        const std::string read = skeleton(tst_slurp(file), got);
        const size_t at = std::mismatch(read.begin(), read.end(), text.begin(), text.end()).first - read.begin();
        const size_t from = at - std::min(at, 60ul);
        ASSERT_EQ(read.substr(from, 120), text.substr(from, 120)) << "at " << at;
        ASSERT_EQ(got.size(), want.size());
        for (size_t k = 0; k < got.size(); k++)
            ASSERT_NEAR(got[k], want[k], 0.005 + 1e-9) << "number " << k;
    }
}

static std::string failed(const std::string& path)
{
    return "失敗\n" + path + "\n";
}

static bool has_vertex(const std::string& path)
{
    return tst_slurp(path).find("glVertex2f(1.f, 1.f);") != std::string::npos;
}

// Exports to path as the user nobody, so that permissions bind even on a test
// run as root, and returns what it printed.
static const uid_t nobody = 65534;
static std::string run_as_nobody(const std::string& path)
{
    snprintf(dataPassM, sizeof dataPassM, "%s", path.c_str());
    testing::internal::CaptureStdout();
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && setuid(nobody) != 0)
            _exit(1);
        edit_data(0);
        _exit(0);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_EQ(status, 0);
    return testing::internal::GetCapturedStdout();
}

TEST_F(Export, WritesTheFileItselfThroughLinks)
{
    tst_put(2, 1, 1);
    const std::string project = dir + "/project.txt";
    const std::string hard = dir + "/hard.txt";
    std::ofstream(project) << "previous";
    chmod(project.c_str(), 0600);
    link(project.c_str(), hard.c_str());
    symlink(project.c_str(), file.c_str());
    EXPECT_EQ(run(), "");
    struct stat st;
    lstat(file.c_str(), &st);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
    stat(project.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0600u) << "the mode stays";
    EXPECT_TRUE(has_vertex(project));
    EXPECT_TRUE(has_vertex(hard)) << "the hard link sees the export";
    edit_data(1);
    EXPECT_TRUE(has_vertex(project)) << "other modes write nothing";
    std::set<std::string> names;
    DIR* d = opendir(dir.c_str());
    while (dirent* e = readdir(d))
        names.insert(e->d_name);
    closedir(d);
    EXPECT_EQ(names, (std::set<std::string>{".", "..", "hard.txt", "model_data.txt", "project.txt"}))
        << "no other file made";
}

TEST_F(Export, RefusesWhatTheUserMayNotWriteAndReportsEveryFailure)
{
    tst_put(2, 1, 1);
    for (const std::string& bad : {dir, dir + "/missing/x"}) {  // the folder itself, a file in a missing folder
        snprintf(dataPassM, sizeof dataPassM, "%s", bad.c_str());
        EXPECT_EQ(run(), failed(bad));
    }
    // The user's own folder holding a read-only file, then, read-only itself, a writable one.
    const std::string locked = dir + "/locked.txt";
    const std::string open = dir + "/open.txt";
    std::ofstream(locked) << "previous";
    std::ofstream(open) << "previous";
    chmod(locked.c_str(), 0444);
    chmod(open.c_str(), 0666);
    if (geteuid() == 0)
        ASSERT_EQ(chown(dir.c_str(), nobody, -1), 0);
    EXPECT_EQ(run_as_nobody(locked), failed(locked));
    EXPECT_EQ(tst_slurp(locked), "previous") << "refused and left as it was";
    chmod(dir.c_str(), 0555);
    EXPECT_EQ(run_as_nobody(open), "") << "the folder's own mode does not matter";
    EXPECT_TRUE(has_vertex(open));
    chmod(dir.c_str(), 0755);
    // Room for the report on the captured output, not for the export: a full disk.
    signal(SIGXFSZ, SIG_IGN);
    rlimit lim;
    const rlimit full = {100, RLIM_INFINITY};
    getrlimit(RLIMIT_FSIZE, &lim);
    setrlimit(RLIMIT_FSIZE, &full);
    snprintf(dataPassM, sizeof dataPassM, "%s", file.c_str());
    const std::string report = run();
    setrlimit(RLIMIT_FSIZE, &lim);
    EXPECT_EQ(report, failed(file)) << "a full disk";
    EXPECT_EQ(run(), "") << "once the disk has room again";
    EXPECT_TRUE(has_vertex(file));
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
