// The other units without a Windows call, under the sanitizers: cases the
// tests under Wine (texts_test.cpp, command_line_test.cpp) leave out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/report/texts.h"
#include "platform/command_line_split.h"

namespace {

TEST(PureUnits, FormatEdges) {
    const struct {
        std::string got, expected;
    } cases[] = {
        {texts::Format("50%", {}), "50%"},              // a percent sign at the end stays
        {texts::Format("%s and %s", {"a"}), "a and "},  // a placeholder without argument
        {texts::Format("%s files", {12}), "12 files"},  // a number for %s
        {texts::Format("%d", {-3}), "-3"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(PureUnits, SplitCommandLineEdges) {
    const struct {
        const char* line;
        std::vector<std::string> args;
    } cases[] = {
        {" \t  ", {}},
        {"\"\"", {""}},
        {"\"a b\"\"c d\"", {"a bc d"}},
        {"a\t\tb ", {"a", "b"}},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::SplitCommandLine(std::string(c.line)), c.args) << c.line;
}

}  // namespace
