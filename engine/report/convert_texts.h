// The texts of /convert: the conversion of data files, its scan and its way back.
#pragma once

namespace texts {

extern const char* const kConvertDone;         // %d files, %d characters replaced, %s the output folder
extern const char* const kConvertCharactersLeft;  // %d characters left; their lines follow
extern const char* const kConvertLeftLine;     // %s Shift-JIS, %s code, %d count, %s why
extern const char* const kConvertFilesSkipped; // %d files; their lines follow
extern const char* const kConvertSkippedLine;  // %s file, %s why
extern const char* const kScanDone;            // %d files, %d codes, %d characters, %s the table
extern const char* const kBackDone;            // %d files, %d characters put back, %s the output folder
extern const char* const kBackMissed;          // %d places not found as recorded
extern const char* const kConvertNoMap;        // %s the map, %s why
extern const char* const kConvertNoSource;     // %s the source
extern const char* const kConvertNoRecord;     // %s the record, %s why
extern const char* const kConvertOutputInside; // %s output folder, %s source
extern const char* const kConvertOutputUsed;   // %s output folder, %s a file already there
extern const char* const kConvertOutputRefused;  // %s output folder, %s Windows' reason
// Why a file was passed over.
extern const char* const kFileNotText;
extern const char* const kFileCannotOpen;
extern const char* const kFileCannotRead;
extern const char* const kFileCannotWrite;
extern const char* const kFileRecordNotWritten;
extern const char* const kFileUnspelled;
extern const char* const kFileLeavesFolder;

}  // namespace texts
