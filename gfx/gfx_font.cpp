// Text: loading the four glyph sheets and drawing formatted text one textured
// square per byte, in either face.
#include <cstdarg>
#include <cstdio>
#include <iterator>

#include "gfx/gfx.h"
#include "resources/res_files.h"

void load_Fonts()
{
    for (int size = 0; size < 2; size++) {
        createTex(0, res_path(RES_FONTS[0][size]).c_str(), &imgFontA[size]);
        createTex(0, res_path(RES_FONTS[1][size]).c_str(), &imgFontB[size]);
    }
    load_progress(STAGE_FONTS, "FONTS CHECK");
    SDL_Delay(100);
}

void load_progress(int stage, const char* format, ...)
{
    static const char* const done[] = {"FONTS CHECK OK", "IMAGE CHECK OK", "TXTUR CHECK OK", "SOUND CHECK OK"};
    static_assert(std::size(done) == STAGE_INPUT, "a line for every stage that can be done");
    char line[TXT_BUF];
    va_list ap;
    va_start(ap, format);
    vsnprintf(line, sizeof line, format, ap);
    va_end(ap);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    for (int i = 0; i < stage; i++)
        fontB(0, alB, LAY_PROGRESS_X, LAY_PROGRESS_Y + LAY_LINE * i, "%s", done[i]);
    fontB(0, alB, LAY_PROGRESS_X, LAY_PROGRESS_Y + LAY_LINE * stage, "%s", line);
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

void fontIn(ScnFont face, int size, double alpha, double x, double y, const char* format, ...)
{
    char text[TXT_BUF];
    va_list args;
    va_start(args, format);
    if (vsnprintf(text, sizeof text, format, args) < 0)
        text[0] = 0;
    va_end(args);
    size = size > 0 ? 1 : 0;  // only two sizes exist; never index past the table
    double side = size * 8 + 8, advance = size * 6 + 6;
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p) {
        glLoadIdentity();
        glTranslated(x, y, 0);
        fontRec(*p & 15, *p >> 4, side, (int)face[size], alpha);
        x += advance;
    }
}
