#!/usr/bin/env bash
# A bounded fuzz of the EUDC character reader, CTest's test font_fuzz: from
# the committed seed fonts (font_corpus/), for at most SECONDS, the inputs
# it finds kept in WORK, a folder of the build, never of the source tree.
# Fails on a crash, a sanitizer's report, a slow input or one that takes
# too much memory; that input is then in WORK: mend the reader and add the
# input to font_corpus/, so that every later fuzz starts from it.
#   run_font_fuzz.sh FUZZER SEED_CORPUS WORK [SECONDS]
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3 seconds=${4:-30}
rm -rf "$work"
mkdir -p "$work/found"
if ! "$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 -max_len=8192 \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/found" "$seeds"; then
    echo "font_fuzz: the failing input is in $work; add it to $seeds once mended" >&2
    exit 1
fi
