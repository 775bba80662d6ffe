#include "engine/set/installed_fingerprint.h"

#include <map>

#include "engine/characters/outline_hash.h"
#include "engine/links/font_links.h"
#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "engine/set/set_fingerprint.h"
#include "platform/files.h"

std::string InstalledFingerprint(const Folders& folders) {
    const FontLinks table = ReadFontLinks(folders.windows).links;
    if (table.empty()) return kNothingInstalled;
    FontLinks links;
    // Each file by its bare name in capitals, the first link's where two
    // folders hold one name; a companion lies beside its font.
    std::map<std::string, std::string> pathOf;
    for (const FontLink& link : table) {
        const std::string path = LinkedFilePath(link.file, folders);
        links.push_back({link.face, paths::FileNamePart(path.empty() ? link.file : path)});
        if (path.empty()) continue;  // a device is named, never read
        const std::string companion = paths::ChangeExtension(path, info_file::kCompanionExtension);
        pathOf.emplace(paths::UpperAscii(paths::FileNamePart(path)), path);
        pathOf.emplace(paths::UpperAscii(paths::FileNamePart(companion)), companion);
    }
    std::string bytes;
    return LinksFingerprint(links, [&](const std::string& name, uint64_t& hash) {
        const auto path = pathOf.find(paths::UpperAscii(name));
        if (path == pathOf.end() || !platform::ReadWholeFile(path->second, bytes)) return false;
        hash = characters::HashBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        return true;
    });
}
