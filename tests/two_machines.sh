#!/usr/bin/env bash
# Two machines: links seeded with `wine reg add` on one prefix, acquired
# there with minamo /g, then installed on a freshly booted second prefix.
# The second machine's registry must link every face to the copied file.
set -euo pipefail
minamo=$1
. "$(dirname "$0")/../scripts/lib.sh"
minamo_wine_env
work=$(mktemp -d /tmp/minamo-two.XXXXXX)
first=$WINEPREFIX
trap 'WINEPREFIX=$work/second wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "two_machines: $*" >&2; exit 1; }

mkdir -p "$work/stick" "$work/eudc"
cp "$minamo" "$work/stick/minamo.exe"
# EUDC fonts of our own: a few glyphs in the Private Use Area each.
fonts=$(dirname "$0")/../scripts/make-test-font.py
/usr/bin/python3 "$fonts" "$work/eudc/EUDC.TTE" --family EUDCTest --count 4
/usr/bin/python3 "$fonts" "$work/eudc/GOTHIC.TTE" --family EUDCGothic --count 8
eudc=$(winepath -w "$work/eudc")
stick=$(winepath -w "$work/stick")

# The first machine.
wine reg add 'HKCU\EUDC\932' /v SystemDefaultEUDCFont /d "$eudc\\EUDC.TTE" /f >/dev/null
wine reg add 'HKCU\EUDC\932' /v "MS PGothic" /d "$eudc\\GOTHIC.TTE" /f >/dev/null
set +e
wine "$stick\\minamo.exe" /g /s set1; rc=$?
set -e
wine reg delete 'HKCU\EUDC\932' /f >/dev/null 2>&1 || true
[ $rc -eq 0 ] || fail "acquire exit code $rc"
cmp -s "$work/eudc/GOTHIC.TTE" "$work/stick/set1/GOTHIC.TTE" || fail "GOTHIC.TTE not acquired"
grep -q 'MS PGothic=GOTHIC.TTE' "$work/stick/set1/EUDC.INI" || fail "EUDC.INI without the link"

# The second machine: a new prefix of its own.
export WINEPREFIX=$work/second
wineboot -i >/dev/null 2>&1
set +e
wine "$stick\\minamo.exe" /p /s set1; rc=$?
set -e
[ $rc -eq 0 ] || fail "install exit code $rc"
links=$(wine reg query 'HKCU\EUDC\932' | iconv -f CP932 -t UTF-8 | tr -d '\r')
echo "$links"
local=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
for pair in "SystemDefaultEUDCFont:EUDC.TTE" "MS PGothic:GOTHIC.TTE"; do
    name=${pair%%:*} file=${pair##*:}
    echo "$links" | grep -F "$name" | grep -qF "$local\\minamo\\$file" || fail "$name is not linked to $file"
    cmp -s "$work/eudc/$file" "$(winepath -u "$local\\minamo\\$file")" || fail "$file differs"
done
WINEPREFIX=$first
echo "two_machines: 1 passed, 0 failed"
