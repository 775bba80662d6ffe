// /convert as a migration team runs it: data files of each encoding made
// here, converted by minamo.exe as a child, the bytes on disk and the exit
// code checked, and /back giving the sources' bytes again.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

// UTF-8 of a UTF-32 text, and UTF-16 with its mark.
std::string U8(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6), out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12), out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18), out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F)), out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string U16(const std::u32string& text, bool big) {
    std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
    const auto unit = [&](unsigned u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += big ? hi : lo;
        out += big ? lo : hi;
    };
    for (char32_t c : text) {
        if (c < 0x10000) {
            unit(c);
        } else {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

const std::string kBom = "\xEF\xBB\xBF";

// The decisions: U+E000 its first candidate, U+E001 a variation sequence
// typed in, U+E002 none, U+E003 undecided; U+E004 is not in the map.
const char kMap[] =
    "\xEF\xBB\xBFShift_JIS,Unicode,Font,Twin,Verdict,Chosen,Code 1,Character 1,Score 1\r\n"
    "F040,U+E000,EUDC.TTE,yes,same,1,U+9AD9,x,0.95\r\n"
    "F041,U+E001,EUDC.TTE,yes,check,U+845B U+E0102,U+845B,x,0.9\r\n"
    "F042,U+E002,EUDC.TTE,no,none,none,U+4E00,x,0.3\r\n"
    "F043,U+E003,EUDC.TTE,no,check,,U+4E00,x,0.3\r\n";

class Convert : public ::testing::Test {
protected:
    void SetUp() override {
        CopyFileTo(MinamoExe(), exe);
        WriteFile(work / "map.csv", kMap);
    }
    int Run(const std::string& arguments) { return RunProcess(exe, "/s " + arguments, 120000); }

    TempFolder program, work;
    const std::string exe = program / "minamo.exe";
    const std::string source = work / "data", output = work / "data.converted\\";
};

// Each encoding, EUDC at line ends, beside surrogate pairs and variation
// sequences, in quoted CSV fields, and across the program's 1 MB pieces:
// converted as the map says, and put back byte for byte.
TEST_F(Convert, EachEncodingAndBack) {
    const std::string filler(1048575, 'a');  // puts the next character across the first piece's end
    const std::string sjisName = Sjis(u8"名前"), sjisTaka = Sjis(u8"高"), sjisHashi = Sjis(u8"橋");
    const struct {
        std::string file, bytes, converted;
        std::vector<std::string> recordLines;
    } cases[] = {
        {"sjis.csv", sjisName + ",\"" + sjisTaka + "\xF0\x40" + sjisHashi + "\"\r\n" + sjisName + "\xF0\x41\r\n",
         kBom + U8(U"名前,\"高\u9AD9橋\"\r\n名前\u845B\U000E0102\r\n"),
         {"sjis.csv,Shift-JIS,1,6,F040,U+E000,U+9AD9,", "sjis.csv,Shift-JIS,2,3,F041,U+E001,U+845B U+E0102,"}},
        {"big.txt", filler + "\xF0\x40\r\n", kBom + filler + U8(U"\u9AD9\r\n"),
         {"big.txt,Shift-JIS,1,1048576,F040,U+E000,U+9AD9,"}},
        {"plain.txt", U8(U"\U00020BB7\uE000\u845B\U000E0100\uE001\n\"\uE000\",\uE001"),
         U8(U"\U00020BB7\u9AD9\u845B\U000E0100\u845B\U000E0102\n\"\u9AD9\",\u845B\U000E0102"),
         {"plain.txt,UTF-8,1,2,F040,U+E000,U+9AD9,", "plain.txt,UTF-8,1,5,F041,U+E001,U+845B U+E0102,",
          "plain.txt,UTF-8,2,2,F040,U+E000,U+9AD9,"}},
        {"marked.tsv", kBom + filler + U8(U"\uE000\r\n"), kBom + filler + U8(U"\u9AD9\r\n"),
         {"marked.tsv,UTF-8 BOM,1,1048576,F040,U+E000,U+9AD9,"}},
        {"le.txt", U16(U"\U00020BB7\uE000\r\n\uE001\U00020BB7", false),
         U16(U"\U00020BB7\u9AD9\r\n\u845B\U000E0102\U00020BB7", false),
         {"le.txt,UTF-16LE,1,2,F040,U+E000,U+9AD9,", "le.txt,UTF-16LE,2,1,F041,U+E001,U+845B U+E0102,"}},
        {"be.xml", U16(U"<a>\uE000</a>\n", true), U16(U"<a>\u9AD9</a>\n", true),
         {"be.xml,UTF-16BE,1,4,F040,U+E000,U+9AD9,"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        for (const std::string& folder : {source, work / "data.converted", work / "data.converted.back"}) RemoveTree(folder);
        CreateDirectoryA(source.c_str(), nullptr);
        WriteFile(source + "\\" + c.file, c.bytes);
        ASSERT_EQ(Run("/convert /map:" + work / "map.csv " + source), 0);
        EXPECT_TRUE(ReadFile(output + c.file) == c.converted);
        EXPECT_TRUE(ReadFile(source + "\\" + c.file) == c.bytes);  // the source as it was
        const std::string record = ReadFile(output + "CONVERTED.CSV");
        for (const std::string& line : c.recordLines) EXPECT_NE(record.find(line + "\r\n"), std::string::npos) << line;
        ASSERT_EQ(Run("/convert /back " + output), 0);
        EXPECT_TRUE(ReadFile(work / "data.converted.back\\" + c.file) == c.bytes);
    }
}

// Characters without a decision stay and are listed with why; a file that
// is no text, one another program holds, and names the record is made of.
TEST_F(Convert, WhatIsLeftIsListed) {
    CreateDirectoryA(source.c_str(), nullptr);
    CreateDirectoryA((source + "\\sub").c_str(), nullptr);
    WriteFile(source + "\\sub\\left.txt", U8(U"\uE002\uE003\uE004\uE000"));
    WriteFile(source + "\\binary.csv", std::string("ab\0cd", 5));
    WriteFile(source + "\\held.txt", U8(U"\uE000"));
    WriteFile(source + "\\other.dat", U8(U"\uE000"));  // not a text file's extension: not taken
    {
        const FileHolder holder(source + "\\held.txt", 0);
        EXPECT_EQ(Run("/convert /map:" + work / "map.csv " + source), 16);
    }
    const std::string record = ReadFile(output + "CONVERTED.CSV");
    for (const std::string line : {"sub\\left.txt,UTF-8,1,1,F042,U+E002,,none", "sub\\left.txt,UTF-8,1,2,F043,U+E003,,undecided",
                                   "sub\\left.txt,UTF-8,1,3,F044,U+E004,,not in the map",
                                   "sub\\left.txt,UTF-8,1,4,F040,U+E000,U+9AD9,"})
        EXPECT_NE(record.find(line + std::string("\r\n")), std::string::npos) << line;
    EXPECT_NE(record.find("binary.csv,,,,,,," + U8(U"テキストではありません")), std::string::npos);
    EXPECT_NE(record.find("held.txt,,,,,,," + U8(U"開けません")), std::string::npos);
    EXPECT_TRUE(ReadFile(output + "sub\\left.txt") == U8(U"\uE002\uE003\uE004\u9AD9"));
    // Nothing else under the output folder: no half-written file, no temporary.
    std::vector<std::string> names;
    for (const auto& e : platform::ListFolder(output + "*")) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "CONVERTED.CSV", "sub"}));
}

// A map, source or output folder that cannot serve ends with its own code
// and writes nothing.
TEST_F(Convert, Refusals) {
    CreateDirectoryA(source.c_str(), nullptr);
    WriteFile(source + "\\a.txt", U8(U"\uE000"));
    CreateDirectoryA((work / "used").c_str(), nullptr);
    WriteFile(work / "used\\a.txt", "earlier");
    WriteFile(work / "broken.csv", "Unicode,Chosen\r\nU+E000,\"1\r\n");
    const struct {
        std::string arguments;
        int code;
    } cases[] = {
        {"/convert /map:" + work / "none.csv " + source, 17},
        {"/convert /map:" + work / "broken.csv " + source, 17},
        {"/convert /map:" + work / "map.csv " + work / "missing", 18},
        {"/convert /map:" + work / "map.csv /out:" + source + "\\out " + source, 19},
        {"/convert /map:" + work / "map.csv /out:" + work / "used " + source, 19},
        {"/convert /back " + source, 18},  // no record there
        {"/convert /scan " + work / "missing", 18},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.code) << c.arguments;
        EXPECT_FALSE(platform::DirectoryExists(output)) << c.arguments;
        EXPECT_FALSE(platform::DirectoryExists(source + "\\out")) << c.arguments;
        EXPECT_TRUE(ReadFile(work / "used\\a.txt") == "earlier");
    }
    // A record whose path leaves its folder puts nothing there.
    CreateDirectoryA((work / "forged").c_str(), nullptr);
    WriteFile(work / "forged\\CONVERTED.CSV", kBom + "File,Encoding,Line,Column,Shift_JIS,Unicode,Written,Left\r\n"
                                                     "..\\escaped.txt,UTF-8,,,,,,\r\n");
    WriteFile(work / "escaped.txt", "mine");
    EXPECT_EQ(Run("/convert /back " + work / "forged"), 16);
    EXPECT_TRUE(ReadFile(work / "escaped.txt") == "mine");
}

// Where each EUDC code is used, changing nothing.
TEST_F(Convert, Scan) {
    CreateDirectoryA(source.c_str(), nullptr);
    WriteFile(source + "\\a.csv", "x\xF0\x40y\xF0\x40\r\n\xF9\xFC");
    WriteFile(source + "\\b.txt", U8(U"\uE000"));
    ASSERT_EQ(Run("/convert /scan " + source), 0);
    EXPECT_EQ(ReadFile(output + "SCANNED.CSV"),
              kBom + "Shift_JIS,Unicode,Count,Files\r\nF040,U+E000,3,a.csv | b.txt\r\nF9FC,U+E757,1,a.csv\r\n");
    EXPECT_FALSE(platform::FileExists(output + "a.csv"));
    EXPECT_TRUE(ReadFile(source + "\\a.csv") == "x\xF0\x40y\xF0\x40\r\n\xF9\xFC");
}

}  // namespace
