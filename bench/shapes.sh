# Figure 8 of scripts/bench: /map's shape index against IPAmj Mincho.
# Accuracy (natively, the same engine/shapes/ code as minamo.exe): every
# STEP-th ideograph of fonts nobody drew for this (IPA Mincho, Hanazono
# Mincho with its variation sequences, IPA Gothic), as drawn, and shrunk to
# 90 % and moved by 5 % of the em, looked up in IPAmj Mincho's index.
# Speed (minamo.exe under Wine, one core): /map of a set whose EUDC font
# holds 6,400 of IPA Mincho's ideographs at U+E000.., first with the index
# to build, then with it kept; its map also gives the end-to-end first rate.
# OCR (tesseract's Japanese data) for comparison. Sourced by scripts/bench.

BENCH_REFERENCE=/usr/share/fonts/truetype/ipamj/ipamjm.ttf
BENCH_SHAPE_STEP=${BENCH_SHAPE_STEP:-10}

# The accuracy probe is a target of the native build (tests/native), which
# every test run builds too.
bench_shape_probe() {
    minamo_build_native >/dev/null
    echo "$MINAMO_BUILD_NATIVE/shape_accuracy"
}

# label font shrink shift first-goal five-goal
bench_shape_accuracy() {
    local line
    line=$("$BENCH_PROBE" "$BENCH_REFERENCE" "$2" "$BENCH_SHAPE_STEP" "$3" "$4" "$MINAMO_BUILD/ipamj.idx" | tail -1)
    awk -v l="$1" -v f="$5" -v v="$6" -v line="$line" 'BEGIN {
        n = split(line, words, " ")
        for (i = 1; i <= n; i++) { split(words[i], kv, "="); m[kv[1]] = kv[2] + 0 }
        printf "8.  %s (%d characters): first %.2f %% goal >= %s: %s", l, m["asked"], m["first"], f, (m["first"] >= f ? "met" : "MISSED")
        if (v != "-") printf "; within five %.2f %% goal >= %s: %s", m["five"], v, (m["five"] >= v ? "met" : "MISSED")
        else printf "; within five %.2f %%", m["five"]
        printf "; first of the right base character %.2f %%", m["base"]
        if (m["sequences"] > 0) printf "; base of %d sequences %.2f %% goal >= 98: %s", m["sequences"], m["sequencebase"], (m["sequencebase"] >= 98 ? "met" : "MISSED")
        printf "; best score below the mark %d\n", m["low"]
    }'
}

bench_seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

bench_shape_speed() {
    local set=$WINEPREFIX/drive_c/bench/mapset start middle end map
    mkdir -p "$set"
    /usr/bin/python3 "$MINAMO_ROOT/tests/native/shape_fonts.py" --eudc "$set/EUDC.TTE" \
        /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf 6400
    cp "$BENCH_REFERENCE" "$WINEPREFIX/drive_c/bench/ipamjm.ttf"
    cp "$MINAMO_BUILD/minamo.exe" "$WINEPREFIX/drive_c/bench/map-minamo.exe"
    local users
    users=$(winepath -u "$(bench_user_folder)" 2>/dev/null)
    rm -f "$users/~minamo-shapes.idx"
    start=$(date +%s.%N)
    taskset -c 0 wine 'C:\bench\map-minamo.exe' /map /s '/ref:C:\bench\ipamjm.ttf' 'C:\bench\mapset' || echo "8.  /map: FAILED"
    middle=$(date +%s.%N)
    taskset -c 0 wine 'C:\bench\map-minamo.exe' /map /s '/ref:C:\bench\ipamjm.ttf' 'C:\bench\mapset' || echo "8.  /map: FAILED"
    end=$(date +%s.%N)
    map=$(bench_seconds "$middle" "$end")
    awk -v a="$(bench_seconds "$start" "$middle")" -v m="$map" 'BEGIN {
        printf "8.  /map of 6,400 characters, index kept: %.1f s goal <= 5: %s\n", m, (m <= 5 ? "met" : "MISSED")
        printf "8.  index of IPAmj Mincho built (first /map less the second): %.1f s goal <= 20: %s\n", a - m, (a - m <= 20 ? "met" : "MISSED")
    }'
    local size
    size=$(stat -c %s "$users/~minamo-shapes.idx" 2>/dev/null || echo 0)
    awk -v s="$size" 'BEGIN { printf "8.  index on disk: %.1f MB goal <= 32: %s\n", s / 1e6, (s > 0 && s <= 32e6 ? "met" : "MISSED") }'
    # The map's first candidates against the characters the font was made of.
    paste -d, <(tail -n +2 "$set/EUDCMAP.CSV" | cut -d, -f5) <(cut -d' ' -f2 "$set/EUDC.TTE.txt") |
        awk -F, '{ n++; if ($1 == $2) r++ } END { printf "8.  (for information) the map of IPA Mincho'"'"'s 6,400 end to end: first %.2f %%\n", 100 * r / n }'
}

bench_shapes() {
    BENCH_PROBE=$(bench_shape_probe)
    rm -f "$MINAMO_BUILD/ipamj.idx"  # built by this very code
    bench_shape_accuracy "IPA Mincho" /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf 1 0 97 99.5
    bench_shape_accuracy "IPA Mincho at 90 %, moved 5 %" /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf 0.9 0.05 97 99.5
    bench_shape_accuracy "Hanazono Mincho A" /usr/share/fonts/truetype/hanazono/HanaMinA.ttf 1 0 97 99.5
    bench_shape_accuracy "Hanazono Mincho A at 90 %, moved 5 %" /usr/share/fonts/truetype/hanazono/HanaMinA.ttf 0.9 0.05 97 99.5
    bench_shape_accuracy "IPA Gothic" /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf 1 0 95 -
    bench_shape_accuracy "IPA Gothic at 90 %, moved 5 %" /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf 0.9 0.05 95 -
    bench_shape_speed
    if command -v tesseract >/dev/null && [ -d /usr/share/tesseract-ocr/*/tessdata ] &&
        ls /usr/share/tesseract-ocr/*/tessdata/jpn.traineddata >/dev/null 2>&1; then
        for font in /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf; do
            echo "8.  (for information) OCR of $(basename "$font"), tesseract jpn: $(OMP_THREAD_LIMIT=1 /usr/bin/python3 "$MINAMO_ROOT/bench/ocr_compare.py" "$font" 40)"
        done
    else
        echo "8.  (for information) OCR: no tesseract with Japanese data (apt-get install tesseract-ocr-jpn)"
    fi
}
