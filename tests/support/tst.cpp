// Private display, GL window, feedback capture and pixel reads for tests.
#include "tests/support/tst.h"

#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app.h"

extern char** environ;

static pid_t tstXvfb = 0;

static void tst_stop_xvfb()
{
    if (tstXvfb > 0) {
        kill(tstXvfb, SIGTERM);
        waitpid(tstXvfb, nullptr, 0);
        tstXvfb = 0;
    }
}

void tst_start_xvfb()
{
    if (tstXvfb > 0)
        return;
    int fds[2];
    if (pipe(fds) != 0)
        abort();
    char fdText[16];
    snprintf(fdText, sizeof fdText, "%d", fds[1]);
    const char* argv[] = {"Xvfb", "-displayfd", fdText, "-screen", "0", "1024x768x24",
                          "-nolisten", "tcp", "-noreset", nullptr};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addclose(&fa, fds[0]);
    if (posix_spawnp(&tstXvfb, "Xvfb", &fa, nullptr, (char**)argv, environ) != 0) {
        fprintf(stderr, "cannot start Xvfb\n");
        abort();
    }
    posix_spawn_file_actions_destroy(&fa);
    close(fds[1]);
    // Xvfb writes the number and the line end separately and dies if the pipe
    // is closed in between, so read up to the line end.
    char num[32] = {0};
    size_t got = 0;
    while (got < sizeof num - 1 && !strchr(num, '\n')) {
        ssize_t n = read(fds[0], num + got, sizeof num - 1 - got);
        if (n <= 0)
            break;
        got += n;
    }
    close(fds[0]);
    if (got == 0) {
        fprintf(stderr, "Xvfb gave no display number\n");
        abort();
    }
    num[strcspn(num, "\n")] = 0;
    std::string display = std::string(":") + num;
    setenv("DISPLAY", display.c_str(), 1);
    atexit(tst_stop_xvfb);
}

void tst_reset_records()
{
    memset(ed, 0, sizeof ed);
    memset(&cm, 0, sizeof cm);
    memset(&tm, 0, sizeof tm);
    memset(&ALP, 0, sizeof ALP);
    memset(&INP, 0, sizeof INP);
    memset(&JOY, 0, sizeof JOY);
    memset(&KEY, 0, sizeof KEY);
    gm = 0;
    joyNum = useJ = 0;
    for (SDL_Joystick*& j : Joy)
        j = nullptr;
    snd.seRotor = 1;
    snd.bgmVolume = snd.seVolume = 120;
    init_common();
    cm.winToggle = 1;
    init_editer();
    tm.framePeriod = 50;
}

void tst_open_window()
{
    static bool opened = false;
    if (opened)
        return;
    tst_start_xvfb();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_VIDEODRIVER", "x11", 1);  // fail loudly rather than fall back to a text driver
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) == -1) {
        fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        abort();
    }
    init_common();
    init_win(&cm.winToggle);
    init_editer();
    opened = true;
}

static std::vector<GLfloat> tstBuf(1 << 22);

static TstVert tst_vertex(const GLfloat* f)
{
    TstVert v;
    v.x = f[0] - WIW;
    v.y = WIH - f[1];
    v.r = f[3];
    v.g = f[4];
    v.b = f[5];
    v.a = f[6];
    v.s = f[7];
    v.t = f[8];
    return v;
}

std::vector<TstPrim> tst_feedback(const std::function<void()>& draw)
{
    const int stride = 11;  // GL_3D_COLOR_TEXTURE: xyz, rgba, strq
    glFeedbackBuffer((GLsizei)tstBuf.size(), GL_3D_COLOR_TEXTURE, tstBuf.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint n = glRenderMode(GL_RENDER);
    std::vector<TstPrim> out;
    if (n < 0) {
        fprintf(stderr, "feedback buffer overflow\n");
        abort();
    }
    for (GLint i = 0; i < n;) {
        GLint token = (GLint)tstBuf[i++];
        TstPrim p;
        int verts = 0;
        if (token == GL_POINT_TOKEN) {
            p.kind = TST_POINT;
            verts = 1;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            p.kind = TST_LINE;
            verts = 2;
        } else if (token == GL_POLYGON_TOKEN) {
            p.kind = TST_POLYGON;
            verts = (int)tstBuf[i++];
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            i += 1;
            continue;
        } else {  // bitmap and pixel tokens carry one vertex; the editor draws none
            i += stride;
            continue;
        }
        for (int k = 0; k < verts; k++, i += stride)
            p.v.push_back(tst_vertex(&tstBuf[i]));
        out.push_back(p);
    }
    return out;
}

std::vector<TstGlyph> tst_glyphs(const std::vector<TstPrim>& prims)
{
    std::vector<TstGlyph> out;
    for (const TstPrim& p : prims) {
        if (p.kind != TST_POLYGON || p.v.size() < 3)
            continue;
        double minX = 1e9, minY = 1e9, maxX = -1e9, minS = 1e9, minT = 1e9, maxS = -1e9;
        for (const TstVert& v : p.v) {
            minX = std::min(minX, v.x);
            minY = std::min(minY, v.y);
            maxX = std::max(maxX, v.x);
            minS = std::min(minS, v.s);
            minT = std::min(minT, v.t);
            maxS = std::max(maxS, v.s);
        }
        if (maxS - minS < 0.06 || maxS - minS > 0.065)
            continue;  // not a glyph square
        TstGlyph g;
        g.ch = (int)std::lround(minT * 16) * 16 + (int)std::lround(minS * 16);
        g.x = minX;
        g.y = minY;
        g.size = maxX - minX;
        g.alpha = p.v[0].a;
        // A quad may come back split into triangles: keep one entry per square.
        if (!out.empty()) {
            const TstGlyph& l = out.back();
            if (l.ch == g.ch && std::fabs(l.x - g.x) < 0.01 && std::fabs(l.y - g.y) < 0.01)
                continue;
        }
        out.push_back(g);
    }
    return out;
}

std::string tst_text_at(const std::vector<TstGlyph>& glyphs, double y)
{
    std::vector<TstGlyph> row;
    for (const TstGlyph& g : glyphs)
        if (std::fabs(g.y - y) < 0.5)
            row.push_back(g);
    std::stable_sort(row.begin(), row.end(), [](const TstGlyph& a, const TstGlyph& b) { return a.x < b.x; });
    std::string s;
    for (const TstGlyph& g : row)
        s += (char)g.ch;
    return s;
}

std::vector<std::string> tst_lines(const std::vector<TstGlyph>& glyphs)
{
    std::vector<std::string> out;
    std::string cur;
    const TstGlyph* prev = nullptr;
    for (const TstGlyph& g : glyphs) {
        bool follows = prev && std::fabs(prev->y - g.y) < 0.01 &&
                       std::fabs(prev->x + prev->size * 0.75 - g.x) < 0.01 && prev->size == g.size;
        if (!follows) {
            if (prev)
                out.push_back(cur);
            char head[64];
            snprintf(head, sizeof head, "%g,%g:", g.x, g.y);
            cur = head;
        }
        cur += (char)g.ch;
        prev = &g;
    }
    if (prev)
        out.push_back(cur);
    return out;
}

void tst_pixel(double x, double y, unsigned char rgba[4])
{
    glReadBuffer(GL_BACK);
    glReadPixels((GLint)(x + WIW), (GLint)(WIH - 1 - y), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

TstCue tst_cue_of(void (*fn)())
{
    tm.now += 1000;
    tm.moveStamp = tm.pressStamp = 0;
    int rotor = snd.seRotor;
    fn();
    if (tm.pressStamp == tm.now)
        return snd.seRotor != rotor ? CUE_CONFIRM : CUE_CANCEL;
    return tm.moveStamp == tm.now ? CUE_STEP : CUE_NONE;
}

void tst_hold(int up, int down, int left, int right)
{
    INP = InpRec{up, down, left, right, 0, 0, 0, 0};
}

std::string tst_slurp(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}
