// minamo.exe run as a login script runs it: switches in, exit code out,
// files and registry values as the effect.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "engine/paths/paths.h"
#include "engine/report/operation_texts.h"
#include "engine/report/run_log.h"
#include "engine/report/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

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
        return RunCommandLine(Wide("cmd /c \"" + program / "logon.cmd" + "\""), {}, 30000).exitCode;
    }

    const std::string gothic = Sjis(u8"IPAゴシック");
    const std::string userData = UserDataFolder();
    TempFolder program, system;
    const std::string exe = program / "minamo.exe";
};

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
    EXPECT_EQ(EudcLink(gothic), userData + "G.TTE");
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
    EXPECT_EQ(EudcLink(gothic), userData + "G.TTE");
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
        // The local application-data folder the shell gives every process of
        // the prefix.
        std::optional<ScopedRegistryValue> profile;
        if (c.profile)
            profile.emplace(HKEY_CURRENT_USER,
                            L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                            L"Local AppData", REG_EXPAND_SZ, RegistryText(local));
        LinkThisMachine();
        EXPECT_EQ(RunCommandLine(c.acquire).exitCode, 0) << &c - cases;
        EXPECT_TRUE(ReadFileWide(c.acquired) == FontBytes(7000, 3)) << &c - cases;
        ForgetThisMachine();
        EXPECT_EQ(RunCommandLine(c.install).exitCode, 0) << &c - cases;
        EXPECT_TRUE(ReadFile(EudcLink(gothic)) == FontBytes(7000, 3)) << EudcLink(gothic);  // the link opens it
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
    MakeFontFile(system / "X.TTF", 500, 4);  // no standard EUDC file
    SetEudcLink("MS PGothic", system / "X.TTF");
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    ForgetThisMachine();
    // Silet asks nothing, as /s does: a logon script has nobody to answer.
    WriteFile(program / "EUDC.INI", "[MINAMO]\r\nAutoRun=1\r\nSilet=1\r\nTargetFolder=data\r\n");
    const ProcessRun silent = RunAnsweringBoxes(exe, "");
    EXPECT_EQ(silent.exitCode, 0);
    EXPECT_TRUE(silent.boxes.empty());
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "EUDC.TTE");

    // The next login: CheckDate from the settings, a box without Silet.
    WriteFile(program / "EUDC.INI", "[MINAMO]\r\nAutoRun=1\r\nCheckDate=1\r\nTargetFolder=data\r\n");
    ProcessRun run = RunAnsweringBoxes(exe, "");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.boxes, (std::vector<std::string>{NonStandardQuestion(Operation::kInstall), texts::kLatestInstalled}));
}

TEST_F(CommandMode, QuestionsAnsweredAtTheScreen) {
    LinkThisMachine();
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    // Same-named files in the folder: the overwrite question, answered No.
    ProcessRun declined = RunAnsweringBoxes(exe, "/g data", {IDNO});
    EXPECT_EQ(declined.exitCode, 6);
    EXPECT_EQ(declined.boxes, (std::vector<std::string>{texts::kOverwriteQuestion, texts::kAcquireCancelled}));

    // An installed file it would replace: the replacement question, No.
    MakeFolder(userData);
    MakeFontFile(userData + "EUDC.TTE", 100, 9);
    ProcessRun install = RunAnsweringBoxes(exe, "/p data", {IDNO});
    EXPECT_EQ(install.exitCode, 6);
    // Told first where the replaced files are kept, and the way back.
    const std::string question =
        texts::Format(texts::kBackupBeforeQuestion, {userData + "backup\\"}) + "\r\n" + texts::kReplaceQuestion;
    EXPECT_EQ(install.boxes, (std::vector<std::string>{question, texts::kInstallCancelled}));
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), system / "EUDC.TTE");  // untouched

    // /f asks nothing and reports.
    ProcessRun forced = RunAnsweringBoxes(exe, "/p /f data");
    EXPECT_EQ(forced.exitCode, 0);
    EXPECT_EQ(forced.boxes.size(), 1u);
}

// The Windows version the program sees decides where its user data folder
// is: an install puts the files there, under that Windows' face names, and
// a program started from there is refused.
TEST_F(CommandMode, UserDataFolderPerWindowsVersion) {
    LinkThisMachine();
    SetEudcLink("MS PGothic", system / "G.TTE");
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    const std::string pGothic = Sjis(u8"ＭＳ Ｐゴシック");
    const struct {
        const char* version;
        std::string folder;
        std::string pGothicName;
    } cases[] = {
        {"win98", WindowsFolder(), pGothic},
        {"nt40", ProfileFolder() + "Application Data\\minamo\\", pGothic},
        {"win2k", userData, "MS PGothic"},
        {"winxp", userData, "MS PGothic"},
        {"", userData, "MS PGothic"},
    };
    for (const auto& c : cases) {
        ForgetThisMachine();
        {
            ScopedWineVersion version(c.version);
            const ProcessRun install = RunAnsweringBoxes(exe, "/p /s data");
            EXPECT_EQ(install.exitCode, 0) << c.version;
            EXPECT_TRUE(install.boxes.empty()) << c.version;  // not refused elsewhere
            const std::string there = c.folder + "minamo-refusal-test.exe";
            CopyFileTo(exe, there);
            const ProcessRun refused = RunAnsweringBoxes(there, "/s /h");
            DeleteFileA(there.c_str());
            EXPECT_EQ(refused.exitCode, 0) << c.version;
            EXPECT_EQ(refused.boxes, std::vector<std::string>{texts::kRefuseLocation}) << c.version;
        }
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), c.folder + "EUDC.TTE") << c.version;
        EXPECT_EQ(EudcLink(c.pGothicName), c.folder + "G.TTE") << c.version;
        EXPECT_EQ(ReadFile(c.folder + "G.TTE"), FontBytes(7000, 3)) << c.version;
        if (c.folder != userData)
            for (const char* name : {"EUDC.TTE", "EUDC.euf", "G.TTE"}) DeleteFileA((c.folder + name).c_str());
    }
}

TEST_F(CommandMode, BoxesShowUnlessSilent) {
    const struct {
        const char* args;
        int exitCode;
        std::vector<std::string> boxes;
    } cases[] = {
        {"/s /h", 0, {}}, {"/s", 0, {}}, {"/s true", 0, {}}, {"/s false", 0, {}}, {"/s /p", 9, {}},
        {"-S -P -D", 9, {}}, {"/p", 9, {texts::kNoSourceFiles}},
    };
    for (const auto& c : cases) {
        const ProcessRun run = RunAnsweringBoxes(exe, c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
        EXPECT_EQ(run.boxes, c.boxes) << c.args;
    }
    // The usage text (a static control may fold CR LF), with the later
    // switches: after /h, and after a mistyped switch that meant one.
    for (const auto& asked : {std::make_pair("/h", 0), std::make_pair("/uninstall", 14)}) {
        const ProcessRun help = RunAnsweringBoxes(exe, asked.first);
        EXPECT_EQ(help.exitCode, asked.second) << asked.first;
        ASSERT_EQ(help.boxes.size(), 1u) << asked.first;
        for (const char* line : {texts::kUsageLines[0], "/remove ", "/map ", "/ref:", "/undo ", "/log:"})
            EXPECT_NE(help.boxes[0].find(line), std::string::npos) << asked.first << " " << line;
    }
}

// The lines of a log after its header, and the fields of one.
std::vector<std::string> LogLines(const std::string& log);
std::vector<std::string> Fields(const std::string& line);

// /v, /remove and /map on a set folder that gives no set say which of the
// ways it is, naming the folder, beside the text 9 has always had.
TEST_F(CommandMode, AFolderWithoutASetSaysWhy) {
    TempFolder places;
    MakeFolder(places / "empty");
    MakeFolder(places / "lost");
    WriteFile(places / "lost\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=GONE.TTE\r\n");
    const std::string fixed = std::string(texts::kNoSourceFiles) + " / ";
    const struct {
        std::string folder;   // as typed
        std::string said;     // what the message says after the fixed text, at its start
    } places_[] = {
        {places / "gone", texts::Format(texts::kFolderNotThere, {places / "gone\\"})},
        {places / "empty", texts::Format(texts::kFolderHoldsNoSet, {places / "empty\\"})},
        // A share no server answers for, a drive no device is: the reason
        // Windows gives follows.
        {"\\\\nosuchserver\\eudc\\set1", texts::Format(texts::kFolderUnreachable, {"\\\\nosuchserver\\eudc\\"}) + " / " +
                                         Sjis(u8"理由: ")},
        {"J:\\eudc", texts::Format(texts::kFolderUnreachable, {"J:\\"}) + " / " + Sjis(u8"理由: ")},
    };
    for (const char* action : {"/v", "/remove", "/map"}) {
        for (const auto& place : places_) {
            DeleteFileA((program / "run.log").c_str());
            EXPECT_EQ(RunProcess(exe, std::string(action) + " /s /log:run.log \"" + place.folder + "\""), 9)
                << action << " " << place.folder;
            const std::vector<std::string> lines = LogLines(ReadFile(program / "run.log"));
            ASSERT_EQ(lines.size(), 1u);
            const std::string message = Fields(lines[0])[6];
            EXPECT_EQ(message.substr(0, fixed.size() + place.said.size()), fixed + place.said)
                << action << " " << place.folder << ": " << message;
        }
    }
    // A set whose files are all gone names them: /v and /map alike.
    for (const char* action : {"/v", "/map"}) {
        DeleteFileA((program / "run.log").c_str());
        EXPECT_EQ(RunProcess(exe, std::string(action) + " /s /log:run.log " + places / "lost"), 9) << action;
        const std::string message = Fields(LogLines(ReadFile(program / "run.log")).at(0))[6];
        EXPECT_EQ(message, fixed + places / "lost\\GONE.TTE" + texts::kNotFoundLine) << action;
    }
}

// Windows 98/Me have no MoveFileExA: the install deletes and moves there,
// and still replaces all files or none.
TEST_F(CommandMode, Windows98ReplacesAllOrNothing) {
    LinkThisMachine();
    ASSERT_EQ(RunProcess(exe, "/g /s data"), 0);
    ForgetThisMachine();
    const std::string windows = WindowsFolder();
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
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), windows + "EUDC.TTE");
        EXPECT_EQ(EudcLink(gothic), "<none>");
        EXPECT_EQ(RunProcess(exe, "/p /s data"), 0);
    }
    EXPECT_EQ(ReadFile(windows + "EUDC.TTE"), FontBytes(6000, 1));
    EXPECT_EQ(ReadFile(windows + "EUDC.euf"), FontBytes(400, 2));
    EXPECT_EQ(ReadFile(windows + "G.TTE"), FontBytes(7000, 3));
    EXPECT_TRUE(platform::ListFolder(windows + "~minamo*").empty());
    for (const char* name : {"EUDC.TTE", "EUDC.euf", "G.TTE"}) DeleteFileA((windows + name).c_str());
}

}  // namespace

namespace {

// A PC whose installed EUDC.TTE, linked for two faces, has a character the
// set lacks (F040) and one it draws otherwise (F042).
TEST_F(CommandMode, CharactersAnInstallWouldTakeAway) {
    const std::string fonts = TestFontsFolder();
    const std::string previous = ReadFile(fonts + "OLDEUDC.TTE");
    MakeFolder(program / "set");
    CopyFileTo(fonts + "NEWEUDC.TTE", program / "set\\EUDC.TTE");
    MakeFontFile(program / "set\\G2.TTE", 300, 5);
    WriteFile(program / "set\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n" + gothic + "=G2.TTE\r\n");
    MakeFolder(userData);
    CopyFileTo(fonts + "OLDEUDC.TTE", userData + "EUDC.TTE");
    for (const std::string& face : {std::string("SystemDefaultEUDCFont"), gothic}) SetEudcLink(face, userData + "EUDC.TTE");
    const auto before = EudcLinks();
    const std::string lost = "F040", changed = "F042";

    // /keep: nothing is installed, and the log says which characters.
    EXPECT_EQ(RunProcess(exe, "/p /s /keep set /log:run.log"), 12);
    EXPECT_EQ(ReadFile(userData + "EUDC.TTE"), previous);
    EXPECT_EQ(EudcLinks(), before);
    EXPECT_FALSE(platform::DirectoryExists(userData + "backup"));
    // Without it: installed; the report and the log name the codes; the
    // previous font is kept byte for byte.
    const ProcessRun installed = RunAnsweringBoxes(exe, "/p /f set /log:run.log");
    EXPECT_EQ(installed.exitCode, 0);
    ASSERT_EQ(installed.boxes.size(), 1u);
    for (const std::string& code : {lost, changed}) EXPECT_NE(installed.boxes[0].find(code), std::string::npos) << code;
    // The log: its header, then a line for each run.
    const std::string log = ReadFile(program / "run.log");
    const size_t first = log.find('\n') + 1, second = log.find('\n', first) + 1;
    for (const std::string& line : {log.substr(first, second - first), log.substr(second)})
        for (const std::string& code : {lost, changed}) EXPECT_NE(line.find(code), std::string::npos) << line;
    const auto backups = platform::ListFolder(userData + "backup\\2*");
    ASSERT_EQ(backups.size(), 1u);
    const std::string backup = userData + "backup\\" + backups[0].name + "\\";
    EXPECT_EQ(ReadFile(backup + "EUDC.TTE"), previous);
    EXPECT_EQ(EudcLink(gothic), userData + "G2.TTE");
    // /undo: the previous file and its links are back; an undo is undone
    // by the next.
    EXPECT_EQ(RunProcess(exe, "/undo /s"), 0);
    EXPECT_EQ(ReadFile(userData + "EUDC.TTE"), previous);
    EXPECT_EQ(EudcLinks(), before);
    EXPECT_EQ(RunProcess(exe, "/undo /s"), 0);
    EXPECT_EQ(ReadFile(userData + "EUDC.TTE"), ReadFile(fonts + "NEWEUDC.TTE"));
}

// A PC whose own font lies outside the user data folder, linked as
// Windows links it, or in the user data folder: an install with /keep
// refuses and changes nothing; one without says what is lost, leaves the
// font where it lies untouched, and /undo brings the old link back. A new
// file that is no font takes every character away.
TEST_F(CommandMode, TheFontALinkOpensToday) {
    const std::string fonts = TestFontsFolder(), windowsFonts = WindowsFolder() + "Fonts\\";
    const std::string previous = ReadFile(fonts + "OLDEUDC.TTE");
    const struct {
        const char* label;
        std::string file;    // where the PC's font lies
        std::string stored;  // the link as the registry holds it
        bool newIsFont;
        bool changedMeanwhile;  // the PC's font has other bytes by the undo: its copy is linked
    } cases[] = {
        {"fonts folder, full path", windowsFonts + "MNMOLD1.TTE", windowsFonts + "MNMOLD1.TTE", true, false},
        {"fonts folder, changed since", windowsFonts + "MNMOLD4.TTE", windowsFonts + "MNMOLD4.TTE", true, true},
        {"%SystemRoot%", windowsFonts + "MNMOLD2.TTE", "%SystemRoot%\\Fonts\\MNMOLD2.TTE", true, false},
        {"bare name", windowsFonts + "MNMOLD3.TTE", "MNMOLD3.TTE", true, false},
        {"user data folder", userData + "EUDC.TTE", userData + "EUDC.TTE", true, false},
        {"new file no font", userData + "EUDC.TTE", userData + "EUDC.TTE", false, false},
    };
    for (const auto& c : cases) {
        ForgetThisMachine();
        MakeFolder(userData);
        CopyFileTo(fonts + "OLDEUDC.TTE", c.file);
        SetEudcLink("SystemDefaultEUDCFont", c.stored);
        MakeFolder(program / "set");
        if (c.newIsFont)
            CopyFileTo(fonts + "NEWEUDC.TTE", program / "set\\EUDC.TTE");
        else
            WriteFile(program / "set\\EUDC.TTE", previous.substr(0, 100));
        const auto before = EudcLinks();

        EXPECT_EQ(RunProcess(exe, "/p /s /keep set"), 12) << c.label;
        EXPECT_EQ(EudcLinks(), before) << c.label;
        const ProcessRun installed = RunAnsweringBoxes(exe, "/p /f set /log:run.log");
        EXPECT_EQ(installed.exitCode, 0) << c.label;
        ASSERT_EQ(installed.boxes.size(), 1u) << c.label;
        // The PC's font is named with what it loses; a file that is no
        // font is said to have taken them all (the finished report speaks
        // of what happened).
        const std::string noFont = texts::Format(texts::kNoFontReplacedLine, {"", 4, " (F040 F041 F042 F043)"});
        EXPECT_NE(paths::UpperAscii(installed.boxes[0]).find(paths::UpperAscii(c.file)), std::string::npos) << c.label;
        EXPECT_NE(installed.boxes[0].find("F040"), std::string::npos) << c.label;
        EXPECT_EQ(installed.boxes[0].find(noFont) != std::string::npos, !c.newIsFont) << c.label;
        EXPECT_NE(ReadFile(program / "run.log").find("F040"), std::string::npos) << c.label;
        EXPECT_EQ(ReadFile(c.file) == previous, c.file != userData + "EUDC.TTE") << c.label;
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "EUDC.TTE") << c.label;

        if (c.changedMeanwhile) WriteFile(c.file, "other bytes");
        EXPECT_EQ(RunProcess(exe, "/undo /s /d /log:undo.log"), 0) << c.label;
        const std::string restored = c.changedMeanwhile ? userData + "MNMOLD4.TTE" : c.file;
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), c.changedMeanwhile ? restored : c.stored) << c.label;
        // The undo tells what it did, in the past, with the link it put back.
        const std::string undone = Fields(LogLines(ReadFile(program / "undo.log")).at(0))[6];
        const bool relinked = c.stored != userData + "EUDC.TTE";
        EXPECT_EQ(undone.find(texts::Format(texts::kRemoveLinkRestored,
                                            {"SystemDefaultEUDCFont", c.changedMeanwhile ? restored : c.stored})) !=
                      std::string::npos,
                  relinked) << c.label << ": " << undone;
        EXPECT_EQ(undone.find(Sjis(u8"なくなる")), std::string::npos) << c.label << ": " << undone;
        platform::DeleteOneFile(program / "undo.log").Ignore();
        EXPECT_EQ(ReadFile(restored), previous) << c.label;
        platform::DeleteOneFile(c.file).Ignore();
        platform::DeleteOneFile(program / "run.log").Ignore();
    }
}

// Files far larger than any EUDC font, sparse so that they cost no disk:
// every run ends with its own result and a log line, and nothing is left
// locked or switched off.
TEST_F(CommandMode, HugeFilesEndInAResult) {
    const auto makeHuge = [](const std::string& path) {
        platform::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        LONG high = 0;  // 1.2 GB
        SetFilePointer(file.get(), 1200 * 1024 * 1024, &high, FILE_BEGIN);
        SetEndOfFile(file.get());
    };
    MakeFolder(program / "set");
    CopyFileTo(TestFontsFolder() + "NEWEUDC.TTE", program / "set\\EUDC.TTE");
    MakeFolder(userData);
    makeHuge(userData + "EUDC.TTE");
    SetEudcLink("SystemDefaultEUDCFont", userData + "EUDC.TTE");
    const struct {
        const char* label;
        std::string arguments;
        int exitCode;
    } cases[] = {
        {"installed font", "/p /s /keep set", 0},
        {"undo", "/undo /s", 0},
        {"set under /v", "/v /s hugeset", 13},
    };
    MakeFolder(program / "hugeset");
    makeHuge(program / "hugeset\\EUDC.TTE");
    for (const auto& c : cases) {
        EXPECT_EQ(RunProcess(exe, c.arguments + " /log:run.log"), c.exitCode) << c.label;
        const std::string log = ReadFile(program / "run.log");
        EXPECT_NE(log.find("\t" + std::to_string(c.exitCode) + "\t"), std::string::npos) << c.label;
        platform::DeleteOneFile(program / "run.log").Ignore();
    }
    // The undo brought the huge file back.
    unsigned long long size = 0;
    EXPECT_TRUE(platform::FileSize(userData + "EUDC.TTE", size));
    EXPECT_EQ(size, 1200ull << 20);
}

}  // namespace

namespace {

// The fields of a run log's line.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t') fields.emplace_back();
        else if (c != '\r' && c != '\n') fields.back() += c;
    }
    return fields;
}

// The lines of a log after its header.
std::vector<std::string> LogLines(const std::string& log) {
    std::vector<std::string> lines;
    for (size_t start = log.find('\n') + 1, end; (end = log.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(log.substr(start, end - start));
    return lines;
}

// The run log tells which set each run had and why a failure failed, and a
// new log gets its header once, however many runs make it together.
TEST_F(CommandMode, TheRunLogTellsWhichSetAndWhy) {
    LinkThisMachine();
    const std::string log = program / "run.log";
    ASSERT_EQ(RunProcess(exe, "/g /s /log:run.log data"), 0);
    ASSERT_EQ(RunProcess(exe, "/p /s /log:run.log data"), 0);
    ASSERT_EQ(RunProcess(exe, "/v /s /log:run.log data"), 0);
    MakeFontFile(system / "G.TTE", 7000, 4);  // another set, acquired from the system's files again
    LinkThisMachine();
    ASSERT_EQ(RunProcess(exe, "/g /s /log:run.log other"), 0);
    {
        FileHolder inUse(userData + "G.TTE", FILE_SHARE_READ);
        ASSERT_EQ(RunProcess(exe, "/p /s /log:run.log other"), 2);
    }
    const std::string text = ReadFile(log);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), kRunLogHeader);
    const std::vector<std::string> lines = LogLines(text);
    ASSERT_EQ(lines.size(), 5u);
    std::vector<std::vector<std::string>> runs;
    for (const std::string& line : lines) runs.push_back(Fields(line));
    for (const auto& run : runs) ASSERT_EQ(run.size(), 21u);
    // One fingerprint for one set, in the lines of /g, /p and /v alike.
    EXPECT_EQ(runs[0][7].size(), 16u);
    EXPECT_EQ(runs[1][7], runs[0][7]);
    EXPECT_EQ(runs[2][7], runs[0][7]);
    EXPECT_NE(runs[3][7], runs[0][7]);
    EXPECT_EQ(runs[4][7], runs[3][7]);
    // The failure: the step, the Windows error and its text.
    EXPECT_EQ(runs[4][8], "replace");
    EXPECT_EQ(runs[4][9], std::to_string(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(runs[4][10].empty());
    // What the PC has after each run, as the set it has would give it: the
    // acquired links' own, the installed set's, then the other set's, which
    // the failed install left as it was.
    for (size_t run : {0, 1, 2}) EXPECT_EQ(runs[run][11], runs[0][7]) << run;
    for (size_t run : {3, 4}) EXPECT_EQ(runs[run][11], runs[3][7]) << run;
    EXPECT_EQ(runs[2][12], "0");  // /v: no difference

    for (int round = 0; round < 5; ++round) {
        const std::string shared = program / ("shared" + std::to_string(round) + ".log");
        ChildProcess first(Wide("\"" + exe + "\" /h /s /log:" + shared)), second(Wide("\"" + exe + "\" /h /s /log:" + shared));
        EXPECT_EQ(first.Wait(30000), 0);
        EXPECT_EQ(second.Wait(30000), 0);
        const std::string both = ReadFile(shared);
        EXPECT_EQ(both.find(kRunLogHeader), 0u) << round;
        EXPECT_EQ(both.find(kRunLogHeader, 1), std::string::npos) << round;
        EXPECT_EQ(LogLines(both).size(), 2u) << round;
    }
}

}  // namespace
