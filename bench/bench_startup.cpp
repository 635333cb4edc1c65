// Start-up of the real path (start, then the frame loop) in a child process, so
// that exec, dynamic linking and context creation are all in the figure. The
// loaders' required SDL_Delay calls are counted by the SDL_Delay wrapper and
// subtracted; nothing else is.
#include "bench/bench_startup.h"

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/app.h"
#include "bench/bench.h"
#include "input/input.h"
#include "screen/screen.h"

extern char** environ;

enum { BCH_RESULT_FD = 3, BCH_MAX_RUNS = 9 };

static long long bch_now_ns()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

bool bch_first_editor_frame()
{
    while (!QuitEvents()) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        inputEngine();
        if (gm == GM_EDITOR) {
            editerSet();
            glFinish();
            return true;
        }
        if (gm == GM_SELECT)
            inp_selecter();
        frameLate();
    }
    return false;
}

int bch_startup_child(const char* startNs)
{
    const long long t0 = atoll(startNs);
    start();
    const Uint32 loaderMs = bchDelayMs;
    if (!bch_first_editor_frame())
        return 1;
    const long long t1 = bch_now_ns();
    dprintf(BCH_RESULT_FD, "%lld %u %u\n", (t1 - t0) / 1000, loaderMs, bchDelayMs - loaderMs);
    EndSet();
    return 0;
}

// One start-up in a fresh process: total microseconds, loader delays and the
// frame loop's pacing delay before the first editor frame, in milliseconds.
static bool bch_startup_once(const char* self, long long* us, unsigned* loaderMs, unsigned* pacingMs)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    char t0[32];
    snprintf(t0, sizeof t0, "%lld", bch_now_ns());
    const char* argv[] = {self, "--startup-child", t0, nullptr};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, fds[1], BCH_RESULT_FD);
    posix_spawn_file_actions_adddup2(&fa, 2, 1);  // the program's own lines stay off the figures
    pid_t pid;
    const int rc = posix_spawn(&pid, self, &fa, nullptr, (char**)argv, environ);
    posix_spawn_file_actions_destroy(&fa);
    close(fds[1]);
    FILE* in = fdopen(fds[0], "r");
    const bool got = in && fscanf(in, "%lld %u %u", us, loaderMs, pacingMs) == 3;
    if (in)
        fclose(in);
    int status = 0;
    if (rc == 0)
        waitpid(pid, &status, 0);
    return rc == 0 && got && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool bch_startup(const char* self, int runs)
{
    long long total[BCH_MAX_RUNS], over[BCH_MAX_RUNS];
    unsigned loader = 0, pacing = 0;
    runs = std::clamp(runs, 1, (int)BCH_MAX_RUNS);
    for (int i = 0; i < runs; i++) {
        long long us;
        if (!bch_startup_once(self, &us, &loader, &pacing)) {
            fprintf(stderr, "bench_frame: the start-up child failed\n");
            return false;
        }
        total[i] = us;
        over[i] = us - 1000LL * loader;
    }
    std::sort(total, total + runs);
    std::sort(over, over + runs);
    printf("start-up to first editor frame: %.1f ms (median of %d runs, %.1f to %.1f)\n",
           total[runs / 2] / 1000.0, runs, total[0] / 1000.0, total[runs - 1] / 1000.0);
    printf("  minus the loaders' fixed delays of %u ms: overhead %.1f ms (%.1f to %.1f)\n", loader,
           over[runs / 2] / 1000.0, over[0] / 1000.0, over[runs - 1] / 1000.0);
    printf("  of that overhead, the frame loop's pacing delay before the first editor frame: %u ms\n", pacing);
    return true;
}
