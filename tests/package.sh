#!/usr/bin/env bash
# The release package as a user gets it, on two machines: the zip that the
# build made (what scripts/package hands out) is unpacked onto a stick. The
# program's version information must be the project's version, README.txt
# the Japanese part of README.md as plain text in Shift-JIS with CRLF, EUDC.INI the
# sample. On the first machine (the test prefix) the unpacked program must
# start (/s /h) and acquire (/g /s) links seeded with `wine reg add`; on a
# freshly booted second prefix it must install (/p /s) them, and install
# from a folder holding the sample EUDC.INI, each linking every face to the
# copied file.
#   package.sh ZIP FILE_VERSION_EXE PROJECT_VERSION
set -euo pipefail
zip=$1 file_version=$2 project_version=$3
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/lib.sh"
minamo_wine_env
work=$(mktemp -d /tmp/minamo-package.XXXXXX)
stop() {
    for prefix in "$work/first" "$work/second"; do
        [ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    done
}
trap 'stop; rm -rf "$work"' EXIT
# The first machine: the test prefix, or one of its own when run by hand.
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX=$work/first
    wineboot -i >/dev/null 2>&1
fi

failures=0
fail() { echo "package: $*" >&2; failures=$((failures + 1)); }
# Every line, the last one too, ends with CR LF.
crlf_only() {
    [ "$(LC_ALL=C grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ] && [ -z "$(tail -c 1 "$1" | tr -d '\n')" ]
}

short=${project_version%.*}
[ "$(basename "$zip")" = "minamo-$short.zip" ] || fail "zip named $(basename "$zip"), not minamo-$short.zip"
name=$(basename "$zip" .zip)
listed=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$listed" = "$name/ $name/EUDC.INI $name/README.txt $name/minamo.exe " ] || fail "zip holds: $listed"
unzip -q "$zip" -d "$work/stick"
app=$work/stick/$name
win=$(winepath -w "$app")

# One program for every Windows PC: a 32-bit x86 one (machine 0x14c in the
# PE header, which starts where the DOS header's last field points).
pe=$(od -An -tu4 -j60 -N4 "$app/minamo.exe" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$app/minamo.exe" | tr -d ' ')
[ "$machine" = 014c ] || fail "minamo.exe is not a 32-bit x86 program (machine $machine)"

# Texts. The characters that the README script turns into their code page
# 932 forms are left out of the comparison.
japanese_part() {
    awk '$0 == "# ミナモ" { on = 1 } $0 == "# Minamo (English)" { exit } on { print }' "$root/README.md" | tr -d '\r' |
        sed -e ':a' -e '/^\n*$/{$d;N;ba' -e '}'
}
unify() {
    sed -e 's/〜/?/g' -e 's/～/?/g' -e 's/−/?/g' -e 's/－/?/g' -e 's/‖/?/g' -e 's/∥/?/g' \
        -e 's/—/?/g' -e 's/―/?/g' -e 's/¢/?/g' -e 's/￠/?/g' -e 's/£/?/g' -e 's/￡/?/g' \
        -e 's/¬/?/g' -e 's/￢/?/g'
}
decoded=$(iconv -f CP932 -t UTF-8 <"$app/README.txt" | tr -d '\r') || fail "README.txt is not Shift-JIS"
# Plain text for Notepad: every section of the Japanese part, as a line of
# its own, and no Markdown marks or links to files the zip does not hold.
while IFS= read -r heading; do
    grep -qxF "$heading" <<<"$(unify <<<"$decoded" | sed 's/^[■◆] //')" || fail "README.txt lacks the part '$heading'"
done < <(japanese_part | awk '/^```/ { code = !code } !code && /^#/' | grep -v '^## 画面$' | sed 's/^#* //; s/`//g' | unify)
# (Code, indented by four blanks, is kept as typed.)
markdown=$(grep -v '^    ' <<<"$decoded" | grep -nE '^#|^```|^ *\||\*\*|`|!\[|\]\(|\.png|\.md\b' | head -3) || true
[ -z "$markdown" ] || fail "README.txt holds Markdown: $markdown"
grep -q 'Minamo (English)' <<<"$decoded" && fail "README.txt holds the English part"
grep -q 'scripts/test' <<<"$decoded" && fail "README.txt holds the developers' lines"
crlf_only "$app/README.txt" || fail "README.txt has lines without CRLF"
printf '[MINAMO]\r\nAutoRun=0\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=0\r\nTargetFolder=\r\n[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=PGOTHIC.TTE\r\n' |
    cmp -s - "$app/EUDC.INI" || fail "EUDC.INI is not the sample"

# Version information, as Windows reads it from the unpacked program.
version=$(wine "$file_version" "$win\\minamo.exe" | tr -d '\r')
[ "$version" = "$project_version.0 $project_version.0 $short" ] ||
    fail "version information '$version', expected '$project_version.0 $project_version.0 $short'"

run() { set +e; wine "$win\\minamo.exe" "$@"; local rc=$?; set -e; echo $rc; }
links() { wine reg query 'HKCU\EUDC\932' 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r'; }
# Each name must be linked to the installed copy of its file, equal to src.
check_installed() {
    local what=$1 src=$2 name file
    shift 2
    for pair in "$@"; do
        name=${pair%%:*} file=${pair##*:}
        links | grep -F "$name" | grep -qF "$local_data\\minamo\\$file" ||
            fail "$what: $name is not linked to $file"
        cmp -s "$src/$file" "$(winepath -u "$local_data\\minamo\\$file")" || fail "$what: $file differs"
    done
}

# The first machine: links seeded the way an administrator sets them.
[ "$(run /s /h)" = 0 ] || fail "/s /h did not exit with 0"
mkdir -p "$work/eudc"
head -c 7000 /dev/urandom >"$work/eudc/EUDC.TTE"
head -c 9000 /dev/urandom >"$work/eudc/PGOTHIC.TTE"
eudc=$(winepath -w "$work/eudc")
wine reg add 'HKCU\EUDC\932' /v SystemDefaultEUDCFont /d "$eudc\\EUDC.TTE" /f >/dev/null
wine reg add 'HKCU\EUDC\932' /v 'MS PGothic' /d "$eudc\\PGOTHIC.TTE" /f >/dev/null
acquired=$(run /g /s set1)
wine reg delete 'HKCU\EUDC\932' /f >/dev/null 2>&1 || true
[ "$acquired" = 0 ] || fail "/g /s did not exit with 0"
for file in EUDC.TTE PGOTHIC.TTE; do
    cmp -s "$work/eudc/$file" "$app/set1/$file" || fail "$file not acquired"
done
grep -q $'^MS PGothic=PGOTHIC.TTE\r$' "$app/set1/EUDC.INI" || fail "set1/EUDC.INI without the link"

# The second machine: a new prefix of its own, without links.
export WINEPREFIX=$work/second
wineboot -i >/dev/null 2>&1
local_data=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
[ "$(run /p /s set1)" = 0 ] || fail "/p /s did not exit with 0"
check_installed "install" "$work/eudc" SystemDefaultEUDCFont:EUDC.TTE "MS PGothic:PGOTHIC.TTE"

# The sample EUDC.INI is one the program installs from.
wine reg delete 'HKCU\EUDC\932' /f >/dev/null 2>&1
rm -rf "$(winepath -u "$local_data\\minamo")"
mkdir -p "$app/sample"
cp "$app/EUDC.INI" "$app/sample/EUDC.INI"
head -c 3000 /dev/urandom >"$app/sample/EUDC.TTE"
head -c 4000 /dev/urandom >"$app/sample/PGOTHIC.TTE"
[ "$(run /p /s sample)" = 0 ] || fail "/p /s from the sample did not exit with 0"
check_installed "sample" "$app/sample" SystemDefaultEUDCFont:EUDC.TTE "MS PGothic:PGOTHIC.TTE"

[ $failures -eq 0 ] || exit 1
echo "package: passed ($(basename "$zip"))"
