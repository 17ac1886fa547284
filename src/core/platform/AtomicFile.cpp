#include "core/platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool Fail(std::string* error, const std::string& what) {
    if (error != nullptr)
        *error = what + ": " + std::strerror(errno);
    return false;
}

void SyncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    const std::filesystem::path target(path);
    const std::string dir = target.parent_path().string();
    std::error_code ec;
    if (!dir.empty())
        std::filesystem::create_directories(dir, ec);

    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Fail(error, "cannot create " + temp);

    // Keep the permissions a plain create would have given (mkstemp makes 0600).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int saved = errno == 0 ? ENOSPC : errno;
            ::close(fd);
            ::unlink(temp.c_str());
            errno = saved;
            return Fail(error, "cannot write " + temp);
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int saved = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, "cannot flush " + temp);
    }
    if (::close(fd) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, "cannot close " + temp);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, "cannot replace " + path);
    }
    SyncDirectory(dir);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes, bool* tooLarge) {
    if (tooLarge != nullptr)
        *tooLarge = false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    out.clear();
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        if (out.size() + n > maxBytes) {
            if (tooLarge != nullptr)
                *tooLarge = true;
            ok = false;
            break;
        }
        out.append(buffer, n);
        if (n < sizeof buffer) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    return ok;
}
