// Splitting a command line into arguments, for Shift-JIS and UTF-16 alike:
// blanks (spaces and tabs) separate arguments outside double quotes; each
// double quote starts or ends quoting and is dropped; a backslash is an
// ordinary character. A logon script's "%~dp0set1\" is thus one folder name
// with its backslash, where the C runtime's rules would read \" as a quote
// and swallow the switches after it. No byte of a two-byte Shift-JIS
// character is a blank or a quote, so bytes can be looked at one by one.
//
// On failure: cannot fail; an open quote runs to the end of the line.
#pragma once

#include <string>
#include <vector>

namespace platform {

template <typename Char>
std::vector<std::basic_string<Char>> SplitCommandLine(const std::basic_string<Char>& line) {
    std::vector<std::basic_string<Char>> arguments;
    std::basic_string<Char> current;
    bool quoted = false;
    bool started = false;  // "" is an argument too, an empty one
    for (Char c : line) {
        if (c == Char('"')) {
            quoted = !quoted;
            started = true;
        } else if (!quoted && (c == Char(' ') || c == Char('\t'))) {
            if (started) arguments.push_back(current);
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started) arguments.push_back(current);
    return arguments;
}

}  // namespace platform
