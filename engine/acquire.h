// The acquire: copies the EUDC font files that this machine's link table
// names into the target folder, then writes its EUDC.INI.
#pragma once

#include "engine/folders.h"
#include "engine/font_links.h"
#include "engine/notifier.h"
#include "engine/options.h"
#include "engine/result.h"
#include "engine/string_list.h"
#include "engine/target.h"

// The report lines of one acquire, in the order the files were taken.
struct AcquireReport {
    StringList copied;   // "<path>を取得しました。": a file put into the copy
    StringList missing;  // a linked file, or its companion, not found
};

// Reads the registry's link table afresh into links, then acquires into
// the target (made with its parents when missing): asks before going on
// with non-standard files and before overwriting (unless told not to),
// copies with one shell copy, checks that every file arrived whole and
// writes EUDC.INI. Tells the outcome through notifier; report holds the
// lines of the success report.
Result AcquireEudc(const Folders& folders, const Options& options, Target& target, FontLinkTable& links,
                   Notifier& notifier, AcquireReport& report);
