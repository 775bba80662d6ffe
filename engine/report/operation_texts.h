// What the acquire and the install tell and ask the user: one table for
// the message of each result, and the question both ask before going on
// with EUDC that is not standard.
#pragma once

#include <string>

#include "engine/characters/eudc_characters.h"
#include "engine/report/failure.h"
#include "engine/report/result.h"
#include "engine/paths/string_list.h"

enum class Operation { kAcquire, kInstall };

// The message of result for operation; nullptr where the operation tells
// it in words of its own (its success report, the install's failure) or
// never gives it.
const char* ResultText(Operation operation, Result result);

// Whether to go on with EUDC files that are not standard (.TTE): they may
// not work on other machines, or here.
std::string NonStandardQuestion(Operation operation);

// The install's failure (results 2 and 11): the platform's advice, then a
// line for each file of the user's that could not be put back, then the
// file or folder the install failed on and Windows' reason, where known.
std::string InstallFailureText(bool ntFamily, const StringList& notRestored, const Failure& failure);

// A font's line for the characters an install takes away, changes and adds
// (happened: a finished install's; otherwise what it would do), naming
// only the counts that are not 0 with their first codes; empty when the
// font keeps its characters as they are.
std::string CharacterChangesLine(const std::string& font, const characters::CharacterChanges& changes,
                                 bool happened);
// A font's line when its new file cannot be read as a font: every
// character it had (lost) goes.
std::string NoFontReplacesLine(const std::string& font, const std::vector<uint16_t>& lost, bool happened);

// The question before replacing the user's files: a line for each font
// (shortened for a small screen), where the replaced files are kept and
// that /undo brings them back, then the question itself.
std::string ReplaceQuestion(const StringList& characterLines, const std::string& userDataFolder);
