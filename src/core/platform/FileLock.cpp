// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/FileLock.h"
#include "core/platform/Translate.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct flock Range(short type, int slot) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = slot;
    range.l_len = 1;
    return range;
}
} // namespace

CFileLock::CFileLock(std::string path) : m_path(std::move(path)) {}

CFileLock::~CFileLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CFileLock::Open(std::string* reason) {
    if (m_fd >= 0)
        return true;
    // Non-blocking, so that a FIFO in its place cannot hang the open; a link is not followed, so
    // nobody can make the lock lie on a file of theirs.
    const int fd =
        ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW, 0600);
    if (fd < 0) {
        if (reason != nullptr)
            *reason = errno == ELOOP ? Tr("FileLock", "it is a symbolic link") : std::strerror(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (reason != nullptr)
            *reason = Tr("FileLock", "it is not a regular file");
        return false;
    }
    m_fd = fd;
    return true;
}

CFileLock::Attempt CFileLock::TryLock(int slot) {
    struct flock range = Range(F_WRLCK, slot);
    if (m_fd >= 0 && ::fcntl(m_fd, F_OFD_SETLK, &range) == 0)
        return Attempt::Locked;
    return m_fd >= 0 && (errno == EAGAIN || errno == EACCES) ? Attempt::Busy : Attempt::Error;
}

bool CFileLock::IsHeldByOther(int slot) const {
    struct flock range = Range(F_WRLCK, slot);
    return m_fd >= 0 && ::fcntl(m_fd, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
}

void CFileLock::Unlock(int slot) {
    struct flock range = Range(F_UNLCK, slot);
    if (m_fd >= 0)
        ::fcntl(m_fd, F_OFD_SETLK, &range);
}
