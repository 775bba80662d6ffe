// minamo.exe run as a login script runs it: switches in, exit code out,
// files and registry values as the effect.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "engine/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

std::string LocalAppData() {
    char buffer[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer);
    return buffer;
}

std::string Link(const std::string& name) {
    for (const auto& l : EudcLinks())
        if (l.first == name) return l.second;
    return "<none>";
}

// The local application-data folder that the shell gives every process of
// the prefix (User Shell Folders "Local AppData"), set while it lives.
class ScopedLocalAppData {
public:
    explicit ScopedLocalAppData(const std::wstring& folder) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        key_.reset(key);
        had_ = RegQueryValueExW(key, kValue, nullptr, &type_, reinterpret_cast<BYTE*>(old_), &size_) == ERROR_SUCCESS;
        Set(REG_EXPAND_SZ, folder.c_str(), static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    }
    ~ScopedLocalAppData() {
        if (had_) Set(type_, old_, size_);
        else RegDeleteValueW(key_.get(), kValue);
    }

private:
    void Set(DWORD type, const wchar_t* text, DWORD size) {
        RegSetValueExW(key_.get(), kValue, 0, type, reinterpret_cast<const BYTE*>(text), size);
    }
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static constexpr const wchar_t* kValue = L"Local AppData";
    platform::UniqueKey key_;
    DWORD type_ = REG_EXPAND_SZ, size_ = sizeof old_;
    wchar_t old_[MAX_PATH] = {};
    bool had_ = false;
};

// This machine's EUDC, a program folder with minamo.exe, and the user data
// folder of the prefix emptied before and after.
class CommandMode : public ::testing::Test {
protected:
    void SetUp() override {
        ClearEudcKey();
        RemoveTree(userData);
        MakeFontFile(system / "EUDC.TTE", 6000, 1);
        MakeFontFile(system / "EUDC.EUF", 400, 2);
        MakeFontFile(system / "G.TTE", 7000, 3);
        CopyFileTo(MinamoExe(), exe);
    }
    void TearDown() override {
        ClearEudcKey();
        RemoveTree(userData);
    }
    void LinkThisMachine() {
        SetEudcLink("SystemDefaultEUDCFont", system / "EUDC.TTE");
        SetEudcLink(gothic, system / "G.TTE");
    }
    // What a fresh machine has: no links, no installed files.
    void ForgetThisMachine() {
        ClearEudcKey();
        RemoveTree(userData);
    }

    // A logon script beside the program, run as a logon runs it.
    int RunScript(const std::string& line) {
        WriteFile(program / "logon.cmd", line + "\r\nexit /b %errorlevel%\r\n");
        return RunThroughCmd(Wide("\"" + program / "logon.cmd" + "\""), 30000);
    }

    const std::string gothic = Sjis(u8"IPAゴシック");
    const std::string userData = LocalAppData() + "\\minamo\\";
    TempFolder program, system;
    const std::string exe = program / "minamo.exe";
};

TEST_F(CommandMode, AcquireThenInstallOnAnotherMachine) {
    LinkThisMachine();
    EXPECT_EQ(RunProcess(exe, "/g /s data"), 0);
    for (const char* name : {"EUDC.TTE", "EUDC.euf", "G.TTE", "EUDC.INI"})
        EXPECT_TRUE(platform::FileExists(program / "data\\" + name)) << name;

    ForgetThisMachine();
    EXPECT_EQ(RunProcess(exe, "/p /s data"), 0);
    EXPECT_EQ(Link("SystemDefaultEUDCFont"), userData + "EUDC.TTE");
    EXPECT_EQ(Link(gothic), userData + "G.TTE");
    EXPECT_EQ(ReadFile(userData + "EUDC.TTE"), FontBytes(6000, 1));
    EXPECT_EQ(ReadFile(userData + "EUDC.euf"), FontBytes(400, 2));
    EXPECT_EQ(ReadFile(userData + "G.TTE"), FontBytes(7000, 3));

    // Nothing newer in the folder now: 3, and nothing changes.
    EXPECT_EQ(RunProcess(exe, "/p /s /d data"), 3);
    // /ef leaves the companion out of an acquire.
    TempFolder other;
    EXPECT_EQ(RunProcess(exe, "/g /s /ef " + other.path().substr(0, other.path().size() - 1)), 0);
    EXPECT_FALSE(platform::FileExists(other / "EUDC.euf"));
    EXPECT_TRUE(platform::FileExists(other / "EUDC.TTE"));
}

// Command lines as logon scripts write them: quoted folders with a trailing
// backslash, Japanese folder names, absolute folders not there yet.
TEST_F(CommandMode, LogonScripts) {
    LinkThisMachine();
    TempFolder elsewhere;
    const std::string fresh = elsewhere / "new\\set";
    const std::string hyou = Sjis(u8"表");  // its second byte is 0x5C
    const struct {
        std::string line;
        std::string landed;
    } cases[] = {
        {"\"%~dp0minamo.exe\" /g /s \"%~dp0set1\\\"", program / "set1\\G.TTE"},
        {"\"%~dp0minamo.exe\" /g /s " + hyou, program / (hyou + "\\G.TTE")},
        {"\"%~dp0minamo.exe\" /g /s " + fresh, fresh + "\\G.TTE"},
        {"\"%~dp0minamo.exe\" /g \"%~dp0" + hyou + "\\\" /s /log:run.log", program / "run.log"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunScript(c.line), 0) << c.line;
        EXPECT_EQ(ReadFile(c.landed).empty(), false) << c.line;
    }
    // Nothing stray beside them: no folder with half a character, no "C:".
    std::vector<std::string> names;
    for (const auto& e : platform::ListFolder(program / "*")) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "logon.cmd", "minamo.exe", "run.log", "set1", hyou}));

    // The switch after a quoted folder with its backslash is read: a silent
    // install, no box waiting.
    ForgetThisMachine();
    EXPECT_EQ(RunScript("\"%~dp0minamo.exe\" /p \"set1\\\" /s"), 0);
    EXPECT_EQ(Link(gothic), userData + "G.TTE");
}

// The root of a stick: a drive letter that scripts/test maps to a folder.
TEST_F(CommandMode, RootOfAStick) {
    char drive[8] = {};
    if (!GetEnvironmentVariableA("MINAMO_STICK_DRIVE", drive, sizeof drive)) GTEST_SKIP() << "no stick drive";
    const std::string root = std::string(drive) + "\\";
    LinkThisMachine();
    EXPECT_EQ(RunProcess(exe, "/g /s " + root), 0);
    EXPECT_TRUE(ReadFile(root + "G.TTE") == FontBytes(7000, 3));
    ForgetThisMachine();
    EXPECT_EQ(RunProcess(exe, std::string("/p /s ") + drive), 0);
    EXPECT_EQ(Link(gothic), userData + "G.TTE");
    for (const char* name : {"EUDC.TTE", "EUDC.euf", "G.TTE", "EUDC.INI"}) DeleteFileA((root + name).c_str());
}

// A profile, a program folder and a target named with 𠮷, which code page
// 932 lacks: each works through its short name, and the registry link opens
// the installed file.
TEST_F(CommandMode, FoldersShiftJisCannotSpell) {
    TempFolder base;
    const std::wstring root = Wide(base.path()), yoshi = L"\U00020BB7", here = Wide(program / "");
    const std::wstring local = root + yoshi + L"\u91CE\\Local", copy = root + yoshi + L"prog\\", set = root + yoshi + L"set";
    for (const std::wstring& folder : {local, copy, set, here + yoshi + L"rel"}) MakeFolderW(folder);
    ASSERT_TRUE(CopyFileW(Wide(exe).c_str(), (copy + L"minamo.exe").c_str(), FALSE));
    const std::wstring ours = L"\"" + Wide(exe) + L"\" ", theirs = L"\"" + copy + L"minamo.exe\" ";
    const struct {
        bool profile;
        std::wstring acquire, install, acquired;
    } cases[] = {
        {true, ours + L"/g /s data", ours + L"/p /s data", here + L"data\\G.TTE"},
        {false, theirs + L"/g /s set1", theirs + L"/p /s set1", copy + L"set1\\G.TTE"},
        {false, L"cmd /c \"" + ours + L"/g /s " + set + L"\"", L"cmd /c \"" + ours + L"/p /s " + set + L"\"",
         set + L"\\G.TTE"},
        {false, L"cmd /c \"" + ours + L"/g /s " + yoshi + L"rel\"", ours + L"/p /s " + yoshi + L"rel",
         here + yoshi + L"rel\\G.TTE"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<ScopedLocalAppData> profile(c.profile ? new ScopedLocalAppData(local) : nullptr);
        LinkThisMachine();
        EXPECT_EQ(RunCommandLine(c.acquire).exitCode, 0) << &c - cases;
        EXPECT_TRUE(ReadFileWide(c.acquired) == FontBytes(7000, 3)) << &c - cases;
        ForgetThisMachine();
        EXPECT_EQ(RunCommandLine(c.install).exitCode, 0) << &c - cases;
        EXPECT_TRUE(ReadFile(Link(gothic)) == FontBytes(7000, 3)) << Link(gothic);  // the link opens it
    }
    EXPECT_TRUE(ReadFileWide(local + L"\\minamo\\G.TTE") == FontBytes(7000, 3));

    // A target that has no short name (here: not there, so none can exist)
    // is a missing folder, said so by name, and never made.
    ProcessRun shown = RunCommandLine(ours + L"/p " + root + L"new" + yoshi);
    EXPECT_EQ(shown.exitCode, 9);
    EXPECT_EQ(shown.boxes, std::vector<std::string>{texts::Format(texts::kFolderUnspelled, {base / "new?\\"})});
    EXPECT_EQ(RunCommandLine(ours + L"/g /s " + root + L"new" + yoshi + L"\\set").exitCode, 1);
    EXPECT_EQ(GetFileAttributesW((root + L"new" + yoshi).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CommandMode, AutoRunInstallsWithoutArguments) {
    LinkThisMachine();
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    ForgetThisMachine();
    WriteFile(program / "EUDC.INI", "[MINAMO]\r\nAutoRun=1\r\nSilet=1\r\nTargetFolder=data\r\n");
    EXPECT_EQ(RunProcess(exe, ""), 0);
    EXPECT_EQ(Link("SystemDefaultEUDCFont"), userData + "EUDC.TTE");

    // The next login: CheckDate from the settings, a box without Silet.
    WriteFile(program / "EUDC.INI", "[MINAMO]\r\nAutoRun=1\r\nCheckDate=1\r\nTargetFolder=data\r\n");
    ProcessRun run = RunAnsweringBoxes(exe, "");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.boxes, std::vector<std::string>{texts::kLatestInstalled});
}

TEST_F(CommandMode, QuestionsAnsweredAtTheScreen) {
    LinkThisMachine();
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    // Same-named files in the folder: the overwrite question, answered No.
    ProcessRun declined = RunAnsweringBoxes(exe, "/g data", {IDNO});
    EXPECT_EQ(declined.exitCode, 6);
    EXPECT_EQ(declined.boxes, (std::vector<std::string>{texts::kOverwriteQuestion, texts::kAcquireCancelled}));

    ProcessRun install = RunAnsweringBoxes(exe, "/p data", {IDNO});
    EXPECT_EQ(install.exitCode, 6);
    EXPECT_EQ(install.boxes, (std::vector<std::string>{texts::kReplaceQuestion, texts::kInstallCancelled}));
    EXPECT_EQ(Link("SystemDefaultEUDCFont"), system / "EUDC.TTE");  // untouched

    // /f asks nothing and reports.
    ProcessRun forced = RunAnsweringBoxes(exe, "/p /f data");
    EXPECT_EQ(forced.exitCode, 0);
    EXPECT_EQ(forced.boxes.size(), 1u);
}

TEST_F(CommandMode, ExitCodesOfBrokenFolders) {
    MakeFolder(program / "empty");
    MakeFolder(program / "noTable");
    WriteFile(program / "noTable\\EUDC.INI", "[MINAMO]\r\nAutoRun=0\r\n");
    MakeFolder(program / "strangers");
    WriteFile(program / "strangers\\EUDC.INI", "[EUDC932]\r\nNoSuchFace=EUDC.TTE\r\n");
    const struct {
        const char* args;
        int exitCode;
    } cases[] = {
        {"/p /s empty", 9}, {"/p /s noTable", 7}, {"/p /s strangers", 5}, {"/p /s missing", 9},
        {"/g /s empty", 10},  // no links on this machine
    };
    for (const auto& c : cases) EXPECT_EQ(RunProcess(exe, c.args), c.exitCode) << c.args;
    EXPECT_TRUE(EudcLinks().empty());
}

// Where an install puts the files depends on the Windows version.
TEST_F(CommandMode, InstallPlacePerWindowsVersion) {
    LinkThisMachine();
    SetEudcLink("MS PGothic", system / "G.TTE");
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    char windows[MAX_PATH], profile[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    const std::string pGothic = Sjis(u8"ＭＳ Ｐゴシック");
    const struct {
        const char* version;
        std::string folder;
        std::string pGothicName;
    } cases[] = {
        {"win98", std::string(windows) + "\\", pGothic},
        {"nt40", std::string(profile) + "\\Application Data\\minamo\\", pGothic},
        {"winxp", userData, "MS PGothic"},
    };
    for (const auto& c : cases) {
        ForgetThisMachine();
        {
            ScopedWineVersion version(c.version);
            EXPECT_EQ(RunProcess(exe, "/p /s data"), 0) << c.version;
        }
        EXPECT_EQ(Link("SystemDefaultEUDCFont"), c.folder + "EUDC.TTE") << c.version;
        EXPECT_EQ(Link(c.pGothicName), c.folder + "G.TTE") << c.version;
        EXPECT_EQ(ReadFile(c.folder + "G.TTE"), FontBytes(7000, 3)) << c.version;
        if (c.folder != userData) {
            DeleteFileA((c.folder + "EUDC.TTE").c_str());
            DeleteFileA((c.folder + "EUDC.euf").c_str());
            DeleteFileA((c.folder + "G.TTE").c_str());
        }
    }
}

// Windows 98/Me have no MoveFileExA: the install deletes and moves there,
// and still replaces all files or none.
TEST_F(CommandMode, Windows98ReplacesAllOrNothing) {
    LinkThisMachine();
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    ForgetThisMachine();
    char windowsFolder[MAX_PATH];
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    const std::string windows = std::string(windowsFolder) + "\\";
    MakeFontFile(windows + "EUDC.TTE", 100, 30);
    MakeFontFile(windows + "G.TTE", 100, 31);
    SetEudcLink("SystemDefaultEUDCFont", windows + "EUDC.TTE");
    {
        ScopedWineVersion version("win98");
        {
            FileHolder fontInUse(windows + "G.TTE", FILE_SHARE_READ);
            EXPECT_EQ(RunProcess(exe, "/p /s data"), 2);
        }
        EXPECT_EQ(ReadFile(windows + "EUDC.TTE"), FontBytes(100, 30));
        EXPECT_EQ(ReadFile(windows + "G.TTE"), FontBytes(100, 31));
        EXPECT_FALSE(platform::FileExists(windows + "EUDC.euf"));
        EXPECT_EQ(Link("SystemDefaultEUDCFont"), windows + "EUDC.TTE");
        EXPECT_EQ(Link(gothic), "<none>");
        EXPECT_EQ(RunProcess(exe, "/p /s data"), 0);
    }
    EXPECT_EQ(ReadFile(windows + "EUDC.TTE"), FontBytes(6000, 1));
    EXPECT_EQ(ReadFile(windows + "EUDC.euf"), FontBytes(400, 2));
    EXPECT_EQ(ReadFile(windows + "G.TTE"), FontBytes(7000, 3));
    EXPECT_TRUE(platform::ListFolder(windows + "~minamo*").empty());
    for (const char* name : {"EUDC.TTE", "EUDC.euf", "G.TTE"}) DeleteFileA((windows + name).c_str());
}

}  // namespace
