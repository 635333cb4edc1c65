// The window and GL state that init_win leaves, read back from real Mesa.
#include <gtest/gtest.h>

#include "app/app.h"
#include "tests/support/tst.h"

class WindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
};

TEST_F(WindowTest, OpensAnOpenGLWindowTitledTessaloom)
{
    SDL_Surface* s = SDL_GetVideoSurface();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 800);
    EXPECT_EQ(s->h, 600);
    EXPECT_TRUE(s->flags & SDL_OPENGL);
    EXPECT_FALSE(s->flags & SDL_FULLSCREEN);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    EXPECT_STREQ(title, "Tessaloom");
    EXPECT_EQ(cm.winToggle, 1);
    EXPECT_EQ(cm.pane, 1);
}

TEST_F(WindowTest, ProjectionPutsOriginAtCentreWithYDown)
{
    auto prims = tst_feedback([] {
        resetGL(10, -20);
        glBegin(GL_POINTS);
        glVertex2d(0, 0);
        glVertex2d(-400 - 10, 300 + 20);
        glEnd();
    });
    ASSERT_EQ(prims.size(), 2u);
    EXPECT_DOUBLE_EQ(prims[0].v[0].x, 10);
    EXPECT_DOUBLE_EQ(prims[0].v[0].y, -20);
    EXPECT_DOUBLE_EQ(prims[1].v[0].x, -400);
    EXPECT_DOUBLE_EQ(prims[1].v[0].y, 300);
}

TEST_F(WindowTest, BlendingFlatShadingNoDepthTest)
{
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLint v;
    glGetIntegerv(GL_SHADE_MODEL, &v);
    EXPECT_EQ(v, GL_FLAT);
    glGetIntegerv(GL_BLEND_SRC, &v);
    EXPECT_EQ(v, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &v);
    EXPECT_EQ(v, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_MATRIX_MODE, &v);
    EXPECT_EQ(v, GL_MODELVIEW);
}

TEST_F(WindowTest, ReopeningReappliesFrontFaceCulling)
{
    cm.cullFace = 1;
    cm.pane = 0;
    cm.winToggle = 0;  // as after RESET ALL: the next switch opens a window
    init_win(&cm.winToggle);
    EXPECT_EQ(cm.winToggle, 1);
    EXPECT_EQ(cm.pane, 1);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    GLint face;
    glGetIntegerv(GL_CULL_FACE_MODE, &face);
    EXPECT_EQ(face, GL_FRONT);
    cm.cullFace = 0;
    cm.winToggle = 0;
    init_win(&cm.winToggle);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
}
