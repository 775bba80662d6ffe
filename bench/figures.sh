# The five figures of scripts/bench. Each runs bench_driver in the prefix
# and prints one line: the ratio (the median of the paired runs' ratios),
# the median times and the goal. Sourced by scripts/bench.

bench_driver() {
    wine 'C:\bench\bench_driver.exe' "$@" | tr -d '\r'
}

# label measured-name baseline-name goal reset measured baseline
bench_ratio_figure() {
    local label=$1 a_name=$2 b_name=$3 goal=$4 medians
    medians=$(bench_driver pair "$RUNS" "$5" "$6" "$7") || {
        printf '%s: FAILED (a program did not exit with 0)\n' "$label"
        return 0
    }
    set -- $medians
    awk -v l="$label" -v an="$a_name" -v bn="$b_name" -v a="$1" -v b="$2" -v r="$3" -v g="$goal" 'BEGIN {
        printf "%s: %.2f  (median %.0f ms %s, %.0f ms %s)", l, r, a, an, b, bn
        if (g == "-") printf "\n"
        else printf "  goal <= %s: %s\n", g, (r <= g + 0 ? "met" : "MISSED")
    }'
}

bench_acquire() {
    bench_ratio_figure "2. acquire /g /s, $BENCH_LINKS links" minamo xcopy 1.1 \
        'cmd /c C:\bench\reset-acquire.bat' \
        'C:\bench\stick\minamo.exe /g /s set' \
        'xcopy C:\bench\src\*.TTE C:\bench\stick\set\ /y /q /i'
}

# The install reads the folder that one acquire made.
bench_install() {
    wine cmd /c 'C:\bench\reset-acquire.bat' >/dev/null
    wine 'C:\bench\stick\minamo.exe' /g /s set || {
        echo "1. install: FAILED (the acquire before it did not succeed)"
        return 0
    }
    bench_ratio_figure "1. install /p /s, $BENCH_LINKS links" minamo manual 0.5 \
        'cmd /c C:\bench\reset-install.bat' \
        'C:\bench\stick\minamo.exe /p /s set' \
        'cmd /c C:\bench\manual-install.bat'
}

# A logon script installing the set that is installed already: no file
# changed, so none is copied. Against the empty program (the cost of any
# start) for information, until the benchmark notes give it a yardstick.
bench_rerun() {
    wine 'C:\bench\stick\minamo.exe' /p /s set || {
        echo "6. logon re-run: FAILED (the install before it did not succeed)"
        return 0
    }
    bench_ratio_figure "6. logon re-run /p /s, $BENCH_LINKS links unchanged" minamo empty_app - "" \
        'C:\bench\stick\minamo.exe /p /s set' \
        'C:\bench\empty_app.exe'
}

# The yardstick is a Win32 program that does nothing (it imports user32, as
# every window program does); the line after it, for information, is
# against a WinMain that imports only kernel32.
bench_startup() {
    bench_ratio_figure "3. start to exit, /s /h" minamo empty_app 1.2 "" \
        'C:\bench\stick\minamo.exe /s /h' \
        'C:\bench\empty_app.exe'
    bench_ratio_figure "   (for information) the same" minamo bare_app - "" \
        'C:\bench\stick\minamo.exe /s /h' \
        'C:\bench\bare_app.exe'
}

# In-process: the grid's painting against bare DrawTextW (code_table_bench.cpp).
bench_code_table() {
    local figures
    figures=$(wine 'C:\bench\code_table_bench.exe' "$RUNS" | tr -d '\r') || {
        echo "4. code table repaint and scroll: FAILED"
        return 0
    }
    set -- $figures
    awk -v a="$1" -v b="$2" -v r="$3" 'BEGIN {
        printf "4. code table repaint + scroll of 400 rows: %.2f  (median %.0f ms grid, %.0f ms bare DrawTextW)  goal <= 1.5: %s\n",
               r, a, b, (r <= 1.5 ? "met" : "MISSED")
    }'
}

# Peak working set of the window program with the code table open (button
# 111 of the main window, kCodeTableButton) against the empty program's window.
bench_memory() {
    local minamo empty
    minamo=$(bench_driver memory "$RUNS" 'C:\bench\stick\minamo.exe' 111 1500) &&
        empty=$(bench_driver memory "$RUNS" 'C:\bench\empty_app.exe window' 0 1500) || {
        echo "5. peak memory with the code table open: FAILED"
        return 0
    }
    awk -v a="$minamo" -v b="$empty" 'BEGIN {
        d = (a - b) / 1024
        printf "5. peak memory, window mode with the code table open: +%.1f MB  (median %.1f MB minamo, %.1f MB empty_app window)  goal <= +8 MB: %s\n",
               d, a / 1024, b / 1024, (d <= 8 ? "met" : "MISSED")
    }'
}
