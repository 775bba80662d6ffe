// A set's fingerprint: one value, the same on every PC for the same set,
// that tells an administrator from the run log which set each PC has.
#pragma once

#include <string>

#include "engine/set/set_folder.h"

// 16 hexadecimal digits over the set's links, all of them as its EUDC.INI
// lists them (whatever faces this PC has), and the bytes of each file they
// name and its companion, in the order of their names. Empty for a folder
// that holds no set.
std::string SetFingerprint(SetFolder& set);
