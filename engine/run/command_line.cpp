#include "engine/run/command_line.h"

#include "engine/run/arguments.h"
#include "engine/paths/paths.h"
#include "engine/run/settings.h"

// The run log's switch carries its file: /log:FILE. No folder name on
// Windows holds a colon there, so no command line changes its meaning.
size_t LogSwitchLength(const std::string& argument) {
    const std::string start = paths::UpperAscii(argument.substr(0, 5));
    return start == "/LOG:" || start == "-LOG:" ? start.size() : 0;
}

namespace {

// /map's reference font: /ref:FILE.
size_t ReferenceSwitchLength(const std::string& argument) {
    const std::string start = paths::UpperAscii(argument.substr(0, 5));
    return start == "/REF:" || start == "-REF:" ? start.size() : 0;
}

// /convert's map and output folder: /map:FILE, /out:FOLDER (/map alone is
// the map's own action).
size_t PrefixSwitchLength(const std::string& argument, const char* prefix) {
    const size_t length = std::string(prefix).size();
    const std::string start = paths::UpperAscii(argument.substr(0, length));
    return start == prefix || (!start.empty() && start[0] == '-' && start.substr(1) == prefix + 1) ? length : 0;
}

enum class Switch {
    Convert, Scan, Back, MapFile, Output,
    None, Install, Acquire, OnlyNewer, NoCompanions, Companions,
    EudcOn, EudcOff, Silent, Help, NoQuestions, Log, Keep, Undo, Verify, Map, Reference, Remove,
};

struct SwitchForm {
    const char* form;  // after upper-casing
    Switch kind;
};

const SwitchForm kSwitches[] = {
    {"-P", Switch::Install},        {"/P", Switch::Install},       {"-G", Switch::Acquire},
    {"/G", Switch::Acquire},        {"-D", Switch::OnlyNewer},     {"/D", Switch::OnlyNewer},
    {"-EF", Switch::NoCompanions},  {"/EF", Switch::NoCompanions}, {"-ET", Switch::Companions},
    {"/ET", Switch::Companions},    {"TRUE", Switch::EudcOn},      {"FALSE", Switch::EudcOff},
    {"-S", Switch::Silent},         {"/S", Switch::Silent},        {"-H", Switch::Help},
    {"/H", Switch::Help},           {"-HELP", Switch::Help},       {"/HELP", Switch::Help},
    {"-?", Switch::Help},           {"/?", Switch::Help},          {"-F", Switch::NoQuestions},
    {"/F", Switch::NoQuestions},
    // Beyond the old switches: keep every character, undo the last install,
    // verify a PC against a set.
    {"-KEEP", Switch::Keep},        {"/KEEP", Switch::Keep},       {"-UNDO", Switch::Undo},
    {"/UNDO", Switch::Undo},        {"-V", Switch::Verify},        {"/V", Switch::Verify},
    {"-MAP", Switch::Map},          {"/MAP", Switch::Map},
    // Take a set off this PC.
    {"-REMOVE", Switch::Remove},    {"/REMOVE", Switch::Remove},
    // The way out of EUDC: data files converted, scanned, put back.
    {"-CONVERT", Switch::Convert},  {"/CONVERT", Switch::Convert}, {"-SCAN", Switch::Scan},
    {"/SCAN", Switch::Scan},        {"-BACK", Switch::Back},       {"/BACK", Switch::Back},
};

Switch Recognise(const std::string& argument) {
    const std::string upper = paths::UpperAscii(argument);
    for (const SwitchForm& s : kSwitches)
        if (upper == s.form) return s.kind;
    if (ReferenceSwitchLength(argument)) return Switch::Reference;
    if (PrefixSwitchLength(argument, "/MAP:")) return Switch::MapFile;
    if (PrefixSwitchLength(argument, "/OUT:")) return Switch::Output;
    return LogSwitchLength(argument) ? Switch::Log : Switch::None;
}

// A folder is named without a leading / or -; such an argument was meant
// as a switch.
bool LooksLikeSwitch(const std::string& argument) {
    return !argument.empty() && (argument[0] == '/' || argument[0] == '-');
}

}  // namespace

bool ParseCommandLine(const StringList& args, const std::string& programFolder, Options& options,
                      Target& target) {
    bool commandMode = false;
    if (ReadStartupSettings(programFolder, options, target)) {
        commandMode = true;
        options.installRequested = true;
    }
    for (const std::string& argument : args) {
        switch (Recognise(argument)) {
            case Switch::None:
                if (!LooksLikeSwitch(argument)) {
                    options.convertSource = argument;
                    target = TargetNamed(programFolder, AddTrailingBackslash(argument));
                    continue;
                }
                // A mistyped switch runs nothing: the entry ends with its own result.
                if (options.unknownSwitch.empty()) options.unknownSwitch = argument;
                break;
            case Switch::Install: options.installRequested = true; break;
            case Switch::Acquire: options.acquireRequested = true; break;
            case Switch::OnlyNewer: options.onlyNewer = true; break;
            case Switch::NoCompanions: options.copyCompanions = false; break;
            case Switch::Companions: options.copyCompanions = true; break;
            case Switch::EudcOn: options.eudcSwitch = EudcSwitch::kOn; break;
            case Switch::EudcOff: options.eudcSwitch = EudcSwitch::kOff; break;
            case Switch::Silent: options.silent = true; options.confirm = false; break;
            case Switch::Help: options.helpRequested = true; break;
            case Switch::NoQuestions: options.confirm = false; break;
            case Switch::Log: options.logFile = argument.substr(LogSwitchLength(argument)); break;
            case Switch::Keep: options.keepCharacters = true; break;
            case Switch::Undo: options.undoRequested = true; break;
            case Switch::Verify: options.verifyRequested = true; break;
            case Switch::Map: options.mapRequested = true; break;
            case Switch::Reference: options.referenceFont = argument.substr(ReferenceSwitchLength(argument)); break;
            case Switch::Remove: options.removeRequested = true; break;
            case Switch::Convert: options.convertRequested = true; break;
            case Switch::Scan: options.convertScan = true; break;
            case Switch::Back: options.convertBack = true; break;
            case Switch::MapFile: options.mapFile = argument.substr(PrefixSwitchLength(argument, "/MAP:")); break;
            case Switch::Output: options.outputFolder = argument.substr(PrefixSwitchLength(argument, "/OUT:")); break;
        }
        commandMode = true;
    }
    return commandMode;
}
