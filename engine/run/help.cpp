#include "engine/run/help.h"

#include "engine/report/texts.h"

void ShowHelp(Notifier& notifier) {
    std::string text;
    for (const char* const* line = texts::kUsageLines; *line; ++line) {
        text += *line;
        text += "\r\n";
    }
    notifier.Notify(text);
}
