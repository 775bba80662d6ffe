// /remove: takes a set off this PC. Each face whose link still points at
// the set's installed file, holding the set's bytes, gets back the link it
// had right before the set came (as the install's backup recorded it), or
// that backup's copy of its file where the file it named changed, or
// loses its link; a file taken back never lands on a name another face
// links. The set's files that no link names any
// more go into a new backup whose EUDC.INI links them again, so that /undo
// brings the set back. A face or file that is not the set's is left alone:
// a second removal finds nothing to do.
#pragma once

#include "engine/install/recovery.h"
#include "engine/report/failure.h"
#include "engine/report/install_counts.h"
#include "engine/report/result.h"
#include "engine/paths/string_list.h"
#include "engine/run/eudc_request.h"

struct RemoveReport {
    StringList done;          // a line for each link put back or removed, each file kept
    RecoveryReport recovery;  // files not put back, staging folders set aside
    Failure failure;          // where a failed removal stopped, and why
    // copied: the files put back from a backup; backup: the one made
    InstallCounts counts;
};

// Takes the target's set off as one change of the user data folder
// (user_data_session.h: locked, recovered, EUDC off meanwhile); tells the
// outcome through the request's notifier. kOk also when there was nothing to take off; the install's
// results for a folder without a set (9, 7), a failed staging or move (2)
// and a refused registry (4).
Result RemoveSet(const EudcRequest& request, RemoveReport& report);
