// The usage text of the command line.
#include "engine/param.h"
#include "engine/texts.h"

void TminamoParam::ShowHelp() const {
    std::string text;
    for (const char* const* line = texts::kUsageLines; *line; ++line) {
        text += *line;
        text += "\r\n";
    }
    Notify(text);
}
