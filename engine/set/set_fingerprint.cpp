#include "engine/set/set_fingerprint.h"

#include <cstdio>
#include <map>

#include "engine/characters/outline_hash.h"
#include "engine/paths/paths.h"

std::string SetFingerprint(SetFolder& set) {
    const FontLinks& links = set.AllLinks();
    if (links.empty()) return std::string();
    return LinksFingerprint(links, [&](const std::string& name, uint64_t& hash) { return set.Hash(name, hash); });
}

std::string LinksFingerprint(const FontLinks& links, const NamedFileHash& hash) {
    std::map<std::string, std::string> lines;  // by face, as the hash takes them
    StringList names;
    for (const FontLink& link : links) {
        const std::string face = InstalledFaceName(link.face);
        lines[face] = face + "=" + link.file + "\n";  // the last of a face wins, as in the registry
        if (!IsInstallableName(link.file)) continue;
        names.push_back(link.file);
        names.push_back(CompanionOf(link.file));
    }
    std::string table;
    for (const auto& line : lines) table += line.second;
    // Names in capitals and in byte order, whatever the PC's locale, so
    // that every PC comes to the same value.
    std::map<std::string, std::string> byUpperName;
    for (const std::string& name : names) byUpperName.emplace(paths::UpperAscii(name), name);
    uint64_t fingerprint = characters::HashText(table);
    for (const auto& name : byUpperName) {
        uint64_t bytes = 0;
        if (!hash(name.second, bytes)) continue;  // a companion the set lacks
        fingerprint = characters::FoldHash(characters::FoldHash(fingerprint, characters::HashText(name.first)), bytes);
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%08lX%08lX", static_cast<unsigned long>(fingerprint >> 32),
                  static_cast<unsigned long>(fingerprint & 0xFFFFFFFFu));
    return hex;
}
