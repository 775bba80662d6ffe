// Helpers shared by the tests: a scripted stand-in for boxes and the EUDC
// switch, temporary folders, the EUDC registry key, and child processes.
#pragma once

#include <windows.h>

#include <deque>
#include <initializer_list>
#include <utility>
#include <string>
#include <vector>

#include "engine/acquire.h"
#include "engine/install/install.h"
#include "engine/run/run_parameters.h"
#include "platform/platform.h"
#include "tests/support/child_process.h"

namespace testing_support {

// Unix paths given on the command line, seen from Wine as Z:\...
std::string MinamoExe();
std::string TestFontsFolder();
std::string FromUnixPath(const std::string& unixPath);

// Records every box, question and EUDC switch; answers questions from a
// script (Yes when the script is empty). Installed while it lives.
class FakeInteraction : public platform::Interaction {
public:
    FakeInteraction();
    ~FakeInteraction() override;

    void ShowMessage(const std::string& text) override;
    int AskYesNo(const std::string& text) override;
    BOOL EnableEudc(BOOL enable) override;

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<BOOL> eudcCalls;
    std::deque<int> answers;  // IDYES or IDNO, taken from the front

private:
    platform::Interaction* previous_;
};

// The text of the usage box: each line of texts::kUsageLines with CR LF
// (their bytes: Texts.UsageTextByteForByte).
std::string UsageText();

// A new empty folder under %TEMP%, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder with its trailing backslash.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);  // empty when missing
std::string ReadFileWide(const std::wstring& path);
void MakeFolder(const std::string& path);
void MakeFolderW(const std::wstring& path);
// Shift-JIS (code page 932) to UTF-16.
std::wstring Wide(const std::string& sjis);
void RemoveTree(const std::string& path);
void RemoveTreeWide(const std::wstring& path);
// A stand-in EUDC font file: size bytes of a pattern that differs per seed.
std::string FontBytes(size_t size, int seed);
void MakeFontFile(const std::string& path, size_t size, int seed);
// Sets a file's last-write time (local calendar time).
void SetFileDate(const std::string& path, WORD year, WORD month, WORD day);
// Copies a file; fails the test when it did not.
void CopyFileTo(const std::string& from, const std::string& to);

// Folders of this prefix as the shell gives them, with a trailing backslash.
std::string WindowsFolder();
std::string ProfileFolder();       // USERPROFILE
std::string LocalAppDataFolder();  // CSIDL_LOCAL_APPDATA
// minamo.exe's user data folder on Windows 2000 and later, the prefix's own.
std::string UserDataFolder();

// The run's acquire and install as command mode makes them, outcomes told
// unless the run's options are silent.
Result AcquireFor(RunParameters& run, AcquireReport& report);
Result InstallFor(RunParameters& run, InstallReport& report);

// HKEY_CURRENT_USER\EUDC\932.
void ClearEudcKey();
void SetEudcLink(const std::string& name, const std::string& path);
void SetEudcValue(const std::string& name, DWORD type, const std::string& data);
std::vector<std::pair<std::string, std::string>> EudcLinks();  // sorted by name

// The link of a face in HKEY_CURRENT_USER\EUDC\932; "<none>" when none.
std::string EudcLink(const std::string& face);

// A registry value set while the object lives (type REG_NONE: removed
// while it lives), then put back as it was, or removed when there was
// none: for settings a child process reads. data holds the value's bytes.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
                        const std::string& data);
    ~ScopedRegistryValue();
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

private:
    platform::UniqueKey key_;
    std::wstring name_;
    std::string previous_;
    DWORD previousType_ = REG_NONE;
    bool existed_ = false;
};
// The bytes of a REG_SZ or REG_EXPAND_SZ value, and of a REG_DWORD one.
std::string RegistryText(const std::wstring& text);
std::string RegistryNumber(DWORD number);

// HKCU\Software\Wine "Version" (win98, nt40, win2k, winxp; empty: none)
// while the object lives: the Windows version the next process sees.
class ScopedWineVersion : public ScopedRegistryValue {
public:
    explicit ScopedWineVersion(const std::string& version);
};

// Whether what the screen shows of a window's client area is what a paint
// of the whole window shows: no stale pixels from before a scroll or a
// resize.
bool ScreenMatchesRepaint(HWND window);

// Handles what is queued for this thread.
void PumpMessages();
// Real keys through SendInput, held down in order and let go in reverse
// ({VK_SHIFT, VK_TAB} is Shift+Tab); they go to the focused window.
void PressKeys(std::initializer_list<WORD> keys);
// Selects an item of a combo box the way the user does: the list changes,
// then the parent hears CBN_SELCHANGE.
void SelectItem(HWND combo, int index);
void SelectItem(HWND combo, const std::string& text);
std::string ClassName(HWND window);
// The hint that the tooltip control of owner (a window of this thread)
// gives for one of its controls.
std::string HintText(HWND owner, HWND control);

// Runs a program with a command line and returns its exit code (-1 when it
// could not be started). Waits at most timeoutMs.
int RunProcess(const std::string& exe, const std::string& arguments,
               DWORD timeoutMs = 60000);

// A child run whose message boxes are read and answered from outside, as a
// person at the screen would: OK for plain boxes, the scripted answers
// (IDYES, IDNO; Yes when none is left) for questions.
struct ProcessRun {
    int exitCode = -1;
    std::vector<std::string> boxes;  // the text of each box, in order
};
ProcessRun RunAnsweringBoxes(const std::string& exe, const std::string& arguments,
                             std::deque<int> answers = {}, DWORD timeoutMs = 60000);
// The same for a whole wide command line (program path first).
ProcessRun RunCommandLine(std::wstring commandLine, std::deque<int> answers = {},
                          DWORD timeoutMs = 60000);

// hold_file.exe, built beside the test programs, holding path open with
// the given sharing (FILE_SHARE_* bits) from construction until the object
// ends it, or for milliseconds. Constructed once the file is held.
class FileHolder {
public:
    FileHolder(const std::string& path, DWORD share, DWORD milliseconds = INFINITE);

private:
    ChildProcess holder_;
};

}  // namespace testing_support
