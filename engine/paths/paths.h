// Path texts. Folders end in a backslash once stored. All scans know
// Shift-JIS: the second byte of a two-byte character (as in "表" or "ソ")
// may be 0x5C and is never taken for a backslash.
#pragma once

#include <string>

std::string AddTrailingBackslash(const std::string& s);
std::string RemoveTrailingBackslash(const std::string& s);
// Whether two paths name the same file as Windows compares names: letter
// case aside, in the ANSI code page.
bool SamePath(const std::string& a, const std::string& b);

namespace paths {

// Whether the text ends in a backslash that is a character of its own.
bool EndsWithBackslash(const std::string& s);
// Position of the last single-byte character of chars, or npos.
size_t LastDelimiter(const std::string& s, const char* chars);
// Position of the first single-byte character of chars at or after from
// (the start of a character), or npos.
size_t NextDelimiter(const std::string& s, const char* chars, size_t from = 0);
// The text after the last "\" or ":".
std::string FileNamePart(const std::string& path);
// Everything up to and including the last "\" or ":".
std::string FolderPart(const std::string& path);
// From the last "." of the file-name part; empty when there is none.
std::string ExtensionOf(const std::string& path);
// Replaces the extension, or appends ext when there is none.
std::string ChangeExtension(const std::string& path, const std::string& ext);
// Capitals for the single-byte letters a-z only.
std::string UpperAscii(const std::string& s);
// A bare file name: no "\", "/" or ":", not empty, not "." or "..".
bool IsBareFileName(const std::string& name);
// A name Windows keeps for a device (CON, PRN, AUX, NUL, COM0-COM9,
// LPT0-LPT9, CONIN$, CONOUT$, CLOCK$), with any extension or trailing
// blanks and dots: such a "file" exists in every folder and is no font.
bool IsDeviceName(const std::string& fileName);
// A path that names its folder by itself: a drive and a backslash (D:\,
// D:\eudc) or two backslashes (\\server\share). Anything else is taken below
// the program's folder.
bool IsAbsolutePath(const std::string& path);
// path itself when it is absolute, else path below folder (which ends in a
// backslash).
std::string BelowUnlessAbsolute(const std::string& folder, const std::string& path);
// Whether a path from the system was spelled in the ANSI code page: it
// holds no platform::kUnspelledChar (a folder named with characters
// Shift-JIS lacks that has no short name).
bool IsSpelled(const std::string& path);
// The path for a message: "?" for each character that could not be spelled.
std::string ShownPath(const std::string& path);
// An absolute path (IsAbsolutePath) as Windows reads it: "/" taken for
// "\", doubled backslashes as one, "." and ".." folded (never above the
// drive or share), and the blanks and dots that end a name dropped.
std::string NormalPath(const std::string& absolute);
// Length of the part of an absolute path that no folder creation can make:
// "D:" or "\\server\share"; 0 for any other text.
size_t RootLength(const std::string& path);

}  // namespace paths
