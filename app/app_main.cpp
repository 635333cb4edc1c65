// Start-up glue: answers -h, --help and --version without a display, and runs the
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
    "Usage: tessaloom [-h | --help | --version]\n"
    "Tessaloom edits 2D vector models for OpenGL with the keyboard or a joystick.\n"
    "Escape or q quits at once; the model is not kept between runs.\n"
    "EXPORT TO TEXT writes it as OpenGL source to /Users/$USER/Desktop/model_data.txt.\n"
    "  -h, --help  show this help and exit\n"
    "  --version   show the version and exit\n";

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

// GNU's words for a wrong argument: what it is, named, then where help is.
static int app_bad_argument(const char* what, const char* arg)
{
    fprintf(stderr, "tessaloom: %s '%s'\nTry 'tessaloom --help' for more information.\n", what, arg);
    return 2;
}

static bool app_is_option(const char* arg)
{
    return strcmp(arg, "-h") == 0 || strcmp(arg, "--help") == 0 || strcmp(arg, "--version") == 0;
}

// Any argument is answered at once, with no window and no display needed;
// one option is taken, and the first wrong argument is named.
static int app_command_line(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        const char* arg = argv[i];
        if (app_is_option(arg)) {
            if (i > 1)
                return app_bad_argument("extra option", arg);
        } else if (strncmp(arg, "--", 2) == 0 && arg[2]) {
            return app_bad_argument("unrecognized option", arg);
        } else if (arg[0] == '-' && arg[1]) {
            // In a cluster such as -hx, the letter that is not -h.
            const size_t at = 1 + strspn(arg + 1, "h");
            const char letter[2] = {arg[arg[at] ? at : 1], '\0'};
            return app_bad_argument("invalid option --", letter);
        } else {
            return app_bad_argument("extra operand", arg);
        }
    }
    if (strcmp(argv[1], "--version") == 0) {
        puts("tessaloom " TESS_VERSION);
        return 0;
    }
    fputs(appUsage, stdout);
    return 0;
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
