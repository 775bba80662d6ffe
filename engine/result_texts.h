// What the user is told of each result of the acquire and the install: one
// table, shown through the Notifier.
#pragma once

#include <string>

#include "engine/result.h"
#include "engine/string_list.h"

enum class Operation { kAcquire, kInstall };

// The message of result for operation; nullptr where the operation tells
// it in words of its own (its success report, the install's failure) or
// never gives it.
const char* ResultText(Operation operation, Result result);

// The install's failure (results 2 and 11): the platform's advice, then a
// line for each file of the user's that could not be put back.
std::string InstallFailureText(bool ntFamily, const StringList& notRestored);
