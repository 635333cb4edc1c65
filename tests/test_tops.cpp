// Title, version, rule, footer, frame rate and culling flag, read off a frame.
#include <gtest/gtest.h>

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
