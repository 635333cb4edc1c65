// The export's file: the desktop path built once at start-up, or the model
// file named on the command line, opened and read at start; and the write
// that replaces the file's text only once the whole text is sure to fit.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>

#include "export/export.h"

const char* expFile;

static const char expSuffix[] = "/Desktop/model_data.txt";
// Far more than any model's text (six layers of 256 vertices take some 180 KB),
// so a longer file is refused at some line within it.
enum { EXP_FILE_MAX = 1 << 20 };

// A missing export folder is told at once, or the first sign would be a failed
// export, unseen when started from the menu; in the set-up's words for a user
// without sudo (tools/export_folder.sh). A link, even a broken one, is the
// user's own doing and is left to the export's report.
static void exp_folder_hint(const char* user)
{
    char dir[sizeof dataPassM];
    snprintf(dir, sizeof dir, "%.*s", (int)(strrchr(dataPassM, '/') - dataPassM), dataPassM);
    struct stat st;
    if (lstat(dir, &st) == 0)
        return;
    fprintf(stderr, "tessaloom: %s does not exist, so exports will fail", dir);
    const char* home = getenv("HOME");
    if (home && *home) {
        char desk[PATH_MAX];
        snprintf(desk, sizeof desk, "%s/Desktop", home);
        fputs("; to give the export its folder, ", stderr);
        if (stat(desk, &st) != 0 || !S_ISDIR(st.st_mode))
            fprintf(stderr, "run: mkdir -p %s, then ", desk);
        fprintf(stderr, "as root run: mkdir -p /Users/%s && ln -s %s %s", user, desk, dir);
    }
    fputc('\n', stderr);
}

// With a model file the path is that file's. A name that is
// empty, holds a '/' or is "." or ".." would point into another folder, and a
// cut one at someone else's file: such a path is not built at all, "/Users/"
// stays, names a directory, and every export then fails and is reported, as
// without USER.
void GetDataPath()
{
    if (expFile)
        return;
    const char* user = getenv("USER");
    const size_t used = strlen(dataPassM);
    const char* why = nullptr;
    if (!user || !*user)
        why = "USER is empty or not set";
    else if (strchr(user, '/') || strcmp(user, ".") == 0 || strcmp(user, "..") == 0)
        why = "USER is not a plain user name";
    else if (used + strlen(user) + sizeof expSuffix > sizeof dataPassM)
        why = "USER is too long for the export path";
    if (why) {
        fprintf(stderr, "tessaloom: %s, so exports will fail\n", why);
        return;
    }
    snprintf(dataPassM + used, sizeof dataPassM - used, "%s%s", user, expSuffix);
    exp_folder_hint(user);
}

static bool exp_refuse(const char* why)
{
    fprintf(stderr, "tessaloom: %s: %s\n", expFile, why);
    return false;
}

// The program leaves the folder it was started in, so a relative name is
// made absolute first.
static bool exp_path(const char* file)
{
    char cwd[PATH_MAX];
    if (file[0] != '/' && !getcwd(cwd, sizeof cwd))
        return exp_refuse(strerror(errno));
    const int n = file[0] == '/' ? snprintf(dataPassM, sizeof dataPassM, "%s", file)
                                 : snprintf(dataPassM, sizeof dataPassM, "%s/%s", cwd, file);
    return n < (int)sizeof dataPassM || exp_refuse(strerror(ENAMETOOLONG));
}

// The file's text, up to one byte past EXP_FILE_MAX, into a new buffer (the
// caller frees it); false with errno set.
static bool exp_slurp(int fd, char** text, size_t* size)
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    *text = (char*)malloc(EXP_FILE_MAX + 1);
    if (!*text)
        return false;
    for (ssize_t n = 1; n > 0 && *size <= EXP_FILE_MAX; *size += n)
        if ((n = read(fd, *text + *size, EXP_FILE_MAX + 1 - *size)) < 0)
            return false;
    return true;
}

// Says once at start-up when an export to the model file cannot succeed: the
// file, or the folder that is to hold it, not writable.
static void exp_check_writable()
{
    const bool exists = access(dataPassM, F_OK) == 0;
    char dir[sizeof dataPassM];
    snprintf(dir, sizeof dir, "%.*s", (int)(strrchr(dataPassM, '/') - dataPassM), dataPassM);
    if (access(exists ? dataPassM : (dir[0] ? dir : "/"), exists ? W_OK : W_OK | X_OK) != 0)
        fprintf(stderr, "tessaloom: %s: %s%s, so exports will fail\n", expFile, exists ? "" : "its folder: ",
                strerror(errno));
}

bool exp_open(const char* file)
{
    expFile = file;
    if (!exp_path(file))
        return false;
    const int fd = open(dataPassM, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT)
        return exp_refuse(strerror(errno));
    char* text = nullptr;
    size_t size = 0;
    const bool read = fd < 0 || exp_slurp(fd, &text, &size);
    const int err = errno;
    if (fd >= 0)
        close(fd);
    ExpFault fault;
    const bool model = read && exp_parse(text, size, &fault);
    free(text);
    if (!read)
        return exp_refuse(err == EINVAL ? "not a regular file" : strerror(err));
    if (!model) {
        fprintf(stderr, "tessaloom: %s:%d: %s\n", file, fault.line, fault.what);
        return false;
    }
    exp_check_writable();
    return true;
}

// Writes all of text at offset 0; false with errno set, and in done how much
// went in.
static bool exp_put_all(int fd, const char* text, size_t size, size_t* done)
{
    for (*done = 0; *done < size;) {
        const ssize_t n = pwrite(fd, text + *done, size - *done, *done);
        if (n <= 0) {
            errno = n < 0 ? errno : EIO;  // a write of nothing would come round for ever
            return false;
        }
        *done += n;
    }
    return true;
}

// Puts back what a failed write covered, and the old length.
static void exp_restore(int fd, const char* old, size_t kept, size_t done, off_t length)
{
    size_t back;
    exp_put_all(fd, old, std::min(done, kept), &back);
    (void)!ftruncate(fd, length);
}

// The file itself is written, so a link is followed and its mode, owner and
// hard links stay; whatever the user may not write (or read back) is refused.
// The room for the whole text is reserved first, so a full disk, a quota or
// the file-size limit fail before a byte changes; a write that fails all the
// same puts back the bytes it covered, kept for that, and the old length.
bool exp_write(const char* text, size_t size)
{
    signal(SIGXFSZ, SIG_IGN);  // past the file-size limit a write fails, rather than end the editor
    const int fd = open(dataPassM, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);  // errno stays fstat's
        return false;
    }
    const size_t kept = std::min((size_t)st.st_size, size);
    char* old = (char*)malloc(kept + 1);  // never of 0 bytes, which may come back null
    int err = old ? 0 : ENOMEM;
    if (!err && pread(fd, old, kept, 0) < 0)
        err = errno;
    if (!err && size > 0)  // posix_fallocate refuses a length of 0
        err = posix_fallocate(fd, 0, size);
    size_t done = 0;
    if (!err && (!exp_put_all(fd, text, size, &done) || ftruncate(fd, size) != 0))
        err = errno;
    if (err)
        exp_restore(fd, old, kept, done, st.st_size);
    if (close(fd) != 0 && !err)
        err = errno;
    free(old);
    errno = err;
    return !err;
}
