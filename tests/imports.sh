#!/usr/bin/env bash
# The import check: every function that minamo.exe imports must be in the
# list (tests/windows_imports.txt) with Windows versions no newer than the
# oldest supported one the list names, and every listed function must still
# be imported, so that the list stays the program's true import table.
#   imports.sh OBJDUMP MINAMO_EXE LIST
set -euo pipefail
objdump=$1 exe=$2 list=$3

header=$("$objdump" -p "$exe")
# The PE header must ask for no newer Windows than 4.0 (98 and NT 4.0 refuse
# to start a program whose subsystem version is higher).
for field in OSystemVersion SubsystemVersion; do
    version=$(awk -v f="$field" '$1 == "Major" f { major = $2 } $1 == "Minor" f { minor = $2 }
        END { print major "." minor }' <<<"$header")
    [ "$version" = 4.0 ] || { echo "imports: the PE header's $field is $version, not 4.0" >&2; exit 1; }
done

# "DLL function" per import, from the interpreted import tables.
imported=$(awk '
    /^\tDLL Name: / { dll = $3; next }
    /^$/ { dll = "" }
    dll != "" && /^\t[0-9a-f]+\t/ && NF >= 3 { print dll, $3 }' <<<"$header")
[ -n "$imported" ] || { echo "imports: no import table read from $exe" >&2; exit 1; }

# Ranks of each line of Windows, oldest first.
rank() {
    case $1 in
        95 | NT4) echo 1 ;; 98 | 2000) echo 2 ;; Me | XP) echo 3 ;; Vista) echo 4 ;;
        7) echo 5 ;; 8) echo 6 ;; 10) echo 7 ;; -) echo 99 ;; *) echo 100 ;;
    esac
}
read -r _ oldest9x oldestNT < <(grep -m1 '^oldest ' "$list")
entries=$(sed -e 's/#.*//' "$list" | awk 'NF >= 4 && $1 != "oldest"')

failures=0 gaps=0
fail() { echo "imports: $*" >&2; failures=$((failures + 1)); }
while read -r dll fn; do
    entry=$(awk -v d="$dll" -v f="$fn" 'tolower($1) == tolower(d) && $2 == f' <<<"$entries")
    if [ -z "$entry" ]; then
        fail "$dll $fn is imported but not in $(basename "$list"): add the line" \
            "\"$dll $fn <9x> <NT>\" with the oldest Windows that has it, or resolve it at run time"
        continue
    fi
    read -r _ _ win9x winNT mark <<<"$entry"
    if [ "$(rank "$win9x")" -gt "$(rank "$oldest9x")" ] || [ "$(rank "$winNT")" -gt "$(rank "$oldestNT")" ]; then
        if [ "${mark:-}" = known-gap ]; then
            echo "imports: known gap: $dll $fn needs Windows $win9x/$winNT" >&2
            gaps=$((gaps + 1))
        else
            fail "$dll $fn needs Windows $win9x/$winNT, newer than the oldest supported" \
                "($oldest9x/$oldestNT): resolve it at run time"
        fi
    fi
done <<<"$imported"

while read -r dll fn _; do
    grep -qix "$dll $fn" <<<"$imported" ||
        fail "$dll $fn is listed but no longer imported: remove its line"
done <<<"$entries"

count=$(wc -l <<<"$imported")
[ $failures -eq 0 ] || { echo "imports: $count imported, $failures failed" >&2; exit 1; }
echo "imports: $count imported functions listed, all on Windows $oldest9x/$oldestNT ($gaps known gaps)"
