// /v: whether this PC has a set, for a deployment system's detection rule.
// It reads only: no file, no link, no EUDC switch, no staging folder, no
// lock.
#pragma once

#include <string>

#include "engine/run/eudc_request.h"
#include "engine/report/result.h"
#include "engine/paths/string_list.h"

// One way this PC differs from a set, as the run log names it.
struct VerifyDifference {
    const char* kind = "";  // "missing file", "other bytes", "no link" or "other link"
    std::string file;       // the installed file it concerns (a link's: the file it should link)
};

struct VerifyReport {
    StringList differences;  // a line for each way this PC differs from the set
    VerifyDifference first;  // the first of them
    std::string fingerprint;  // the set's (set_fingerprint.h), when a run log is kept
};

// The PC has the target's set when every file the set would install is in
// the user data folder with the same bytes, and each of the set's links
// whose face is installed here points at it: kOk; otherwise
// kSetNotInstalled, with a line for each difference. A folder without a set
// gives the install's results (9, 7, 5). Tells the outcome through the
// request's notifier.
Result VerifyEudc(const EudcRequest& request, VerifyReport& report);
