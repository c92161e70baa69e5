#include "engine/file_output.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// Writes and closes; a full disk may only show at the close.
FileWrite WriteAndClose(int fd, const std::string& bytes)
{
    const bool written = WriteAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    return written && closed ? FileWrite::kWritten : FileWrite::kWriteFailed;
}

FileWrite WriteDirectly(const std::string& path, int flags, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), flags | O_WRONLY | O_CLOEXEC, 0666);
    return fd < 0 ? FileWrite::kOpenFailed : WriteAndClose(fd, bytes);
}

std::string ResolvedPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

std::string FolderOf(const std::string& file)
{
    const size_t slash = file.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : file.substr(0, slash);
}

// A new file beside target, created exclusively with the mode a new file of
// that name would get (or the mode of the file it replaces).
int CreateTemporary(const std::string& target, std::string& name)
{
    const std::string folder = FolderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.talo-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) +
               ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

FileWrite ReplaceFile(const std::string& target, const std::string& bytes)
{
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return FileWrite::kOpenFailed;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(temporary.c_str(), target.c_str()) == 0)
        return FileWrite::kWritten;
    ::unlink(temporary.c_str());
    return FileWrite::kWriteFailed;
}

} // namespace

FileWrite WriteFileWhole(const std::string& path, const std::string& bytes)
{
    if (path.empty())
        return FileWrite::kOpenFailed;
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    // A folder is refused by open; a device or a pipe is written, not replaced.
    if (exists && !S_ISREG(target.st_mode))
        return WriteDirectly(path, O_TRUNC, bytes);
    struct stat link {};
    const bool isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
    // A dangling link: create the file it names rather than replace the link.
    if (isLink && !exists)
        return WriteDirectly(path, O_CREAT | O_TRUNC, bytes);
    // The target of a link is replaced, so that the link itself stays.
    return ReplaceFile(isLink ? ResolvedPath(path) : path, bytes);
}

FileWrite AppendToFile(const std::string& path, const std::string& bytes)
{
    return path.empty() ? FileWrite::kOpenFailed : WriteDirectly(path, O_CREAT | O_APPEND, bytes);
}
