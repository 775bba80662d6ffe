// The floor of /convert (figure 9 of scripts/bench): a program that does
// nothing but convert a Shift-JIS file to UTF-8 with the system's two
// calls, a megabyte at a time (a lead byte cut off by a piece's end waits
// for the next), into a new file.
//   convert_bare_app SOURCE TARGET
// Exit code 0 when the whole file was converted and written.
#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const platform::UniqueFile in(CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    const platform::UniqueFile out(
        CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!in || !out) return 1;
    const DWORD piece = 1 << 20;
    std::string bytes(piece + 1, '\0');
    std::wstring wide(piece + 1, L'\0');
    std::string utf8(3 * (piece + 1), '\0');
    size_t carried = 0;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(in.get(), &bytes[carried], piece, &read, nullptr)) return 1;
        size_t have = carried + read;
        if (have == 0) return 0;
        // A lead byte at the end waits for its second byte.
        size_t whole = have;
        if (read != 0) {
            size_t i = 0;
            while (i < have) i += IsDBCSLeadByteEx(932, static_cast<BYTE>(bytes[i])) ? 2 : 1;
            if (i > have) whole = have - 1;
        }
        const int n = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(whole), &wide[0],
                                          static_cast<int>(wide.size()));
        const int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, &utf8[0], static_cast<int>(utf8.size()),
                                          nullptr, nullptr);
        DWORD written = 0;
        if ((whole && (n <= 0 || m <= 0)) || !WriteFile(out.get(), utf8.data(), m, &written, nullptr)) return 1;
        carried = have - whole;
        if (carried) bytes[0] = bytes[whole];
        if (read == 0) return 0;
    }
}
