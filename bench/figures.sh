# The figures of scripts/bench. Each line is a ratio (the median of the
# paired runs' ratios) with the median times of both sides and, unless it
# is there for information, its goal and "met" or "MISSED". Sourced by
# scripts/bench.

bench_driver() {
    wine 'C:\bench\bench_driver.exe' "$@" | tr -d '\r'
}

# label goal a_name a_ms b_name b_ms ratio: one line ("-": no goal)
bench_print_ratio() {
    awk -v l="$1" -v g="$2" -v an="$3" -v a="$4" -v bn="$5" -v b="$6" -v r="$7" 'BEGIN {
        printf "%s: %.2f  (median %.0f ms %s, %.0f ms %s)", l, r, a, an, b, bn
        if (g == "-") printf "\n"
        else printf "  goal <= %s: %s\n", g, (r <= g + 0 ? "met" : "MISSED")
    }'
}

# label measured-name baseline-name goal reset measured baseline
bench_ratio_figure() {
    local label=$1 a_name=$2 b_name=$3 goal=$4 medians
    medians=$(bench_driver pair "$RUNS" "$5" "$6" "$7") || {
        printf '%s: FAILED (a program did not exit with 0)\n' "$label"
        return 0
    }
    set -- $medians
    bench_print_ratio "$label" "$goal" "$a_name" "$1" "$b_name" "$2" "$3"
}

# The install reads the folder that one acquire made. Nothing is installed
# before each run: no user data folder, no link table.
bench_install() {
    wine cmd /c 'C:\bench\reset-acquire.bat' >/dev/null
    wine 'C:\bench\stick\minamo.exe' /g /s set || {
        echo "1a. install: FAILED (the acquire before it did not succeed)"
        return 0
    }
    local reset='cmd /c C:\bench\reset-install.bat' minamo='C:\bench\stick\minamo.exe /p /s set'
    local folder
    folder=$(bench_user_folder)
    bench_ratio_figure "1a. install /p /s, $BENCH_LINKS links, nothing installed" minamo "copy + reg import" 0.5 \
        "$reset" "$minamo" 'cmd /c C:\bench\craft-install.bat'
    bench_ratio_figure "    (for information) the same against copy + one reg add a link" minamo "copy + reg add" - \
        "$reset" "$minamo" 'cmd /c C:\bench\manual-install.bat'
    bench_ratio_figure "    (for information) the shell copy alone against copy + reg import" "shell copy" \
        "copy + reg import" - "$reset" "C:\\bench\\shell_copy_app.exe install C:\\bench\\stick\\set $folder" \
        'cmd /c C:\bench\craft-install.bat'
}

# A logon script installing the set that is installed already: no file
# changed, so none is copied; the procedure copies and imports again.
bench_rerun() {
    wine 'C:\bench\stick\minamo.exe' /p /s set || {
        echo "1b. logon re-run: FAILED (the install before it did not succeed)"
        return 0
    }
    local minamo='C:\bench\stick\minamo.exe /p /s set'
    bench_ratio_figure "1b. logon re-run /p /s, $BENCH_LINKS links unchanged" minamo "copy + reg import" 0.35 \
        "" "$minamo" 'cmd /c C:\bench\craft-install.bat'
    bench_ratio_figure "1c. the same re-run against the empty program" minamo empty_app 1.3 \
        "" "$minamo" 'C:\bench\empty_app.exe'
    bench_ratio_figure "    (for information) the same against a program that only asks for the installed fonts" \
        minamo "empty_app fonts" - "" "$minamo" 'C:\bench\empty_app.exe fonts'
    # The set's 28 other faces make the install ask the system for its
    # fonts; a set of the standard links alone does not.
    bench_make_standard_set
    wine 'C:\bench\stick\minamo.exe' /p /s std || {
        echo "    (for information) re-run of a standard set: FAILED"
        return 0
    }
    bench_ratio_figure "    (for information) the re-run of a set of the two standard links, against the empty program" \
        minamo empty_app - "" 'C:\bench\stick\minamo.exe /p /s std' 'C:\bench\empty_app.exe'
}

# The acquire must copy through the shell (its progress dialog lets the
# user abort a long copy): its limit is a program doing only that copy.
bench_acquire() {
    local reset='cmd /c C:\bench\reset-acquire.bat' minamo='C:\bench\stick\minamo.exe /g /s set'
    bench_ratio_figure "2.  acquire /g /s, $BENCH_LINKS links, against the shell copy alone" minamo "shell copy" 1.05 \
        "$reset" "$minamo" 'C:\bench\shell_copy_app.exe acquire C:\bench\src C:\bench\stick\set'
    bench_ratio_figure "    (for information) the same against xcopy" minamo xcopy - \
        "$reset" "$minamo" 'xcopy C:\bench\src\*.TTE C:\bench\stick\set\ /y /q /i'
}

# The yardstick is a Win32 program that does nothing (it imports user32, as
# every window program does); the line after it, for information, is
# against a WinMain that imports only kernel32.
bench_startup() {
    bench_ratio_figure "3.  start to exit, /s /h" minamo empty_app 1.2 "" \
        'C:\bench\stick\minamo.exe /s /h' \
        'C:\bench\empty_app.exe'
    bench_ratio_figure "    (for information) the same against a bare WinMain" minamo bare_app - "" \
        'C:\bench\stick\minamo.exe /s /h' \
        'C:\bench\bare_app.exe'
}

# In-process: the grid's painting and scrolling against bare yardsticks
# (code_table_bench.cpp).
bench_code_table() {
    local figures
    figures=$(wine 'C:\bench\code_table_bench.exe' "$RUNS" | tr -d '\r') || {
        echo "4.  code table: FAILED"
        return 0
    }
    set -- $figures
    bench_print_ratio "4a. code table, whole repaints of the grid in view" 1.5 grid "$1" "bare DrawTextW" "$2" "$3"
    bench_print_ratio "4b. code table, a scroll through all 400 Unicode rows" 1.5 grid "$4" "bare scrolled window" "$5" "$6"
}

# Peak working set of the window program with the code table open (button
# 111 of the main window, kCodeTableButton) against the empty program's window.
bench_memory() {
    local minamo empty
    minamo=$(bench_driver memory "$RUNS" 'C:\bench\stick\minamo.exe' 111 1500) &&
        empty=$(bench_driver memory "$RUNS" 'C:\bench\empty_app.exe window' 0 1500) || {
        echo "5.  peak memory with the code table open: FAILED"
        return 0
    }
    awk -v a="$minamo" -v b="$empty" 'BEGIN {
        d = (a - b) / 1024
        printf "5.  peak memory, window mode with the code table open: +%.1f MB  (median %.1f MB minamo, %.1f MB empty_app window)  goal <= +8 MB: %s\n",
               d, a / 1024, b / 1024, (d <= 8 ? "met" : "MISSED")
    }'
}

# An install that replaces two fonts of 6,400 characters compares them
# with the incoming ones character by character first: that comparison,
# timed in process on the same files, against the whole install's time,
# round by round (font_compare_bench.cpp). For information, the same
# install against the same over files of the same names that are no fonts,
# which it compares by bytes alone.
bench_characters() {
    local folder minamo='C:\bench\stick\minamo.exe /p /s chars'
    local fonts='cmd /c C:\bench\reset-replaced.bat fonts' bytes='cmd /c C:\bench\reset-replaced.bat bytes'
    folder=$(bench_user_folder)
    # Once untimed: the set's links into the registry, the files into the cache.
    wine cmd /c 'C:\bench\reset-replaced.bat fonts' >/dev/null && wine 'C:\bench\stick\minamo.exe' /p /s chars || {
        echo "6.  character comparison: FAILED (the install before it did not succeed)"
        return 0
    }
    local figures
    figures=$(wine 'C:\bench\font_compare_bench.exe' "$RUNS" "$fonts" "$minamo" \
        'C:\bench\stick\chars\EUDC.TTE' "$folder\\EUDC.TTE" \
        'C:\bench\stick\chars\PGOTHIC.TTE' "$folder\\PGOTHIC.TTE" | tr -d '\r') || {
        echo "6.  character comparison: FAILED"
        return 0
    }
    set -- $figures
    awk -v compare="$1" -v first="$2" -v install="$3" -v share="$4" 'BEGIN {
        share *= 100
        printf "6.  the character comparison'"'"'s share of an install /p /s replacing 2 fonts of 6,400 characters: %.1f %%  (median %.1f ms comparison in process, the first %.1f ms; %.0f ms install)  goal <= 10 %%: %s\n",
               share, compare, first, install, (share <= 10 ? "met" : "MISSED")
    }'
    local medians
    medians=$(bench_driver pair "$RUNS" "$fonts" "$minamo" "$minamo" "$bytes") || {
        echo "    (for information) the same install over files that are no fonts: FAILED"
        return 0
    }
    set -- $medians
    bench_print_ratio "    (for information) that install against the same over files that are no fonts" \
        - "over fonts" "$1" "over other bytes" "$2" "$3"
}

# /v reads the set's files and their installed copies whole, hashes the
# set's and compares both, and reads the links: against a program that
# only reads the same files (read_files_app.cpp).
bench_verify() {
    local folder names
    folder=$(bench_user_folder)
    names=$(bench_links | cut -d'|' -f2 | tr '\n' ' ')
    # The set acquired afresh and installed, whatever ran before.
    wine cmd /c 'C:\bench\reset-acquire.bat' >/dev/null &&
        wine 'C:\bench\stick\minamo.exe' /g /s set && wine 'C:\bench\stick\minamo.exe' /p /s set || {
        echo "7.  verify: FAILED (the acquire or the install before it did not succeed)"
        return 0
    }
    bench_ratio_figure "7.  verify /v /s, $BENCH_LINKS links (60 MB), against reading its files" minamo "reading alone" 1.3 \
        "" 'C:\bench\stick\minamo.exe /v /s set' "C:\\bench\\read_files_app.exe C:\\bench\\stick\\set \"$folder\" $names"
}

# /convert of a 100 MB Shift-JIS CSV (EUDC in one line of 20, each decided
# by the map) against a program that only converts it to UTF-8.
bench_convert() {
    local root
    root=$(bench_root)
    mkdir -p "$root/convert"
    python3 - "$root/convert" <<'PY'
import sys
folder = sys.argv[1]
eudc = ["\ue000", "\ue001", "\ue0bc", "\ue757"]
lines = []
for i in range(2000):
    name = "高橋" if i % 20 else "高" + eudc[i // 20 % 4] + "橋"
    lines.append(f'{i},"{name}","東京都千代田区{i}丁目",株式会社ミナモ,0312345678,"備考, 外字の確認"\r\n')
block = "".join(lines).encode("cp932")
with open(f"{folder}/data.csv", "wb") as out:
    for _ in range(100 * 1024 * 1024 // len(block) + 1):
        out.write(block)
with open(f"{folder}/map.csv", "wb") as out:
    out.write("\ufeffUnicode,Chosen\r\nU+E000,U+9AD9\r\nU+E001,U+845B U+E0102\r\nU+E0BC,U+20B9F\r\nU+E757,U+5D0E\r\n".encode())
PY
    printf '@rmdir /s /q C:\\bench\\convert\\data.csv.converted 2>nul\r\n@del C:\\bench\\convert\\bare.txt 2>nul\r\n@exit /b 0\r\n' \
        >"$root/reset-convert.bat"
    bench_ratio_figure "9.  /convert of a 100 MB Shift-JIS CSV, against MultiByteToWideChar + WideCharToMultiByte alone" \
        minamo "conversion alone" 1.5 'cmd /c C:\bench\reset-convert.bat' \
        'C:\bench\stick\minamo.exe /convert /s /map:C:\bench\convert\map.csv C:\bench\convert\data.csv' \
        'C:\bench\convert_bare_app.exe C:\bench\convert\data.csv C:\bench\convert\bare.txt'
}
