// Draws the two blocks of an export file, pasted in as immediate.inc and
// arrays.inc, in a window set up like the editor's canvas, and writes the RGB
// pixels of each drawing to a file so they can be compared with the editor.
#include <SDL.h>
#include <GL/gl.h>

#include <cstdio>
#include <vector>

static void draw_immediate()
{
#include "immediate.inc"
}

static void draw_arrays()
{
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
#include "arrays.inc"
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

static bool shoot(void (*draw)(), const char* path)
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(60, 0, 0);
    glScaled(18, 18, 1);
    draw();
    std::vector<unsigned char> px(800 * 600 * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    FILE* f = fopen(path, "wb");
    if (!f)
        return false;
    const bool ok = fwrite(px.data(), 1, px.size(), f) == px.size();
    return fclose(f) == 0 && ok;
}

int main(int argc, char* argv[])
{
    if (argc != 3 || SDL_Init(SDL_INIT_VIDEO) != 0)
        return 2;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, 32);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(800, 600, 32, SDL_OPENGL))
        return 3;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-400, 400, 300, -300, -1, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_FLAT);
    const int rc = shoot(draw_immediate, argv[1]) && shoot(draw_arrays, argv[2]) ? 0 : 4;
    SDL_Quit();
    return rc;
}
