#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace testing_support {
namespace {
std::string minamoExe, fontsFolder;
}

std::string FromUnixPath(const std::string& unixPath) {
    if (unixPath.size() > 1 && unixPath[1] == ':') return unixPath;
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string MinamoExe() { return minamoExe; }
std::string TestFontsFolder() { return fontsFolder; }

}  // namespace testing_support

namespace {
// A box that nobody answers would hang the run: any box a test did not
// script fails the test and is answered Yes.
class UnexpectedBoxes : public platform::Interaction {
public:
    void ShowMessage(const std::string& text) override {
        ADD_FAILURE() << "unexpected message box: " << text;
    }
    int AskYesNo(const std::string& text) override {
        ADD_FAILURE() << "unexpected question: " << text;
        return IDYES;
    }
    BOOL EnableEudc(BOOL) override { return FALSE; }
};
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    static UnexpectedBoxes unexpected;
    platform::SetInteraction(&unexpected);
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--minamo=", 0) == 0)
            testing_support::minamoExe = testing_support::FromUnixPath(arg.substr(9));
        if (arg.rfind("--fonts=", 0) == 0)
            testing_support::fontsFolder = testing_support::FromUnixPath(arg.substr(8)) + "\\";
    }
    return RUN_ALL_TESTS();
}
