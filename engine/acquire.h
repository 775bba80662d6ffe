// The acquire: copies the EUDC font files that this machine's link table
// names into the target folder, then writes its EUDC.INI.
#pragma once

#include "engine/run/eudc_request.h"
#include "engine/report/failure.h"
#include "engine/links/font_links.h"
#include "engine/report/result.h"
#include "engine/paths/string_list.h"

// The report lines of one acquire, in the order the links name the files.
struct AcquireReport {
    StringList copied;   // "<path>を取得しました。": a file put into the copy
    StringList missing;  // a linked file, or its companion, not found
    StringList characters;  // a line an acquired font: how many characters it holds
    Failure failure;     // where a failed acquire stopped, and why
    FontLinkTable registryLinks;  // the registry's table, read afresh
};

// Reads the registry's link table afresh into the report, then acquires
// into the target (made with its parents when missing): asks before going
// on with non-standard files and before overwriting (unless told not to),
// copies with one shell copy, checks that every file arrived whole and
// writes EUDC.INI. Tells the outcome through the request's notifier;
// report holds the lines of the success report.
Result AcquireEudc(const EudcRequest& request, AcquireReport& report);
