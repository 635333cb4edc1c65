// Canvas geometry: background, axes, model area, grid, preview boxes, the
// section highlight or canvas frame, the model drawings and vertex markers.
#include <algorithm>

#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"

static const GLdouble bgColors[9][4] = {
    {0, 0, 0.5, 1},   {0, 0, 0, 1},     {0.3, 0, 0, 1},   {0, 0.15, 0, 1}, {0.2, 0.2, 0, 1},
    {0.2, 0, 0.2, 1}, {0, 0.3, 0.3, 1}, {0.1, 0.1, 0.1, 1}, {1, 1, 1, 1},
};

// Vertices of a layer that may be read: never past the per-vertex arrays.
static int edit_count(const EdLayer& l)
{
    return std::clamp(l.count, 0, (int)ED_MAXVERT);
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
    if (cm.pane == 1)
        edit_backs_src(50, 0);
    else if (cm.menuItem <= 7)
        edit_backs_src(30, cm.rowGlobal);
    else if (cm.menuItem <= 19)
        edit_backs_src(31, cm.rowLayer);
    else if (cm.menuItem <= 22)
        edit_backs_src(33, cm.rowPreview);
    else if (cm.menuItem <= 26)
        edit_backs_src(34, cm.rowBack);
    else if (cm.menuItem <= 30)
        edit_backs_src(35, cm.rowOther);
}

void edit_backs()
{
    resetGL(60, 0);
    glColor4dv(bgColors[std::clamp(cm.bgColor, 0, 8)]);
    glCallList(60);
    edit_axes();
    const double s = cm.scale * 0.01;
    glScaled(s, s, 1);
    glColor4d(0, 0, 1, 0.2);
    mdl_Rec(1, cm.sizeX, cm.sizeY);
    glColor4d(0, 0.5, 1, 0.4);
    mdl_Rec(0, cm.sizeX, cm.sizeY);
    edit_grid();
    glCallList(40);
    edit_highlight();
}

void edit_backs_src(int list, double y)
{
    resetGL(0, y);
    glCallList(list);
}

static void edit_layer(const EdLayer& l)
{
    if (l.view == 1)
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    if (l.colorSel < 0)
        glColor4d(l.r, l.g, l.b, l.a);
    glBegin(l.drawType);
    for (int j = 0; j < edit_count(l); j++) {
        if (l.colorSel >= 0)
            glColor4d(l.vr[j], l.vg[j], l.vb[j], l.va[j]);
        glVertex2d(l.vx[j], l.vy[j]);
    }
    glEnd();
    if (l.view == 1)
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void edit_model(double scale, double angle, double x, double y)
{
    resetGL(x, y);
    glScaled(scale, scale, 1);
    glRotated(angle, 0, 0, 1);
    for (const EdLayer& l : ed)
        if (l.view > 0)
            edit_layer(l);
}

void edit_point(double scale, double angle, double x, double y)
{
    for (int i = 0; i < ED_LAYERS; i++) {
        const EdLayer& l = ed[i];
        if (l.view <= 0)
            continue;
        for (int j = 0; j < edit_count(l); j++) {
            resetGL(scale * l.vx[j] + x, scale * l.vy[j] + y);
            glScaled(scale, scale, 1);
            glRotated(angle, 0, 0, 1);
            if (i == cm.layer) {
                glColor4d(0, 1, 1, 0.3);
                glCallList(26);
            } else {
                glColor4d(0, 0.8, 1, 0.3);
                glScaled(0.5, 0.5, 1);
                glCallList(25);
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
