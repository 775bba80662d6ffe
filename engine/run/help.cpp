#include "engine/run/help.h"

#include "engine/report/texts.h"

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
    notifier.Notify(texts::Format(texts::kUnknownSwitch, {argument}) + "\r\n\r\n" + UsageText());
}
