// Start-up glue: run from the folder that holds the bundle, wherever the
// executable was started from (build tree, install prefix, a PATH link).
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/app.h"

static bool app_has_bundle(const std::string& dir)
{
    return access((dir + "/Tessaloom.app").c_str(), F_OK) == 0;
}

// The executable's own folder first, then its parents.
static std::string app_bundle_home()
{
    char exe[PATH_MAX];
    if (!realpath("/proc/self/exe", exe))
        return "";
    std::string dir(exe);
    for (;;) {
        size_t cut = dir.find_last_of('/');
        if (cut == std::string::npos)
            return "";
        dir.erase(cut);
        if (app_has_bundle(dir.empty() ? "/" : dir))
            return dir.empty() ? "/" : dir;
        if (dir.empty())
            return "";
    }
}

int main()
{
    std::string home = app_bundle_home();
    if (home.empty() || chdir(home.c_str()) != 0)
        fprintf(stderr, "tessaloom: Tessaloom.app not found beside the executable; resources will be missing\n");
    return SDL_main();
}
