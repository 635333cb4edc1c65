// Test support: the window, reset records, feedback capture and text reading.
#include "tests/support/tst.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <tuple>

struct TstWindow : testing::Environment {
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("SDL_VIDEODRIVER", "x11", 1);  // fail rather than fall back to a text driver
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        init_win(&cm.winToggle);
    }
    // An audio thread left running can hang the exit. No SDL_Quit: libGL would
    // unload Mesa's driver before the leak check, and the driver's leaks would
    // lose the names their suppressions go by.
    void TearDown() override
    {
        end_Sound();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};
static testing::Environment* const tstWindow = testing::AddGlobalTestEnvironment(new TstWindow);
static std::vector<GLfloat> tstBuf(1 << 22);

const TstItem tstItems[ITEM_COUNT] = {
    {&cm.scale, 50, 50, 3000}, {&cm.sizeX, 2, 2, 400}, {&cm.sizeY, 2, 2, 400}, {&cm.gridSpan, 1, 0, 100},
    {&cm.cursorMove, 1, 1, 100}, {&cm.antiAlias, 1, 0, 1}, {&cm.layer, 1, 0, 5}, {&cm.designMode, 1, 0, 1},
    {&ed[0].view, 1, 0, 2}, {&ed[0].drawType, 1, 0, 9}, {&ed[1].view, 1, 0, 2}, {&ed[1].drawType, 1, 0, 9},
    {&ed[2].view, 1, 0, 2}, {&ed[2].drawType, 1, 0, 9}, {&ed[3].view, 1, 0, 2}, {&ed[3].drawType, 1, 0, 9},
    {&ed[4].view, 1, 0, 2}, {&ed[4].drawType, 1, 0, 9}, {&ed[5].view, 1, 0, 2}, {&ed[5].drawType, 1, 0, 9},
    {&cm.prevScale1, 5, 5, 1000}, {&cm.prevScale2, 5, 5, 1000}, {&cm.prevScale3, 5, 5, 1000}, {&snd.bgm, 1, 0, 4},
    {&snd.bgmVolume, 2, 0, 126}, {&snd.seVolume, 2, 0, 126}, {&cm.bgColor, 1, 0, 8}, {nullptr, 0, 0, 0},
    {nullptr, 0, 0, 0}, {nullptr, 0, 0, 0}, {nullptr, 0, 0, 0},
};

// Every test starts from the records' start-up values, in the window it finds.
struct TstReset : testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        memset(ed, 0, sizeof ed);
        memset(&tm, 0, sizeof tm);
        ALP = AlpRec{};
        INP = JOY = KEY = InpRec{};
        gm = GM_EDITOR;
        joyNum = useJ = 0;
        snd = SndRec{0, 1, 120, 120};
        const int toggle = cm.winToggle;
        init_common();
        cm.winToggle = toggle;
        init_editer();
        snprintf(dataPassM, sizeof dataPassM, "/Users/");
        tm.framePeriod = 50;
        glDisable(GL_CULL_FACE);
    }
};
static const bool tstResetting = (testing::UnitTest::GetInstance()->listeners().Append(new TstReset), true);

std::vector<TstPrim> tst_feedback(const std::function<void()>& draw)
{
    // Zoomed out 16 times (exactly undone below), so nothing far off the window is clipped away.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glScaled(1 / 16.0, 1 / 16.0, 1);
    glOrtho(-WIW, WIW, WIH, -WIH, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glFeedbackBuffer((GLsizei)tstBuf.size(), GL_3D_COLOR_TEXTURE, tstBuf.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint n = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    EXPECT_GE(n, 0) << "feedback buffer overflow";
    std::vector<TstPrim> out;
    for (GLint i = 0; i < n;) {  // the editor draws points, lines and polygons only
        TstPrim p{(int)tstBuf[i++], {}};
        const int verts = p.kind == GL_POINT_TOKEN ? 1 : p.kind == GL_POLYGON_TOKEN ? (int)tstBuf[i++] : 2;
        p.kind = p.kind == GL_LINE_RESET_TOKEN ? GL_LINE_TOKEN : p.kind;
        for (int k = 0; k < verts; k++, i += 11) {  // GL_3D_COLOR_TEXTURE: xyz, rgba, strq
            const GLfloat* f = &tstBuf[i];
            p.v.push_back({(f[0] - WIW) * 16, (WIH - f[1]) * 16, f[3], f[4], f[5], f[6], f[7], f[8]});
        }
        out.push_back(p);
    }
    return out;
}

// Text: a polygon whose texture coordinates vary (a glyph's square, or half of it).
static bool tst_glyph(const TstPrim& p)
{
    auto [lo, hi] = std::minmax_element(p.v.begin(), p.v.end(), [](auto& a, auto& b) { return a.s < b.s; });
    return p.kind == GL_POLYGON_TOKEN && hi->s != lo->s;
}

std::vector<std::string> tst_lines(const std::vector<TstPrim>& prims)
{
    std::vector<std::string> out;
    double px = 1e9, py = 1e9, ps = -1, pt = -1, pa = -1, pnext = 1e9, pside = 0;
    for (const TstPrim& p : prims) {
        if (!tst_glyph(p))
            continue;
        double x = 1e9, y = 1e9, s = 1e9, t = 1e9, right = -1e9, a = p.v[0].a;
        for (const TstVert& v : p.v) {
            x = std::min(x, v.x);
            y = std::min(y, v.y);
            s = std::min(s, v.s);
            t = std::min(t, v.t);
            right = std::max(right, v.x);
        }
        if (x == px && y == py && s == ps && t == pt)
            continue;  // the second half of a quad that the GL split
        if (y != py || a != pa || std::fabs(x - pnext) > 0.01 || right - x != pside) {
            char head[64];
            snprintf(head, sizeof head, "%g,%g %g%s:", x, y, a, std::lround(right - x) == 8 ? "" : (" " + std::to_string(std::lround(right - x)) + "px").c_str());
            out.push_back(head);
        }
        out.back() += (char)(std::lround(t * 16) * 16 + std::lround(s * 16));
        std::tie(px, py, ps, pt, pa, pnext, pside) = std::tuple(x, y, s, t, a, x + 0.75 * (right - x), right - x);
    }
    return out;
}

void tst_put(int layer, double x, double y)
{
    EdLayer& l = ed[layer];
    l.vx[l.count] = x;
    l.vy[l.count] = y;
    l.count++;
}

std::string tst_slurp(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string tst_stdout(const std::function<void()>& run)
{
    testing::internal::CaptureStdout();
    run();
    return testing::internal::GetCapturedStdout();
}

// glibc lets a program replace malloc, calloc and realloc, and its own functions then call these.
thread_local long tstAllocsToFail = -1;
#ifdef __SANITIZE_ADDRESS__
const bool tstAllocCanFail = false;
#else
const bool tstAllocCanFail = true;
extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
static bool tst_alloc_fails()
{
    if (tstAllocsToFail < 0 || tstAllocsToFail-- > 0)
        return false;
    errno = ENOMEM;
    return true;
}
extern "C" void* malloc(size_t n) noexcept { return tst_alloc_fails() ? nullptr : __libc_malloc(n); }
extern "C" void* calloc(size_t n, size_t size) noexcept { return tst_alloc_fails() ? nullptr : __libc_calloc(n, size); }
extern "C" void* realloc(void* p, size_t n) noexcept { return tst_alloc_fails() ? nullptr : __libc_realloc(p, n); }
#endif
