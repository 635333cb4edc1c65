// The numbered display lists behind the editor's fixed decorations, and the
// progress screen shown while they are built.
#include <cmath>

#include "app/app.h"
#include "gfx/gfx.h"

static void lst_colA() { glColor4dv(GFX_FRAME); }
static void lst_colB() { glColor4d(0, 0.5, 1, 0.8); }

static void lst_verts(GLenum mode, const double (*v)[2], int n)
{
    glBegin(mode);
    for (int i = 0; i < n; ++i)
        glVertex2d(v[i][0], v[i][1]);
    glEnd();
}

// Value arrows beside the panel cursor; the left tip at x leftTip.
static void lst_arrows(double leftTip)
{
    const double v[6][2] = {{leftTip, 3}, {leftTip + 6, 0}, {leftTip + 6, 6}, {36, 0}, {42, 3}, {36, 6}};
    lst_verts(GL_TRIANGLES, v, 6);
}

static void lst_rays()
{
    for (int i = 0; i < 8; ++i) {
        float angle = (float)i * 6.283185f * 0.125f;
        double c = std::cos((double)angle), s = std::sin((double)angle);
        glBegin(GL_LINES);
        glVertex2d(10 * c, 10 * s);
        glVertex2d(6 * c, 6 * s);
        glEnd();
    }
}

// A section box: a filled strip in colour A, then its outline in colour B.
static void lst_box(const double (*strip)[2], const double (*loop)[2])
{
    lst_colA();
    lst_verts(GL_TRIANGLE_STRIP, strip, 4);
    lst_colB();
    lst_verts(GL_LINE_LOOP, loop, 4);
}

// Strips starting on the right wind the other way, so front-face culling drops them.
static void lst_box_rtl(double h)
{
    const double strip[4][2] = {{-270, 0}, {-390, 0}, {-270, h}, {-390, h}};
    const double loop[4][2] = {{-270, 0}, {-390, 0}, {-390, h}, {-270, h}};
    lst_box(strip, loop);
}

static void lst_box_ltr(double h, bool loopFromLeft)
{
    const double strip[4][2] = {{-390, 0}, {-270, 0}, {-390, h}, {-270, h}};
    const double fromRight[4][2] = {{-270, 0}, {-390, 0}, {-390, h}, {-270, h}};
    const double fromLeft[4][2] = {{-390, 0}, {-270, 0}, {-270, h}, {-390, h}};
    lst_box(strip, loopFromLeft ? fromLeft : fromRight);
}

static void lst_previews()
{
    resetGL(0, 186 - WIH);
    const double quads[12][2] = {{-390, 12},  {-270, 12},  {-270, 72},  {-390, 72},
                                 {-390, 78},  {-270, 78},  {-270, 138}, {-390, 138},
                                 {-390, 144}, {-270, 144}, {-270, 264}, {-390, 264}};
    glBegin(GL_QUADS);
    glColor4d(0, 0.3, 1, 0.2);
    for (const auto& v : quads)
        glVertex2d(v[0], v[1]);
    glEnd();
    const double lines[20][2] = {{-390, 42},  {-270, 42},  {-390, 108}, {-270, 108}, {-390, 204},
                                 {-270, 204}, {-360, 12},  {-360, 72},  {-330, 12},  {-330, 72},
                                 {-300, 12},  {-300, 72},  {-360, 78},  {-360, 138}, {-330, 78},
                                 {-330, 138}, {-300, 78},  {-300, 138}, {-330, 144}, {-330, 264}};
    glBegin(GL_LINES);
    glColor4d(0, 0.3, 1, 0.4);
    for (const auto& v : lines)
        glVertex2d(v[0], v[1]);
    glEnd();
}

static void lst_canvas_frame()
{
    glBegin(GL_LINE_LOOP);
    lst_colA();
    glVertex2d(-258, 42 - WIH);
    glVertex2d(390, 42 - WIH);
    glVertex2d(390, WIH - 24);
    glVertex2d(-258, WIH - 24);
    glEnd();
}

static void lst_bar()
{
    const double v[4][2] = {{-78, 0}, {42, 0}, {-78, 6}, {42, 6}};
    lst_verts(GL_TRIANGLE_STRIP, v, 4);
}

static void lst_marker_current()
{
    mdl_Cir(1, 0.3, 0.3, 6);
    mdl_Cir(0, 0.5, 0.5, 6);
}

static void lst_plus()
{
    mdl_Lin(3, 0);
    mdl_Lin(0, 3);
}

static void lst_compile(GfxList list, void (*contents)())
{
    glNewList(list, GL_COMPILE);
    contents();
    glEndList();
}

void load_ImgSet()
{
    load_progress(2, "TXTUR CHECK");
    SDL_Delay(100);
    lst_compile(LST_ARROWS, [] { lst_arrows(0); });
    lst_compile(LST_ARROWS_WIDE, [] { lst_arrows(-42); });
    lst_compile(LST_BAR, lst_bar);
    lst_compile(LST_MARK, [] { mdl_Cir(0, 0.5, 0.5, 6); });
    lst_compile(LST_MARK_CURRENT, lst_marker_current);
    lst_compile(LST_PLUS, lst_plus);
    lst_compile(LST_SQUARE, [] { mdl_Rec(0, 3, 3); });
    lst_compile(LST_RAYS, lst_rays);
    lst_compile(LST_BOX_GLOBAL, [] { lst_box_ltr(54, false); });
    lst_compile(LST_BOX_LAYER, [] { lst_box_rtl(78); });
    lst_compile(LST_BOX_PREVIEW, [] { lst_box_rtl(264); });
    lst_compile(LST_BOX_BACK, [] { lst_box_ltr(30, true); });
    lst_compile(LST_BOX_OTHER, [] { lst_box_ltr(30, true); });
    lst_compile(LST_PREVIEWS, lst_previews);
    lst_compile(LST_CANVAS_FRAME, lst_canvas_frame);
    lst_compile(LST_BACKGROUND, [] { mdl_Rec(1, 2 * WIW, 2 * WIH); });
}
