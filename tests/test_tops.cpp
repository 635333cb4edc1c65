// Title, version, rule, footer, frame rate and culling flag, read off a frame;
// plus a screenshot of real text kept as a test artefact.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"
#include "tests/support/tst.h"

// Text of the glyphs on row y with the given square size and alpha, in drawing order.
static std::string tp_text(const std::vector<TstGlyph>& g, double y, double size, double alpha, double x0 = -1e9)
{
    std::string s;
    for (const TstGlyph& c : g)
        if (std::fabs(c.y - y) < 0.5 && std::fabs(c.size - size) < 0.01 && std::fabs(c.alpha - alpha) < 0.01 &&
            c.x >= x0 - 0.5)
            s += (char)c.ch;
    return s;
}

static const TstGlyph* tp_first(const std::vector<TstGlyph>& g, double y, double x)
{
    for (const TstGlyph& c : g)
        if (std::fabs(c.y - y) < 0.5 && std::fabs(c.x - x) < 0.5)
            return &c;
    return nullptr;
}

class TopsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override { tst_reset_records(); }
    static std::vector<TstGlyph> frame()
    {
        glEnable(GL_TEXTURE_2D);
        auto g = tst_glyphs(tst_feedback([] { scn_tops(); }));
        glDisable(GL_TEXTURE_2D);
        return g;
    }
};

TEST_F(TopsTest, TitleVersionRuleAndFooter)
{
    ALP.titleAlpha = 0.25;
    tm.fps = 20;
    auto g = frame();
    EXPECT_EQ(tp_text(g, -294, 16, 0.5), "Tessaloom");
    EXPECT_EQ(tp_text(g, -294, 16, 0.25), "Tessaloom") << "the pulsing copy uses the title alpha";
    ASSERT_NE(tp_first(g, -294, -390), nullptr);
    EXPECT_EQ(tp_text(g, -294, 8, 0.5), "VERSION 1.3b" + std::string(90, '_'));
    ASSERT_NE(tp_first(g, -294, -222), nullptr) << "the version line starts 168 px right of the title";
    EXPECT_EQ(tp_text(g, 282, 8, 0.5), std::string(130, '_'));
    std::string foot = tp_text(g, 288, 8, 0.5);
    EXPECT_EQ(foot.rfind("Tessaloom VERSION 1.3b ", 0), 0u) << foot;
    EXPECT_NE(foot.find("FPS:20/20"), std::string::npos);
    ASSERT_NE(tp_first(g, 288, 336), nullptr);
    EXPECT_EQ(tp_first(g, 288, 336)->ch, 'F');
}

TEST_F(TopsTest, FrameRateIsPaddedToTwoPlaces)
{
    for (int fps : {0, 9, 20}) {
        tm.fps = fps;
        auto g = frame();
        std::string want = fps == 20 ? "FPS:20/20" : fps == 9 ? "FPS: 9/20" : "FPS: 0/20";
        EXPECT_EQ(tp_text(g, 288, 8, 0.5, 336), want);
    }
}

TEST_F(TopsTest, CullFlagShowsExactlyWhileCullingIsOn)
{
    cm.cullFace = 0;
    EXPECT_EQ(tp_text(frame(), 276, 8, 1.0), "");
    cm.cullFace = 1;
    auto g = frame();
    EXPECT_EQ(tp_text(g, 276, 8, 1.0), "CULL_FACE");
    ASSERT_NE(tp_first(g, 276, 336), nullptr);
}

// A real frame of text in both faces and sizes, kept for the README and for eyes.
TEST_F(TopsTest, ScreenshotOfRealText)
{
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    ALP.titleAlpha = 1.0;
    cm.cullFace = 1;
    tm.fps = 20;
    scn_tops();
    fontB(0, alB, -42, -42, "FONTS CHECK OK");
    fontA(0, 1.0, -42, -36, "IMAGE CHECK OK  abc xyz 0123456789");
    fontB(1, 1.0, -200, 0, "Large face B: The quick brown fox 42%%");
    fontA(1, 1.0, -200, 20, "Large face A: JUMPS over {lazy} dogs!");
    glDisable(GL_TEXTURE_2D);
    glFinish();
    SDL_Surface* s = SDL_CreateRGBSurface(0, 800, 600, 24, 0x0000ff, 0x00ff00, 0xff0000, 0);
    std::vector<unsigned char> px(800 * 600 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    long lit = 0, stray = 0;
    for (int y = 0; y < 600; y++)
        for (int x = 0; x < 800; x++) {
            const unsigned char* p = &px[((599 - y) * 800 + x) * 3];
            memcpy((unsigned char*)s->pixels + y * s->pitch + x * 3, p, 3);
            bool on = p[0] + p[1] + p[2] > 60;
            bool inText = y < 24 || (y >= 256 && y < 276) || (y >= 298 && y < 338) || y >= 574;
            if (on && inText)
                lit++;
            else if (on)
                stray++;
        }
    mkdir("artefacts", 0755);
    EXPECT_EQ(SDL_SaveBMP(s, "artefacts/text.bmp"), 0);
    SDL_FreeSurface(s);
    EXPECT_GT(lit, 2000) << "text pixels are lit";
    EXPECT_EQ(stray, 0) << "the background between the lines stays black";
}
