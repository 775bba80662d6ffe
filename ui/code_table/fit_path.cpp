#include "ui/code_table/fit_path.h"

#include "engine/paths/paths.h"
#include "ui/gdi.h"

namespace {

const char* const kEllipsisFolder = "...\\";

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

}  // namespace

std::string DropFirstFolder(const std::string& f) {
    if (f == "\\") return std::string();
    std::string rest = f;
    bool rooted = StartsWith(rest, "\\");
    if (rooted) rest.erase(0, 1);
    // Only the "...\" put in by an earlier step is dropped here; a folder
    // whose own name begins with a dot is an ordinary folder.
    if (StartsWith(rest, kEllipsisFolder)) rest.erase(0, 4);
    // Backslashes that are characters of their own: the second byte of a
    // two-byte character such as "表" may be 0x5C.
    size_t at = paths::NextDelimiter(rest, "\\");
    rest = at == std::string::npos ? std::string() : kEllipsisFolder + rest.substr(at + 1);
    return rooted ? "\\" + rest : rest;
}

std::string FitPathToWidth(const std::string& path, const TextWidth& width, int maxWidth) {
    std::string result = path;
    size_t last = paths::LastDelimiter(path, "\\");
    std::string folder = last == std::string::npos ? std::string() : path.substr(0, last + 1);
    std::string name = path.substr(folder.size());
    std::string drive;
    if (folder.size() >= 2 && folder[1] == ':') {
        drive = folder.substr(0, 2);
        folder.erase(0, 2);
    }
    while ((!folder.empty() || !drive.empty()) && width(result) > maxWidth) {
        if (folder == "\\...\\") {
            drive.clear();
            folder = kEllipsisFolder;
        } else if (folder.empty()) {
            drive.clear();
        } else {
            folder = DropFirstFolder(folder);
        }
        result = drive + folder + name;
    }
    return result;
}

int TextWidthIn(HFONT font, const std::string& text) {
    gdi::WindowDC screen(nullptr);
    gdi::Selection selected(screen.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(screen.get(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

std::string FitPathToWidth(const std::string& path, HFONT font, int maxWidth) {
    return FitPathToWidth(
        path, [font](const std::string& text) { return TextWidthIn(font, text); }, maxWidth);
}
