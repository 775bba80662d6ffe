// The floor of a copy through the shell: a program that does nothing but
// one SHFileOperationA of the same kind minamo.exe makes, for figures 1
// and 2 of scripts/bench.
//   shell_copy_app acquire SOURCE_FOLDER TARGET_FOLDER
//       every *.TTE of SOURCE_FOLDER into TARGET_FOLDER (made first), one
//       destination per file: the acquire's copy
//   shell_copy_app install SOURCE_FOLDER TARGET_FOLDER
//       the same files, as the install copies them into its staging folder
// Exit code 0 when the shell reported the copy done and not aborted.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "platform/unique_handle.h"
#include "platform/windows_true.h"

namespace {

// The sources and their destinations as the shell wants them: each path
// followed by a NUL, one more NUL at the end.
struct FileLists {
    std::string from, to;
};

FileLists ListFonts(const std::string& source, const std::string& target) {
    FileLists lists;
    WIN32_FIND_DATAA data;
    const platform::UniqueFind find(FindFirstFileA((source + "\\*.TTE").c_str(), &data));
    if (!find) return lists;
    do {
        lists.from += source + "\\" + data.cFileName + '\0';
        lists.to += target + "\\" + data.cFileName + '\0';
    } while (FindNextFileA(find.get(), &data));
    lists.from += '\0';
    lists.to += '\0';
    return lists;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const bool acquire = std::strcmp(argv[1], "acquire") == 0;
    CreateDirectoryA(argv[3], nullptr);
    const FileLists lists = ListFonts(argv[2], argv[3]);
    if (lists.from.size() < 2) return 2;
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_COPY;
    op.pFrom = lists.from.c_str();
    op.pTo = lists.to.c_str();
    op.fFlags = FOF_MULTIDESTFILES | FOF_NOCONFIRMATION | FOF_FILESONLY;
    op.fAnyOperationsAborted = acquire ? FALSE : platform::kTrueAllBits;
    op.lpszProgressTitle = acquire ? "外字ファイルの取得" : "外字のインストール";
    if (SHFileOperationA(&op) != 0) return 1;
    return acquire && op.fAnyOperationsAborted ? 1 : 0;
}
