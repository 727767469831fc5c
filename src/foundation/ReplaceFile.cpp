#include "foundation/ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tinkella {

namespace {

// Hops a chain of symbolic links may take, as the kernel allows (MAXSYMLINKS).
constexpr int symlinkHops = 40;

// As strerror words it in English, whatever the user's locale: reasons go into log lines.
std::string errnoText(int error) {
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return english != locale_t{} ? ::strerror_l(error, english) : std::strerror(error);
}

// Why the existing file of this status may not be replaced; empty for a regular file.
std::string refusal(const struct stat& status) {
    const mode_t type = status.st_mode & S_IFMT;
    return type == S_IFREG                      ? std::string()
           : type == S_IFDIR                    ? "it is a directory, not a regular file"
           : type == S_IFIFO                    ? "it is a FIFO, not a regular file"
           : type == S_IFSOCK                   ? "it is a socket, not a regular file"
           : type == S_IFCHR || type == S_IFBLK ? "it is a device, not a regular file"
                                                : "it is not a regular file";
}

// The file a chain of links from path ends at (path itself when it is no link): each link's
// target, taken from the link's folder when relative. False, with errno, on a loop or an error
// other than the file being missing.
bool followLinks(std::string& path) {
    for (int hop = 0; hop <= symlinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return errno == ENOENT;
        }
        if (!S_ISLNK(status.st_mode)) {
            return true;
        }
        char target[PATH_MAX];
        const ssize_t size = ::readlink(path.c_str(), target, sizeof target);
        if (size <= 0 || size == static_cast<ssize_t>(sizeof target)) {
            errno = size < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        const std::string_view link(target, static_cast<std::size_t>(size));
        path = link.front() == '/' ? std::string(link)
                                   : path.substr(0, path.rfind('/') + 1).append(link);
    }
    errno = ELOOP;
    return false;
}

// False, with errno, when not every byte could be written and flushed to the disk (where an
// error of a delayed allocation, such as a full disk, shows). A file system that cannot flush
// (EINVAL, ENOSYS) is taken at its word.
bool writeAndFlush(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOSYS;
}

} // namespace

std::string replaceFile(const std::string& givenPath, std::string_view bytes) {
    if (givenPath.empty()) {
        return "no file name given";
    }
    if (givenPath.find('\0') != std::string::npos) {
        return "a path cannot hold a NUL byte";
    }
    if (givenPath.front() != '/') {
        return "not an absolute path";
    }
    std::string path = givenPath;
    if (!followLinks(path)) {
        return errnoText(errno);
    }
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !refusal(existing).empty()) {
        return refusal(existing);
    }
    if (exists && ::access(path.c_str(), W_OK) != 0) {
        return errnoText(errno);
    }
    const std::size_t slash = path.rfind('/');
    if (slash + 1 == path.size()) {
        return "no file name given";
    }

    // A name of this process's own in the target's folder; O_EXCL never opens what is there.
    static std::atomic<unsigned> serial{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = path.substr(0, slash + 1) + ".tinkella-" + std::to_string(::getpid()) + "-" +
                    std::to_string(serial++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return errnoText(errno);
        }
    }
    if (fd < 0) {
        return errnoText(EEXIST);
    }
    const bool written =
        (!exists || ::fchmod(fd, existing.st_mode & 0777) == 0) && writeAndFlush(fd, bytes);
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    std::string reason = error != 0 ? errnoText(error) : std::string();
    struct stat now {};
    if (reason.empty() && ::stat(path.c_str(), &now) == 0) {
        reason = refusal(now); // something else was put there meanwhile: left alone
    }
    if (reason.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = errnoText(errno);
    }
    if (!reason.empty()) {
        ::unlink(temporary.c_str());
    }
    return reason;
}

} // namespace tinkella
