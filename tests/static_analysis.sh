#!/usr/bin/env bash
# The test static_analysis: clang-tidy with the checks of .clang-tidy over
# every source file of platform/, engine/, ui/ and app/, each compiled as
# the build compiles it (its compile_commands.json) but by clang for the
# same target, with the C++ headers of the build's mingw-w64 g++. Fails on
# any finding, and lists them.
#   tests/static_analysis.sh <build folder> <the build's C++ compiler> [clang-tidy]
set -euo pipefail
build=$1 compiler=$2 tidy=${3:-clang-tidy}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/minamo-tidy.XXXXXX)
trap 'rm -rf "$work"' EXIT

# One command per source file of the layers: the libraries' own, not the
# checked copies the tests link (cmake/checked_tests.cmake).
# The longest files first, so that no long one is left to the end alone.
python3 - "$build/compile_commands.json" "$root" "$work" <<'PYTHON'
import json, os, sys
commands, root, work = sys.argv[1:]
layers = tuple(f"{root}/{layer}/" for layer in ("platform", "engine", "ui", "app"))
kept = [entry for entry in json.load(open(commands))
        if entry["file"].startswith(layers) and "_checked.dir/" not in entry["command"]]
json.dump(kept, open(f"{work}/compile_commands.json", "w"))
files = sorted((entry["file"] for entry in kept), key=os.path.getsize, reverse=True)
open(f"{work}/files", "w").write("".join(f + "\n" for f in files))
PYTHON

# clang knows no execution character set but UTF-8: the build's CP932 is
# GCC's business, and the literals' bytes are no matter here.
args=(--quiet -p "$work" "--extra-arg-before=--target=$("$compiler" -dumpmachine)"
      --extra-arg=-fexec-charset=UTF-8 --extra-arg=-nostdinc++)
while read -r folder; do
    args+=("--extra-arg=-isystem$folder")
done < <("$compiler" -x c++ -E -v - </dev/null 2>&1 |
         awk '/search starts here:/ { on = 1; next } /End of search list/ { on = 0 } on && /\/c\+\+/ { print $1 }')

status=0
xargs -P "$(nproc)" -n 1 "$tidy" "${args[@]}" <"$work/files" >"$work/output" 2>&1 || status=$?
# A header's finding comes once for each file that includes it.
findings=$(grep -E '^/[^ ]+:[0-9]+:[0-9]+: (warning|error):' "$work/output" | sort -u || true)
files=$(wc -l <"$work/files")
if [ -n "$findings" ]; then
    printf '%s\n' "$findings"
    echo "clang-tidy: $(printf '%s\n' "$findings" | wc -l) findings in $files files"
    exit 1
fi
if [ "$status" -ne 0 ] || [ "$files" -eq 0 ]; then
    cat "$work/output"
    echo "clang-tidy failed (status $status, $files files)"
    exit 1
fi
echo "clang-tidy: no findings in $files files"
