// Text drawing read back from Mesa in feedback mode: one square per byte at the
// right place, size and sheet cell, and the progress lines of the two loaders.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/app.h"
#include "gfx/gfx.h"
#include "tests/support/tst.h"

class TextTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    void SetUp() override { glEnable(GL_TEXTURE_2D); }
    void TearDown() override { glDisable(GL_TEXTURE_2D); }
};

static void expect_matrix_translation(double x, double y)
{
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    for (int i = 0; i < 12; i++)
        EXPECT_DOUBLE_EQ(m[i], (i % 5 == 0) ? 1.0 : 0.0) << "element " << i;
    EXPECT_DOUBLE_EQ(m[12], x);
    EXPECT_DOUBLE_EQ(m[13], y);
}

TEST_F(TextTest, FontRecDrawsOneUprightSquareOnItsCell)
{
    auto prims = tst_feedback([] {
        resetGL(100, 50);
        fontRec(1, 4, 16, (int)imgFontB[1], 0.25);
    });
    ASSERT_FALSE(prims.empty());
    int corners = 0;
    for (const TstPrim& p : prims)
        for (const TstVert& v : p.v) {
            bool right = v.x > 108, bottom = v.y > 58;
            EXPECT_DOUBLE_EQ(v.x, right ? 116 : 100);
            EXPECT_DOUBLE_EQ(v.y, bottom ? 66 : 50);
            EXPECT_DOUBLE_EQ(v.s, right ? 0.125 : 0.0625);
            EXPECT_DOUBLE_EQ(v.t, bottom ? 0.3125 : 0.25);
            EXPECT_DOUBLE_EQ(v.a, 0.25);
            EXPECT_DOUBLE_EQ(v.r, 1);
            corners |= 1 << (right * 2 + bottom);
        }
    EXPECT_EQ(corners, 15);
}

TEST_F(TextTest, SmallTextAdvancesSixWithEightPixelSquares)
{
    auto g = tst_glyphs(tst_feedback([] { fontB(0, alB, -42, -42, "A%d%%\n ", 7); }));
    const std::string want = "A7%\n ";
    ASSERT_EQ(g.size(), want.size());
    for (size_t i = 0; i < g.size(); i++) {
        EXPECT_EQ(g[i].ch, (unsigned char)want[i]);
        EXPECT_DOUBLE_EQ(g[i].x, -42 + 6.0 * i);
        EXPECT_DOUBLE_EQ(g[i].y, -42);
        EXPECT_DOUBLE_EQ(g[i].size, 8);
        EXPECT_DOUBLE_EQ(g[i].alpha, 0.5);
    }
    expect_matrix_translation(-42 + 6.0 * 4, -42);
}

TEST_F(TextTest, LargeTextAdvancesTwelveWithSixteenPixelSquares)
{
    auto g = tst_glyphs(tst_feedback([] { fontA(1, 1, 10, 20, "Hi!"); }));
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(tst_text_at(g, 20), "Hi!");
    for (size_t i = 0; i < g.size(); i++) {
        EXPECT_DOUBLE_EQ(g[i].x, 10 + 12.0 * i);
        EXPECT_DOUBLE_EQ(g[i].size, 16);
        EXPECT_DOUBLE_EQ(g[i].alpha, 1);
    }
}

TEST_F(TextTest, EmptyTextDrawsNothingAndKeepsTheMatrix)
{
    auto prims = tst_feedback([] {
        resetGL(33, -7);
        fontB(0, alB, 1, 2, "%s", "");
        fontA(1, 1, 1, 2, "%s", "");
    });
    EXPECT_TRUE(prims.empty());
    expect_matrix_translation(33, -7);
}

TEST_F(TextTest, LongTextIsCutAt255Characters)
{
    std::string longText(300, 'W');
    longText[254] = 'E';
    // A projection five windows wide keeps all 255 squares unclipped.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-400, 3600, 300, -300, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    auto g = tst_glyphs(tst_feedback([&] { fontB(0, alB, -400, 0, "%s", longText.c_str()); }));
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    ASSERT_EQ(g.size(), 255u);
    EXPECT_EQ(g.back().ch, 'E');
    EXPECT_EQ(g[253].ch, 'W');
    expect_matrix_translation(-400 + 6.0 * 254, 0);
}

TEST_F(TextTest, HighBytesUseTheLowerHalfOfTheSheet)
{
    auto g = tst_glyphs(tst_feedback([] { fontB(0, alB, 0, 0, "\x80\xc8\xff"); }));
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[0].ch, 128);
    EXPECT_EQ(g[1].ch, 200);
    EXPECT_EQ(g[2].ch, 255);
}

TEST_F(TextTest, BothFacesCoverTheSameSquares)
{
    for (int size = 0; size < 2; size++) {
        auto b = tst_glyphs(tst_feedback([&] { fontB(size, alB, -100, 40, "CULL_FACE 12"); }));
        auto a = tst_glyphs(tst_feedback([&] { fontA(size, 1, -100, 40, "CULL_FACE 12"); }));
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); i++) {
            EXPECT_EQ(a[i].ch, b[i].ch);
            EXPECT_DOUBLE_EQ(a[i].x, b[i].x);
            EXPECT_DOUBLE_EQ(a[i].y, b[i].y);
            EXPECT_DOUBLE_EQ(a[i].size, b[i].size);
        }
    }
}

TEST_F(TextTest, OutOfRangeSizeIndexStaysOnTheTwoSheets)
{
    auto g = tst_glyphs(tst_feedback([] { fontB(5, alB, 0, 0, "AB"); }));
    ASSERT_EQ(g.size(), 2u);
    EXPECT_DOUBLE_EQ(g[0].size, 16);
    EXPECT_DOUBLE_EQ(g[1].x, 12);
}

TEST_F(TextTest, LoadersShowTheirProgressLines)
{
    auto fonts = tst_lines(tst_glyphs(tst_feedback(load_Fonts)));
    EXPECT_EQ(fonts, std::vector<std::string>{"-42,-42:FONTS CHECK"});
    auto lists = tst_lines(tst_glyphs(tst_feedback(load_ImgSet)));
    std::vector<std::string> want = {"-42,-42:FONTS CHECK OK", "-42,-36:IMAGE CHECK OK", "-42,-30:TXTUR CHECK"};
    EXPECT_EQ(lists, want);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    for (GLuint t : {imgFontA[0], imgFontA[1], imgFontB[0], imgFontB[1]})
        EXPECT_TRUE(glIsTexture(t));
}
