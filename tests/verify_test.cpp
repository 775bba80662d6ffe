// /v: a PC against a set, reading only.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "engine/report/texts.h"
#include "engine/verify.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

// Everything /v could change: the files of both folders and the links.
struct Snapshot {
    std::map<std::string, std::string> files;
    std::vector<std::pair<std::string, std::string>> links;
    bool operator==(const Snapshot& other) const { return files == other.files && links == other.links; }
};

Snapshot Take(const std::vector<std::string>& folders) {
    Snapshot snapshot;
    for (const std::string& folder : folders)
        for (const auto& entry : platform::ListFolder(folder + "*"))
            snapshot.files[folder + entry.name] = ReadFile(folder + entry.name);
    snapshot.links = EudcLinks();
    return snapshot;
}

// A silent run with users' user data folder and the set in the program's
// data folder as its target.
void MakeSilent(RunParameters& run, const TempFolder& users) {
    run.folders.userData = users.path();
    run.options.silent = true;
    run.target = TargetNamed(run.folders.program, "data\\");
}

Result Install(RunParameters& run) {
    InstallReport report;
    return InstallFor(run, report);
}

Result Verify(RunParameters& run, VerifyReport& report, std::string& told) {
    Notifier notifier(true, false);
    const Result result = VerifyEudc({run.folders, run.options, run.target, notifier}, report);
    told = notifier.Reports().empty() ? std::string() : notifier.Reports().back();
    return result;
}

// A set installed on this PC, then changed in one way or another.
TEST(Verify, APcAgainstASet) {
    TempFolder program, users, elsewhere;
    const std::string data = program / "data\\";
    const struct {
        const char* label;
        std::function<void()> change;
        const char* target;
        int result;
        size_t differences;
        std::string told = std::string();  // in what the run tells: the next step, or why there is no set
    } cases[] = {
        {"the set installed", [] {}, "data\\", 0, 0, texts::Format(texts::kVerifyHasSet, {data})},
        {"a file missing", [&] { DeleteFileA((users / "P.TTE").c_str()); }, "data\\", 13, 1,
         "\r" + texts::Format(texts::kVerifyMend, {data})},
        {"other bytes", [&] { MakeFontFile(users / "EUDC.TTE", 3000, 99); }, "data\\", 13, 1,
         texts::kVerifyMendOtherBytes},
        {"one byte other, past the first piece read",
         [&] {
             std::string bytes = ReadFile(users / "P.TTE");
             bytes[bytes.size() - 10] ^= 1;
             WriteFile(users / "P.TTE", bytes);
         },
         "data\\", 13, 1, texts::kVerifyMendOtherBytes},
        {"a link missing", [] { SetEudcValue("MS PGothic", REG_DWORD, RegistryNumber(1)); }, "data\\", 13, 1,
         texts::Format(texts::kVerifyMend, {data})},
        {"a link elsewhere", [&] { SetEudcLink("MS PGothic", elsewhere / "P.TTE"); }, "data\\", 13, 1,
         texts::Format(texts::kVerifyMend, {data})},
        {"no set there", [] {}, "gone\\", 9, 0,
         std::string(texts::kNoSourceFiles) + "\r" + texts::Format(texts::kFolderNotThere, {program / "gone\\"})},
        // What the install cannot install, /v does not call installed.
        {"only EUDC.INI left",
         [&] {
             for (const char* name : {"EUDC.TTE", "EUDC.EUF", "P.TTE"}) DeleteFileA((data + name).c_str());
         },
         "data\\", 9, 0, data + "EUDC.TTE" + texts::kNotFoundLine},
        {"links leaving the folder",
         [&] {
             WriteFile(data + "EUDC.INI",
                       "[EUDC932]\r\nSystemDefaultEUDCFont=..\\data\\EUDC.TTE\r\nMS PGothic=..\\data\\P.TTE\r\n");
         },
         "data\\", 9, 0},
        {"EUDC.TTE a directory",
         [&] {
             WriteFile(data + "EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n");
             DeleteFileA((data + "EUDC.TTE").c_str());
             MakeFolder(data + "EUDC.TTE");
         },
         "data\\", 9, 0},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        RemoveTree(data);
        MakeFolder(data);
        WriteFile(data + "EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=P.TTE\r\n");
        MakeFontFile(data + "EUDC.TTE", 3000, 1);
        MakeFontFile(data + "EUDC.EUF", 200, 2);
        MakeFontFile(data + "P.TTE", 600000, 3);
        RunParameters run(program / "minamo.exe");
        MakeSilent(run, users);
        ASSERT_EQ(Install(run), Result::kOk) << c.label;
        c.change();

        run.target = TargetNamed(run.folders.program, c.target);
        const Snapshot before = Take({data, users.path()});
        // With a log the set's files are read whole for the fingerprint,
        // without one compared a piece at a time.
        for (const char* log : {"run.log", ""}) {
            run.options.logFile = log;
            VerifyReport report;
            std::string told;
            EXPECT_EQ(ExitCode(Verify(run, report, told)), c.result) << c.label << log;
            EXPECT_NE(told.find(c.told), std::string::npos) << c.label << ": " << told;
            EXPECT_EQ(report.differences.size(), c.differences) << c.label << log;
            EXPECT_TRUE(Take({data, users.path()}) == before) << c.label << ": /v wrote something";
            EXPECT_EQ(report.fingerprint.size(), c.result == 9 || !*log ? 0u : 16u) << c.label << log;
        }
        ClearEudcKey();
    }
}

// Faces the registry links as the set does are taken as installed without
// asking the system; what they find must still be what the install sees.
TEST(Verify, FacesLinkedAlreadyDecideAsTheInstall) {
    TempFolder program, users;
    const std::string data = program / "data\\", gothic = Sjis(u8"IPAゴシック");
    const struct {
        const char* label;
        const char* changed;  // in the user data folder
        int result;
        size_t differences;
    } cases[] = {
        {"the set installed", "", 0, 0},
        {"an installed face's file changed", "G.TTE", 13, 1},
        // The install neither copies nor links a face this PC lacks.
        {"a face not installed here, linked to other bytes", "N.TTE", 0, 0},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        RemoveTree(data);
        MakeFolder(data);
        WriteFile(data + "EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n" + gothic +
                                         "=G.TTE\r\nNoSuchFace=N.TTE\r\n");
        MakeFontFile(data + "EUDC.TTE", 3000, 1);
        MakeFontFile(data + "G.TTE", 4000, 2);
        MakeFontFile(data + "N.TTE", 5000, 3);
        RunParameters run(program / "minamo.exe");
        MakeSilent(run, users);
        ASSERT_EQ(Install(run), Result::kOk) << c.label;
        // Left from a time the face was installed: linked as the set links it.
        SetEudcLink("NoSuchFace", users / "N.TTE");
        MakeFontFile(users / "N.TTE", 5000, 3);
        if (*c.changed) MakeFontFile(users / c.changed, 5000, 9);

        VerifyReport report;
        std::string told;
        EXPECT_EQ(ExitCode(Verify(run, report, told)), c.result) << c.label;
        EXPECT_EQ(report.differences.size(), c.differences) << c.label;
    }
    ClearEudcKey();
}

}  // namespace
