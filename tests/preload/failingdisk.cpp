// A disk that fails on purpose, for end-to-end tests of saving. Preloaded into a program
// (LD_PRELOAD), it makes write(), fsync()/fdatasync() or close() of files whose path contains
// $SOLVARA_FAIL_PATH fail at the step $SOLVARA_FAIL_AT names ("write", "sync" or "close"): writes
// with ENOSPC, the others with EIO. With $SOLVARA_FAIL_AFTER=N, writes succeed (the last one
// short) until N bytes went to such files, as on a disk with N bytes left.

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long long g_written = 0;

bool failingAt(const char *step)
{
    const char *at = std::getenv("SOLVARA_FAIL_AT");
    return at && std::strcmp(at, step) == 0;
}

bool onFailingDisk(int fd)
{
    const char *folder = std::getenv("SOLVARA_FAIL_PATH");
    if (!folder || !*folder)
        return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return false;
    path[n] = '\0';
    return std::strstr(path, folder) != nullptr;
}

template<typename F>
F next(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int failSync(int fd, int (*real)(int))
{
    if (failingAt("sync") && onFailingDisk(fd)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

} // namespace

extern "C" ssize_t write(int fd, const void *buf, size_t count)
{
    static const auto real = next<ssize_t (*)(int, const void *, size_t)>("write");
    if (failingAt("write") && onFailingDisk(fd)) {
        const char *after = std::getenv("SOLVARA_FAIL_AFTER");
        const long long room = (after ? std::atoll(after) : 0) - g_written;
        if (room <= 0) {
            errno = ENOSPC;
            return -1;
        }
        if (static_cast<long long>(count) > room)
            count = static_cast<size_t>(room);
        const ssize_t n = real(fd, buf, count);
        if (n > 0)
            g_written += n;
        return n;
    }
    return real(fd, buf, count);
}

extern "C" int fsync(int fd)
{
    static const auto real = next<int (*)(int)>("fsync");
    return failSync(fd, real);
}

extern "C" int fdatasync(int fd)
{
    static const auto real = next<int (*)(int)>("fdatasync");
    return failSync(fd, real);
}

extern "C" int close(int fd)
{
    static const auto real = next<int (*)(int)>("close");
    if (failingAt("close") && onFailingDisk(fd)) {
        real(fd);
        errno = EIO;
        return -1;
    }
    return real(fd);
}
