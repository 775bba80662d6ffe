// What the acquire and the install tell and ask the user: one table for
// the message of each result, and the question both ask before going on
// with EUDC that is not standard.
#pragma once

#include <string>

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
// line for each file of the user's that could not be put back.
std::string InstallFailureText(bool ntFamily, const StringList& notRestored);
