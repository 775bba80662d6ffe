// The floor of /v (figure 7 of scripts/bench): a program that does nothing
// but read, whole, the files a verify of a set must read, in the order it
// reads them: for each name the installed copy, then the set's file.
//   read_files_app SET_FOLDER USER_DATA_FOLDER NAME...
// Each file is read with one ReadFile into one buffer, which grows to the
// largest file and serves them all: memory new for each file costs more
// under Wine than the reading. Exit code 0 when every file was read whole.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/unique_handle.h"

namespace {

bool ReadWhole(const std::string& path, std::vector<char>& buffer) {
    const platform::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const DWORD size = GetFileSize(file.get(), nullptr);
    if (size == INVALID_FILE_SIZE) return false;
    if (buffer.size() < size) buffer.resize(size);
    DWORD read = 0;
    return size == 0 || (ReadFile(file.get(), buffer.data(), size, &read, nullptr) && read == size);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const std::string set = std::string(argv[1]) + "\\", installed = std::string(argv[2]) + "\\";
    std::vector<char> buffer;
    for (int i = 3; i < argc; ++i)
        if (!ReadWhole(installed + argv[i], buffer) || !ReadWhole(set + argv[i], buffer)) return 1;
    return 0;
}
