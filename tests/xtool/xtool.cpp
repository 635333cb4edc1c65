// What xdotool cannot do for the end-to-end tests, on a window id from
// xdotool search:
//   tess_xtool close WIN   ask it to close as a window manager would (WM_DELETE_WINDOW)
//   tess_xtool shot WIN    its pixels as a binary PPM on stdout
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    Display* d = XOpenDisplay(nullptr);
    if (argc != 3 || !d) {
        fprintf(stderr, "usage: tess_xtool close|shot WINDOW-ID (with a display)\n");
        return 2;
    }
    Window w = strtoul(argv[2], nullptr, 0);
    XWindowAttributes at;
    XImage* img = nullptr;
    if (strcmp(argv[1], "close") == 0) {
        XEvent ev = {};  // zero data.l[1] is CurrentTime
        ev.xclient.type = ClientMessage;
        ev.xclient.window = w;
        ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
        XSendEvent(d, w, False, NoEventMask, &ev);
    } else if (XGetWindowAttributes(d, w, &at) && (img = XGetImage(d, w, 0, 0, at.width, at.height, AllPlanes, ZPixmap))) {
        printf("P6 %d %d 255\n", at.width, at.height);
        for (int y = 0; y < at.height; y++)
            for (int x = 0; x < at.width; x++) {
                unsigned long p = XGetPixel(img, x, y);
                putchar((p >> 16) & 0xff), putchar((p >> 8) & 0xff), putchar(p & 0xff);
            }
        XDestroyImage(img);
    } else {
        return 1;
    }
    XCloseDisplay(d);  // also sends what is queued
    return 0;
}
