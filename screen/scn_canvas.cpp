// Canvas geometry: background, axes, model area, grid, preview boxes, the
// section highlight or canvas frame, the model drawings and vertex markers.
#include <iterator>

#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"

static const GLdouble bgColors[][4] = {
    {0, 0, 0.5, 1},   {0, 0, 0, 1},     {0.3, 0, 0, 1},   {0, 0.15, 0, 1}, {0.2, 0.2, 0, 1},
    {0.2, 0, 0.2, 1}, {0, 0.3, 0.3, 1}, {0.1, 0.1, 0.1, 1}, {1, 1, 1, 1},
};
static_assert(std::size(bgColors) == BG_COLORS, "a colour for every background choice");

// The section boxes, in the order of the sections.
static const GfxList editBoxes[] = {LST_BOX_GLOBAL, LST_BOX_LAYER, LST_BOX_PREVIEW, LST_BOX_BACK, LST_BOX_OTHER};
static_assert(std::size(editBoxes) == SEC_COUNT, "a box for every section");

double edit_scale()
{
    return cm.scale * PERCENT;
}

static void edit_axes()
{
    glColor4d(0, 0.4, 1, 0.5);
    glBegin(GL_LINES);
    glVertex2d(-2.0 * WIW, 0);
    glVertex2d(2.0 * WIW, 0);
    glVertex2d(0, -2.0 * WIW);
    glVertex2d(0, 2.0 * WIW);
    glEnd();
}

static void edit_grid()
{
    const double w = 5.0 * WIW, h = 5.0 * WIH;
    glBegin(GL_LINES);
    if (cm.gridSpan > 0) {
        for (int i = 1; i < 1200; i++) {
            glColor4d(0, 0.4, 1, multiple(i, cm.gridSpan) == 0 ? 0.2 : 0.1);
            glVertex2d(-w, i);
            glVertex2d(w, i);
            glVertex2d(-w, -i);
            glVertex2d(w, -i);
            glVertex2d(-i, -h);
            glVertex2d(-i, h);
            glVertex2d(i, -h);
            glVertex2d(i, h);
        }
    }
    glEnd();
}

static void edit_highlight()
{
    if (cm.pane == PANE_CANVAS) {
        edit_backs_src(LST_CANVAS_FRAME, 0);
        return;
    }
    const int s = panel_section(cm.menuItem);
    edit_backs_src(editBoxes[s], *panelSections[s].row);
}

void edit_backs()
{
    resetGL(LAY_CANVAS_X, 0);
    glColor4dv(bgColors[cm.bgColor]);
    glCallList(LST_BACKGROUND);
    edit_axes();
    glScaled(edit_scale(), edit_scale(), 1);
    glColor4d(0, 0, 1, 0.2);
    mdl_Rec(1, cm.sizeX, cm.sizeY);
    glColor4dv(GFX_FRAME);
    mdl_Rec(0, cm.sizeX, cm.sizeY);
    edit_grid();
    glCallList(LST_PREVIEWS);
    edit_highlight();
}

void edit_backs_src(GfxList list, double y)
{
    resetGL(0, y);
    glCallList(list);
}

static void edit_layer(const EdLayer& l)
{
    if (l.view == VIEW_WIRE)
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    if (l.colorSel < COLOR_PER_VERTEX)
        glColor4d(l.r, l.g, l.b, l.a);
    glBegin(l.drawType);
    for (int j = 0; j < l.count; j++) {
        if (l.colorSel >= COLOR_PER_VERTEX)
            glColor4d(l.vr[j], l.vg[j], l.vb[j], l.va[j]);
        glVertex2d(l.vx[j], l.vy[j]);
    }
    glEnd();
    if (l.view == VIEW_WIRE)
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void edit_model(double scale, double angle, double x, double y)
{
    resetGL(x, y);
    glScaled(scale, scale, 1);
    glRotated(angle, 0, 0, 1);
    for (const EdLayer& l : ed)
        if (l.view > VIEW_OFF)
            edit_layer(l);
}

void edit_model_all()
{
    const int scales[] = {cm.prevScale1, cm.prevScale2, cm.prevScale3};
    static_assert(std::size(scales) == std::size(LAY_PREVIEWS), "a scale for every preview box");
    edit_model(edit_scale(), 0, LAY_CANVAS_X, 0);
    for (size_t i = 0; i < std::size(scales); i++) {
        const LayBox& b = LAY_PREVIEWS[i];
        const double s = scales[i] * PERCENT, y = cm.rowPreview + (b.top + b.bottom) / 2.0;
        if (b.halved) {
            edit_model(s, 0, LAY_PREVIEW_STILL, y);
            edit_model(s, ALP.spin, LAY_PREVIEW_SPIN, y);
        } else {
            edit_model(s, 0, LAY_PREVIEW_MID, y);
        }
    }
}

void edit_point(double scale, double angle, double x, double y)
{
    for (int i = 0; i < ED_LAYERS; i++) {
        const EdLayer& l = ed[i];
        if (l.view <= VIEW_OFF)
            continue;
        for (int j = 0; j < l.count; j++) {
            resetGL(scale * l.vx[j] + x, scale * l.vy[j] + y);
            glScaled(scale, scale, 1);
            glRotated(angle, 0, 0, 1);
            if (i == cm.layer) {
                glColor4d(0, 1, 1, 0.3);
                glCallList(LST_MARK_CURRENT);
            } else {
                glColor4d(0, 0.8, 1, 0.3);
                glScaled(0.5, 0.5, 1);
                glCallList(LST_MARK);
            }
        }
    }
}

void edit_alias_setter(int on)
{
    if (on == 0) {
        glDisable(GL_POINT_SMOOTH);
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_POLYGON_SMOOTH);
    } else if (on == 1) {
        glEnable(GL_POINT_SMOOTH);
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_POLYGON_SMOOTH);
        glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
        glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
        glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    }
}
