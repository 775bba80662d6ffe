#include "platform/files.h"

#include <cstring>
#include <new>

#include "platform/module_function.h"
#include "platform/system.h"

namespace platform {

namespace {
DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }
}  // namespace

bool FileExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

Outcome FolderThere(const std::string& path) {
    const DWORD a = Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Outcome::LastError();
    return a & FILE_ATTRIBUTE_DIRECTORY ? Outcome() : Outcome::Failure(ERROR_DIRECTORY);
}

Outcome CreateOneDirectory(const std::string& path) { return Outcome::Of(CreateDirectoryA(path.c_str(), nullptr)); }

bool FileSize(const std::string& path, unsigned long long& size) {
    FileStamp stamp;
    if (!ReadFileStamp(path, stamp)) return false;
    size = stamp.size;
    return true;
}

namespace {

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

// MoveFileExA from kernel32, looked up at run time: Windows 98/Me lack it,
// and an import of it would keep the program from starting there.
MoveFileExFunction MoveFileExOfThisSystem() {
    if (!IsNtPlatform()) return nullptr;
    return LoadedModuleFunction<MoveFileExFunction>("kernel32.dll", "MoveFileExA");
}

// No MOVEFILE_COPY_ALLOWED: a copy and delete in place of a rename could
// leave both files behind, and the install's journal counts on one of them.
Outcome Move(const std::string& from, const std::string& to, bool replace) {
    if (MoveFileExFunction moveEx = MoveFileExOfThisSystem()) {
        const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
        return Outcome::Of(moveEx(from.c_str(), to.c_str(), flags));
    }
    // MoveFileA never replaces: the file in the way goes first.
    if (replace && FileExists(to)) {
        const Outcome deleted = DeleteOneFile(to);
        if (!deleted) return deleted;
    }
    return Outcome::Of(MoveFileA(from.c_str(), to.c_str()));
}

}  // namespace

Outcome ReplaceFile(const std::string& from, const std::string& to) { return Move(from, to, true); }

Outcome MoveOneFile(const std::string& from, const std::string& to) { return Move(from, to, false); }

Outcome DeleteOneFile(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return Outcome::Of(DeleteFileA(path.c_str()));
}

Outcome CopyOneFile(const std::string& from, const std::string& to) {
    return Outcome::Of(CopyFileA(from.c_str(), to.c_str(), TRUE));
}

bool RemoveEmptyFolder(const std::string& folder) { return RemoveDirectoryA(folder.c_str()) != FALSE; }

std::vector<FolderEntry> ListFolder(const std::string& pattern) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    const UniqueFind find(FindFirstFileA(pattern.c_str(), &data));
    if (!find) return entries;
    do {
        entries.push_back({data.cFileName, data.dwFileAttributes});
    } while (FindNextFileA(find.get(), &data));
    return entries;
}

namespace {
// For reading, shared with writers: a file another program writes to is
// still read.
UniqueFile OpenForReading(const std::string& path) {
    return UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}
}  // namespace

namespace {

bool WriteWhole(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// An existing log opened for appending, shared, so that many machines can
// append to one file on a share.
UniqueFile OpenForAppending(const std::string& path) {
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    // Append access makes each write land at the end of the file as it is
    // then, also while other machines append to it.
    UniqueFile file(CreateFileA(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && !IsNtPlatform()) {
        // Windows 98 and Me know only whole write access.
        file.reset(CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
        if (file) SetFilePointer(file.get(), 0, nullptr, FILE_END);
    }
    return file;
}

bool IsEmptyFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeHigh == 0 &&
           data.nFileSizeLow == 0;
}

// How long a run waits for another that is making the file.
const int kLogAttempts = 100;
const DWORD kLogPauseMs = 20;

}  // namespace

// Makes a new log whole under a name of this run's own, then renames it
// into place: the rename fails when another run made the log first, on any
// file system and share, whatever sharing modes it keeps. False when the
// log was not made here.
bool MakeLog(const std::string& path, const std::string& bytes) {
    const std::string own = path + ".~" + ComputerName() + "-" + std::to_string(GetCurrentProcessId());
    {
        const UniqueFile made(
            CreateFileA(own.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!made || !WriteWhole(made.get(), bytes)) {
            DeleteFileA(own.c_str());
            return false;
        }
    }
    if (MoveFileA(own.c_str(), path.c_str())) return true;
    DeleteFileA(own.c_str());
    return false;
}

bool AppendLogLine(const std::string& path, const std::string& header, const std::string& line) {
    if (!FileExists(path) && MakeLog(path, header + line)) return true;
    for (int attempt = 0; attempt < kLogAttempts; ++attempt) {
        if (IsEmptyFile(path)) {
            // A log made empty (by hand, to set who may write it) gets its
            // header from the one run that holds it alone, once.
            const UniqueFile alone(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
            LONG high = 0;
            if (alone) {
                const DWORD end = SetFilePointer(alone.get(), 0, &high, FILE_END);
                return WriteWhole(alone.get(), end == 0 && high == 0 ? header + line : line);
            }
        } else if (const UniqueFile existing = OpenForAppending(path)) {
            return WriteWhole(existing.get(), line);
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
        Sleep(kLogPauseMs);
    }
    return false;
}

namespace {
// A path from one of the A functions that fill a buffer, grown until the
// path fits; empty when the call failed.
template <typename Get>
std::string PathFrom(Get get) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = get(&path[0], static_cast<DWORD>(path.size()));
        if (n == 0) return std::string();
        if (n < path.size()) return path.substr(0, n);
        path.resize(n);  // n counts the closing NUL here
    }
}
}  // namespace

std::string FullPath(const std::string& path) {
    const std::string full =
        PathFrom([&](char* buffer, DWORD size) { return GetFullPathNameA(path.c_str(), size, buffer, nullptr); });
    return full.empty() ? path : full;
}

std::string ShortPath(const std::string& path) {
    const std::string shortPath =
        PathFrom([&](char* buffer, DWORD size) { return GetShortPathNameA(path.c_str(), buffer, size); });
    return shortPath.empty() ? path : shortPath;
}

bool ReadFileStamp(const std::string& path, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    stamp.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = data.ftLastWriteTime;
    return true;
}

bool SameStamp(const FileStamp& a, const FileStamp& b) {
    return a.size == b.size && CompareFileTime(&a.written, &b.written) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, unsigned long long limit) {
    bytes.clear();
    const UniqueFile file = OpenForReading(path);
    if (!file) return false;
    // Read by the file's size in one call: a font is read whole before an
    // install, and small steps into a growing text cost more than the
    // reading. A file that grows meanwhile is read on to its end.
    DWORD high = 0;
    const DWORD low = GetFileSize(file.get(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
    const unsigned long long size = (static_cast<unsigned long long>(high) << 32) | low;
    // A file larger than the caller can use, or than this process can
    // hold, is refused before any memory is taken for it.
    if (size > limit || size > bytes.max_size() / 2) return false;
    try {
        bytes.resize(static_cast<size_t>(size));
        size_t have = 0;
        DWORD n = 0;
        while (have < bytes.size()) {
            if (!::ReadFile(file.get(), &bytes[have], static_cast<DWORD>(bytes.size() - have), &n, nullptr)) {
                bytes.clear();
                return false;
            }
            if (n == 0) break;  // shortened meanwhile: its end is here
            have += n;
        }
        bytes.resize(have);
        char more[4096];
        for (;;) {
            if (!::ReadFile(file.get(), more, sizeof more, &n, nullptr)) {
                bytes.clear();
                return false;
            }
            if (n == 0) return true;
            if (bytes.size() + n > limit) break;
            bytes.append(more, n);
        }
    } catch (const std::bad_alloc&) {
    }
    // No room, or more bytes than allowed: nothing is half read.
    bytes.clear();
    bytes.shrink_to_fit();
    return false;
}

namespace {

// Reads up to size bytes, fewer only at the file's end; false on a failed read.
bool ReadPiece(HANDLE file, char* into, DWORD size, DWORD& have) {
    have = 0;
    DWORD n = 0;
    while (have < size && ::ReadFile(file, into + have, size - have, &n, nullptr)) {
        if (n == 0) return true;
        have += n;
    }
    return have == size;
}

}  // namespace

bool SameFileBytes(const std::string& first, const std::string& second, std::vector<char>& buffer) {
    const UniqueFile a = OpenForReading(first);
    const UniqueFile b = a ? OpenForReading(second) : UniqueFile();
    if (!a || !b) return false;
    DWORD highA = 0, highB = 0;
    const DWORD lowA = GetFileSize(a.get(), &highA), lowB = GetFileSize(b.get(), &highB);
    if (lowA != INVALID_FILE_SIZE && lowB != INVALID_FILE_SIZE && (lowA != lowB || highA != highB))
        return false;
    // Pieces that stay in the processor's cache: reading two fonts whole
    // and comparing them moves each byte through memory three times.
    const DWORD piece = 256 * 1024;
    buffer.resize(2 * piece);
    for (;;) {
        DWORD haveA = 0, haveB = 0;
        if (!ReadPiece(a.get(), buffer.data(), piece, haveA) ||
            !ReadPiece(b.get(), buffer.data() + piece, piece, haveB) || haveA != haveB ||
            std::memcmp(buffer.data(), buffer.data() + piece, haveA) != 0)
            return false;
        if (haveA < piece) return true;
    }
}

UniqueFile CreateDurableFile(const std::string& path, Outcome& why) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    why = file ? Outcome() : Outcome::LastError();
    return file;
}

UniqueFile OpenExclusiveFile(const std::string& path, Outcome& why) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    why = file ? Outcome() : Outcome::LastError();
    return file;
}

Outcome AppendDurably(HANDLE file, const std::string& bytes) {
    if (file == INVALID_HANDLE_VALUE) return Outcome::Failure(ERROR_INVALID_HANDLE);
    DWORD written = 0;
    if (SetFilePointer(file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER ||
        !::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return Outcome::LastError();
    if (written != bytes.size()) return Outcome::Failure(ERROR_WRITE_FAULT);
    return Outcome::Of(FlushFileBuffers(file));
}

Outcome WriteWholeFile(const std::string& path, const std::string& bytes) {
    const std::string written = path + ".new";
    {
        UniqueFile file(CreateFileA(written.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
        if (!file) return Outcome::LastError();
        if (!WriteWhole(file.get(), bytes)) {
            const Outcome why = Outcome::LastError();
            file.reset();
            DeleteFileA(written.c_str());
            return why;
        }
    }
    const Outcome moved = ReplaceFile(written, path);
    if (!moved) DeleteFileA(written.c_str());
    return moved;
}

UniqueFile OpenToReadAlone(const std::string& path, Outcome& why) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    why = file ? Outcome() : Outcome::LastError();
    return file;
}

Outcome ReadNextPiece(HANDLE file, std::string& piece, size_t size) {
    piece.resize(size);
    DWORD have = 0;
    if (!ReadPiece(file, &piece[0], static_cast<DWORD>(size), have)) {
        const Outcome why = Outcome::LastError();
        piece.clear();
        return why;
    }
    piece.resize(have);
    return Outcome();
}

Outcome Rewind(HANDLE file) {
    return Outcome::Of(SetFilePointer(file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER);
}

UniqueFile CreateNewFile(const std::string& path, Outcome& why) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    why = file ? Outcome() : Outcome::LastError();
    return file;
}

Outcome WriteBytes(HANDLE file, const std::string& bytes) { return Outcome::Of(WriteWhole(file, bytes)); }

}  // namespace platform
