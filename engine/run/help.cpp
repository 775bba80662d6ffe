#include "engine/run/help.h"

#include "engine/report/texts.h"
#include "engine/run/command_line.h"

namespace {

std::string UsageText() {
    std::string text;
    for (const char* const* line = texts::kUsageLines; *line; ++line) {
        text += *line;
        text += "\r\n";
    }
    return text;
}

}  // namespace

void ShowHelp(Notifier& notifier) { notifier.Notify(UsageText()); }

void ShowUnknownSwitch(const std::string& argument, Notifier& notifier) {
    // An argument that is no switch is a second folder: one run, one set.
    const char* text = LooksLikeSwitch(argument) ? texts::kUnknownSwitch : texts::kSecondFolder;
    notifier.Notify(texts::Format(text, {argument}) + "\r\n\r\n" + UsageText());
}
