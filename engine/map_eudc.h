// /map: for each EUDC character of a set (or of this PC), the standard
// characters or variation sequences it most likely depicts, by shape
// against a reference font, written as a table beside the set. It reads
// only, but for the table and the reference font's index, kept in the user
// data folder for the next run.
#pragma once

#include <string>

#include "engine/paths/string_list.h"
#include "engine/report/result.h"
#include "engine/run/eudc_request.h"
#include "engine/shapes/reference_names.h"
#include "engine/shapes/shape_index.h"

// The table's name, in the set's folder (or the user data folder for this
// PC's own EUDC), and the index's, in the user data folder.
constexpr const char* kMapFileName = "EUDCMAP.CSV";
constexpr const char* kShapeIndexFileName = "~minamo-shapes.idx";

struct MapReport {
    std::string mapPath;
    std::string referenceFont;
    size_t characters = 0;
    size_t withoutTwin = 0;   // best score below the likely-twin mark
    bool indexBuilt = false;  // false: the user data folder's index served
    // Decisions (Chosen) of the map there before: kept, and cleared because
    // their character's glyph changed or is gone.
    size_t decisionsKept = 0, decisionsCleared = 0;
};

// A named target is a set: its linked fonts are mapped. No target: this
// PC's linked fonts. The reference font is options.referenceFont, else the
// installed font with the most kanji (IPAmj Mincho where installed).
// kNoReferenceFont when there is no usable reference font or the table
// cannot be written; a folder without a set gives the install's results,
// a PC without EUDC kNoEudcOnThisMachine. Tells the outcome through the
// request's notifier.
Result MapEudc(const EudcRequest& request, MapReport& report);

// The font MapEudc compares with when none is named; empty when none has a
// kanji. A font whose character map cannot be read whole is passed over,
// its path in skipped.
std::string FindReferenceFont(const Folders& folders, StringList& skipped);

// The PC's Japanese fonts whose pictures of the reference's characters the
// index holds beside the reference's own (shapes/design_fonts.h), read
// whole: the fonts GDI draws Windows' Mincho and Gothic with first (named
// by their faces), then the Fonts folders' (by their paths); never the
// reference itself nor a second copy of one font.
struct DesignFont {
    std::string path, bytes;  // path: a face's name for a font GDI gave
    uint64_t fingerprint;     // shapes::FontFingerprint of bytes
};
std::vector<DesignFont> FindDesignFonts(const Folders& folders, uint64_t referenceFingerprint);
// The order FindDesignFonts tries a Fonts folder's files in: Windows' own
// Mincho and Gothic, which EUDC editors copy from, first; then by name.
StringList DesignFontOrder(StringList names);

// The reference font of a map: named (a path), else FindReferenceFont's;
// its bytes read and its index loaded from the user data folder or built
// (and kept there), progress telling how the build goes and able to cancel
// it. Empty when it serves, else what /map tells about it; cancelled then
// says whether progress ended it.
struct ReferenceFont {
    ReferenceFont() = default;
    ReferenceFont(const ReferenceFont&) = delete;  // a copy's index would read the original's bytes
    ReferenceFont& operator=(const ReferenceFont&) = delete;
    std::string path, bytes;
    shapes::ShapeIndex index;  // attached to bytes, which it reads glyphs from
    shapes::ReferenceNames names;  // its glyphs' MJ names
    bool indexBuilt = false;  // false: the user data folder's index served
    bool cancelled = false;
    StringList skipped;  // fonts of the Fonts folders passed over: FindReferenceFont
    StringList designFonts;  // the PC's fonts whose pictures the index holds too: FindDesignFonts
};
std::string OpenReferenceFont(const Folders& folders, const std::string& named, ReferenceFont& reference,
                              const shapes::ShapeIndex::Progress& progress = nullptr);
