// TminamoParam: the run parameters. Options, folders, the target, the OS
// version and the tables of the EUDC engine; one instance, RunParam, lives
// from start-up to exit and every other unit works through it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using StringList = std::vector<std::string>;

class InstallLock;

// Result codes of the acquire and install: the exit codes of command mode,
// a contract with administrators' scripts.
enum ResultCodes : uint8_t {
    kResultOk = 0,
    kResultAcquireFailed = 1,
    kResultInstallFailed = 2,
    kResultAlreadyLatest = 3,
    kResultRegistryError = 4,
    kResultNoLinkFont = 5,
    kResultCancelled = 6,
    kResultInfoIncomplete = 7,
    kResultInfoMissing = 8,
    kResultNoSourceFiles = 9,
    kResultNoSystemEudc = 10,
    kResultNoUserFolder = 11,
};

// EudcSwitch values.
enum : uint8_t { kSwitchNone = 0, kSwitchOn = 1, kSwitchOff = 2 };

class TminamoParam {
public:
    // Fills the defaults, reads the OS version, resolves the folders from
    // the executable's path and reads the registry's font-link table.
    explicit TminamoParam(const std::string& executablePath);
    ~TminamoParam() = default;
    TminamoParam(const TminamoParam&) = delete;
    TminamoParam& operator=(const TminamoParam&) = delete;

    // --- Options, folders, target and version (run parameters).
    uint8_t EudcSwitch = kSwitchNone;
    std::string UserDataFolder;
    std::string ProgramFolder;
    bool PutRequested = false;
    bool GetRequested = false;
    bool CheckDate = false;
    bool CopyEUF = true;
    std::string WindowsFolder;
    std::string ProfileFolder;
    std::string AppDataFolder;
    bool Confirm = true;
    bool Silent = false;
    bool HelpRequested = false;
    bool AutoRun = false;
    bool TargetValid = false;
    std::string TargetName;
    std::string TargetFolder;
    bool TargetAbsolute = false;
    OSVERSIONINFOA OsVersion = {};
    // The run log of command mode (/log: or the LogFile key); empty: none.
    std::string LogFile;
    // Every text Notify was given, shown or not: the report of the run log.
    mutable StringList Reports;

    // --- Tables of the engine.
    StringList IniLinkNames, IniLinkFiles, LinkNames, LinkFiles;
    StringList DistinctFiles;  // kept sorted, letter case ignored
    bool StandardLinks = true;
    StringList DoneLines, MissingLines;
    // Links of the last install that were not written because their file
    // is not in UserDataFolder; one report line each.
    StringList UnlinkedLines;
    // Files of the user's that an install could not put back after a
    // failure; one report line each.
    StringList NotRestoredLines;

    void ResolveFolders();
    void ReadOsVersion();
    void Notify(const std::string& text) const;
    // False, after saying so through Notify, for a folder whose name
    // Shift-JIS cannot spell and that has no short name.
    bool CheckSpelled(const std::string& folder) const;
    void SwitchEudc();
    void SetTarget(const std::string& name);
    void ResolveTarget();
    void SetOptions(bool copyEuf, bool confirm, bool checkDate);
    void ReadOptions();
    bool ReadStartupSettings();
    // True for command mode. args: the arguments after the program path.
    bool ParseCommandLine(const StringList& args);
    void ShowHelp() const;

    bool IsNtFamily() const { return OsVersion.dwPlatformId == VER_PLATFORM_WIN32_NT; }

    // --- Font-link table.
    void ReadFontLinks();
    uint8_t WriteFontLinks();
    std::string FindLinkedFile(const std::string& face) const;
    std::string FontLinkText() const;
    void BuildDistinctFiles();

    // --- EUDC.INI.
    // false when a write was refused. Each link under its file's own name,
    // or under fileNames[i], the name its file got in the target.
    bool WriteInfoFile();
    bool WriteInfoFile(const StringList& fileNames);
    bool WriteDefaultInfoFile();
    uint8_t ReadInfoFile();
    static int CALLBACK FontEnumProc(const LOGFONTA* font, const TEXTMETRICA* metrics,
                                     DWORD fontType, LPARAM list);

    // --- Acquire and install.
    uint8_t GetEudc();
    uint8_t AcquireFiles();
    uint8_t PutEudc();
    // Takes lock once the user data folder exists, and keeps it.
    uint8_t InstallFiles(InstallLock& lock);
    // Last-write time as days since 30 December 1899; 0 when unreadable.
    static double FileDate(const std::string& path);

private:
    std::string executablePath_;
};

// The run parameters of this process; created and destroyed by the entry.
extern TminamoParam* RunParam;
