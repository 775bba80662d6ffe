#include "engine/run/arguments.h"

#include "engine/paths/paths.h"
#include "platform/spelled_path.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

std::string SpellArgument(const std::wstring& argument, const std::string& programFolder) {
    std::string typed;
    if (platform::ToMultiByteExactly(CP_ACP, argument, typed)) return typed;
    // The switch and the start of an absolute path are ASCII: their bytes
    // and characters are the same in both texts.
    const size_t switchLength = LogSwitchLength(typed);
    const std::wstring path = argument.substr(switchLength);
    const std::wstring full = paths::IsAbsolutePath(typed.substr(switchLength))
                                  ? path
                                  : platform::ToWide(CP_ACP, programFolder) + path;
    return typed.substr(0, switchLength) + platform::SpellPath(full);
}

}  // namespace

StringList ProgramArguments(const std::string& programFolder) {
    if (!platform::IsNtPlatform()) return platform::CommandLineArgumentsA();
    StringList arguments;
    for (const std::wstring& argument : platform::CommandLineArgumentsW())
        arguments.push_back(SpellArgument(argument, programFolder));
    return arguments;
}
