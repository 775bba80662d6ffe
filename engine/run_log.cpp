#include "engine/run_log.h"

#include <cstdio>
#include <iterator>

#include "engine/paths.h"
#include "platform/platform.h"

namespace {

const char* const kReportLineJoint = " / ";

std::string DateTimeText(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u/%02u/%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond);
    return text;
}

// The reports on one line: their lines, blank ones left out, joined; a tab
// inside a text would start a field of its own.
std::string OneLine(const StringList& texts) {
    std::string line, current;
    auto endLine = [&] {
        if (current.empty()) return;
        if (!line.empty()) line += kReportLineJoint;
        line += current;
        current.clear();
    };
    for (const std::string& text : texts) {
        for (char c : text) {
            if (c == '\r' || c == '\n') endLine();
            else current += c == '\t' ? ' ' : c;
        }
        endLine();
    }
    return line;
}

}  // namespace

std::string RunLogLine(const TminamoParam& param, const std::string& action, const std::string& target,
                       uint8_t result) {
    const std::string fields[] = {DateTimeText(platform::LocalTimeNow()),
                                  platform::ComputerName(),
                                  platform::UserName(),
                                  action,
                                  target,
                                  std::to_string(result),
                                  OneLine(param.Reports)};
    std::string line = fields[0];
    for (size_t i = 1; i < std::size(fields); ++i) line += "\t" + fields[i];
    return line + "\r\n";
}

void AppendRunLog(const TminamoParam& param, const std::string& action, const std::string& target,
                  uint8_t result) {
    if (param.LogFile.empty() || !paths::IsSpelled(param.LogFile)) return;
    const std::string file =
        paths::IsAbsolutePath(param.LogFile) ? param.LogFile : param.ProgramFolder + param.LogFile;
    platform::AppendToFile(file, RunLogLine(param, action, target, result));
}
