#include "engine/report/run_log.h"

#include <cstdio>
#include <iterator>

#include "engine/paths/paths.h"
#include "platform/files.h"
#include "platform/outcome.h"
#include "platform/system.h"

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
std::string OneLine(const StringList& texts);

std::string ErrorCodeField(const Failure& failure) {
    return failure.Happened() && failure.code ? platform::CodeName(failure.Reason()) : std::string();
}

std::string ErrorTextField(const Failure& failure) {
    return failure.Happened() && failure.code ? OneLine({platform::ErrorText(failure.Reason())}) : std::string();
}

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

const char* const kRunLogHeader =
    "Date\tComputer\tUser\tAction\tTarget\tExitCode\tMessage\tFingerprint\tFailedStep\tErrorCode\tErrorText"
    "\tPCFingerprint\tDifferences\tDifference\tDifferenceFile"
    "\tCopied\tUnchanged\tLost\tChanged\tAdded\tBackup\r\n";

std::string RunLogLine(const RunRecord& run, const StringList& reports) {
    const auto count = [&](size_t InstallCounts::*field) {
        return run.counts ? std::to_string((*run.counts).*field) : std::string();
    };
    const std::string fields[] = {DateTimeText(platform::LocalTimeNow()),
                                  platform::ComputerName(),
                                  platform::UserName(),
                                  run.action,
                                  OneLine({run.target}),
                                  std::to_string(ExitCode(run.result)),
                                  OneLine(reports),
                                  run.fingerprint,
                                  run.failure.step,
                                  ErrorCodeField(run.failure),
                                  ErrorTextField(run.failure),
                                  run.installed,
                                  run.differences ? std::to_string(*run.differences) : std::string(),
                                  run.differenceKind,
                                  OneLine({run.differenceFile}),
                                  count(&InstallCounts::copied),
                                  count(&InstallCounts::unchanged),
                                  count(&InstallCounts::lost),
                                  count(&InstallCounts::changed),
                                  count(&InstallCounts::added),
                                  run.counts ? OneLine({run.counts->backup}) : std::string()};
    std::string line = fields[0];
    for (size_t i = 1; i < std::size(fields); ++i) line += "\t" + fields[i];
    return line + "\r\n";
}

void AppendRunLog(const std::string& logFile, const std::string& programFolder, const RunRecord& run,
                  const StringList& reports) {
    if (logFile.empty() || !paths::IsSpelled(logFile)) return;
    platform::AppendLogLine(paths::BelowUnlessAbsolute(programFolder, logFile), kRunLogHeader,
                            RunLogLine(run, reports));
}
