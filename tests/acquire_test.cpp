#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <memory>

#include <windows.h>
#include <sddl.h>  // after windows.h

#include "engine/acquire.h"
#include "engine/install/install.h"
#include "engine/paths/paths.h"
#include "engine/run/run_parameters.h"
#include "engine/report/run_log.h"
#include "engine/report/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

// A machine with EUDC files in a folder of their own, linked in the registry.
class Acquire : public ::testing::Test {
protected:
    void SetUp() override {
        ClearEudcKey();
        MakeFontFile(system / "EUDC.TTE", 4000, 1);
        MakeFontFile(system / "EUDC.EUF", 300, 2);
        MakeFontFile(system / "P.TTE", 5000, 3);
        MakeFolder(program / "data");
    }
    void TearDown() override { ClearEudcKey(); }

    std::unique_ptr<RunParameters> Param(const std::string& target = "data\\") {
        auto p = std::make_unique<RunParameters>(program / "minamo.exe");
        p->target = TargetNamed(p->folders.program, target);
        return p;
    }
    // The result as its number, the exit code that scripts see.
    int RunAcquire(RunParameters& p) {
        return ExitCode(AcquireFor(p, report));
    }
    std::string Target(const std::string& name) const { return program / ("data\\" + name); }

    TempFolder program, system;
    FakeInteraction boxes;
    AcquireReport report;
};

TEST_F(Acquire, Report) {
    const std::string got = texts::kAcquiredLine, missing = texts::kNotFoundLine;
    const std::string closing = texts::kAcquireClosing;
    const struct {
        const char* file;
        std::string report;
    } cases[] = {
        // Nothing missing: three CRs before the closing sentence.
        {"EUDC.TTE", "\r" + system / "EUDC.TTE" + got + "\r" + system / "EUDC.euf" + got + "\r\r\r" + closing},
        {"P.TTE", "\r" + system / "P.TTE" + got + "\r\r" + system / "P.euf" + missing + "\r\r" + closing},
        // A real font: how many characters it holds.
        {"F.TTE", "\r" + system / "F.TTE" + got + "\r" + texts::Format(texts::kAcquiredCharacters, {system / "F.TTE", 8}) +
                      "\r\r" + system / "F.euf" + missing + "\r\r" + closing},
    };
    CopyFileTo(TestFontsFolder() + "EUDCTEST.TTF", system / "F.TTE");
    for (const auto& c : cases) {
        ClearEudcKey();
        SetEudcLink("SystemDefaultEUDCFont", system / c.file);
        TempFolder target;
        auto param = Param(target.path());
        FakeInteraction run;
        EXPECT_EQ(RunAcquire(*param), 0);
        EXPECT_EQ(run.messages, StringList{c.report});
    }
}

TEST_F(Acquire, ResultCodes) {
    const struct {
        const char* label;
        std::vector<std::pair<std::string, std::string>> links;
        bool confirm, silent, copyEuf;
        std::deque<int> answers;
        bool existing;  // same-named file already in the target
        int result;
        size_t questions;
        const char* message;  // nullptr: the success report
    } cases[] = {
        {"empty table", {}, true, false, true, {}, false, 10, 0, texts::kNoSystemEudc},
        {"no file exists", {{"A", "C:\\nowhere\\X.TTE"}}, true, false, false, {}, false, 10, 0, texts::kNoSystemEudc},
        {"overwrite declined", {{"A", "%S\\EUDC.TTE"}}, true, false, true, {IDNO}, true, 6, 1, texts::kAcquireCancelled},
        {"overwrite accepted", {{"A", "%S\\EUDC.TTE"}}, true, false, true, {IDYES}, true, 0, 1, nullptr},
        {"silent overwrites without asking", {{"A", "%S\\EUDC.TTE"}}, true, true, true, {}, true, 0, 0, nullptr},
        {"/f asks nothing", {{"A", "%S\\P.TTE"}, {"B", "%S\\x.FON"}}, false, false, true, {}, true, 0, 0, nullptr},
        {"no overwrite, no question", {{"A", "%S\\EUDC.TTE"}}, true, false, true, {}, false, 0, 0, nullptr},
        {"non-standard declined", {{"A", "%S\\P.TTE"}, {"B", "%S\\x.FON"}}, true, false, true, {IDNO}, false, 6, 1, texts::kAcquireCancelled},
        {"silent asks nothing", {{"A", "%S\\P.TTE"}, {"B", "%S\\x.FON"}}, true, true, true, {IDNO}, true, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        TempFolder target;
        if (c.existing) {
            MakeFontFile(target / "EUDC.TTE", 10, 9);
            MakeFontFile(target / "P.TTE", 10, 9);
        }
        for (const auto& l : c.links) {
            std::string path = l.second;
            if (path.rfind("%S\\", 0) == 0) path = system / path.substr(3);
            SetEudcLink(l.first, path);
        }
        auto param = Param(target.path());
        param->options.confirm = c.confirm;
        param->options.copyCompanions = c.copyEuf;
        FakeInteraction run;
        run.answers = c.answers;
        param->options.silent = c.silent;
        EXPECT_EQ(RunAcquire(*param), c.result) << c.label;
        EXPECT_EQ(run.questions.size(), c.questions) << c.label;
        if (!c.silent) {
            ASSERT_EQ(run.messages.size(), 1u) << c.label;
            if (c.message) {
                EXPECT_EQ(run.messages[0], c.message) << c.label;
            }
        } else {
            EXPECT_TRUE(run.messages.empty()) << c.label;
        }
        EXPECT_EQ(platform::FileExists(target / "EUDC.INI"), c.result == 0) << c.label;
        if (c.result == 6 && c.existing) {
            EXPECT_EQ(ReadFile(target / "EUDC.TTE"), FontBytes(10, 9)) << c.label;
        }
    }
}

TEST_F(Acquire, SourcesAreTakenOnce) {
    // Two faces on one file, a bare default name (the fonts folder's file,
    // not the one of that name already taken), and a companion shared with
    // a linked file.
    SetEudcLink("A", system / "P.TTE");
    SetEudcLink("B", system / "P.TTE");
    SetEudcLink("C", system / "EUDC.TTE");
    SetEudcLink("D", "EUDC.TTE");
    SetEudcLink("E", "C:\\nowhere\\M.TTE");
    SetEudcLink("F", "C:\\nowhere\\M.TTE");
    SetEudcLink("G", "");  // a link without a path is reported, not skipped
    auto param = Param();
    param->options.silent = true;
    ASSERT_EQ(RunAcquire(*param), 0);
    // Registry enumeration order is the system's; compare as sets.
    StringList done = report.copied, missing = report.missing;
    std::sort(done.begin(), done.end());
    std::sort(missing.begin(), missing.end());
    const std::string got = texts::kAcquiredLine, miss = texts::kNotFoundLine;
    const std::string fonts = param->folders.windows + "fonts\\";
    StringList wantDone = {system / "P.TTE" + got, system / "EUDC.TTE" + got, system / "EUDC.euf" + got};
    // A missing file never enters the copy, so each link reports it again.
    StringList wantMissing = {system / "P.euf" + miss, "C:\\nowhere\\M.TTE" + miss, "C:\\nowhere\\M.TTE" + miss,
                              "C:\\nowhere\\M.euf" + miss, "C:\\nowhere\\M.euf" + miss,
                              fonts + "EUDC.TTE" + miss, fonts + "EUDC.euf" + miss,
                              texts::Format(texts::kEmptyLinkLine, {"G"})};
    std::sort(wantDone.begin(), wantDone.end());
    std::sort(wantMissing.begin(), wantMissing.end());
    EXPECT_EQ(done, wantDone);
    EXPECT_EQ(missing, wantMissing);
    // Every link is recorded, also those whose file was missing; a missing
    // file keeps its name, so that no other face is linked to it.
    const std::string ini = ReadFile(Target("EUDC.INI"));
    for (const char* line : {"A=P.TTE", "B=P.TTE", "C=EUDC.TTE", "D=EUDC-2.TTE", "E=M.TTE", "F=M.TTE", "G=\r\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
}

// Link tables as real PCs carry them: each link is taken from the file it
// names, resolved to its full path; a name without a folder from the fonts
// folder, never from the current directory.
TEST_F(Acquire, LinkTables) {
    const std::string fonts = Param()->folders.windows + "fonts\\";
    TempFolder current;
    MakeFontFile(fonts + "EUDC.TTE", 1100, 31);
    MakeFontFile(fonts + "X.TTE", 1200, 32);
    MakeFontFile(system / "MYEUDC.TTE", 1300, 33);
    MakeFontFile(current / "X.TTE", 1400, 34);  // a stray file where the program started
    const std::string own = FontBytes(4000, 1), fontsEudc = FontBytes(1100, 31), fontsX = FontBytes(1200, 32);
    using Links = std::vector<std::pair<std::string, std::string>>;
    const struct {
        const char* label;
        Links links;
        Links written;   // [EUDC932] of EUDC.INI: face, file name, in registry order (Wine's: by name)
        StringList bytes;  // each written file's bytes, in that order; "" when missing
        size_t reportLines;  // lines about faces not acquired
    } cases[] = {
        {"a name that ends another's", {{"A", system / "MYEUDC.TTE"}, {"SystemDefaultEUDCFont", "EUDC.TTE"}},
         {{"A", "MYEUDC.TTE"}, {"SystemDefaultEUDCFont", "EUDC.TTE"}}, {FontBytes(1300, 33), fontsEudc}, 0},
        {"namesakes in two folders", {{"A", system / "EUDC.TTE"}, {"SystemDefaultEUDCFont", "eudc.tte"}},
         {{"A", "EUDC.TTE"}, {"SystemDefaultEUDCFont", "eudc-2.tte"}}, {own, fontsEudc}, 0},
        {"a bare name", {{"B", "X.TTE"}, {"C", fonts + "sub\\..\\X.TTE"}}, {{"B", "X.TTE"}, {"C", "X.TTE"}},
         {fontsX, fontsX}, 0},
        {"devices and the program's own names",
         {{"N", "NUL"}, {"C", system / "CON.TTE"}, {"L", system / "~minamo.lock"}, {"B", "X.TTE"}},
         {{"B", "X.TTE"}, {"C", "CON.TTE"}, {"L", "~minamo.lock"}, {"N", "NUL"}}, {fontsX, "", "", ""}, 0},
        {"faces EUDC.INI cannot hold",
         {{"", system / "P.TTE"}, {"[x]", system / "P.TTE"}, {"a=b", system / "P.TTE"}, {";c", system / "P.TTE"},
          {" d", system / "P.TTE"}, {"SystemDefaultEUDCFont", "EUDC.TTE"}},
         {{"SystemDefaultEUDCFont", "EUDC.TTE"}}, {fontsEudc}, 4},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        for (const auto& link : c.links) SetEudcLink(link.first, link.second);
        TempFolder target;
        auto param = Param(target.path());
        param->options.silent = true;
        SetCurrentDirectoryA(current.path().c_str());
        EXPECT_EQ(RunAcquire(*param), 0) << c.label;
        SetCurrentDirectoryA(program.path().c_str());
        Links written;
        for (const std::string& face : platform::ReadProfileKeys(target / "EUDC.INI", "EUDC932"))
            written.emplace_back(face, platform::ReadProfileString(target / "EUDC.INI", "EUDC932", face, ""));
        EXPECT_EQ(written, c.written) << c.label;
        for (size_t i = 0; i < c.written.size() && i < c.bytes.size(); ++i)
            EXPECT_TRUE(ReadFile(target / c.written[i].second) == c.bytes[i]) << c.label << " " << i;
        const auto notAcquired = std::count_if(report.missing.begin(), report.missing.end(), [](const std::string& l) {
            return l.find(Sjis(u8"取得しませんでした")) != std::string::npos;
        });
        EXPECT_EQ(static_cast<size_t>(notAcquired), c.reportLines) << c.label;
    }
    for (const char* name : {"EUDC.TTE", "X.TTE"}) DeleteFileA((fonts + name).c_str());
}

// Faces linked to files of one name in different folders all travel, each
// under a name of its own, and an install links each face to its bytes.
TEST_F(Acquire, FilesOfOneNameFromTwoFolders) {
    TempFolder a, b, c;
    const std::string gothic = Sjis(u8"IPAゴシック");
    struct Face {
        std::string name, file, bytes, companion;  // companion: empty when none
    } const faces[] = {
        {"SystemDefaultEUDCFont", a / "EUDC.TTE", FontBytes(1000, 11), FontBytes(100, 12)},
        {"MS PGothic", b / "eudc.tte", FontBytes(2000, 13), FontBytes(200, 14)},
        {gothic, c / "EUDC-2.TTE", FontBytes(3000, 15), ""},  // the name b's file would get
    };
    for (const Face& f : faces) {
        WriteFile(f.file, f.bytes);
        if (!f.companion.empty()) WriteFile(paths::ChangeExtension(f.file, ".euf"), f.companion);
        SetEudcLink(f.name, f.file);
    }
    auto param = Param();
    param->options.silent = true;
    ASSERT_EQ(RunAcquire(*param), 0);
    // The first file in the table keeps its name.
    EXPECT_NE(ReadFile(Target("EUDC.INI")).find(param->fontLinks.links[0].face + "=" + paths::FileNamePart(param->fontLinks.links[0].file)),
              std::string::npos);

    ClearEudcKey();
    TempFolder users;
    auto install = Param();
    install->folders.userData = users.path();
    install->options.silent = true;
    InstallReport installed;
    ASSERT_EQ(InstallFor(*install, installed),
              Result::kOk);
    ASSERT_EQ(EudcLinks().size(), 3u);
    for (const Face& f : faces) {
        std::string linked;
        for (const auto& link : EudcLinks())
            if (link.first == f.name) linked = link.second;
        EXPECT_TRUE(ReadFile(linked) == f.bytes) << f.name << " " << linked;
        EXPECT_TRUE(f.companion.empty() || ReadFile(paths::ChangeExtension(linked, ".euf")) == f.companion) << f.name;
    }
}

TEST_F(Acquire, BareDefaultNameComesFromTheWindowsFolder) {
    auto param = Param();
    const std::string fonts = param->folders.windows + "fonts\\EUDC.TTE";
    const std::string plain = param->folders.windows + "EUDC.TTE";
    MakeFontFile(fonts, 111, 5);
    MakeFontFile(plain, 222, 6);
    SetEudcLink("SystemDefaultEUDCFont", "eudc.tte");
    const struct {
        DWORD platformId;
        std::string bytes;
    } cases[] = {{VER_PLATFORM_WIN32_NT, FontBytes(111, 5)}, {VER_PLATFORM_WIN32_WINDOWS, FontBytes(222, 6)}};
    for (const auto& c : cases) {
        TempFolder target;
        auto p = Param(target.path());
        p->folders.os.dwPlatformId = c.platformId;
        p->options.silent = true;
        EXPECT_EQ(RunAcquire(*p), 0);
        EXPECT_EQ(ReadFile(target / "EUDC.TTE"), c.bytes);
    }
    DeleteFileA(fonts.c_str());
    DeleteFileA(plain.c_str());
}

TEST_F(Acquire, MissingTargetFolderIsCreated) {
    SetEudcLink("SystemDefaultEUDCFont", system / "EUDC.TTE");
    auto param = Param("new\\deeper\\");
    param->options.silent = true;
    EXPECT_EQ(RunAcquire(*param), 0);
    EXPECT_TRUE(platform::DirectoryExists(program / "new\\deeper"));
    EXPECT_EQ(ReadFile(program / "new\\deeper\\EUDC.TTE"), FontBytes(4000, 1));

    // A target that cannot be a folder: acquire failed, nothing written.
    WriteFile(program / "file", "x");
    auto bad = Param("file\\sub\\");
    bad->options.silent = false;
    FakeInteraction run;
    EXPECT_EQ(RunAcquire(*bad), 1);
    EXPECT_EQ(run.messages, StringList{texts::kAcquireFailed});
}

TEST_F(Acquire, UnwritableInfoFileIsAFailure) {
    SetEudcLink("SystemDefaultEUDCFont", system / "EUDC.TTE");
    MakeFolder(Target("EUDC.INI"));
    auto param = Param();
    FakeInteraction run;
    EXPECT_EQ(RunAcquire(*param), 1);
    EXPECT_EQ(run.messages, StringList{texts::kAcquireFailed});
}

// Gives HKCU\EUDC\932 a DACL (SDDL) that lets everyone do only what it
// names; "KA" gives all back.
void LimitEudcKey(const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "EUDC\\932", 0, WRITE_DAC, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    RegCloseKey(key);
    LocalFree(descriptor);
}

// A link table that can be read but not written is acquired; one that
// cannot be read is a failure with the registry's reason, not "no EUDC".
TEST_F(Acquire, LinkTableReadOnlyOrDenied) {
    const struct {
        const char* sddl;
        int result;
        const char* step;
        unsigned long code;
    } cases[] = {
        {"D:(A;;KRWDSD;;;WD)", 0, "", 0},
        {"D:(A;;WDSDRC;;;WD)", 1, steps::kRegistry, ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        SetEudcLink("SystemDefaultEUDCFont", system / "EUDC.TTE");
        LimitEudcKey(c.sddl);
        auto param = Param();
        param->options.silent = true;
        EXPECT_EQ(RunAcquire(*param), c.result) << c.sddl;
        EXPECT_EQ(report.failure.step, c.step) << c.sddl;
        EXPECT_EQ(report.failure.code, c.code) << c.sddl;
        LimitEudcKey("D:(A;;KA;;;WD)");
        ClearEudcKey();
    }
}

// A copy of a file onto itself fails with the shell's own code, DE_SAMEFILE
// (0x71): the log names it as the shell's, with its meaning, not Windows'
// text for error 113.
TEST_F(Acquire, ShellCopyCodeLoggedAsTheShells) {
    MakeFontFile(Target("EUDC.TTE"), 4000, 1);
    SetEudcLink("SystemDefaultEUDCFont", Target("EUDC.TTE"));
    auto param = Param();
    param->options.silent = true;
    EXPECT_EQ(RunAcquire(*param), 1);
    RunRecord run;
    run.failure = report.failure;
    const std::string line = RunLogLine(run, {});
    EXPECT_NE(line.find("\tcopy\tSHFileOperation 0x71\t"), std::string::npos) << line;
    EXPECT_NE(line.find("(DE_SAMEFILE)"), std::string::npos) << line;
}

}  // namespace

namespace {

// Faces installed for this process alone while the object lives.
class PrivateFonts {
public:
    explicit PrivateFonts(const std::string& file) : file_(file) {
        EXPECT_GT(AddFontResourceExA(file_.c_str(), FR_PRIVATE, nullptr), 0) << file_;
    }
    ~PrivateFonts() { RemoveFontResourceExA(file_.c_str(), FR_PRIVATE, nullptr); }

private:
    std::string file_;
};

// A link table as big as real ones grow: 2,000 faces, each on its own file,
// the files in pairs of one name from two folders, with the bare default
// name and the key's unnamed value beside them. Acquired, then installed
// with the faces installed: every link comes through to its own bytes.
TEST_F(Acquire, RoundTripOfThousandsOfLinks) {
    const int kFaces = 2000;
    TempFolder a, b;
    const std::string fonts = Param()->folders.windows + "fonts\\";
    MakeFontFile(fonts + "EUDC.TTE", 300, 77);
    std::map<std::string, std::string> bytesOf;  // face: its file's bytes
    bytesOf["SystemDefaultEUDCFont"] = FontBytes(300, 77);
    SetEudcLink("SystemDefaultEUDCFont", "EUDC.TTE");
    SetEudcLink("", system / "EUDC.TTE");
    for (int i = 0; i < kFaces; ++i) {
        char face[32], file[32];
        std::snprintf(face, sizeof face, "MinamoFace%04d", i);
        std::snprintf(file, sizeof file, "E%04d.TTE", i / 2);
        const std::string path = (i % 2 ? b : a) / file;
        MakeFontFile(path, 64, 1000 + i);
        bytesOf[face] = FontBytes(64, 1000 + i);
        SetEudcLink(face, path);
    }
    auto acquire = Param();
    acquire->options.silent = true;
    acquire->options.copyCompanions = false;
    ASSERT_EQ(RunAcquire(*acquire), 0);

    ClearEudcKey();
    const PrivateFonts faces(TestFontsFolder() + "FACES.TTC");
    TempFolder users;
    auto install = Param();
    install->folders.userData = users.path();
    install->options.silent = true;
    install->options.copyCompanions = false;
    InstallReport installed;
    ASSERT_EQ(InstallFor(*install, installed),
              Result::kOk);
    const auto links = EudcLinks();
    EXPECT_EQ(links.size(), bytesOf.size());
    std::set<std::string> files;
    for (const auto& link : links) {
        EXPECT_TRUE(ReadFile(link.second) == bytesOf[link.first]) << link.first << " " << link.second;
        files.insert(link.second);
    }
    EXPECT_EQ(files.size(), links.size());  // each face on its own file
    DeleteFileA((fonts + "EUDC.TTE").c_str());
}

}  // namespace
