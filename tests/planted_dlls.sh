#!/usr/bin/env bash
# A stick or share where anyone can drop files: uxtheme.dll and comctl32.dll
# planted beside minamo.exe. Windows searches the program's folder first for
# a DLL that is not a KnownDLL; Wine does so with the load order "n,b" for
# it. Wine's +loaddll trace names every DLL file a process loads: none may
# come from the program's folder, in window mode, in command mode with a
# box, or in silent command mode. The window must still get the common
# controls 6 of the manifest.
#   planted_dlls.sh MINAMO_EXE PLANTED_DLL
set -euo pipefail
minamo=$1 planted=$2
. "$(dirname "$0")/../scripts/lib.sh"
minamo_wine_env
work=$(mktemp -d /tmp/minamo-planted.XXXXXX)
export WINEPREFIX=$work/prefix
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

stick=$work/stick
mkdir -p "$stick"
cp "$minamo" "$stick/minamo.exe"
for name in uxtheme comctl32; do cp "$planted" "$stick/$name.dll"; done
exe=$(winepath -w "$stick/minamo.exe")

failures=0
fail() { echo "planted_dlls: $*" >&2; failures=$((failures + 1)); }

# Runs minamo with the arguments; when a window of the program shows, waits
# a moment for its painting and ends the program. The trace goes to $log.
run() {
    local what=$1
    shift
    log=$work/$what.log
    WINEDEBUG=+loaddll WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uxtheme,comctl32=n,b" \
        wine "$exe" "$@" >"$log" 2>&1 &
    local pid=$! i
    for i in $(seq 150); do
        kill -0 $pid 2>/dev/null || break
        if xdotool search --name 'ミナモ' >/dev/null 2>&1; then
            sleep 1
            break
        fi
        sleep 0.2
    done
    wineserver -k 2>/dev/null || true
    wait $pid 2>/dev/null || true
    grep -q 'loaddll.*minamo\.exe' "$log" || fail "$what: minamo.exe did not start"
    local loaded
    loaded=$(grep -F "$(basename "$work")" "$log" | grep -iE 'Loaded L".*(uxtheme|comctl32)\.dll' || true)
    [ -z "$loaded" ] || fail "$what: loaded a planted DLL: $loaded"
}

run window
grep -qiE 'Loaded L".*common-controls[^"]*_6\.0\.[^"]*comctl32\.dll"' "$log" ||
    fail "window: the common controls 6 were not loaded"
run usage_box /h
run silent_acquire /g /s

[ $failures -eq 0 ] || exit 1
echo "planted_dlls: 3 passed, 0 failed"
