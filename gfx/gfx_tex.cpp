// Glyph-sheet textures: a BMP sheet becomes an RGBA texture with black keyed
// out. A sheet that cannot be used leaves a tiny transparent texture in its slot,
// so text drawn from it is invisible but harmless and the editor carries on.
#include <cstdio>

#include "gfx/gfx.h"

// A sheet sits in the top-left corner of the next power-of-two texture; one
// whose sides are not powers of two then has its cells misplaced (texture
// coordinates address cells by 1/16 of the texture), but it still loads.
// Sides beyond 4096 are refused: every GL we run on takes that much and no
// glyph sheet needs more.
enum { TEX_MAX_SIDE = 4096 };

static void tex_upload(int w, int h, const void* pixels, GLuint* out)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    *out = name;
    // Quitting SDL here would leave the whole editor dead for want of one
    // texture; name 0 only makes its text draw untextured.
    if (name == 0)
        fprintf(stderr, "tessaloom: no texture name for a glyph sheet\n");
}

static void tex_empty(GLuint* out)
{
    static const Uint8 clear[4] = {0, 0, 0, 0};
    tex_upload(1, 1, clear, out);
}

static int tex_pow2(int n)
{
    int p = 1;
    while (p < n)
        p *= 2;
    return p;
}

// Copies the keyed, display-format sheet into an RGBA working surface
// (bytes R, G, B, A in memory) and uploads it; false if SDL could not help.
static bool tex_from_surface(SDL_Surface* loaded, GLuint* out)
{
    SDL_SetColorKey(loaded, SDL_SRCCOLORKEY | SDL_RLEACCEL, 0);
    SDL_Surface* conv = SDL_DisplayFormat(loaded);
    if (!conv)
        return false;
    int w = tex_pow2(conv->w), h = tex_pow2(conv->h);
    SDL_Surface* work = SDL_CreateRGBSurface(0, w, h, 32, 0x000000ff, 0x0000ff00, 0x00ff0000, 0xff000000);
    if (!work) {
        SDL_FreeSurface(conv);
        return false;
    }
    if (conv->flags & SDL_SRCALPHA)
        SDL_SetAlpha(conv, 0, 0);
    SDL_BlitSurface(conv, nullptr, work, nullptr);
    tex_upload(w, h, work->pixels, out);
    SDL_FreeSurface(conv);
    SDL_FreeSurface(work);
    return true;
}

void createTex(int /*kind: only plain 2-D textures exist*/, const char* path, GLuint* out)
{
    SDL_RWops* rw = SDL_RWFromFile(path, "rb");
    SDL_Surface* loaded = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    if (!loaded) {
        puts("KAKUNIN 1");
        fprintf(stderr, "tessaloom: cannot read glyph sheet %s: %s\n", path, SDL_GetError());
        tex_empty(out);
        return;
    }
    bool ok = false;
    if (loaded->w > TEX_MAX_SIDE || loaded->h > TEX_MAX_SIDE) {
        puts("KAKUNIN 1");
        fprintf(stderr, "tessaloom: glyph sheet %s is %dx%d, larger than %d a side\n", path, loaded->w,
                loaded->h, TEX_MAX_SIDE);
    } else if (!(ok = tex_from_surface(loaded, out))) {
        fprintf(stderr, "tessaloom: cannot convert glyph sheet %s: %s\n", path, SDL_GetError());
    }
    SDL_FreeSurface(loaded);
    if (!ok)
        tex_empty(out);
}
