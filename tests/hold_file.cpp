// Holds a file open as another program would: an application with an EUDC
// font open, or a second install holding the lock. Made when missing.
//   hold_file PATH SHARE-MODE [MILLISECONDS]
// Without a time it holds the file until it is ended.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/unique_handle.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const DWORD share = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 0));
    // The test that started it looks whether the file is held yet, opening
    // it for a moment, and a holder it has just ended may keep the file a
    // moment longer: neither is a reason to give up.
    platform::UniqueFile file;
    for (int attempt = 0; attempt < 200 && !file; ++attempt) {
        if (attempt) Sleep(10);
        file.reset(CreateFileA(argv[1], GENERIC_READ, share, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && GetLastError() != ERROR_SHARING_VIOLATION) break;
    }
    if (!file) return 1;
    std::puts("held");  // for a script waiting to go on
    std::fflush(stdout);
    Sleep(argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : INFINITE);
    return 0;
}
