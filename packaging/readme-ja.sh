#!/usr/bin/env bash
# The Japanese README as a text file for Notepad on a Japanese PC: the part
# of README.md from the line "# ミナモ" (the developers' lines above it are
# left out) up to the line "# Minamo (English)", in Shift-JIS (code page
# 932) with CRLF line ends.
#   packaging/readme-ja.sh README.md >README.txt
# Fails, naming the line, when a character has no Shift-JIS form.
set -euo pipefail
readme=$1

japanese_part() {
    awk '{ sub(/\r$/, "") } $0 == "# ミナモ" { on = 1 } $0 == "# Minamo (English)" { exit } on { print }' "$readme" |
        sed -e ':a' -e '/^\n*$/{$d;N;ba' -e '}'  # no blank lines at the end
}

# Characters that UTF-8 text often holds in the forms code page 932 does
# not have, turned into the forms it has (wave dash, minus, double bar,
# em dash, cent, pound, not).
code_page_forms() {
    sed -e 's/〜/～/g' -e 's/−/－/g' -e 's/‖/∥/g' -e 's/—/―/g' \
        -e 's/¢/￠/g' -e 's/£/￡/g' -e 's/¬/￢/g'
}

text=$(japanese_part | code_page_forms)
if ! printf '%s\n' "$text" | iconv -f UTF-8 -t CP932 >/dev/null 2>&1; then
    printf '%s\n' "$text" | awk '{ print NR": "$0 }' | while IFS= read -r line; do
        printf '%s\n' "${line#*: }" | iconv -f UTF-8 -t CP932 >/dev/null 2>&1 ||
            echo "readme-ja: no Shift-JIS form in line ${line%%: *}: ${line#*: }" >&2
    done
    exit 1
fi
printf '%s\n' "$text" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932
