// What this PC has: the fingerprint of its link table and the files it
// links, as a set holding exactly those would give it, for the run log.
#pragma once

#include <string>

#include "engine/paths/folders.h"

// The word the log shows for a PC without a single EUDC link.
constexpr const char* kNothingInstalled = "none";

// The fingerprint (set_fingerprint.h) of the user's link table and the
// bytes of each linked file and of its companion beside it, each file
// under its bare name, as an acquire of this PC would name it; a link
// with a bare name is read from the fonts folder, as Windows reads it.
// kNothingInstalled when the table is empty.
std::string InstalledFingerprint(const Folders& folders);
