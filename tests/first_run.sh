#!/usr/bin/env bash
# A newcomer's first scripts/run: no display, a Wine prefix not made yet.
# The main window must show on the invisible screen the script starts (the
# window, found by xdotool there, not only the script's words about it);
# then the program is ended from outside, as the script tells how.
#   first_run.sh BUILD_FOLDER
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/minamo-first-run.XXXXXX)
prefix=$work/prefix
run=""
stop() {
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    [ -z "$run" ] || wait "$run" 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap stop EXIT

# The build is this test run's: scripts/run neither installs nor builds.
env -u DISPLAY WINEPREFIX="$prefix" MINAMO_BUILD="$build" MINAMO_RUN_BUILT=1 \
    "$root/scripts/run" >"$work/out" 2>"$work/err" &
run=$!

# The invisible screen, as the script names it.
display=""
for _ in $(seq 600); do
    display=$(grep -o 'DISPLAY=:[0-9]*' "$work/err" | head -n 1 | cut -d= -f2) || true
    [ -n "$display" ] && break
    kill -0 "$run" 2>/dev/null || break
    sleep 0.2
done
if [ -z "$display" ]; then
    echo "first_run: scripts/run named no display" >&2
    cat "$work/err" >&2
    exit 1
fi
# The main window on it, while the program still runs.
for _ in $(seq 600); do
    if DISPLAY=$display xdotool search --onlyvisible --name 'Ver\.' >/dev/null 2>&1; then
        echo "first_run: the main window shows on $display"
        exit 0
    fi
    if ! kill -0 "$run" 2>/dev/null; then
        wait "$run" && rc=0 || rc=$?
        run=""
        echo "first_run: scripts/run ended with $rc and no window" >&2
        cat "$work/err" >&2
        exit 1
    fi
    sleep 0.2
done
echo "first_run: no window within two minutes" >&2
cat "$work/err" >&2
exit 1
