// The numbered display lists behind the editor's fixed decorations, placed by
// the screen layout.
#include <cmath>
#include <initializer_list>

#include "app/app.h"
#include "app/app_panel.h"
#include "gfx/gfx.h"

// The panel cursor's bar spans the panel column, drawn from where its values start.
constexpr double LST_BAR_L = LAY_PANEL_L - LAY_VALUES, LST_BAR_R = LAY_PANEL_R - LAY_VALUES;

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
    const double r = LST_BAR_R;
    const double v[6][2] = {{leftTip, 3}, {leftTip + 6, 0}, {leftTip + 6, 6}, {r - 6, 0}, {r, 3}, {r - 6, 6}};
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
    const double l = LAY_PANEL_L, r = LAY_PANEL_R;
    const double strip[4][2] = {{r, 0}, {l, 0}, {r, h}, {l, h}};
    const double loop[4][2] = {{r, 0}, {l, 0}, {l, h}, {r, h}};
    lst_box(strip, loop);
}

static void lst_box_ltr(double h, bool loopFromLeft)
{
    const double l = LAY_PANEL_L, r = LAY_PANEL_R;
    const double strip[4][2] = {{l, 0}, {r, 0}, {l, h}, {r, h}};
    const double fromRight[4][2] = {{r, 0}, {l, 0}, {l, h}, {r, h}};
    const double fromLeft[4][2] = {{l, 0}, {r, 0}, {r, h}, {l, h}};
    lst_box(strip, loopFromLeft ? fromLeft : fromRight);
}

static void lst_upright(double x, const LayBox& b)
{
    glVertex2d(x, b.top);
    glVertex2d(x, b.bottom);
}

// The preview boxes, each crossed at its middle and split upright through
// where its drawings stand.
static void lst_previews()
{
    const double l = LAY_PANEL_L, r = LAY_PANEL_R;
    resetGL(0, LAY_ROW_PREVIEW);
    glBegin(GL_QUADS);
    glColor4d(0, 0.3, 1, 0.2);
    for (const LayBox& b : LAY_PREVIEWS) {
        glVertex2d(l, b.top);
        glVertex2d(r, b.top);
        glVertex2d(r, b.bottom);
        glVertex2d(l, b.bottom);
    }
    glEnd();
    glBegin(GL_LINES);
    glColor4d(0, 0.3, 1, 0.4);
    for (const LayBox& b : LAY_PREVIEWS) {
        glVertex2d(l, (b.top + b.bottom) / 2.0);
        glVertex2d(r, (b.top + b.bottom) / 2.0);
    }
    for (const LayBox& b : LAY_PREVIEWS) {
        if (b.halved)
            lst_upright(LAY_PREVIEW_STILL, b);
        lst_upright(LAY_PREVIEW_MID, b);
        if (b.halved)
            lst_upright(LAY_PREVIEW_SPIN, b);
    }
    glEnd();
}

static void lst_canvas_frame()
{
    glBegin(GL_LINE_LOOP);
    lst_colA();
    glVertex2d(LAY_CANVAS_L, LAY_CANVAS_T);
    glVertex2d(LAY_CANVAS_R, LAY_CANVAS_T);
    glVertex2d(LAY_CANVAS_R, LAY_CANVAS_B);
    glVertex2d(LAY_CANVAS_L, LAY_CANVAS_B);
    glEnd();
}

static void lst_bar()
{
    const double v[4][2] = {{LST_BAR_L, 0}, {LST_BAR_R, 0}, {LST_BAR_L, LAY_LINE}, {LST_BAR_R, LAY_LINE}};
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
    load_progress(STAGE_TXTUR, "TXTUR CHECK");
    SDL_Delay(100);
    lst_compile(LST_ARROWS, [] { lst_arrows(0); });
    lst_compile(LST_ARROWS_WIDE, [] { lst_arrows(-42); });
    lst_compile(LST_BAR, lst_bar);
    lst_compile(LST_MARK, [] { mdl_Cir(0, 0.5, 0.5, 6); });
    lst_compile(LST_MARK_CURRENT, lst_marker_current);
    lst_compile(LST_PLUS, lst_plus);
    lst_compile(LST_SQUARE, [] { mdl_Rec(0, 3, 3); });
    lst_compile(LST_RAYS, lst_rays);
    lst_compile(LST_BOX_GLOBAL, [] { lst_box_ltr(panel_box_height(SEC_GLOBAL), false); });
    lst_compile(LST_BOX_LAYER, [] { lst_box_rtl(panel_box_height(SEC_LAYER)); });
    lst_compile(LST_BOX_PREVIEW, [] { lst_box_rtl(panel_box_height(SEC_PREVIEW)); });
    lst_compile(LST_BOX_BACK, [] { lst_box_ltr(panel_box_height(SEC_BACK), true); });
    lst_compile(LST_BOX_OTHER, [] { lst_box_ltr(panel_box_height(SEC_OTHER), true); });
    lst_compile(LST_PREVIEWS, lst_previews);
    lst_compile(LST_CANVAS_FRAME, lst_canvas_frame);
    lst_compile(LST_BACKGROUND, [] { mdl_Rec(1, 2 * WIW, 2 * WIH); });
}
