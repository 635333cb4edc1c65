// X helper for the end-to-end tests: find the editor's window by its name,
// close it the way a window manager would, measure it, and read its pixels.
//   tess_xtool wait NAME SECONDS   tess_xtool close NAME   tess_xtool size NAME
//   tess_xtool shot NAME OUT.bmp   tess_xtool pixel NAME X Y (editor coordinates)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static Window xt_find(Display* d, Window w, const char* name)
{
    char* title = nullptr;
    if (XFetchName(d, w, &title) && title) {
        bool hit = strcmp(title, name) == 0;
        XFree(title);
        XWindowAttributes at;
        if (hit && XGetWindowAttributes(d, w, &at) && at.map_state == IsViewable)
            return w;
    }
    Window root, parent, *kids = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &kids, &n)) {
        for (unsigned i = 0; i < n && !found; i++)
            found = xt_find(d, kids[i], name);
        if (kids)
            XFree(kids);
    }
    return found;
}

static XImage* xt_grab(Display* d, Window w, int* wd, int* ht)
{
    XWindowAttributes at;
    XGetWindowAttributes(d, w, &at);
    *wd = at.width;
    *ht = at.height;
    return XGetImage(d, w, 0, 0, at.width, at.height, AllPlanes, ZPixmap);
}

static int xt_close(Display* d, Window w)
{
    XEvent ev;
    memset(&ev, 0, sizeof ev);
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &ev);
    XFlush(d);
    return 0;
}

static int xt_shot(Display* d, Window w, const char* out)
{
    int wd, ht;
    XImage* img = xt_grab(d, w, &wd, &ht);
    if (!img)
        return 1;
    SDL_Surface* s = SDL_CreateRGBSurface(0, wd, ht, 24, 0xff0000, 0xff00, 0xff, 0);
    for (int y = 0; y < ht; y++)
        for (int x = 0; x < wd; x++) {
            unsigned long p = XGetPixel(img, x, y);
            Uint8* dst = (Uint8*)s->pixels + y * s->pitch + x * 3;
            dst[0] = p & 0xff;
            dst[1] = (p >> 8) & 0xff;
            dst[2] = (p >> 16) & 0xff;
        }
    int rc = SDL_SaveBMP(s, out) == 0 ? 0 : 1;
    SDL_FreeSurface(s);
    XDestroyImage(img);
    return rc;
}

// A window can vanish between listing the tree and asking for its name (SDL
// makes and drops helper windows at start-up); that window is just skipped.
static int xt_ignore_error(Display*, XErrorEvent* e)
{
    if (e->error_code != BadWindow)
        fprintf(stderr, "tess_xtool: X error %d\n", e->error_code);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: tess_xtool wait|close|size|shot|pixel NAME ...\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        fprintf(stderr, "tess_xtool: no display\n");
        return 2;
    }
    XSetErrorHandler(xt_ignore_error);
    const char* cmd = argv[1];
    double limit = strcmp(cmd, "wait") == 0 && argc > 3 ? atof(argv[3]) : 0;
    Window w = 0;
    for (double t = 0;; t += 0.05) {
        w = xt_find(d, DefaultRootWindow(d), argv[2]);
        if (w || t >= limit)
            break;
        usleep(50000);
    }
    if (!w) {
        fprintf(stderr, "tess_xtool: no window named %s\n", argv[2]);
        return 1;
    }
    if (strcmp(cmd, "wait") == 0) {
        printf("%lu\n", (unsigned long)w);
        return 0;
    }
    if (strcmp(cmd, "close") == 0)
        return xt_close(d, w);
    if (strcmp(cmd, "size") == 0) {
        XWindowAttributes at;
        XGetWindowAttributes(d, w, &at);
        printf("%dx%d\n", at.width, at.height);
        return 0;
    }
    if (strcmp(cmd, "shot") == 0 && argc > 3)
        return xt_shot(d, w, argv[3]);
    if (strcmp(cmd, "pixel") == 0 && argc > 4) {
        XImage* img = XGetImage(d, w, atoi(argv[3]) + 400, atoi(argv[4]) + 300, 1, 1, AllPlanes, ZPixmap);
        unsigned long p = XGetPixel(img, 0, 0);
        printf("%lu %lu %lu\n", (p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
        XDestroyImage(img);
        return 0;
    }
    fprintf(stderr, "tess_xtool: bad command\n");
    return 2;
}
