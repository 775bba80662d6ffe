#include "engine/map_eudc.h"

#include <algorithm>
#include <iterator>

#include "engine/links/info_file.h"
#include "engine/map_decision_store.h"
#include "engine/map_facts.h"
#include "engine/paths/folder_tree.h"
#include "engine/paths/paths.h"
#include "engine/paths/sorted_names.h"
#include "engine/report/map_texts.h"
#include "engine/report/operation_texts.h"
#include "engine/report/texts.h"
#include "engine/set/no_set.h"
#include "engine/set/set_folder.h"
#include "engine/shapes/design_fonts.h"
#include "engine/shapes/font_map.h"
#include "engine/shapes/reference_characters.h"
#include "engine/characters/truetype_tables.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

// A font of thousands of kanji is megabytes, and no everyday one is near
// the upper bound: outside them the many small files, and anything huge,
// are not read.
constexpr unsigned long long kSmallestDesignFont = 512ull * 1024, kLargestDesignFont = 64ull << 20;
// The faces EUDC editors draw after, which every Japanese Windows has, and
// the free ones that stand in for them where it has not (as under Wine).
const char* const kDesignFaces[] = {"ＭＳ 明朝", "ＭＳ ゴシック", "IPA明朝", "IPAゴシック"};

const unsigned char* Bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

// The fonts to map and how the table names them: a set's linked files by
// their bare names, this PC's by their paths.
struct MappedFont {
    std::string path, name;
};

// missing: a line for each linked file that is not there.
Result SetFonts(const std::string& folder, std::vector<MappedFont>& fonts, StringList& missing) {
    const SetFolder set(folder, false);
    if (!set.HoldsSet()) return Result::kNoFilesToInstall;
    const StringList names = set.LinkedFiles();
    for (const FontLink& link : set.AllLinks())
        if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SamePath(n, link.file); }))
            missing.push_back(folder + link.file + texts::kNotFoundLine);
    for (const std::string& name : names) fonts.push_back({folder + name, name});
    return fonts.empty() ? Result::kNoFilesToInstall : Result::kOk;
}

Result MachineFonts(const Folders& folders, std::vector<MappedFont>& fonts) {
    StringList paths;
    for (const FontLink& link : ReadFontLinks(folders.windows).links) {
        const std::string path = LinkedFilePath(link.file, folders);
        if (!path.empty() && platform::FileExists(path)) paths.push_back(path);
    }
    for (const std::string& path : DistinctIgnoringCase(paths)) fonts.push_back({path, path});
    return fonts.empty() ? Result::kNoEudcOnThisMachine : Result::kOk;
}

// The ideographs a font draws; false when its character map cannot be
// read whole (its variation sequences beyond bounds, say).
bool CountIdeographs(const std::string& bytes, size_t& count) {
    count = 0;
    characters::TrueTypeTables tables;
    std::vector<shapes::DrawnCharacter> drawn;
    if (!characters::FindTrueTypeTables({Bytes(bytes), bytes.size()}, 0, tables)) return true;
    if (!shapes::ReadDrawnCharacters(tables.cmap, drawn)) return false;
    count = static_cast<size_t>(std::count_if(drawn.begin(), drawn.end(), [](const shapes::DrawnCharacter& c) {
        return c.selector == 0 && shapes::IsIdeograph(c.code);
    }));
    return true;
}

// The index of the reference font and the PC's fonts beside it: the user
// data folder's when it was built from these very bytes, else built now and
// kept there.
shapes::ShapeIndex::Built LoadOrBuildIndex(const std::string& font, uint64_t fontFingerprint,
                                           const std::vector<DesignFont>& designs, const Folders& folders,
                                           shapes::ShapeIndex& index, bool& built,
                                           const shapes::ShapeIndex::Progress& progress) {
    const std::string cached = folders.userData + kShapeIndexFileName;
    std::vector<shapes::FontFile> companions;
    std::vector<uint64_t> fingerprints;
    companions.reserve(designs.size());
    fingerprints.reserve(designs.size());
    for (const DesignFont& design : designs) {
        companions.push_back({Bytes(design.bytes), design.bytes.size()});
        fingerprints.push_back(design.fingerprint);
    }
    const uint64_t fingerprint = shapes::IndexFingerprint(fontFingerprint, fingerprints);
    std::string saved;
    built = false;
    index.UseSse2(platform::ProcessorRunsSse2());
    if (platform::ReadWholeFile(cached, saved) && index.Load(Bytes(saved), saved.size(), fingerprint))
        return shapes::ShapeIndex::Built::kDone;
    const shapes::ShapeIndex::Built result = index.Build(Bytes(font), font.size(), progress, companions);
    if (result != shapes::ShapeIndex::Built::kDone) return result;
    built = true;
    const std::vector<unsigned char> bytes = index.Save();
    // The next run builds it again when it cannot be kept: not worth failing for.
    if (CreateFolderTree(folders.userData))
        (void)platform::WriteWholeFile(cached, std::string(bytes.begin(), bytes.end()));
    return result;
}

StringList FontFolders(const Folders& folders) {
    StringList fontFolders = {folders.windows + "Fonts\\"};
    if (folders.IsNtFamily()) fontFolders.push_back(folders.appData + "Microsoft\\Windows\\Fonts\\");
    return fontFolders;
}

// A line a font passed over, each after a line break.
std::string SkippedFontLines(const StringList& skipped) {
    std::string lines;
    for (const std::string& font : skipped) lines += "\r\n" + texts::Format(texts::kMapFontSkipped, {font});
    return lines;
}

std::string Utf8(const std::string& text) {
    return platform::ToMultiByte(CP_UTF8, platform::ToWide(platform::AnsiCodePage(), text));
}

// A decision of the earlier map stays with its character while the glyph
// is the one decided on; a line without a Glyph (written by hand) cannot
// tell, and keeps it. A candidate's number becomes its code where the new
// map's candidate of that number is another.
void KeepDecision(const MapDecisionStore& earlier, shapes::MappedCharacter& character, MapReport& report) {
    const std::string chosen = earlier.Chosen(character.code), glyph = earlier.Written(character.code, "Glyph");
    if (chosen.empty() || (!glyph.empty() && glyph != shapes::GlyphText(character.glyph))) return;
    character.chosen = chosen;
    ++report.decisionsKept;
    if (chosen.size() != 1 || chosen[0] < '1' || chosen[0] > '5') return;
    const size_t n = static_cast<size_t>(chosen[0] - '1');
    const std::string meant = earlier.Written(character.code, "Code " + chosen);
    if (!meant.empty() && (n >= character.candidates.size() || shapes::CandidateCode(character.candidates[n]) != meant))
        character.chosen = meant;
}

Result Fail(const EudcRequest& request, const std::string& text) {
    request.notifier.Notify(text);
    return Result::kNoReferenceFont;
}

Result Fail(const EudcRequest& request, const char* text, const std::string& subject) {
    return Fail(request, texts::Format(text, {subject}));
}

}  // namespace

std::string FindReferenceFont(const Folders& folders, StringList& skipped) {
    const StringList fontFolders = FontFolders(folders);
    for (const std::string& folder : fontFolders)
        if (platform::FileExists(folder + "ipamjm.ttf")) return folder + "ipamjm.ttf";
    std::string best, bytes;
    size_t most = 0;
    for (const std::string& folder : fontFolders)
        for (const platform::FolderEntry& entry : platform::ListFolder(folder + "*.tt?")) {
            if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            if (!platform::ReadWholeFile(folder + entry.name, bytes)) continue;
            size_t count = 0;
            if (!CountIdeographs(bytes, count)) {
                skipped.push_back(folder + entry.name);
                continue;
            }
            if (count > most) most = count, best = folder + entry.name;
        }
    return best;
}

Result MapEudc(const EudcRequest& request, MapReport& report) {
    report = MapReport();
    const Folders& folders = request.folders;
    const bool ofSet = !request.target.Name().empty();
    std::vector<MappedFont> fonts;
    if (ofSet && !CheckSpelled(request.target.Folder(), request.notifier)) return Result::kNoFilesToInstall;
    StringList missing;
    const Result found = ofSet ? SetFonts(request.target.Folder(), fonts, missing) : MachineFonts(folders, fonts);
    if (found != Result::kOk && ofSet) {
        request.notifier.Notify(NoSetMessage(request.target.Folder(), DistinctIgnoringCase(missing)));
        return found;
    }
    if (found != Result::kOk) {
        if (const char* text = ResultText(Operation::kAcquire, found)) request.notifier.Notify(text);
        return found;
    }
    report.mapPath = (ofSet ? request.target.Folder() : folders.userData) + kMapFileName;
    ReferenceFont reference;
    const std::string unfit = OpenReferenceFont(folders, request.options.referenceFont, reference);
    report.referenceFont = reference.path;
    report.indexBuilt = reference.indexBuilt;
    if (!unfit.empty()) return Fail(request, unfit + SkippedFontLines(reference.skipped));
    const shapes::ShapeIndex& index = reference.index;
    // The decisions of the map there now, which the new one keeps where the glyph is the same.
    MapDecisionStore earlier;
    std::string unreadable;
    if (!earlier.Load(report.mapPath, "", unreadable)) return Fail(request, unreadable);
    const size_t decidedBefore = earlier.DecidedCodes().size();
    std::string table = shapes::MapHeader(), bytes;
    std::vector<shapes::MappedCharacter> mapped;
    for (const MappedFont& font : fonts) {
        if (!platform::ReadWholeFile(font.path, bytes) ||
            !shapes::MapFontCharacters(Bytes(bytes), bytes.size(), index, mapped))
            continue;  // no font: nothing of it to map
        const std::string name = Utf8(font.name);
        (void)earlier.Load(report.mapPath, name, unreadable);  // read whole above
        for (shapes::MappedCharacter& character : mapped) {
            AddCandidateFacts(reference.names, character);
            KeepDecision(earlier, character, report);
            table += shapes::MapLine(character, name);
            ++report.characters;
            if (character.candidates.empty() || character.candidates[0].score < shapes::kLikelyTwin)
                ++report.withoutTwin;
        }
    }
    if (!ofSet && !CreateFolderTree(folders.userData)) return Fail(request, texts::kMapNotWritten, report.mapPath);
    if (!platform::WriteWholeFile(report.mapPath, table)) return Fail(request, texts::kMapNotWritten, report.mapPath);
    report.decisionsCleared = decidedBefore - report.decisionsKept;
    std::string told = texts::Format(texts::kMapWritten, {report.mapPath, report.characters, report.withoutTwin});
    if (report.decisionsKept) told += texts::Format(texts::kMapDecisionsKept, {report.decisionsKept});
    if (report.decisionsCleared) told += texts::Format(texts::kMapDecisionsCleared, {report.decisionsCleared});
    if (!reference.designFonts.empty()) {
        std::string lines;
        for (const std::string& font : reference.designFonts) lines += "\r\n  " + font;
        told += texts::Format(texts::kMapDesignFonts, {lines});
    }
    request.notifier.Notify(told + SkippedFontLines(reference.skipped));
    return Result::kOk;
}

StringList DesignFontOrder(StringList names) {
    static const char* const kPreferred[] = {"msmincho.ttc", "msgothic.ttc", "msmin.ttf", "msgothic.ttf"};
    const auto preference = [](const std::string& name) {
        return std::find_if(std::begin(kPreferred), std::end(kPreferred),
                            [&](const char* preferred) { return SamePath(name, preferred); }) -
               std::begin(kPreferred);
    };
    std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        const auto pa = preference(a), pb = preference(b);
        return pa != pb ? pa < pb : LessIgnoringCase(a, b);
    });
    return names;
}

std::vector<DesignFont> FindDesignFonts(const Folders& folders, uint64_t referenceFingerprint) {
    std::vector<DesignFont> found;
    // Windows' Mincho and Gothic as GDI draws them (where GDI stands another
    // font in for them, that one), then the Fonts folders' files.
    for (const char* face : kDesignFaces) {
        found.push_back(DesignFont{face, std::string(), 0});
        if (!platform::ReadFaceFontFile(face, found.back().bytes)) found.pop_back();
    }
    for (const std::string& folder : FontFolders(folders)) {
        StringList names;
        for (const platform::FolderEntry& entry : platform::ListFolder(folder + "*.tt?"))
            if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.name);
        for (const std::string& name : DesignFontOrder(names)) found.push_back(DesignFont{folder + name, std::string(), 0});
    }
    std::vector<DesignFont> designs;
    std::vector<uint64_t> seen = {referenceFingerprint};
    size_t pictures = 0;
    for (DesignFont& design : found) {
        if (designs.size() == shapes::kMostDesignFonts) break;
        unsigned long long size = 0;
        if (design.bytes.empty() && (!platform::FileSize(design.path, size) || size < kSmallestDesignFont ||
                                     !platform::ReadWholeFile(design.path, design.bytes, kLargestDesignFont)))
            continue;
        const size_t count = shapes::DesignFontIdeographs({Bytes(design.bytes), design.bytes.size()});
        design.fingerprint = shapes::FontFingerprint(Bytes(design.bytes), design.bytes.size());
        if (count == 0 || pictures + count > shapes::kMostDesignPictures ||
            std::find(seen.begin(), seen.end(), design.fingerprint) != seen.end())
            continue;
        seen.push_back(design.fingerprint);
        pictures += count;
        designs.push_back(std::move(design));
    }
    return designs;
}

std::string OpenReferenceFont(const Folders& folders, const std::string& named, ReferenceFont& reference,
                              const shapes::ShapeIndex::Progress& progress) {
    // A named font is read from the program's folder unless its path is
    // whole, as the target and the log are; a device is never opened.
    reference.path = named.empty() ? FindReferenceFont(folders, reference.skipped)
                                   : platform::FullPath(paths::BelowUnlessAbsolute(folders.program, named));
    if (reference.path.empty()) return texts::Format(texts::kMapNoReference, {""});
    if (paths::IsDeviceName(paths::FileNamePart(reference.path)) || reference.path.rfind("\\\\.\\", 0) == 0)
        return texts::Format(texts::kMapReferenceUnread, {reference.path});
    if (!platform::ReadWholeFile(reference.path, reference.bytes))
        return texts::Format(texts::kMapReferenceUnread, {reference.path});
    const uint64_t fingerprint = shapes::FontFingerprint(Bytes(reference.bytes), reference.bytes.size());
    const std::vector<DesignFont> designs = FindDesignFonts(folders, fingerprint);
    for (const DesignFont& design : designs) reference.designFonts.push_back(design.path);
    switch (LoadOrBuildIndex(reference.bytes, fingerprint, designs, folders, reference.index, reference.indexBuilt,
                             progress)) {
        case shapes::ShapeIndex::Built::kDone:
            (void)reference.names.Read(Bytes(reference.bytes), reference.bytes.size());  // the index read it as TrueType
            reference.index.AttachReference({Bytes(reference.bytes), reference.bytes.size()});
            return std::string();
        case shapes::ShapeIndex::Built::kCancelled: reference.cancelled = true; return "-";  // nobody shows it
        case shapes::ShapeIndex::Built::kNoIdeographs: return texts::Format(texts::kMapNoIdeographs, {reference.path});
        default: return texts::Format(texts::kMapNotTrueType, {reference.path});
    }
}
