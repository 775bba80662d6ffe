// What a set folder is: its links, the files it puts with their companions,
// and what it cannot put.
#include <gtest/gtest.h>

#include "engine/set/set_folder.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

// The files a set puts as "NAME" or "NAME+" (its companion there), joined
// by commas.
std::string Shown(const std::vector<SetFolder::File>& files) {
    std::string text;
    for (const SetFolder::File& file : files)
        text += (text.empty() ? "" : ",") + file.name + (file.companionThere ? "+" : "");
    return text;
}

TEST(SetFolder, WhatASetPuts) {
    const struct {
        const char* label;
        const char* ini;          // nullptr: no EUDC.INI
        StringList files;         // made in the folder; a name ending in "\" is a folder
        Result result;
        bool hasInfoFile;
        const char* put;          // Shown(Files())
        size_t linksPut, missing;
    } cases[] = {
        {"a lone EUDC.TTE", nullptr, {"EUDC.TTE", "EUDC.EUF"}, Result::kOk, false, "EUDC.TTE+", 1, 0},
        {"a lone EUDC.TTE that is a folder", nullptr, {"EUDC.TTE\\"}, Result::kNoFilesToInstall, false, "", 0, 0},
        {"nothing", nullptr, {"P.TTE"}, Result::kNoFilesToInstall, false, "", 0, 0},
        {"an empty link table", "[EUDC932]\r\n", {"EUDC.TTE"}, Result::kNoLinkTable, true, "", 0, 0},
        {"a file missing", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=P.TTE\r\n", {"P.TTE"},
         Result::kOk, true, "P.TTE", 1, 1},
        {"EUDC.TTE a folder", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n", {"EUDC.TTE\\"}, Result::kOk, true,
         "", 0, 1},
        {"links leaving the folder", "[EUDC932]\r\nSystemDefaultEUDCFont=..\\set\\EUDC.TTE\r\nMS PGothic=C:\\P.TTE\r\n",
         {"EUDC.TTE", "P.TTE"}, Result::kOk, true, "", 0, 2},
        {"a device and the install's own name", "[EUDC932]\r\nSystemDefaultEUDCFont=CON.TTE\r\nMS PGothic=~minamo.lock\r\n",
         {"~minamo.lock"}, Result::kOk, true, "", 0, 2},
        {"one file under two faces, with its companion",
         "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=eudc.tte\r\n", {"EUDC.TTE", "eudc.euf"},
         Result::kOk, true, "EUDC.TTE+", 2, 0},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.ini) WriteFile(folder / "EUDC.INI", c.ini);
        for (const std::string& name : c.files)
            name.back() == '\\' ? MakeFolder(folder / name) : WriteFile(folder / name, "bytes");
        SetFolder set(folder.path());
        EXPECT_EQ(set.ReadForThisPc(), c.result) << c.label;
        EXPECT_EQ(set.HasInfoFile(), c.hasInfoFile) << c.label;
        EXPECT_EQ(Shown(set.Files()), c.put) << c.label;
        EXPECT_EQ(set.LinksPut().size(), c.linksPut) << c.label;
        EXPECT_EQ(set.Missing().size(), c.missing) << c.label;
    }
}

}  // namespace
