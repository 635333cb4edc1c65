/* show_model: a model exported by Tessaloom, drawn as the editor draws it.
 * It shows where the lines of the export go: the left half of the window
 * draws the "glBegin ~ glEnd" blocks, the right half the "Arrays" blocks,
 * and the two look the same. Escape, q or closing the window ends it.
 *
 *   cc -Wall -Wextra -Werror show_model.c $(pkg-config --cflags --libs sdl) -lGL -o show_model
 */
#include <SDL.h>
#include <GL/gl.h>
#include <stdio.h>

/* From the export's first line, "SIZE X = 24, Y = 24": the model area in
 * grid units. Each half of the window shows that area, centred. */
#define SIZE_X 24
#define SIZE_Y 24
#define HALF 400 /* pixels a side of each half */

static void draw_immediate(void)
{
    /* Paste here each layer's lines from glBegin to glEnd, layer after layer. */

    /* The export does not say which layers are WIRE, and a WIRE layer's
     * lines alone draw it filled: put them between a pair like this one. */
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

static void draw_arrays(void)
{
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    /* Paste here each layer's lines from float cl to glDrawArrays, layer after layer. */

    /* A WIRE layer's lines: between a pair like this one. */
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
}

/* The editor's drawing state: x to the right and y downward over the model
 * area, blending, flat shading (a triangle, quad or line in the colour of its
 * last vertex, a polygon in that of its first), no depth test. */
static void set_up(void)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-SIZE_X / 2.0, SIZE_X / 2.0, SIZE_Y / 2.0, -SIZE_Y / 2.0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_FLAT);
    glClearColor(0, 0, 0.5, 1); /* the editor's background */
}

static int wants_quit(void)
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_QUIT)
            return 1;
        if (e.type == SDL_KEYDOWN && (e.key.keysym.sym == SDLK_ESCAPE || e.key.keysym.sym == SDLK_q))
            return 1;
    }
    return 0;
}

int main(int argc, char *argv[])
{
    (void)argc;
    (void)argv;
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || !SDL_SetVideoMode(2 * HALF, HALF, 0, SDL_OPENGL)) {
        fprintf(stderr, "show_model: %s\n", SDL_GetError());
        return 1;
    }
    SDL_WM_SetCaption("show_model", NULL);
    set_up();
    while (!wants_quit()) {
        glClear(GL_COLOR_BUFFER_BIT);
        glViewport(0, 0, HALF, HALF);
        draw_immediate();
        glViewport(HALF, 0, HALF, HALF);
        draw_arrays();
        SDL_GL_SwapBuffers();
        SDL_Delay(50);
    }
    SDL_Quit();
    return 0;
}
