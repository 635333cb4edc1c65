// Start-up glue: answers -h, --help and --version without a display, opens the
// model file if one is named, and runs the editor from the folder that holds
// the bundle, wherever the executable was started from (build tree, install
// prefix, a PATH link).
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/app.h"
#include "export/export.h"

static const char appUsage[] =
    "Usage: tessaloom [FILE]\n"
    "  or:  tessaloom -h | --help | --version\n"
    "Tessaloom edits 2D vector models for OpenGL with the keyboard or a joystick.\n"
    "EXPORT TO TEXT writes the model as OpenGL source to FILE, which is opened again\n"
    "at start when it exists; without FILE, to /Users/$USER/Desktop/model_data.txt.\n"
    "Escape or q quits at once, without asking: export first to keep the model.\n"
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

// An option is answered at once, with no window and no display needed, and
// only alone; the one operand is the model file, after "--" even when it
// starts with '-'. The first wrong argument is named. -1: start the editor.
static int app_command_line(int argc, char** argv, const char** file)
{
    const char* option = nullptr;
    bool operands = false;
    for (int i = 1; i < argc; i++) {
        const char* arg = argv[i];
        const bool dash = !operands && arg[0] == '-' && arg[1];
        if (dash && strcmp(arg, "--") == 0) {
            operands = true;
        } else if (dash && app_is_option(arg)) {
            if (i > 1)
                return app_bad_argument("extra option", arg);
            option = arg;
        } else if (dash && arg[1] == '-') {
            return app_bad_argument("unrecognized option", arg);
        } else if (dash) {
            // In a cluster such as -hx, the letter that is not -h.
            const size_t at = 1 + strspn(arg + 1, "h");
            const char letter[2] = {arg[arg[at] ? at : 1], '\0'};
            return app_bad_argument("invalid option --", letter);
        } else if (!*arg || *file || option) {
            return app_bad_argument(*arg ? "extra operand" : "invalid file name", arg);
        } else {
            *file = arg;
        }
    }
    if (!option)
        return -1;
    if (strcmp(option, "--version") == 0) {
        puts("tessaloom " TESS_VERSION);
        return 0;
    }
    fputs(appUsage, stdout);
    return 0;
}

int main(int argc, char** argv)
{
    const char* file = nullptr;
    const int answered = app_command_line(argc, argv, &file);
    if (answered >= 0)
        return answered;
    if (file && !exp_open(file))
        return EXIT_FAILURE;
    const std::string home = app_bundle_home();
    if (home.empty() || chdir(home.c_str()) != 0)
        fputs("tessaloom: Tessaloom.app not found beside the executable nor in " TESS_DATA_FROM_EXE
              " from it; resources will be missing\n",
              stderr);
    return SDL_main();
}
