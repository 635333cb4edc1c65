// Text: loading the four glyph sheets and drawing formatted text one textured
// square per byte, in the normal face (fontB) or the highlight face (fontA).
#include <cstdarg>
#include <cstdio>

#include "gfx/gfx.h"

void load_Fonts()
{
    createTex(0, RES_DIR "iFC06.dat", &imgFontA[0]);
    createTex(0, RES_DIR "iFC12.dat", &imgFontA[1]);
    createTex(0, RES_DIR "iFD06.dat", &imgFontB[0]);
    createTex(0, RES_DIR "iFD12.dat", &imgFontB[1]);
    load_progress(0, "FONTS CHECK");
    SDL_Delay(100);
}

void load_progress(int done, const char* format, ...)
{
    static const char* const stages[] = {"FONTS CHECK OK", "IMAGE CHECK OK", "TXTUR CHECK OK", "SOUND CHECK OK"};
    char line[TXT_BUF];
    va_list ap;
    va_start(ap, format);
    vsnprintf(line, sizeof line, format, ap);
    va_end(ap);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    for (int i = 0; i < done; i++)
        fontB(0, alB, -42, -42 + 6 * i, "%s", stages[i]);
    fontB(0, alB, -42, -42 + 6 * done, "%s", line);
    glDisable(GL_TEXTURE_2D);
    SDL_GL_SwapBuffers();
}

void fontRec(int column, int row, double size, int texture, double alpha)
{
    const float cell = 0.0625f;
    double u = column * cell, v = row * cell;
    glBindTexture(GL_TEXTURE_2D, (GLuint)texture);
    glBegin(GL_QUADS);
    glColor4d(1, 1, 1, alpha);
    glTexCoord2d(u, v);
    glVertex2d(0, 0);
    glTexCoord2d(u + cell, v);
    glVertex2d(size, 0);
    glTexCoord2d(u + cell, v + cell);
    glVertex2d(size, size);
    glTexCoord2d(u, v + cell);
    glVertex2d(0, size);
    glEnd();
}

__attribute__((format(printf, 6, 0)))
static void font_draw(const GLuint* table, int size, double alpha, double x, double y, const char* format,
                      va_list args)
{
    char text[TXT_BUF];
    if (vsnprintf(text, sizeof text, format, args) < 0)
        text[0] = 0;
    size = size > 0 ? 1 : 0;  // only two sizes exist; never index past the table
    double side = size * 8 + 8, advance = size * 6 + 6;
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p) {
        glLoadIdentity();
        glTranslated(x, y, 0);
        fontRec(*p & 15, *p >> 4, side, (int)table[size], alpha);
        x += advance;
    }
}

void fontB(int size, double alpha, double x, double y, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    font_draw(imgFontB, size, alpha, x, y, format, args);
    va_end(args);
}

void fontA(int size, double alpha, double x, double y, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    font_draw(imgFontA, size, alpha, x, y, format, args);
    va_end(args);
}
