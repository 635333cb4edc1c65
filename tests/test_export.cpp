// Text export: a model of every kind of layer read back exactly, the desktop
// path from USER, and the file itself written through links or refused, with
// every failure reported, out of memory too.
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <functional>
#include <utility>

#include "tests/support/tst.h"

// Runs fn as the user nobody, in a child process, so that permissions bind
// even on a test run as root; what fn returned.
static const uid_t nobody = 65534;  // and its group, nogroup
static bool as_nobody(const std::function<bool()>& fn)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(geteuid() == 0 && (setgroups(0, nullptr) || setgid(nobody) || setuid(nobody)) ? 2 : !fn());
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << status;
    return status == 0;
}

struct Export : testing::Test {
    // In the test command's own temporary folder when there is one: gone even after a crash.
    std::string dir = std::string(getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp") + "/tess-export-" + std::to_string(getpid());
    std::string file = dir + "/model_data.txt";
    void SetUp() override { mkdir(dir.c_str(), 0755); }
    void TearDown() override { EXPECT_EQ(system(("rm -rf " + dir).c_str()), 0); }
    long failAt = -1;  // the export's allocation that fails, as tstAllocsToFail, and -1 after it
    // Exports to path and returns what it printed, on stdout then stderr.
    std::string run(const std::string& path, bool asNobody = false)
    {
        snprintf(dataPassM, sizeof dataPassM, "%s", path.c_str());
        testing::internal::CaptureStderr();
        const std::string out = tst_stdout([&] {
            std::swap(tstAllocsToFail, failAt);
            asNobody ? as_nobody([] { edit_data(0); return true; }) : (edit_data(0), true);
            failAt = std::exchange(tstAllocsToFail, -1);
        });
        return out + testing::internal::GetCapturedStderr();
    }
};

static std::string failed(const std::string& path, int why)
{
    return "失敗\n" + path + "\ntessaloom: export not written: " + strerror(why) + "\n";
}

// A model with every kind of layer: layer 1 in wire view with its colour
// being edited, which is written as the layer colour; layer 2 hidden and
// layer 3 empty, so neither is written; layer 4 with its own colours, which
// round to two decimals.
static void golden_model()
{
    const double own[2][4] = {{1, 0.5, 0, 1}, {0.333, 0.666, 0.996, 0.004}};
    std::tie(cm.sizeX, cm.sizeY) = std::tuple(12, 9);
    ed[0].view = 1;
    ed[0].drawType = 4;
    ed[0].colorSel = -2;
    tst_put(0, 0, -5);
    tst_put(0, 5, 5);
    tst_put(0, -5, 5);
    ed[1].view = 0;
    tst_put(1, 1, 1);
    ed[3].drawType = 2;
    ed[3].colorSel = 0;
    tst_put(3, -12, 9);
    tst_put(3, 12, -9);
    for (int j = 0; j < 2; j++)
        std::tie(ed[3].vr[j], ed[3].vg[j], ed[3].vb[j], ed[3].va[j]) = std::tie(own[j][0], own[j][1], own[j][2], own[j][3]);
}

TEST_F(Export, WritesEveryVisibleNonEmptyLayerInBothFormsOrReportsRunningOutOfMemory)
{
    golden_model();
    const std::string golden = tst_slurp(TST_DIR "export_model.txt");
    EXPECT_EQ(run(file), "");
    EXPECT_EQ(tst_slurp(file), golden);
    ed[0].view = 0;
    EXPECT_EQ(run(file), "");
    EXPECT_EQ(tst_slurp(file), golden.substr(golden.find("LAYER : 4"))) << "no size line without layer 1";
    for (EdLayer& l : ed)
        l.count = 0;
    EXPECT_EQ(run(file), "");
    EXPECT_EQ(tst_slurp(file), "") << "nothing to write";
    // Out of memory at any of the export's allocations (not under AddressSanitizer): reported, the
    // file as it was.
    for (int i = 0; i < ED_MAXVERT; i++)
        tst_put(5, i % 24, i / 24);  // the memory stream grows several times, and shrinks at the end
    run(file);
    const std::string whole = tst_slurp(file);
    for (long k = 0; tstAllocCanFail && failAt < 0; k++) {  // until the export makes fewer than k allocations
        std::ofstream(file) << "previous";
        failAt = k;
        const std::string out = run(file);
        EXPECT_EQ(tst_slurp(file), out.empty() ? whole : "previous") << "allocation " << k;
        EXPECT_TRUE(out.empty() || out == failed(file, ENOMEM)) << out;
    }
}

TEST_F(Export, RefusesWhatTheUserMayNotWriteAndReportsEveryFailure)
{
    tst_put(2, 1, 1);
    EXPECT_EQ(run(dir), failed(dir, EISDIR));
    // The user's own folder, read-only, with a link to a writable file: the file itself is written.
    const std::string open = dir + "/open.txt";
    const std::string link = dir + "/link.txt";
    std::ofstream(open) << "previous";
    chmod(open.c_str(), 0666);
    ASSERT_EQ(symlink(open.c_str(), link.c_str()), 0);
    ASSERT_EQ(geteuid() == 0 ? chown(dir.c_str(), nobody, -1) : 0, 0);  // root hands the folder to nobody
    chmod(dir.c_str(), 0555);
    chmod(open.c_str(), 0606);
    EXPECT_EQ(run(link, true), "") << "the folder's own mode does not matter, and a link is followed";
    const std::string model = tst_slurp(open);
    EXPECT_NE(model.find("glVertex2f(1.f, 1.f);"), std::string::npos);
    struct stat st;
    EXPECT_TRUE(lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << "the link stays a link";
    EXPECT_TRUE(stat(open.c_str(), &st) == 0 && (st.st_mode & 07777) == 0606) << "the mode stays";
    chmod(open.c_str(), 0444);
    EXPECT_EQ(run(link, true), failed(link, EACCES)) << "a read-only file";
    EXPECT_EQ(tst_slurp(open), model);
    EXPECT_EQ(system(("test $(ls -A " + dir + " | wc -l) = 2").c_str()), 0) << "no other file made";
    chmod(dir.c_str(), 0755);
    // Room for the report on the captured output, not for the export: a full disk. (A write stopped
    // halfway over a longer file is the model file's end-to-end test's.)
    rlimit lim;
    const rlimit full = {100, RLIM_INFINITY};
    getrlimit(RLIMIT_FSIZE, &lim);
    setrlimit(RLIMIT_FSIZE, &full);
    const std::string report = run(file);
    setrlimit(RLIMIT_FSIZE, &lim);
    EXPECT_EQ(report, failed(file, EFBIG)) << "a full disk";
    EXPECT_EQ(run(file), "") << "once the disk has room again";
    EXPECT_NE(tst_slurp(file).find("glVertex2f(1.f, 1.f);"), std::string::npos);
}

TEST_F(Export, DataPathBuiltFromAPlainUserNameThatFitsAndItsFolderMissingTold)
{
    auto path = [](const char* user) {
        user ? setenv("USER", user, 1) : unsetenv("USER");
        snprintf(dataPassM, sizeof dataPassM, "/Users/");
        testing::internal::CaptureStderr();
        GetDataPath();
        return std::string(dataPassM) + "|" + testing::internal::GetCapturedStderr();
    };
    const std::string home = getenv("HOME");
    unsetenv("HOME");
    const std::string fits(481, 'u');  // with "/Users/", the suffix and the final zero: 512 bytes
    const std::string missing = "/Desktop does not exist, so exports will fail";
    EXPECT_EQ(path(fits.c_str()), "/Users/" + fits + "/Desktop/model_data.txt|tessaloom: /Users/" + fits + missing + "\n");
    const std::string x = "/Users/..x/Desktop/model_data.txt|tessaloom: /Users/..x" + missing;
    EXPECT_EQ(path((fits + "u").c_str()), "/Users/|tessaloom: USER is too long for the export path, so exports will fail\n");
    for (const char* unset : {(const char*)nullptr, ""})
        EXPECT_EQ(path(unset), "/Users/|tessaloom: USER is empty or not set, so exports will fail\n");
    for (const char* other : {"a/b", "/", ".", ".."})
        EXPECT_EQ(path(other), "/Users/|tessaloom: USER is not a plain user name, so exports will fail\n") << other;
    // How to give the folder, the desktop made first when it is missing.
    setenv("HOME", dir.c_str(), 1);
    const std::string give = "; to give the export its folder, ";
    const std::string link = "as root run: mkdir -p /Users/..x && ln -s " + dir + "/Desktop /Users/..x/Desktop\n";
    EXPECT_EQ(path("..x"), x + give + "run: mkdir -p " + dir + "/Desktop, then " + link);
    mkdir((dir + "/Desktop").c_str(), 0755);
    EXPECT_EQ(path("..x"), x + give + link);
    setenv("HOME", home.c_str(), 1);
}

TEST_F(Export, ModelFileOpensAtStartOrSaysWhyNotAndTakesTheExports)
{
    auto open = [](const std::string& name, bool asNobody = false) {
        testing::internal::CaptureStderr();
        const bool ok = asNobody ? as_nobody([&] { return exp_open(name.c_str()); }) : exp_open(name.c_str());
        return std::to_string(ok) + " " + testing::internal::GetCapturedStderr();
    };
    char started[PATH_MAX];
    ASSERT_TRUE(getcwd(started, sizeof started) && chdir(dir.c_str()) == 0);
    // Missing: an empty model, the name taken from the folder started in, and the first export
    // makes it; no desktop path or hint then.
    EXPECT_EQ(open("ship.txt"), "1 ");
    EXPECT_EQ(std::make_pair(std::string(dataPassM), expModel.layer[0].count), std::make_pair(dir + "/ship.txt", 0));
    GetDataPath();
    EXPECT_EQ(std::string(dataPassM), dir + "/ship.txt");
    tst_put(0, 1, 2);
    umask(022);
    edit_data(0);
    struct stat st;
    EXPECT_TRUE(stat("ship.txt", &st) == 0 && (st.st_mode & 0777) == 0644) << "made as fopen would";
    EXPECT_EQ(open("ship.txt"), "1 ");
    EXPECT_EQ(std::make_pair(expModel.layer[0].count, expModel.layer[0].vy[0]), std::make_pair(1, 2.0));
    // What cannot be a model refuses to start, saying why (bad models and folders: the end-to-end
    // test's); what cannot take an export is told.
    const std::string tooLong(PATH_SIZE, 'a');
    EXPECT_EQ(open(tooLong), "0 tessaloom: " + tooLong + ": File name too long\n");
    EXPECT_EQ(open("no/ship.txt"), "1 tessaloom: no/ship.txt: its folder: No such file or directory, so exports will fail\n");
    chmod("ship.txt", 0444);
    EXPECT_EQ(open("ship.txt", true), "1 tessaloom: ship.txt: Permission denied, so exports will fail\n");
    chmod("ship.txt", 0200);
    EXPECT_EQ(open("ship.txt", true), "0 tessaloom: ship.txt: Permission denied\n");
    expFile = nullptr;
    ASSERT_EQ(chdir(started), 0);
}
