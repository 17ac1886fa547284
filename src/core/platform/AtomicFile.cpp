// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/AtomicFile.h"
#include "core/platform/Translate.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kMaxNameAttempts = 100;

bool Fail(std::string* error, const std::string& what) {
    if (error != nullptr)
        *error = what;
    return false;
}

bool FailErrno(std::string* error, const std::string& what, int err) {
    return Fail(error, what + ": " + std::strerror(err));
}

// errno as the call left it, before the words for it are made (a translation may call the library).
template <typename What> bool FailErrno(std::string* error, What what) {
    const int err = errno;
    return FailErrno(error, what(), err);
}

// Why something that exists is not a regular file we can use.
std::string NotRegularReason(const struct stat& st) {
    return S_ISDIR(st.st_mode) ? Tr("AtomicFile", "it is a directory")
                               : Tr("AtomicFile", "it is not a regular file");
}

// The file a path leads to: the path itself, or where its links end. False (with a reason) for a
// link to nothing or a loop of links.
bool FollowLinks(const std::string& path, struct stat& st, std::string* reason) {
    if (::stat(path.c_str(), &st) == 0)
        return true;
    const int err = errno;
    if (err == ENOENT)
        return Fail(reason, Tr("AtomicFile", "it is a link to a file that does not exist"));
    return Fail(reason, std::strerror(err));
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes and closes fd; on any failure removes the half-made file at name. errno tells why.
bool FinishFile(int fd, const std::string& name, bool written) {
    bool ok = written && ::fsync(fd) == 0;
    int saved = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        saved = errno;
    }
    if (!ok) {
        ::unlink(name.c_str());
        errno = saved;
    }
    return ok;
}

void SyncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

ReadStatus ReadFailed(std::string* reason, const std::string& why) {
    Fail(reason, why);
    return ReadStatus::Failed;
}

// Calls and settings are nobody else's business, whatever the umask says.
constexpr mode_t kNewFileMode = 0600;
constexpr mode_t kNewDirectoryMode = 0700;
constexpr std::int64_t kLeftoverAgeSeconds = 60;

bool IsTemporarySuffix(std::string_view suffix) {
    if (suffix.size() != 7 || suffix[0] != '.')
        return false;
    for (char c : suffix.substr(1))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}
} // namespace

bool PathExists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

ReadStatus ReadRegularFile(const std::string& path, std::string& out, std::size_t maxBytes,
                           std::string* reason) {
    out.clear();
    struct stat st;
    if (!PathExists(path))
        return ReadStatus::Missing;
    if (!FollowLinks(path, st, reason))
        return ReadStatus::Failed;
    if (!S_ISREG(st.st_mode))
        return ReadFailed(reason, NotRegularReason(st));
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return ReadStatus::TooLarge;
    // Non-blocking, in case a FIFO took the file's place since the check above.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return ReadFailed(reason, std::strerror(errno));
    ReadStatus status = ReadStatus::Ok;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        status = ReadFailed(reason, Tr("AtomicFile", "it is not a regular file"));
    if (status == ReadStatus::Ok)
        out.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    while (status == ReadStatus::Ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            status = ReadFailed(reason, std::strerror(errno));
        else if (n == 0) {
            break;
        } else if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            status = ReadStatus::TooLarge;
        } else {
            out.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (status != ReadStatus::Ok)
        out.clear();
    return status;
}

bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes, bool* tooLarge) {
    const ReadStatus status = ReadRegularFile(path, out, maxBytes);
    if (tooLarge != nullptr)
        *tooLarge = status == ReadStatus::TooLarge;
    return status == ReadStatus::Ok;
}

bool IsReplaceable(const std::string& path, std::string* reason) {
    if (!PathExists(path))
        return true;
    struct stat st;
    if (!FollowLinks(path, st, reason))
        return false;
    if (!S_ISREG(st.st_mode))
        return Fail(reason, NotRegularReason(st));
    if (::access(path.c_str(), R_OK) != 0)
        return Fail(reason, Tr("AtomicFile", "it cannot be read"));
    // The mode bits count even for root: a file the user made read-only stays as it is.
    if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
        return Fail(reason, Tr("AtomicFile", "it is read-only"));
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    namespace fs = std::filesystem;
    std::string why;
    if (!IsReplaceable(path, &why))
        return Fail(error, Arg(Tr("AtomicFile", "cannot replace %1"), {path}) + ": " + why);

    // Through a link the file it leads to is replaced, beside itself, and the link stays.
    std::error_code ec;
    std::string target = path;
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        target = fs::canonical(path, ec).string();
    if (ec)
        return Fail(error, Arg(Tr("AtomicFile", "cannot follow the link %1"), {path}) + ": " + ec.message());
    const bool existed = ::stat(target.c_str(), &st) == 0;
    const std::string dir = fs::path(target).parent_path().string();
    if (!existed && !dir.empty() && !MakePrivateDirectories(dir, &why))
        return Fail(error, why);

    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return FailErrno(error, [&] { return Arg(Tr("AtomicFile", "cannot create %1"), {temp}); });
    // mkstemp makes 0600: give the file the mode of the one it replaces.
    ::fchmod(fd, existed ? (st.st_mode & 07777) : kNewFileMode);
    if (!FinishFile(fd, temp, WriteAll(fd, bytes)))
        return FailErrno(error, [&] { return Arg(Tr("AtomicFile", "cannot write %1"), {temp}); });
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        return FailErrno(error, Arg(Tr("AtomicFile", "cannot replace %1"), {target}), saved);
    }
    SyncDirectory(dir);
    return true;
}

std::string UnusedName(const std::string& base) {
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        std::string name = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (!PathExists(name))
            return name;
    }
    return {};
}

bool CopyToNewFile(const std::string& from, const std::string& to, std::string* error) {
    std::string bytes, why;
    if (ReadRegularFile(from, bytes, static_cast<std::size_t>(-1), &why) != ReadStatus::Ok)
        return Fail(error, Arg(Tr("AtomicFile", "cannot read %1"), {from}) + (why.empty() ? "" : ": " + why));
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, kNewFileMode);
    if (fd < 0)
        return FailErrno(error, [&] { return Arg(Tr("AtomicFile", "cannot create %1"), {to}); });
    if (!FinishFile(fd, to, WriteAll(fd, bytes)))
        return FailErrno(error, [&] { return Arg(Tr("AtomicFile", "cannot write %1"), {to}); });
    SyncDirectory(std::filesystem::path(to).parent_path().string());
    return true;
}

bool MakePrivateDirectories(const std::string& dir, std::string* error) {
    // Folders that are there already keep their modes; only those made here are private.
    for (std::size_t end = dir.find('/', 1);; end = dir.find('/', end + 1)) {
        const std::string part = dir.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), kNewDirectoryMode) != 0 && errno != EEXIST)
            return FailErrno(error,
                             [&] { return Arg(Tr("AtomicFile", "cannot create the folder %1"), {part}); });
        if (end == std::string::npos)
            break;
    }
    struct stat st;
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return Fail(error,
                    Arg(Tr("AtomicFile", "cannot create the folder %1: something else is there"), {dir}));
    return true;
}

int RemoveLeftoverTemporaries(const std::string& path, std::int64_t nowSeconds) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const std::string base = target.filename().string();
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(target.parent_path().empty() ? "." : target.parent_path(), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(base) || !IsTemporarySuffix(std::string_view(name).substr(base.size())))
            continue;
        struct stat st;
        if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            nowSeconds - static_cast<std::int64_t>(st.st_mtime) <= kLeftoverAgeSeconds)
            continue;
        removed += ::unlink(it->path().c_str()) == 0;
    }
    return removed;
}

bool CanWriteIn(const std::string& dir, std::string* reason) {
    // A file without a name where the file system has them, so a kill leaves nothing behind.
    int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
    std::string named;
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR)) {
        named = dir + "/.corvellan-write-check-XXXXXX";
        fd = ::mkstemp(named.data());
    }
    if (fd < 0)
        return Fail(reason, std::strerror(errno));
    if (!named.empty())
        ::unlink(named.c_str());
    if (!FinishFile(fd, named, WriteAll(fd, "\n")))
        return Fail(reason, std::strerror(errno));
    return true;
}
