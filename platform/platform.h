// Everything minamo needs of Windows, behind one header.
//
// Texts are byte strings in the system's ANSI code page (Shift-JIS on a
// Japanese system) and go to the A functions unchanged. Failures are
// reported by return values, never by exceptions.
//
// Modal boxes, questions and EnableEUDC go through the replaceable
// Interaction object, so that tests can record every text and script every
// answer. Everything else runs against the real system.
#pragma once

#include <windows.h>
#include <shellapi.h>  // FOF_* flags of the shell copy

#include <string>
#include <vector>

namespace platform {

// ---------------------------------------------------------------------------
// Boxes, questions and the EUDC switch: the test seam.

class Interaction {
public:
    virtual ~Interaction() = default;
    // A plain box with an OK button; returns when it was closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // A warning box with Yes and No; returns the button id (IDNO = 7).
    virtual int AskYesNo(const std::string& text) = 0;
    // The system-wide EUDC switch; the result is passed through.
    virtual BOOL EnableEudc(BOOL enable) = 0;
};

// The object in force; the real one unless a test installed its own.
Interaction& CurrentInteraction();
// Installs replacement (nullptr restores the real one); returns the previous.
Interaction* SetInteraction(Interaction* replacement);

inline void ShowMessage(const std::string& text) { CurrentInteraction().ShowMessage(text); }
inline int AskYesNo(const std::string& text) { return CurrentInteraction().AskYesNo(text); }
inline BOOL EnableEudc(BOOL enable) { return CurrentInteraction().EnableEudc(enable); }

// TRUE as EnableEUDC expects it: all bits set.
constexpr BOOL kEudcOn = static_cast<BOOL>(0xFFFFFFFF);
constexpr BOOL kEudcOff = FALSE;

// Caption of every box the program shows.
extern const char* const kBoxCaption;

// ---------------------------------------------------------------------------
// Process, environment and version.

// The running executable's full path, spelled by SpellPath on the NT family.
std::string ExecutablePath();
// The command-line arguments after the program path, split by
// SplitCommandLine (command_line_split.h): from the wide command line (the
// NT family) or from the ANSI one (Windows 98 and Me).
std::vector<std::wstring> CommandLineArgumentsW();
std::vector<std::string> CommandLineArgumentsA();
// The Windows NT family, where the wide functions work; on Windows 98 and
// Me most of them are stubs that fail.
bool IsNtPlatform();
// An environment variable that holds a folder, read wide and spelled by
// SpellPath on the NT family; false when it is unset or empty.
bool EnvironmentFolder(const char* name, std::string& path);
DWORD CurrentProcessId();
// Sleep: other processes run meanwhile.
void Pause(DWORD milliseconds);
// GetVersionExA with the size field set to 148; the result is not examined.
void ReadOsVersion(OSVERSIONINFOA& info);
// SHGetFolderPathW(no window, csidl, no token, SHGFP_TYPE_CURRENT), spelled
// by SpellPath (SHGetFolderPathA where the wide one is missing), both found
// at run time: shell32 has them from Windows 2000 on. Call it on major
// version 5 or later; false when the shell has no such folder.
bool ShellFolderPath(int csidl, std::string& path);
// GetWindowsDirectoryA.
std::string SystemWindowsFolder();
// This computer's NetBIOS name and the signed-in user's name; empty when
// the system does not say.
std::string ComputerName();
std::string UserName();
// The local date and time now.
SYSTEMTIME LocalTimeNow();
// uxtheme's IsThemeActive, loaded at run time; false where it is missing.
bool IsThemeActive();
// comctl32's InitCommonControlsEx for the given ICC_* classes, loaded at run
// time: importing comctl32 would load it, and with it the theming and the
// display connection, in command mode too, which needs no window.
bool InitCommonControlsAtRunTime(DWORD classes);
// ShellExecuteA(owner, "open", target, "", "", SW_SHOWNORMAL); ignored result.
void OpenWithShell(HWND owner, const std::string& target);

// Rounds each floating-point result to a double's precision, on 32-bit x86
// too; the program's start sets it before any computation.
void UseDoublePrecision();

// ---------------------------------------------------------------------------
// System DLLs, never one planted beside the program.

// Restricts every later DLL search of the process, the system's own on the
// program's behalf included, to the system folder (SetDefaultDllDirectories,
// resolved at run time); false where Windows lacks it. Called first thing.
bool RestrictDllSearchToSystemFolder();
// The full path of a DLL in the system folder; empty when it is unknown.
std::string SystemDllPath(const char* name);
// LoadLibraryA by that full path, on every Windows.
HMODULE LoadSystemLibrary(const char* name);
// comctl32.dll: version 6 through the manifest's activation context where
// it redirects the name, else the system folder's by full path.
HMODULE LoadCommonControls();

// ---------------------------------------------------------------------------
// Display: pixel density and colour scheme.

// The density all layouts are drawn for: 100 % scaling.
constexpr UINT kDefaultDpi = 96;
// The screen's DPI as the process sees it (LOGPIXELSY of the screen).
UINT SystemDpi();
// The DPI of the monitor a window is on (GetDpiForWindow); the system DPI
// where Windows has no per-window DPI.
UINT WindowDpi(HWND window);
// AdjustWindowRectEx (no menu) with the frame sizes of the given DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);
// GetSystemMetrics for the given DPI.
int SystemMetricForDpi(int index, UINT dpi);
// The user chose a high-contrast colour scheme.
bool HighContrastOn();

// ---------------------------------------------------------------------------
// Files and folders.

bool FileExists(const std::string& path);       // a file, not a folder
bool DirectoryExists(const std::string& path);  // a folder, not a file
// One level; the parent must exist. False when it was not created.
bool CreateOneDirectory(const std::string& path);
// Size in bytes; false when the file cannot be opened.
bool FileSize(const std::string& path, unsigned long long& size);
// Moves a file over to, replacing a file there; false when it did not move.
// Windows 98/Me lack MoveFileExA: there the file at to is deleted first.
bool ReplaceFile(const std::string& from, const std::string& to);
// Moves a file to a name that must be free; false when it did not move,
// for example when the file is open without delete sharing. Both names lie
// on one volume: the move is a rename, never a copy.
bool MoveOneFile(const std::string& from, const std::string& to);
bool DeleteOneFile(const std::string& path);
// Appends bytes to a file with one write, creating it when missing. Opened
// for appending and shared, so that many machines can append to one file
// on a share; false when the bytes were not written whole.
bool AppendToFile(const std::string& path, const std::string& bytes);
// Removes a folder (its path ending in a backslash) with the files inside
// it (not recursive into folders).
bool RemoveFolderWithFiles(const std::string& folder);

struct FolderEntry {
    std::string name;
    DWORD attributes;
};
// FindFirstFileA/FindNextFileA over a pattern such as "C:\x\*".
std::vector<FolderEntry> ListFolder(const std::string& pattern);

// The last-write time as local calendar time; false when the file cannot be
// opened or the time not converted.
bool LastWriteLocalTime(const std::string& path, SYSTEMTIME& time);

// Size and last-write time, which the shell copy keeps.
struct FileStamp {
    unsigned long long size = 0;
    FILETIME written = {};
};
// False when the file cannot be queried.
bool ReadFileStamp(const std::string& path, FileStamp& stamp);
bool SameStamp(const FileStamp& a, const FileStamp& b);

// The whole content; false when the file cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// An open file, closed with the object.
class OpenFile {
public:
    OpenFile() = default;
    ~OpenFile() { Close(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // A new file for records that must survive a power cut: written
    // through, and each AppendDurably flushed. Others may read it. False
    // when the file exists already or cannot be made.
    bool CreateDurable(const std::string& path);
    // The file, made when missing, with no sharing at all: while it is open
    // here, every other open of it fails, in any process and any session.
    // inUse tells a failure because another holder has it open.
    bool OpenExclusive(const std::string& path, bool& inUse);
    // Writes bytes at the end and returns once they are on the disk.
    bool AppendDurably(const std::string& bytes);
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Close();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// ---------------------------------------------------------------------------
// Profile (INI) files. Always pass full paths: a bare file name sends the
// profile functions to the Windows folder.

// The value, or fallback when file, section or key is missing. At most 2047
// bytes of a value are read.
std::string ReadProfileString(const std::string& file, const char* section,
                              const std::string& key, const std::string& fallback);
// The key names of a section in file order (a 16384-byte list buffer).
std::vector<std::string> ReadProfileKeys(const std::string& file, const char* section);
// False when the platform refused the write.
bool WriteProfileString(const std::string& file, const char* section,
                        const std::string& key, const std::string& value);
bool EraseProfileSection(const std::string& file, const char* section);
// Replaces every entry of a section with these "key=value" lines, in order,
// with one write of the file (WritePrivateProfileSectionA); false when
// refused. The system rewrites the whole file on each write call.
bool WriteProfileSection(const std::string& file, const char* section,
                         const std::vector<std::string>& lines);

// ---------------------------------------------------------------------------
// Registry.

// An open registry key, closed with the object.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // RegOpenKeyExA; false (and no key) when it cannot be opened.
    bool Open(HKEY root, const char* path, REGSAM access);
    // RegCreateKeyExA, REG_OPTION_NON_VOLATILE; creates the key when missing.
    bool Create(HKEY root, const char* path, REGSAM access);
    bool IsOpen() const { return key_ != nullptr; }
    void Close();

    // Value names in enumeration order; names of any length.
    std::vector<std::string> ValueNames() const;
    // Every value in enumeration order with, when it is REG_SZ or
    // REG_EXPAND_SZ, its text up to the first NUL: one call a value where
    // ValueNames and ReadText make three (each asks the registry server).
    struct TextValue {
        std::string name;
        bool isText;
        std::string text;
    };
    std::vector<TextValue> TextValues() const;
    // The text of a REG_SZ or REG_EXPAND_SZ value up to its first NUL.
    // Empty for a value without data or one that cannot be queried; false
    // (and empty) for a value whose data is not text.
    bool ReadText(const std::string& name, std::string& text) const;
    // One REG_SZ value with its terminating NUL; false when refused.
    bool WriteText(const std::string& name, const std::string& text);

private:
    HKEY key_ = nullptr;
};

// ---------------------------------------------------------------------------
// The shell's file copy.

struct ShellCopyRequest {
    std::string sources;       // NUL-separated, ending in two NULs
    std::string destinations;  // likewise
    WORD flags = 0;  // FOF_* bits
    std::string progressTitle;
    BOOL abortedBefore = FALSE;  // value of the aborted flag before the call
};
struct ShellCopyResult {
    int code = 0;        // zero: the shell reported the copy done
    BOOL aborted = FALSE;  // the aborted flag after the call
};
// One FO_COPY through SHFileOperationA with no window and no name mappings.
ShellCopyResult ShellCopy(const ShellCopyRequest& request);

// ---------------------------------------------------------------------------
// Text and code pages.

// CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE): <0, 0 or >0.
int CompareTextIgnoreCase(const std::string& a, const std::string& b);
// Capitals for every letter that has one, full-width letters included, as
// the file system folds names (LCMapStringA, LCMAP_UPPERCASE).
std::string UpperCaseText(const std::string& text);
// The system ANSI code page.
UINT AnsiCodePage();
// Whether c opens a two-byte character in the ANSI code page (for Shift-JIS
// the bytes 0x81-0x9F and 0xE0-0xFC), whose second byte may be '\\'.
bool IsLeadByte(char c);
std::wstring ToWide(UINT codePage, const std::string& text);
// "?" stands for a code point without counterpart.
std::string ToMultiByte(UINT codePage, const std::wstring& text);
// False when a character has no counterpart of its own (bytes then hold a
// stand-in for it).
bool ToMultiByteExactly(UINT codePage, const std::wstring& text, std::string& bytes);

// ---------------------------------------------------------------------------
// Paths the system gives in UTF-16 (the NT family), for the A functions.

// Stands in a spelled path for each character the code page lacks where no
// short name spells it: a control character, which no file name may hold,
// so such a path names nothing and nothing is ever made there.
constexpr char kUnspelledChar = '\x1A';
// The path in the ANSI code page: converted when every character has its
// counterpart; otherwise the short (8.3) form of its longest existing part
// followed by the rest, when both convert (a folder not there yet below
// one that is); otherwise converted with kUnspelledChar for each character
// without counterpart (8.3 names are off on that volume, or the unspellable
// part does not exist).
std::string SpellPath(const std::wstring& path);

// ---------------------------------------------------------------------------
// Fonts.

// The screen's device context, released with the object.
class ScreenDC {
public:
    ScreenDC();
    ~ScreenDC();
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// EnumFontFamiliesA(dc, no family name, proc, value): one call per family.
void EnumerateFontFamilies(HDC dc, FONTENUMPROCA proc, LPARAM value);

}  // namespace platform
