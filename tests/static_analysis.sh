#!/usr/bin/env bash
# clang-tidy with the checks of .clang-tidy over the source files of
# platform/, engine/, ui/ and app/, each compiled as the build compiles it
# (its compile_commands.json) but by clang for the same target, with the C++
# headers of the build's mingw-w64 g++. Fails on any finding, and lists
# them; the files go to one clang-tidy a core at a time.
#   tests/static_analysis.sh [--changed] <build folder> <the build's C++ compiler> [clang-tidy]
#
# Every file by default (scripts/static-analysis: about 2 minutes on 2
# cores). With --changed, as the test static_analysis runs it, only what
# changed against main: the sources changed since the branch left main (on
# main itself, since its last commit's first parent: a merge's whole
# branch), committed or not, and each changed header through one source that
# includes it, its own .cpp where there is one (the build's dependency files
# tell which). Every file when that cannot be told (no git, no main, no
# dependency files) or when .clang-tidy or this script changed.
# MINAMO_TIDY_BASE names another branch or commit than main.
set -euo pipefail
changed_only=false
if [ "${1:-}" = --changed ]; then
    changed_only=true
    shift
fi
build=$1 compiler=$2 tidy=${3:-clang-tidy}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/minamo-tidy.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The files changed against the base, relative to the root, one a line;
# fails when they cannot be told.
changed_files() {
    local base head
    head=$(git -C "$root" rev-parse -q --verify HEAD 2>/dev/null) || return 1
    base=$(git -C "$root" merge-base HEAD "${MINAMO_TIDY_BASE:-main}" 2>/dev/null) || return 1
    if [ "$base" = "$head" ]; then
        base=$(git -C "$root" rev-parse -q --verify HEAD^ 2>/dev/null) || return 1
    fi
    git -C "$root" rev-parse --short "$base" >"$work/base"
    git -C "$root" diff --name-only "$base" -- &&
        git -C "$root" ls-files --others --exclude-standard
}

scope=all
if $changed_only; then
    if changed_files >"$work/changed"; then
        scope=changed
    else
        echo "clang-tidy: which files changed against ${MINAMO_TIDY_BASE:-main} cannot be told: every file"
    fi
fi

# One command per source file of the layers: the libraries' own, not the
# checked copies the tests link (cmake/checked_tests.cmake).
# The longest files first, so that no long one is left to the end alone.
python3 - "$build/compile_commands.json" "$root" "$work" "$scope" <<'PYTHON'
import json, os, re, sys
commands, root, work, scope = sys.argv[1:]
layers = tuple(f"{root}/{layer}/" for layer in ("platform", "engine", "ui", "app"))
kept = [entry for entry in json.load(open(commands))
        if entry["file"].startswith(layers) and "_checked.dir/" not in entry["command"]]
if not kept:
    sys.exit(f"clang-tidy: no source file of the layers in {commands}")

def dependencies(entry):
    """The files the build's dependency file says entry includes; None when
    there is none (not built yet)."""
    output = re.search(r" -o (\S+)", entry["command"])
    path = os.path.join(entry["directory"], output.group(1) + ".d") if output else ""
    if not os.path.isfile(path):
        return None
    return set(re.findall(r"(/\S+)", open(path).read().replace("\\\n", " ")))

def chosen():
    if scope == "all":
        return kept, ""
    changed = {os.path.join(root, line.strip()) for line in open(f"{work}/changed") if line.strip()}
    if {f"{root}/.clang-tidy", f"{root}/tests/static_analysis.sh"} & changed:
        return kept, " (.clang-tidy or the analysis changed)"
    picked = [entry for entry in kept if entry["file"] in changed]
    headers = sorted(f for f in changed if f.startswith(layers) and f.endswith(".h") and os.path.isfile(f))
    if headers:
        includes = {entry["file"]: dependencies(entry) for entry in kept}
        if None in includes.values():
            return kept, " (no dependency files: not built)"
        for header in headers:
            if any(header in includes[entry["file"]] for entry in picked):
                continue
            users = [entry for entry in kept if header in includes[entry["file"]]]
            own = [entry for entry in users if entry["file"] == header[:-2] + ".cpp"]
            if own or users:
                picked.append((own or users)[0])
    base = open(f"{work}/base").read().strip()
    return picked, f" changed against {os.environ.get('MINAMO_TIDY_BASE', 'main')} ({base})"

picked, why = chosen()
json.dump(kept, open(f"{work}/compile_commands.json", "w"))
files = sorted({entry["file"] for entry in picked}, key=os.path.getsize, reverse=True)
open(f"{work}/files", "w").write("".join(f + "\n" for f in files))
open(f"{work}/scope", "w").write(f"{len(files)} of {len(kept)} files{why}")
PYTHON
scope_text=$(cat "$work/scope")
files=$(wc -l <"$work/files")
if [ "$files" -eq 0 ]; then
    echo "clang-tidy: nothing to analyse: $scope_text"
    exit 0
fi

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
if [ -n "$findings" ]; then
    printf '%s\n' "$findings"
    echo "clang-tidy: $(printf '%s\n' "$findings" | wc -l) findings in $scope_text"
    exit 1
fi
if [ "$status" -ne 0 ]; then
    cat "$work/output"
    echo "clang-tidy failed (status $status, $scope_text)"
    exit 1
fi
echo "clang-tidy: no findings in $scope_text"
