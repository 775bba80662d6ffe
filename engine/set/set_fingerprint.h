// A set's fingerprint: one value, the same on every PC for the same set,
// that tells an administrator from the run log which set each PC has.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/links/font_links.h"
#include "engine/set/set_folder.h"

// 16 hexadecimal digits over the set's links, all of them as its EUDC.INI
// lists them (whatever faces this PC has), and the bytes of each file they
// name and its companion, in the order of their names. Empty for a folder
// that holds no set.
std::string SetFingerprint(SetFolder& set);

// The hash of a file of the links by its bare name; false when it cannot
// be read.
using NamedFileHash = std::function<bool(const std::string& name, uint64_t& hash)>;
// The fingerprint of links (face, bare file name) and the files they name:
// the links in the order of their faces, the Japanese PGothic under its
// later name, so that a set and a PC's table that link the same files give
// one value whichever Windows wrote them.
std::string LinksFingerprint(const FontLinks& links, const NamedFileHash& hash);
