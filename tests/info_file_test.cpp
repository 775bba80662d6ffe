#include <gtest/gtest.h>

#include <memory>

#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "engine/run/run_parameters.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

class InfoFile : public ::testing::Test {
protected:
    void SetUp() override { ClearEudcKey(); }
    void TearDown() override { ClearEudcKey(); }
    TempFolder program;
    std::unique_ptr<RunParameters> Run() {
        return std::make_unique<RunParameters>(program / "minamo.exe");
    }
    // The registry's links, each file by its bare name, as an acquire that
    // kept every name writes them.
    static FontLinks WithBareNames(const FontLinks& links) {
        FontLinks bare;
        for (const FontLink& link : links) bare.push_back({link.face, paths::FileNamePart(link.file)});
        return bare;
    }
};

TEST_F(InfoFile, WrittenAfterAnAcquire) {
    SetEudcLink("SystemDefaultEUDCFont", "%SystemRoot%\\fonts\\EUDC.TTE");
    SetEudcLink("MS PGothic", "C:\\eudc\\P.FON");
    // An earlier file with an automatic start, a fixed target and an old table.
    WriteFile(program / "EUDC.INI",
              "[EUDC932]\r\nOld=OLD.TTE\r\n[MINAMO]\r\nAutoRun=1\r\nTargetFolder=x\r\n");
    auto run = Run();
    run->options.silent = true;
    run->options.onlyNewer = false;
    run->options.copyCompanions = true;
    const FontLinks links = WithBareNames(run->fontLinks.links);
    ASSERT_TRUE(WriteInfoFile(run->target.Folder(), run->options, links));
    const std::string written = ReadFile(program / "EUDC.INI");
    EXPECT_NE(written.find("[MINAMO]\r\nAutoRun=0\r\nTargetFolder=\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=1\r\n"),
              std::string::npos)
        << written;
    // The links in the order the registry gives them.
    std::string table = "[EUDC932]\r\n";
    for (const FontLink& link : run->fontLinks.links)
        table += link.face + "=" + (link.face == "MS PGothic" ? "P.FON" : "EUDC.TTE") + "\r\n";
    ASSERT_EQ(run->fontLinks.links.size(), 2u);
    EXPECT_NE(written.find(table), std::string::npos) << written;
    EXPECT_EQ(written.find("Old"), std::string::npos);

    // A new file holds its lines in the documented order.
    TempFolder fresh;
    run->target = TargetNamed(run->folders.program, fresh.path());
    run->options.silent = false;
    ASSERT_TRUE(WriteInfoFile(run->target.Folder(), run->options, links));
    EXPECT_EQ(ReadFile(fresh / "EUDC.INI"),
              "[MINAMO]\r\nAutoRun=0\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=0\r\nTargetFolder=\r\n"
              + table);
}

// Its bytes, and a folder in the file's place: Install.DefaultInfoFile*.
TEST_F(InfoFile, NoDefaultFileInAMissingFolder) {
    auto run = Run();
    run->target = TargetNamed(run->folders.program, "missing\\");
    EXPECT_FALSE(WriteDefaultInfoFile(run->target.Folder()));
    EXPECT_FALSE(platform::FileExists(program / "missing\\EUDC.INI"));
}

const std::string kDefaultLink = "SystemDefaultEUDCFont=EUDC.TTE\r\n";

// Lines linking faces that are not installed here.
std::string ManyFaces(int count) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += "Not installed " + std::to_string(i) + "=F.TTE\r\n";
    return lines;
}

TEST_F(InfoFile, ReadWithTheInstalledFontFilter) {
    const std::string pGothic = Sjis(u8"ＭＳ Ｐゴシック");
    const std::string gothic = Sjis(u8"IPAゴシック");
    const std::string vertical = Sjis(u8"@IPAゴシック");
    const struct {
        const char* label;
        std::string ini;  // empty: no file
        Result result;
        StringList names, files;
        bool standard;
    } cases[] = {
        {"no file", "", Result::kNoLinkTable, {}, {}, true},
        {"empty section", "[MINAMO]\r\nAutoRun=0\r\n[EUDC932]\r\n", Result::kNoLinkTable, {}, {}, true},
        {"faces not installed here", "[EUDC932]\r\nNoSuchFace=A.TTE\r\n" + vertical + "=B.TTE\r\n",
         Result::kNoLinkedFaceHere, {}, {}, true},
        {"fixed names stay", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=P.TTE\r\nGone=G.TTE\r\n",
         Result::kOk, {"SystemDefaultEUDCFont", "MS PGothic"}, {"EUDC.TTE", "P.TTE"}, true},
        {"Japanese PGothic read under its own key", "[EUDC932]\r\n" + pGothic + "=J.TTE\r\n",
         Result::kOk, {"MS PGothic"}, {"J.TTE"}, true},
        {"installed face, any case", "[EUDC932]\r\nipaゴシック=G.tte\r\n", Result::kOk, {Sjis(u8"ipaゴシック")}, {"G.tte"}, true},
        {"installed face", "[EUDC932]\r\n" + gothic + "=G.FON\r\n", Result::kOk, {gothic}, {"G.FON"}, false},
        {"fixed names are exact", "[EUDC932]\r\nms pgothic=x.TTE\r\nsystemdefaulteudcfont=y.TTE\r\n",
         Result::kNoLinkedFaceHere, {}, {}, true},
        {"values as the system's reader gives them",
         "[EUDC932]\r\nSystemDefaultEUDCFont=\"EUDC.TTE\"\r\nMS PGothic = 'P.TTE' \r\nms pgothic=Q.TTE\r\n",
         Result::kOk, {"SystemDefaultEUDCFont", "MS PGothic"}, {"EUDC.TTE", "P.TTE"}, true},
        // Key lists that once cut the links after them off.
        {"a long face name first", "[EUDC932]\r\n" + std::string(17000, 'K') + "=K.TTE\r\n" + kDefaultLink,
         Result::kOk, {"SystemDefaultEUDCFont"}, {"EUDC.TTE"}, true},
        {"an empty key first", "[EUDC932]\r\n=X.TTE\r\n" + kDefaultLink, Result::kOk, {"SystemDefaultEUDCFont"},
         {"EUDC.TTE"}, true},
        {"thousands of faces first", "[EUDC932]\r\n" + ManyFaces(3000) + kDefaultLink, Result::kOk,
         {"SystemDefaultEUDCFont"}, {"EUDC.TTE"}, true},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (!c.ini.empty()) WriteFile(folder / "EUDC.INI", c.ini);
        FontLinkTable table;
        EXPECT_EQ(ReadInfoFile(folder.path(), table), c.result) << c.label;
        if (c.result != Result::kOk) continue;
        StringList names, files;
        for (const FontLink& link : table.links) names.push_back(link.face), files.push_back(link.file);
        EXPECT_EQ(names, c.names) << c.label;
        EXPECT_EQ(files, c.files) << c.label;
        EXPECT_EQ(table.standard, c.standard) << c.label;
    }
}

}  // namespace
