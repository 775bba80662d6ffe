// Files and folders, through the A functions.
//
// On failure: false (or an empty list, or an owner that holds no file), or
// an Outcome that keeps the system's error code, with nothing changed that
// the call did not get to. Nothing is shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/outcome.h"
#include "platform/unique_handle.h"

namespace platform {

bool FileExists(const std::string& path);       // a file, not a folder
bool DirectoryExists(const std::string& path);  // a folder, not a file
// Success when path is a folder; else Windows' reason: ERROR_FILE_NOT_FOUND
// or ERROR_PATH_NOT_FOUND where nothing is, ERROR_DIRECTORY for a file, and
// the share's, the network's or the drive's reason where it cannot be read.
Outcome FolderThere(const std::string& path);
// One level; the parent must exist.
Outcome CreateOneDirectory(const std::string& path);
// Size in bytes; false when the file cannot be opened.
bool FileSize(const std::string& path, unsigned long long& size);
// Moves a file over to, replacing a file there. Windows 98/Me lack
// MoveFileExA: there the file at to is deleted first.
Outcome ReplaceFile(const std::string& from, const std::string& to);
// Moves a file (or a folder) to a name that must be free; it does not move
// when it is open without delete sharing, for example. Both names lie on
// one volume: the move is a rename, never a copy.
Outcome MoveOneFile(const std::string& from, const std::string& to);
Outcome DeleteOneFile(const std::string& path);
// Copies a file to a name that must be free; the source stays as it is.
Outcome CopyOneFile(const std::string& from, const std::string& to);
// Appends a line to a log file that many machines may share, with one
// write. The run that makes the file writes header and line into a file of
// its own and renames it into place, so that no other run's line can come
// before the header; a run that finds the log made meanwhile appends. False
// when the line was not written whole.
bool AppendLogLine(const std::string& path, const std::string& header, const std::string& line);
// Removes an empty folder; false when it stays.
bool RemoveEmptyFolder(const std::string& folder);

struct FolderEntry {
    std::string name;
    DWORD attributes;
};
// FindFirstFileA/FindNextFileA over a pattern such as "C:\x\*"; empty when
// nothing matches or the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& pattern);

// The path made whole (GetFullPathNameA): "." and ".." resolved, a slash
// read as a backslash. The path as given when the system cannot.
std::string FullPath(const std::string& path);
// The short (8.3) form of an existing path (GetShortPathNameA); the path as
// given when there is none, or when the volume makes no short names.
std::string ShortPath(const std::string& path);


// Size and last-write time, which the shell copy keeps.
struct FileStamp {
    unsigned long long size = 0;
    FILETIME written = {};
};
// False when the file cannot be queried.
bool ReadFileStamp(const std::string& path, FileStamp& stamp);
bool SameStamp(const FileStamp& a, const FileStamp& b);

// No limit on what ReadWholeFile reads.
constexpr unsigned long long kAnySize = ~0ull;
// The whole content. False, with bytes empty, when the file cannot be
// opened, a read fails, it holds more than limit bytes, or there is no
// memory for it: never a shortened content.
bool ReadWholeFile(const std::string& path, std::string& bytes, unsigned long long limit = kAnySize);

// Writes bytes as the whole file at path: into a new file beside it first,
// then moved over path, so that nobody finds it half written. A failure
// (and path as it was) when either step is refused.
Outcome WriteWholeFile(const std::string& path, const std::string& bytes);

// Whether two files hold the same bytes, false also when either cannot be
// read: sizes first, then both read side by side a piece at a time into
// buffer, up to the first difference.
bool SameFileBytes(const std::string& first, const std::string& second, std::vector<char>& buffer);

// A new file for records that must survive a power cut: written through,
// and each AppendDurably flushed. Others may read it. No file when it
// exists already or cannot be made; why says then.
UniqueFile CreateDurableFile(const std::string& path, Outcome& why);
// The file, made when missing, with no sharing at all: while it is open
// here, every other open of it fails, in any process and any session. No
// file when it cannot be opened; why says then (ERROR_SHARING_VIOLATION:
// another holder has it).
UniqueFile OpenExclusiveFile(const std::string& path, Outcome& why);
// Writes bytes at the end of file and returns once they are on the disk; a
// failure when they are not (or file is no file).
Outcome AppendDurably(HANDLE file, const std::string& bytes);

// A file read a piece at a time, shared with other readers only: a file
// another program has open for writing is refused (why says so, with
// Windows' code) rather than read half changed.
UniqueFile OpenToReadAlone(const std::string& path, Outcome& why);
// The next piece, up to size bytes (fewer only at the end, none after it).
Outcome ReadNextPiece(HANDLE file, std::string& piece, size_t size);
// Back to the file's first byte.
Outcome Rewind(HANDLE file);
// A new file, which must not exist yet, for writing alone.
UniqueFile CreateNewFile(const std::string& path, Outcome& why);
Outcome WriteBytes(HANDLE file, const std::string& bytes);

}  // namespace platform
