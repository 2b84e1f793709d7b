// SPDX-License-Identifier: MIT
// Binary files under game paths, with the classic file-error cause codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

// Cause codes of a failed file operation, as the game reports them in its messages.
enum FileCause : int {
    kNone = 0,
    kGeneric = 1,
    kFileNotFound = 2,
    kBadPath = 3,
    kTooManyOpenFiles = 4,
    kAccessDenied = 5,
    kInvalidFile = 6,
    kRemoveCurrentDir = 7,
    kDirectoryFull = 8,
    kBadSeek = 9,
    kHardIO = 10,
    kSharingViolation = 11,
    kLockViolation = 12,
    kDiskFull = 13,
    kEndOfFile = 14,
};

// Maps a host errno value to a cause code.
int CauseFromErrno(int err);

// Removes a file named by a game path; true when it is gone (also when it never existed).
bool RemoveFile(const std::string& gamePath);
// True when a file (not a folder) of that game path exists.
bool FileExists(const std::string& gamePath);
// True when a folder of that game path exists.
bool FolderExists(const std::string& gamePath);
// Makes a folder named by a game path in a folder that exists; false when it was there already
// or cannot be made.
bool MakeFolder(const std::string& gamePath);
// Removes a folder named by a game path with all it holds; true when it is gone.
bool RemoveFolder(const std::string& gamePath);
// Moves a file to a name that nothing has yet, in one step; false, with both names as they
// were, when the new name is taken or the move cannot be made.
bool MoveToNewName(const std::string& fromGamePath, const std::string& toGamePath);

// True when a host path names, after every link, a place inside the program folder (for an
// installed game that is the player's own folder).
bool InsideProgramFolder(const std::string& hostPath);
// True when a host path is a link that leads outside the program folder: a file the game
// writes in place is never written through one.
bool IsLinkOutside(const std::string& hostPath);

// The scratch file a replacing write of a host path goes through before it is renamed over it.
std::string ScratchPath(const std::string& hostPath);

}  // namespace platform

// A file opened by a game path. Errors never throw: they are kept as a cause code.
class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,      // create, truncating an existing file unless modeNoTruncate
        modeNoTruncate = 0x2000,  // with modeCreate: keep an existing file's contents
        // Write a new file beside the old one and rename it over the old one on Close, so a
        // failed or interrupted save leaves the old file whole. Implies modeWrite|modeCreate.
        modeReplace = 0x10000,
        // Fail when the file exists already (with modeCreate).
        modeExclusive = 0x20000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // Only regular files open: a folder, a pipe or a device is refused (kAccessDenied) at once,
    // without waiting on it. A replacing write makes its scratch file anew (a stale one, or a
    // link in its place, is removed first, never written through); an in-place write through a
    // link is refused when the link leads outside the program folder.
    // Opens the file; a read falls through to the installed data (see ReadPath), and a
    // merged list reads as the installed lines followed by the player's. On failure returns false
    // and sets Cause() (and *cause when given).
    bool Open(const std::string& gamePath, unsigned flags, int* cause = nullptr);
    // Opens for reading a file of at most maxLength bytes; a longer one is refused with
    // kInvalidFile, as a file the reader could not use, before a byte of it is read.
    bool OpenToRead(const std::string& gamePath, uint64_t maxLength, int* cause = nullptr);
    bool IsOpen() const { return m_file != nullptr; }

    // Reads up to count bytes; returns the number read (0 at the end or on error).
    size_t Read(void* buffer, size_t count);
    // Writes all bytes; false (and a cause) on error.
    bool Write(const void* buffer, size_t count);
    // Length of the file in bytes; the position is kept.
    uint64_t GetLength();
    bool SeekToBegin();
    bool SeekToEnd();

    // Closes the file. For a replacing write, flushes and renames the new file over the
    // old one; false when anything failed, and then the old file is left as it was.
    bool Close();
    // Closes without keeping a replacing write.
    void Abort();

    int Cause() const { return m_cause; }
    const std::string& HostFilePath() const { return m_hostPath; }

protected:
    int GetByte();  // next byte or EOF
    void UngetByte(int c);
    void Fail(int cause);
    bool OpenLimited(const std::string& gamePath, unsigned flags, uint64_t maxLength, int* cause);
    bool OpenMerged(const std::string& gamePath, uint64_t maxLength);

    std::FILE* m_file = nullptr;
    std::string m_hostPath;
    std::string m_tempPath;  // set while a replacing write is under way
    std::string m_merged;    // the bytes of a merged list being read
    int m_cause = platform::kNone;
    bool m_writeFailed = false;
    bool m_readStopped = false;  // a text line ran past its limit: the rest is never read
};
