// The program's spine: start-up order, window and GL state, the 50 ms frame
// loop, its quit test and pacing, the animation phases and shutdown.
#include "app/app.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "export/export.h"
#include "gfx/gfx.h"
#include "input/input.h"
#include "screen/screen.h"
#include "sound/sound.h"

// Without a window nothing after this point can run, so the process ends here.
static void app_fatal(const char* what)
{
    fprintf(stderr, "tessaloom: %s: %s\n", what, SDL_GetError());
    SDL_Quit();
    exit(EXIT_FAILURE);
}

// No display to open a window on: one plain line, with SDL's reason when a
// display was named, and the process ends.
static void app_no_display()
{
    const char* display = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    if (display && *display)
        fprintf(stderr, "tessaloom: no display: cannot open display \"%s\": %s\n", display, SDL_GetError());
    else if (wayland && *wayland)
        fputs("tessaloom: no display: DISPLAY is not set; under Wayland, set SDL_VIDEODRIVER (wayland, with "
              "sdl12-compat) or start it from an X session\n",
              stderr);
    else
        fputs("tessaloom: no display: DISPLAY is not set\n", stderr);
    exit(EXIT_FAILURE);
}

// Without a display SDL 1.2 falls back to a text-mode driver that takes the
// terminal over, and sdl12-compat to an offscreen one that shows nobody a
// window; so X11 it is, unless the user names a driver. Returns whether it
// was pinned.
static bool app_pin_x11()
{
    if (getenv("SDL_VIDEODRIVER"))
        return false;
    setenv("SDL_VIDEODRIVER", "x11", 1);
    return true;
}

// One event is taken a frame, so every queued event nobody reads delays a
// quit by a frame, and once SDL's 128 places are full a quit is dropped:
// mouse motion over the window, a joystick's noise. Only key presses and
// SDL_QUIT are queued. The keys and the joystick are read as levels
// (inputEngine, which updates the joystick itself); SDL keeps a key's level
// even when its release is not queued.
static void app_quit_events_only()
{
    for (int type = SDL_ACTIVEEVENT; type < SDL_NUMEVENTS; type++)
        if (type != SDL_KEYDOWN && type != SDL_QUIT)
            SDL_EventState(type, SDL_IGNORE);
}

int SDL_main()
{
    start();
    while (!QuitEvents()) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        inputEngine();
        if (gm == GM_SELECT)
            inp_selecter();
        else if (gm == GM_EDITOR)
            editerSet();
        app_caption();
        frameLate();
    }
    EndSet();
    return 0;
}

void start()
{
    const bool x11 = app_pin_x11();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) == -1) {
        if (x11)
            app_no_display();
        app_fatal("cannot start SDL");
    }
    // SDL2 under sdl12-compat fails the whole SDL_Init for a bad audio driver;
    // without sound the editor still works, and the sound loader says why.
    init_audio();
    app_quit_events_only();
    GetDataPath();
    init_common();
    init_win(&cm.winToggle);
    load_Sound();
    load_input();
    init_editer();
    init_model();
    gm = GM_SELECT;
    Uint32 t = SDL_GetTicks();
    tm.timeF = tm.timeS = tm.timeM = tm.timeH = 0;
    tm.framePeriod = FRAME_MS;
    tm.frameEnd = t;
}

// The window's title tells the state of the model, as desktop editors do: the
// model file's name, a * while the model differs from what was last opened or
// written, and why the last export failed until one succeeds. Set only when
// it changes, and anew with every window. Before start-up has put the model in
// place (expSaved still 0) there is nothing to differ from.
static char appCaption[PATH_SIZE + 160];
void app_caption()
{
    char title[sizeof appCaption];
    const char* name = expFile ? strrchr(expFile, '/') : nullptr;
    name = name ? name + 1 : expFile;
    const bool edited = expSaved != 0 && exp_fingerprint() != expSaved;
    snprintf(title, sizeof title, "%s%s%s%s%s%sTessaloom", edited ? "*" : "",
             name ? name : "", name ? " - " : "", expFailure[0] ? "export failed: " : "", expFailure,
             expFailure[0] ? " - " : "");
    if (strcmp(title, appCaption) == 0)
        return;
    snprintf(appCaption, sizeof appCaption, "%s", title);
    SDL_WM_SetCaption(appCaption, "Tessaloom");
}

static SDL_Surface* app_video_mode(bool full)
{
    SDL_Surface* s = SDL_SetVideoMode(2 * WIW, 2 * WIH, 32, full ? SDL_OPENGL | SDL_FULLSCREEN : SDL_OPENGL);
    SDL_ShowCursor(full ? SDL_DISABLE : SDL_ENABLE);
    return s;
}

static void app_gl_state()
{
    glViewport(0, 0, 2 * WIW, 2 * WIH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-WIW, WIW, WIH, -WIH, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glShadeModel(GL_FLAT);
    cull_set();
}

void cull_set()
{
    if (cm.cullFace == 1) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
    } else {
        glDisable(GL_CULL_FACE);
    }
}

void init_win(int* toggle)
{
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, 32);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    bool full = *toggle == 1;
    *toggle = full ? 0 : 1;
    SDL_Surface* s = app_video_mode(full);
    if (!s && full) {
        // Full screen refused: stay usable in a window rather than lose the session.
        fprintf(stderr, "tessaloom: no full-screen mode (%s); staying in a window\n", SDL_GetError());
        *toggle = 1;
        s = app_video_mode(false);
    }
    if (!s)
        app_fatal("cannot open the 800x600 OpenGL window");
    appCaption[0] = 0;
    app_caption();
    app_gl_state();
    load_Fonts();
    load_ImgSet();
    cm.pane = PANE_CANVAS;
}

bool QuitEvents()
{
    if (gm == GM_QUIT)
        return true;
    SDL_Event ev;
    if (!SDL_PollEvent(&ev))
        return false;
    if (ev.type == SDL_KEYDOWN && (ev.key.keysym.sym == SDLK_ESCAPE || ev.key.keysym.sym == SDLK_q))
        return true;
    return ev.type == SDL_QUIT;
}

void frameLate()
{
    SDL_GL_SwapBuffers();
    tm.now = SDL_GetTicks();
    Uint32 elapsed = tm.now - tm.frameEnd;
    if (elapsed > 0 && elapsed < (Uint32)tm.framePeriod)
        SDL_Delay(tm.framePeriod - elapsed);
    tm.frameEnd = SDL_GetTicks();
    if ((Uint32)(tm.now - tm.fpsStamp) <= 999) {
        tm.fpsCount += 1;
    } else {
        tm.fps = tm.fpsCount;
        tm.fpsCount = 0;
        tm.fpsStamp = SDL_GetTicks();
    }
}

void alp_set()
{
    if (ALP.titleDir == PULSE_UP) {
        ALP.titleAlpha += 0.01;
        if (ALP.titleAlpha > 1.0) {
            ALP.titleAlpha = 1.0;
            ALP.titleDir = PULSE_DOWN;
        }
    } else if (ALP.titleDir == PULSE_DOWN) {
        ALP.titleAlpha -= 0.01;
        if (ALP.titleAlpha < 0.0) {
            ALP.titleAlpha = 0.0;
            ALP.titleDir = PULSE_UP;
        }
    }
    ALP.blink -= 0.0625;
    if (ALP.blink < 0.0)
        ALP.blink = 1.5;
    double spin = ALP.spin + 1.5;
    ALP.spin = spin >= 360.0 ? 0.0 : spin;
}

void EndSet()
{
    end_input();
    end_Sound();
    SDL_Quit();
}

void resetGL(double x, double y)
{
    glLoadIdentity();
    glTranslated(x, y, 0.0);
}

int multiple(int a, int b)
{
    return a % b;
}
