# Figure 8 of scripts/bench: /map's shape index against IPAmj Mincho.
# Accuracy and verdicts (natively, the same engine/shapes/ code as
# minamo.exe): every STEP-th ideograph of font families the verdict's marks
# were NOT set on (Motoya L Cedar, Motoya L Maruberi, Sawarabi Gothic, VL
# Gothic, Seto, Kouzan; installed from Debian when missing), and glyphs
# made from two of them to have no standard twin (bench/no_twin_glyphs.py),
# looked up in IPAmj Mincho's index; each goal is printed beside its figure.
# The marks were set on IPA Mincho and Gothic, Hanazono Mincho, Ume Mincho
# and Gothic and made glyphs from IPA Mincho and Ume Gothic.
# Speed (minamo.exe under Wine, one core): /map of a set whose EUDC font
# holds 6,400 of IPA Mincho's ideographs at U+E000.., first with the index
# to build, then with it kept (three runs, the median); its map also gives
# the end-to-end first rate.
# OCR (tesseract's Japanese data) for comparison. Sourced by scripts/bench.

BENCH_REFERENCE=/usr/share/fonts/truetype/ipamj/ipamjm.ttf
BENCH_SHAPE_STEP=${BENCH_SHAPE_STEP:-10}

# The accuracy probe is a target of the native build (tests/native), which
# every test run builds too.
bench_shape_probe() {
    minamo_build_native >/dev/null
    echo "$MINAMO_BUILD_NATIVE/shape_accuracy"
}

BENCH_FONTS=/usr/share/fonts/truetype
# The figures of one probe run as "name=value" words, into the array m.
bench_shape_run() { "$BENCH_PROBE" "$BENCH_REFERENCE" "$@" | tail -1; }

# label font step kind(outline|pen|grid) [probe options]: the same
# character first and within five, and for outline designs the verdicts'
# goals; a grid font is drawn square by square (--grid 24).
bench_shape_accuracy() {
    [ -f "$2" ] || { echo "8.  $1: no font $2 (apt-get install the family)"; return; }
    bench_shape_run "$2" "$3" 1 0 "$BENCH_INDEX" "${@:5}" | awk -v l="$1$BENCH_LABEL" -v k="$4" '{
        for (i = 1; i <= NF; i++) { split($i, kv, "="); m[kv[1]] = kv[2] + 0 }
        goal = k == "grid" ? 90 : 97
        printf "8.  %s (%d characters): first %.1f %%", l, m["asked"], m["firstcharacter"]
        if (k != "pen") printf " goal >= %d: %s", goal, (m["firstcharacter"] >= goal ? "met" : "MISSED")
        five = k == "pen" ? 90 : 99.5
        if (k != "grid") printf "; within five %.1f %% goal >= %s: %s", m["fivecharacter"], five, (m["fivecharacter"] >= five ? "met" : "MISSED")
        printf "; the very glyph first %.1f %%\n", m["first"]
        if (k != "outline") next
        printf "8.  %s verdicts: same %.1f %% goal >= 80: %s; none %.1f %% goal <= 2: %s; right where same %.2f %% goal >= 99.5: %s; wrong first flagged check or none %.1f %% goal >= 90: %s\n", l,
            m["same"], (m["same"] >= 80 ? "met" : "MISSED"), m["none"], (m["none"] <= 2 ? "met" : "MISSED"),
            m["sameright"], (m["sameright"] >= 99.5 ? "met" : "MISSED"), m["wrongflagged"], (m["wrongflagged"] >= 90 ? "met" : "MISSED")
    }'
}

# label source: 400 made glyphs without a twin.
bench_no_twin() {
    [ -f "$2" ] || { echo "8.  $1: no font $2"; return; }
    local font=$MINAMO_BUILD/no-twin-$(basename "$2")
    /usr/bin/python3 "$MINAMO_ROOT/bench/no_twin_glyphs.py" "$font" "$2" 400 7
    bench_shape_run "$font" 1 1 0 "$BENCH_INDEX" --no-twin "${@:3}" | awk -v l="$1$BENCH_LABEL" '{
        for (i = 1; i <= NF; i++) { split($i, kv, "="); m[kv[1]] = kv[2] + 0 }
        printf "8.  %s (%d glyphs without a twin): check or none %.1f %% goal >= 95: %s; none %.1f %% goal >= 70: %s\n", l, m["asked"],
            100 - m["same"], (100 - m["same"] >= 95 ? "met" : "MISSED"), m["none"], (m["none"] >= 70 ? "met" : "MISSED")
    }'
}

bench_seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

bench_shape_speed() {
    local set=$WINEPREFIX/drive_c/bench/mapset start middle map
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
    # The kept index's map three times, its median: one run varies by half
    # a second here.
    local runs=()
    for _ in 1 2 3; do
        local before
        before=$(date +%s.%N)
        taskset -c 0 wine 'C:\bench\map-minamo.exe' /map /s '/ref:C:\bench\ipamjm.ttf' 'C:\bench\mapset' || echo "8.  /map: FAILED"
        runs+=("$(bench_seconds "$before" "$(date +%s.%N)")")
    done
    map=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
    awk -v a="$(bench_seconds "$start" "$middle")" -v m="$map" 'BEGIN {
        printf "8.  /map of 6,400 characters, index kept (median of 3): %.1f s goal <= 5: %s\n", m, (m <= 5 ? "met" : "MISSED")
        printf "8.  index of IPAmj Mincho built (first /map less the second): %.1f s goal <= 15: %s\n", a - m, (a - m <= 15 ? "met" : "MISSED")
    }'
    local size
    size=$(stat -c %s "$users/~minamo-shapes.idx" 2>/dev/null || echo 0)
    awk -v s="$size" 'BEGIN { printf "8.  index on disk: %.1f MB goal <= 32: %s\n", s / 1e6, (s > 0 && s <= 32e6 ? "met" : "MISSED") }'
    # The map's first candidates against the characters the font was made of.
    local column
    column=$(head -1 "$set/EUDCMAP.CSV" | tr , '\n' | grep -n -x 'Code 1' | cut -d: -f1)
    paste -d, <(tail -n +2 "$set/EUDCMAP.CSV" | cut -d, -f"$column" | tr -d '\r') <(cut -d' ' -f2 "$set/EUDC.TTE.txt") |
        awk -F, '{ n++; if ($1 == $2) r++ } END { printf "8.  (for information) the map of IPA Mincho'"'"'s 6,400 end to end: first %.2f %%\n", 100 * r / n }'
}

# The families measured, each against the index built with the fonts
# beside IPAmj that the caller's options name (--beside FONT).
bench_shape_families() {
    bench_shape_accuracy "Motoya L Cedar (Mincho)" $BENCH_FONTS/motoya-l-cedar/MTLc3m.ttf 16 outline "$@"
    bench_shape_accuracy "Motoya L Maruberi (rounded)" $BENCH_FONTS/motoya-l-maruberi/MTLmr3m.ttf 16 outline "$@"
    bench_shape_accuracy "Sawarabi Gothic" $BENCH_FONTS/sawarabi-gothic/sawarabi-gothic-medium.ttf 16 outline "$@"
    bench_shape_accuracy "VL Gothic" $BENCH_FONTS/vlgothic/VL-Gothic-Regular.ttf 16 outline "$@"
    bench_shape_accuracy "VL Gothic on a 24-pixel grid" $BENCH_FONTS/vlgothic/VL-Gothic-Regular.ttf 16 grid --grid 24 "$@"
    bench_shape_accuracy "Motoya L Cedar on a 24-pixel grid" $BENCH_FONTS/motoya-l-cedar/MTLc3m.ttf 16 grid --grid 24 "$@"
    bench_shape_accuracy "Seto (handwriting)" $BENCH_FONTS/seto/setofont.ttf 16 pen "$@"
    bench_shape_accuracy "Kouzan (brush)" $BENCH_FONTS/kouzan-mouhitsu/kouzan-mouhitsu.ttf 10 pen "$@"
    bench_no_twin "made from Motoya L Cedar" $BENCH_FONTS/motoya-l-cedar/MTLc3m.ttf "$@"
    bench_no_twin "made from VL Gothic" $BENCH_FONTS/vlgothic/VL-Gothic-Regular.ttf "$@"
}

bench_shapes() {
    BENCH_PROBE=$(bench_shape_probe)
    local mincho=/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf gothic=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
    rm -f "$MINAMO_BUILD"/ipamj*.idx  # built by this very code
    echo "8.  Against IPAmj Mincho alone (a PC without other Japanese fonts):"
    BENCH_INDEX=$MINAMO_BUILD/ipamj.idx BENCH_LABEL="" bench_shape_families
    # What /map does on a PC with a Mincho and a Gothic of its own: IPA's
    # stand for Windows' here (neither is a family measured).
    echo "8.  With the PC's Mincho and Gothic beside it (IPA Mincho and IPA Gothic):"
    BENCH_INDEX=$MINAMO_BUILD/ipamj-pc.idx BENCH_LABEL=" [PC fonts]" bench_shape_families --beside $mincho --beside $gothic
    # Characters drawn after the PC's own font, as an EUDC editor copies
    # them: Cedar is then one of the PC's fonts.
    local cedar=$BENCH_FONTS/motoya-l-cedar/MTLc3m.ttf
    echo "8.  With the very font the characters were drawn after beside it (Cedar, and IPA Gothic):"
    BENCH_INDEX=$MINAMO_BUILD/ipamj-own.idx BENCH_LABEL=" [own font]" bench_shape_accuracy "Motoya L Cedar (Mincho)" $cedar 16 outline --beside $cedar --beside $gothic
    BENCH_INDEX=$MINAMO_BUILD/ipamj-own.idx BENCH_LABEL=" [own font]" bench_no_twin "made from Motoya L Cedar" $cedar --beside $cedar --beside $gothic
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
