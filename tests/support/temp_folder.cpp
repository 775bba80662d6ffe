#include <gtest/gtest.h>

#include <shlobj.h>

#include "tests/support/test_support.h"

namespace testing_support {

TempFolder::TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        std::string candidate = std::string(base) + "minamo-test-" +
                                std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void WriteFile(const std::string& path, const std::string& bytes) {
    DWORD written = 0;
    {
        const platform::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file) << path;
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    ASSERT_EQ(written, bytes.size());
}

std::string ReadFile(const std::string& path) { return ReadFileWide(Wide(path)); }

std::string ReadFileWide(const std::wstring& path) {
    const platform::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file) return bytes;
    char buffer[65536];
    DWORD n = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
    return bytes;
}

void MakeFolder(const std::string& path) {
    // Made here with the wide functions, not with the program's own folder
    // creation that the tests check.
    MakeFolderW(Wide(path));
}

std::wstring Wide(const std::string& sjis) { return platform::ToWide(932, sjis); }

void MakeFolderW(const std::wstring& path) {
    for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
    DWORD a = GetFileAttributesW(path.c_str());
    ASSERT_TRUE(a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY));
}

void RemoveTree(const std::string& path) { RemoveTreeWide(Wide(path)); }

// Wide, so that folders named with characters Shift-JIS lacks go too.
void RemoveTreeWide(const std::wstring& path) {
    std::wstring folder = path;
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    if (folder.size() < 4) return;  // never a drive root
    WIN32_FIND_DATAW entry;
    const platform::UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry));
    for (BOOL more = static_cast<bool>(find); more; more = FindNextFileW(find.get(), &entry)) {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring child = folder + L"\\" + name;
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTreeWide(child);
        else
            DeleteFileW(child.c_str());
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

std::string FontBytes(size_t size, int seed) {
    std::string bytes(size, '\0');
    unsigned state = 2166136261u ^ static_cast<unsigned>(seed);
    for (char& b : bytes) {
        state = state * 16777619u + 1013904223u;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

void MakeFontFile(const std::string& path, size_t size, int seed) {
    WriteFile(path, FontBytes(size, seed));
}

void SetFileDate(const std::string& path, WORD year, WORD month, WORD day) {
    SYSTEMTIME local = {};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = day;
    local.wHour = 12;
    FILETIME localTime, utc;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    const platform::UniqueFile file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
    SetFileTime(file.get(), nullptr, nullptr, &utc);
}

std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\";
}

std::string ProfileFolder() {
    char folder[MAX_PATH] = {};
    GetEnvironmentVariableA("USERPROFILE", folder, MAX_PATH);
    return std::string(folder) + "\\";
}

std::string LocalAppDataFolder() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
    return std::string(folder) + "\\";
}

std::string UserDataFolder() { return LocalAppDataFolder() + "minamo\\"; }

void CopyFileTo(const std::string& from, const std::string& to) {
    ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << from << " -> " << to;
}

}  // namespace testing_support
