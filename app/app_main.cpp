// Start-up glue: answers --help and --version without a display, and runs the
// editor from the folder that holds the bundle, wherever the executable was
// started from (build tree, install prefix, a PATH link).
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/app.h"

static const char appUsage[] =
    "Usage: tessaloom [--help | --version]\n"
    "Tessaloom edits 2D vector models for OpenGL with the keyboard or a joystick.\n"
    "Escape or q quits at once; the model is not kept between runs.\n"
    "EXPORT TO TEXT writes it as OpenGL source to /Users/$USER/Desktop/model_data.txt.\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

static bool app_has_bundle(const std::string& dir)
{
    return access((dir + "/Tessaloom.app").c_str(), F_OK) == 0;
}

// The build tree keeps the bundle beside the executable, the install in its
// data folder; the executable's folder comes from /proc, so a link to it
// anywhere finds the same places.
static std::string app_bundle_home()
{
    char exe[PATH_MAX];
    if (!realpath("/proc/self/exe", exe))
        return "";
    const std::string dir(exe, strrchr(exe, '/'));
    for (const std::string& home : {dir.empty() ? "/" : dir, dir + "/" TESS_DATA_FROM_EXE})
        if (app_has_bundle(home))
            return home;
    return "";
}

// Any argument is answered at once, with no window and no display needed.
static int app_command_line(int argc, char** argv)
{
    const char* arg = argc == 2 ? argv[1] : "";
    if (strcmp(arg, "--version") == 0) {
        puts("tessaloom " TESS_VERSION);
        return 0;
    }
    const bool help = strcmp(arg, "--help") == 0;
    fputs(appUsage, help ? stdout : stderr);
    return help ? 0 : 2;
}

int main(int argc, char** argv)
{
    if (argc > 1)
        return app_command_line(argc, argv);
    const std::string home = app_bundle_home();
    if (home.empty() || chdir(home.c_str()) != 0)
        fputs("tessaloom: Tessaloom.app not found beside the executable nor in " TESS_DATA_FROM_EXE
              " from it; resources will be missing\n",
              stderr);
    return SDL_main();
}
