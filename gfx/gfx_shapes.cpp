// Shape primitives the display lists and the canvas are built from: a segment
// through the origin, a centred rectangle and a centred ellipse polygon.
#include <cmath>

#include "gfx/gfx.h"

void mdl_Lin(double a, double b)
{
    glBegin(GL_LINES);
    glVertex2d(-a, -b);
    glVertex2d(a, b);
    glEnd();
}

void mdl_Rec(int fill, double w, double h)
{
    glBegin(fill ? GL_QUADS : GL_LINE_LOOP);
    glVertex2d(-w, -h);
    glVertex2d(w, -h);
    glVertex2d(w, h);
    glVertex2d(-w, h);
    glEnd();
}

void mdl_Cir(int fill, double rx, double ry, int n)
{
    glBegin(fill ? GL_POLYGON : GL_LINE_LOOP);
    for (int i = 0; i < n; ++i) {
        // Single precision on purpose: the markers' corners sit where they always have.
        float angle = (float)i * 6.283185f / (float)n;
        glVertex2d(std::cos((double)angle) * rx, std::sin((double)angle) * ry);
    }
    glEnd();
}
