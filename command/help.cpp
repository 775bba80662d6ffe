// The usage text of the command line.
#include "command/param.h"
#include "command/texts.h"

void TminamoParam::ShowHelp() const {
    std::string text;
    for (const char* const* line = texts::kUsageLines; *line; ++line) {
        text += *line;
        text += "\r\n";
    }
    Notify(text);
}
