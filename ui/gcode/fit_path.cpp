#include "ui/gcode/fit_path.h"

#include "platform/platform.h"
#include "ui/gdi.h"

namespace {

const char* const kEllipsisFolder = "...\\";

// Byte offset of the first or last backslash that is a character of its
// own: in Shift-JIS the second byte of a two-byte character may be 0x5C,
// and splitting there would cut a folder name such as "表示" in half.
size_t FindBackslash(const std::string& text, bool last) {
    size_t found = std::string::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        if (platform::IsLeadByte(text[i]) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (text[i] == '\\') {
            found = i;
            if (!last) break;
        }
    }
    return found;
}

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
    size_t at = FindBackslash(rest, false);
    rest = at == std::string::npos ? std::string() : kEllipsisFolder + rest.substr(at + 1);
    return rooted ? "\\" + rest : rest;
}

std::string FitPathToWidth(const std::string& path, const TextWidth& width, int maxWidth) {
    std::string result = path;
    size_t last = FindBackslash(path, true);
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
