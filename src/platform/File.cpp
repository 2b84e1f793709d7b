// SPDX-License-Identifier: MIT
// Binary files under game paths, with the classic file-error cause codes.
#include "platform/File.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ProgramFolder.h"

namespace platform {

int CauseFromErrno(int err) {
    switch (err) {
        case 0:
            return kNone;
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return kBadPath;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case ENXIO:  // a pipe without a reader, opened without waiting
        case EROFS:
        case EISDIR:
        case EEXIST:
            return kAccessDenied;
        case EBADF:
            return kInvalidFile;
        case ESPIPE:
            return kBadSeek;
        case EIO:
            return kHardIO;
        case ETXTBSY:
        case EBUSY:
            return kSharingViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return kDiskFull;
        default:
            return kGeneric;
    }
}

bool FolderExists(const std::string& gamePath) {
    std::error_code ec;
    return std::filesystem::is_directory(std::filesystem::path(HostPath(gamePath)), ec);
}

bool MakeFolder(const std::string& gamePath) {
    const std::string host = HostPath(gamePath);
    return !host.empty() && ::mkdir(host.c_str(), 0755) == 0;
}

bool RemoveFolder(const std::string& gamePath) {
    const std::string host = HostPath(gamePath);
    std::error_code ec;
    if (host.empty() || !std::filesystem::is_directory(std::filesystem::path(host), ec)) {
        return !ec && !host.empty();
    }
    std::filesystem::remove_all(std::filesystem::path(host), ec);
    return !ec;
}

bool MoveToNewName(const std::string& fromGamePath, const std::string& toGamePath) {
    const std::string from = HostPath(fromGamePath);
    const std::string to = HostPath(toGamePath);
    return !from.empty() && !to.empty() &&
           ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

bool RemoveFile(const std::string& gamePath) {
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(HostPath(gamePath)), ec);
    return !ec;
}

bool FileExists(const std::string& gamePath) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(ReadPath(gamePath)), ec);
}

std::string ScratchPath(const std::string& hostPath) {
    return hostPath + ".new~";
}

bool InsideProgramFolder(const std::string& hostPath) {
    char* real = ::realpath(hostPath.c_str(), nullptr);
    char* folder = ProgramFolder().empty() ? nullptr : ::realpath(ProgramFolder().c_str(), nullptr);
    bool inside = false;
    if (real && folder) {
        std::string file(real);
        std::string base(folder);
        if (base.back() != '/') {
            base += '/';
        }
        inside = file.size() > base.size() && file.compare(0, base.size(), base) == 0;
    }
    std::free(real);
    std::free(folder);
    return inside;
}

bool IsLinkOutside(const std::string& hostPath) {
    struct stat link {};
    return ::lstat(hostPath.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
           !InsideProgramFolder(hostPath);
}

namespace {

// Opens a host path, but only as a regular file: a pipe or a device would block the game or
// never end, and a folder is no file on the game's host. Refused ones give -1 with EACCES.
int OpenRegular(const std::string& hostPath, int oflags) {
    int fd = ::open(hostPath.c_str(), oflags | O_NONBLOCK, 0644);
    if (fd < 0) {
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        errno = EACCES;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Appends a whole regular file of at most maxLength bytes to bytes.
bool ReadWhole(const std::string& hostPath, std::string& bytes, uint64_t maxLength) {
    int fd = OpenRegular(hostPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const size_t start = bytes.size();
    char buffer[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0 && bytes.size() - start <= maxLength) {
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return n == 0 && bytes.size() - start <= maxLength;
}

}  // namespace

}  // namespace platform

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const std::string& gamePath, unsigned flags, int* cause) {
    return OpenLimited(gamePath, flags, UINT64_MAX, cause);
}

bool CFile::OpenToRead(const std::string& gamePath, uint64_t maxLength, int* cause) {
    return OpenLimited(gamePath, modeRead, maxLength, cause);
}

bool CFile::OpenLimited(const std::string& gamePath, unsigned flags, uint64_t maxLength,
                        int* cause) {
    Abort();
    m_cause = platform::kNone;
    m_writeFailed = false;
    m_readStopped = false;
    auto refuse = [&](int why) {
        Fail(why);
        if (cause) {
            *cause = m_cause;
        }
        return false;
    };
    const bool reading = (flags & (modeWrite | modeReadWrite | modeCreate | modeReplace)) == 0;
    m_hostPath = reading ? platform::ReadPath(gamePath) : platform::HostPath(gamePath);
    if (reading && platform::IsMergedList(gamePath) && OpenMerged(gamePath, maxLength)) {
        return true;
    }
    if (m_hostPath.empty()) {
        return refuse(platform::kBadPath);
    }
    if (flags & modeReplace) {
        flags |= modeWrite | modeCreate | modeExclusive;
        flags &= ~modeNoTruncate;
    }

    int oflags = O_CLOEXEC;
    if (flags & modeReadWrite) {
        oflags |= O_RDWR;
    } else if (flags & modeWrite) {
        oflags |= O_WRONLY;
    } else {
        oflags |= O_RDONLY;
    }
    if (flags & modeCreate) {
        oflags |= O_CREAT;
        if (!(flags & modeNoTruncate)) {
            oflags |= O_TRUNC;
        }
        if (flags & modeExclusive) {
            // A new file is never made through a link, even one that leads nowhere yet.
            oflags |= O_EXCL | O_NOFOLLOW;
        }
    }

    std::string openPath = m_hostPath;
    if (flags & modeReplace) {
        // Refuse to replace a folder; otherwise write beside the target.
        std::error_code ec;
        if (std::filesystem::is_directory(std::filesystem::path(m_hostPath), ec)) {
            return refuse(platform::kAccessDenied);
        }
        // Whatever lies under the scratch name is left over from an interrupted save, or was
        // planted there: it goes (a link goes itself, its target untouched), and the scratch
        // file is made anew.
        openPath = platform::ScratchPath(m_hostPath);
        ::unlink(openPath.c_str());
    } else if ((flags & (modeWrite | modeReadWrite)) && !(flags & modeExclusive)) {
        // Writing in place respects a link, but only one that stays in the game's own folder.
        if (platform::IsLinkOutside(m_hostPath)) {
            return refuse(platform::kAccessDenied);
        }
    }

    int fd = platform::OpenRegular(openPath, oflags);
    if (fd < 0) {
        return refuse(platform::CauseFromErrno(errno));
    }
    if (flags & modeReplace) {
        m_tempPath = openPath;
    }
    // fdopen never truncates: the flags of open() above decided that.
    const char* mode = (flags & modeReadWrite) ? "r+b" : (flags & modeWrite) ? "wb" : "rb";
    m_file = ::fdopen(fd, mode);
    if (!m_file) {
        ::close(fd);
        if (!m_tempPath.empty()) {
            ::unlink(m_tempPath.c_str());
            m_tempPath.clear();
        }
        return refuse(platform::kGeneric);
    }
    if (reading && GetLength() > maxLength) {
        Abort();
        return refuse(platform::kInvalidFile);
    }
    return true;
}

bool CFile::OpenMerged(const std::string& gamePath, uint64_t maxLength) {
    const std::string installed = platform::InstalledPath(gamePath);
    const std::string own = platform::HostPath(gamePath);
    std::error_code ec;
    if (installed.empty() || installed == own ||
        !std::filesystem::is_regular_file(std::filesystem::path(own), ec)) {
        return false;
    }
    std::string bytes;
    if (!platform::ReadWhole(installed, bytes, maxLength)) {
        return false;
    }
    // The player's lines start on a line of their own even when the installed list lacks
    // its last line end.
    if (!bytes.empty() && bytes.back() != '\n') {
        bytes += "\r\n";
    }
    if (!platform::ReadWhole(own, bytes, maxLength) || bytes.empty() || bytes.size() > maxLength) {
        return false;
    }
    m_merged = std::move(bytes);
    m_file = ::fmemopen(m_merged.data(), m_merged.size(), "rb");
    if (!m_file) {
        m_merged.clear();
        return false;
    }
    m_hostPath = own;
    return true;
}

size_t CFile::Read(void* buffer, size_t count) {
    if (!m_file || count == 0) {
        return 0;
    }
    size_t n = std::fread(buffer, 1, count, m_file);
    if (n < count && std::ferror(m_file)) {
        Fail(platform::kHardIO);
    }
    return n;
}

bool CFile::Write(const void* buffer, size_t count) {
    if (!m_file) {
        Fail(platform::kInvalidFile);
        return false;
    }
    if (count == 0) {
        return true;
    }
    if (std::fwrite(buffer, 1, count, m_file) != count) {
        m_writeFailed = true;
        Fail(platform::CauseFromErrno(errno));
        return false;
    }
    return true;
}

uint64_t CFile::GetLength() {
    if (!m_file) {
        return 0;
    }
    long here = std::ftell(m_file);
    if (here < 0 || std::fseek(m_file, 0, SEEK_END) != 0) {
        return 0;
    }
    long end = std::ftell(m_file);
    std::fseek(m_file, here, SEEK_SET);
    return end < 0 ? 0 : static_cast<uint64_t>(end);
}

bool CFile::SeekToBegin() {
    return m_file && std::fseek(m_file, 0, SEEK_SET) == 0;
}

bool CFile::SeekToEnd() {
    return m_file && std::fseek(m_file, 0, SEEK_END) == 0;
}

bool CFile::Close() {
    if (!m_file) {
        return false;
    }
    bool ok = !m_writeFailed;
    if (std::fflush(m_file) != 0) {
        ok = false;
        Fail(platform::CauseFromErrno(errno));
    }
    if (!m_tempPath.empty() && ok && ::fsync(::fileno(m_file)) != 0) {
        ok = false;
        Fail(platform::CauseFromErrno(errno));
    }
    if (std::fclose(m_file) != 0) {
        ok = false;
        Fail(platform::CauseFromErrno(errno));
    }
    m_file = nullptr;
    m_merged.clear();
    if (!m_tempPath.empty()) {
        if (ok && std::rename(m_tempPath.c_str(), m_hostPath.c_str()) != 0) {
            ok = false;
            Fail(platform::CauseFromErrno(errno));
        }
        if (!ok) {
            ::unlink(m_tempPath.c_str());
        }
        m_tempPath.clear();
    }
    return ok;
}

void CFile::Abort() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_merged.clear();
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

int CFile::GetByte() {
    return m_file ? getc_unlocked(m_file) : EOF;
}

void CFile::UngetByte(int c) {
    if (m_file && c != EOF) {
        std::ungetc(c, m_file);
    }
}

void CFile::Fail(int cause) {
    if (m_cause == platform::kNone) {
        m_cause = cause;
    }
}
