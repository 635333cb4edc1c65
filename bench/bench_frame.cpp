// Frame benchmark: the editor frame of the real window timed on the default
// and on a worst-case model, the start-up path, the export, peak memory and
// the heap allocations our code makes per frame. Figures only; no targets.
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "bench/bench.h"
#include "bench/bench_startup.h"
#include "export/export.h"
#include "input/input.h"
#include "screen/screen.h"

enum { BCH_WARMUP = 50, BCH_MAX_FRAMES = 4000, BCH_EXPORTS = 30, BCH_STARTUPS = 3 };
// Seconds a scenario runs: 12 keeps a whole run near a minute on a slow llvmpipe;
// TESS_BENCH_SECONDS shortens it for a quick look.
static double bch_scenario_s()
{
    const char* s = getenv("TESS_BENCH_SECONDS");
    return s && atof(s) > 0 ? atof(s) : 12.0;
}

static double bchSamples[BCH_MAX_FRAMES];

static double bch_now_us()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

// Deterministic, so every run measures the same model.
static unsigned bchSeed = 12345;
static int bch_rand(int lo, int hi)
{
    bchSeed = bchSeed * 1103515245u + 12345u;
    return lo + (int)((bchSeed >> 16) % (unsigned)(hi - lo + 1));
}

static void bch_default_model()
{
    init_common();
    init_editer();
    cm.winToggle = 1;
    cull_set();
}

// Six full layers over the model area, polygon and line types, WIRE and FILL,
// per-vertex colours on three; finest grid, smoothing on, panel on a LAYER item.
static void bch_worst_model()
{
    static const int types[ED_LAYERS] = {GL_POLYGON, GL_LINE_STRIP, GL_TRIANGLES,
                                         GL_LINES,   GL_TRIANGLE_FAN, GL_LINE_LOOP};
    bch_default_model();
    bchSeed = 12345;
    for (int i = 0; i < ED_LAYERS; i++) {
        EdLayer& l = ed[i];
        l.view = i % 3 == 1 ? VIEW_WIRE : VIEW_FILL;
        l.drawType = types[i];
        l.colorSel = i % 2 == 0 ? COLOR_PER_VERTEX : COLOR_LAYER;
        l.count = ED_MAXVERT;
        for (int j = 0; j < ED_MAXVERT; j++) {
            l.vx[j] = bch_rand(-cm.sizeX, cm.sizeX);
            l.vy[j] = bch_rand(-cm.sizeY, cm.sizeY);
            l.vr[j] = bch_rand(0, 20) * 0.05;
            l.vg[j] = bch_rand(0, 20) * 0.05;
            l.vb[j] = bch_rand(0, 20) * 0.05;
            l.va[j] = bch_rand(4, 20) * 0.05;
        }
    }
    edit_mode_setter();
    cm.gridSpan = 1;
    cm.antiAlias = 1;
    cm.pane = PANE_PANEL;
    cm.menuItem = ITEM_VIEW_1;
}

static double bch_frame_us()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const double t0 = bch_now_us();
    editerSet();
    glFinish();
    return bch_now_us() - t0;
}

static double bch_rank(const double* sorted, int n, double p)
{
    const int k = (int)std::ceil(p * n) - 1;
    return sorted[std::clamp(k, 0, n - 1)];
}

static void bch_scenario(const char* name, void (*setUp)())
{
    setUp();
    for (int i = 0; i < BCH_WARMUP; i++)
        bch_frame_us();
    const size_t allocs = bchAllocs;
    const double until = bch_now_us() + bch_scenario_s() * 1e6;
    int n = 0;
    while (n < BCH_MAX_FRAMES && bch_now_us() < until)
        bchSamples[n++] = bch_frame_us();
    const size_t made = bchAllocs - allocs;
    std::sort(bchSamples, bchSamples + n);
    const double med = bch_rank(bchSamples, n, 0.5);
    printf("%-18s %6d %10.0f %9.0f %9.0f %10.2f%% %8zu %10.2f\n", name, n, med, bch_rank(bchSamples, n, 0.9),
           bch_rank(bchSamples, n, 0.99), med / (10.0 * FRAME_MS), made, (double)made / n);
    fflush(stdout);
}

static void bch_worst_culled()
{
    bch_worst_model();
    cm.cullFace = 1;
    cull_set();
}

static void bch_frames()
{
    char period[16];
    snprintf(period, sizeof period, "of %d ms", FRAME_MS);
    printf("%-18s %6s %10s %9s %9s %11s %8s %10s\n", "frame work", "frames", "median_us", "p90_us", "p99_us",
           period, "allocs", "per frame");
    bch_scenario("default empty", bch_default_model);
    bch_scenario("worst case", bch_worst_model);
    bch_scenario("worst case, cull", bch_worst_culled);
}

// The worst case's file opened again as `tessaloom FILE` does before the
// window: read, checked line by line, and put in place of the model.
static bool bch_open()
{
    char file[sizeof dataPassM];
    snprintf(file, sizeof file, "%s", dataPassM);
    double us[BCH_EXPORTS];
    for (double& t : us) {
        const double t0 = bch_now_us();
        if (!exp_open(file))
            return false;
        init_model();
        t = bch_now_us() - t0;
    }
    expFile = nullptr;
    std::sort(us, us + BCH_EXPORTS);
    printf("open exp_open(FILE), worst case: median %.0f us, max %.0f us over %d runs\n", us[BCH_EXPORTS / 2],
           us[BCH_EXPORTS - 1], BCH_EXPORTS);
    return true;
}

static bool bch_export()
{
    char dir[] = "/tmp/tess-bench.XXXXXX";
    if (!mkdtemp(dir))
        return false;
    snprintf(dataPassM, sizeof dataPassM, "%s/model_data.txt", dir);
    bch_worst_model();
    double us[BCH_EXPORTS];
    for (double& t : us) {
        const double t0 = bch_now_us();
        edit_data(0);
        t = bch_now_us() - t0;
    }
    struct stat st;
    const bool written = stat(dataPassM, &st) == 0 && st.st_size > 0;
    std::sort(us, us + BCH_EXPORTS);
    if (written)
        printf("export edit_data(0), worst case: median %.0f us, max %.0f us over %d runs (%lld bytes)\n",
               us[BCH_EXPORTS / 2], us[BCH_EXPORTS - 1], BCH_EXPORTS, (long long)st.st_size);
    else
        fprintf(stderr, "bench_frame: the export wrote nothing to %s\n", dataPassM);
    const bool opened = written && bch_open();
    unlink(dataPassM);
    rmdir(dir);
    return opened;
}

static void bch_memory()
{
    rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    printf("peak resident memory: %ld KiB (%.1f MiB)\n", ru.ru_maxrss, ru.ru_maxrss / 1024.0);
}

static bool bch_ready()
{
    const char* display = getenv("DISPLAY");
    if (!display || !*display) {
        fprintf(stderr, "bench_frame: no display; set DISPLAY, or run bench/bench_run.sh, which starts a private Xvfb\n");
        return false;
    }
    if (chdir(BCH_HOME) != 0) {
        fprintf(stderr, "bench_frame: cannot enter the build folder %s\n", BCH_HOME);
        return false;
    }
    if (!bch_counter_works()) {
        fprintf(stderr, "bench_frame: the allocation counter misses calls; the link wrappers are not in force\n");
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    if (!bch_ready())
        return 2;
    if (argc == 3 && strcmp(argv[1], "--startup-child") == 0)
        return bch_startup_child(argv[2]);
    if (!bch_startup("/proc/self/exe", BCH_STARTUPS))
        return 1;
    start();
    if (!bch_first_editor_frame())
        return 1;
    printf("GL: %s, window 800x600, no swap, no pacing\n", (const char*)glGetString(GL_RENDERER));
    bch_frames();
    const bool exported = bch_export();
    bch_memory();
    EndSet();
    return exported ? 0 : 1;
}
