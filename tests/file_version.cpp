// Prints the version information of a program as Windows reads it:
//   file_version PROGRAM
//   -> "<fixed file version> <FileVersion text> <ProductVersion text>"
// for instance "3.0.0.0 3.0.0.0 3.0". Exit 1 when there is none.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A text of the Japanese (0411, Unicode 04B0) string table.
std::string VersionText(const std::vector<char>& block, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value)
        return "-";
    return std::string(value);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
    if (size == 0) return 1;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(argv[1], 0, size, block.data())) return 1;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return 1;
    std::printf("%u.%u.%u.%u %s %s\n", HIWORD(fixed->dwFileVersionMS),
                LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS), VersionText(block, "FileVersion").c_str(),
                VersionText(block, "ProductVersion").c_str());
    return 0;
}
