// What /map tells the user (Shift-JIS at run time, like every text).
#pragma once

namespace texts {

extern const char* const kMapWritten;         // %s the map's path, %d characters, %d of them without a likely twin
extern const char* const kMapNoReference;     // no font with kanji installed, none named
extern const char* const kMapReferenceUnread; // %s the named font
extern const char* const kMapNotTrueType;     // %s the reference font
extern const char* const kMapNoIdeographs;    // %s the reference font
extern const char* const kMapNotWritten;      // %s the map's path
extern const char* const kMapFontSkipped;     // %s a font of the Fonts folders whose character map is broken
extern const char* const kMapUnreadable;      // %s the map's path: there, but no map to read
extern const char* const kMapDecisionsKept;   // after kMapWritten: %d decisions kept
extern const char* const kMapDecisionsCleared;  // after it: %d decisions cleared (glyph changed or gone)
extern const char* const kMapDesignFonts;     // after them: %s the PC's fonts compared too, each on a line

}  // namespace texts
