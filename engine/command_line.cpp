// The command line: settings beside the program first, then the switches
// from left to right; anything that is not a switch names the target.
#include "engine/arguments.h"
#include "engine/param.h"
#include "engine/paths.h"

// The run log's switch carries its file: /log:FILE. No folder name on
// Windows holds a colon there, so no command line changes its meaning.
size_t LogSwitchLength(const std::string& argument) {
    const std::string start = paths::UpperAscii(argument.substr(0, 5));
    return start == "/LOG:" || start == "-LOG:" ? start.size() : 0;
}

namespace {

enum class Switch { None, Put, Get, CheckDate, EufOff, EufOn, On, Off, Silent, Help, Force, Log };

struct SwitchForm {
    const char* form;  // after upper-casing
    Switch kind;
};

const SwitchForm kSwitches[] = {
    {"-P", Switch::Put},       {"/P", Switch::Put},        {"-G", Switch::Get},
    {"/G", Switch::Get},       {"-D", Switch::CheckDate},  {"/D", Switch::CheckDate},
    {"-EF", Switch::EufOff},   {"/EF", Switch::EufOff},    {"-ET", Switch::EufOn},
    {"/ET", Switch::EufOn},    {"TRUE", Switch::On},       {"FALSE", Switch::Off},
    {"-S", Switch::Silent},    {"/S", Switch::Silent},     {"-H", Switch::Help},
    {"/H", Switch::Help},      {"-HELP", Switch::Help},    {"/HELP", Switch::Help},
    {"-?", Switch::Help},      {"/?", Switch::Help},       {"-F", Switch::Force},
    {"/F", Switch::Force},
};

Switch Recognise(const std::string& argument) {
    const std::string upper = paths::UpperAscii(argument);
    for (const SwitchForm& s : kSwitches)
        if (upper == s.form) return s.kind;
    return LogSwitchLength(argument) ? Switch::Log : Switch::None;
}

}  // namespace

bool TminamoParam::ParseCommandLine(const StringList& args) {
    bool commandMode = false;
    if (ReadStartupSettings()) {
        commandMode = true;
        PutRequested = true;
    }
    for (const std::string& argument : args) {
        Switch kind = Recognise(argument);
        switch (kind) {
            case Switch::None: SetTarget(AddTrailingBackslash(argument)); continue;
            case Switch::Put: PutRequested = true; break;
            case Switch::Get: GetRequested = true; break;
            case Switch::CheckDate: CheckDate = true; break;
            case Switch::EufOff: CopyEUF = false; break;
            case Switch::EufOn: CopyEUF = true; break;
            case Switch::On: EudcSwitch = kSwitchOn; break;
            case Switch::Off: EudcSwitch = kSwitchOff; break;
            case Switch::Silent: Silent = true; Confirm = false; break;
            case Switch::Help: HelpRequested = true; break;
            case Switch::Force: Confirm = false; break;
            case Switch::Log: LogFile = argument.substr(LogSwitchLength(argument)); break;
        }
        commandMode = true;
    }
    return commandMode;
}
