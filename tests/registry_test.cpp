#include <gtest/gtest.h>

#include "platform/registry.h"
#include "tests/support/test_support.h"

namespace {

// A value that cannot be read is no empty text: the read says it failed.
TEST(Registry, ReadText) {
    using platform::TextRead;
    testing_support::ClearEudcKey();
    testing_support::SetEudcLink("Text", "C:\\x.TTE");
    testing_support::SetEudcValue("Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\e.TTE\0", 19));
    testing_support::SetEudcValue("Empty", REG_SZ, "");
    testing_support::SetEudcValue("Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    const platform::UniqueKey key = platform::OpenKey(HKEY_CURRENT_USER, "EUDC\\932", KEY_READ);
    ASSERT_TRUE(key);
    const struct {
        HKEY key;
        const char* name;
        TextRead read;
        std::string text;
    } cases[] = {
        {key.get(), "Text", TextRead::kText, "C:\\x.TTE"},
        {key.get(), "Expand", TextRead::kText, "%SystemRoot%\\e.TTE"},
        {key.get(), "Empty", TextRead::kText, ""},
        {key.get(), "Number", TextRead::kNotText, ""},
        {key.get(), "Missing", TextRead::kFailed, ""},
        {nullptr, "Text", TextRead::kFailed, ""},
    };
    for (const auto& c : cases) {
        std::string text = "left over";
        EXPECT_EQ(platform::ReadText(c.key, c.name, text), c.read) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
    testing_support::ClearEudcKey();
}

}  // namespace
