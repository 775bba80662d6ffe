// Runs two programs side by side under the same Wine and prints the median
// time of each; scripts/bench turns the figures into ratios.
//
//   bench_driver pair RUNS "RESET" "MEASURED" "BASELINE"
//       RUNS rounds; in each, RESET (untimed) before each of the two timed
//       command lines, which take turns in going first so that a slow
//       start of the machine or the file cache favours neither.
//       Prints "MEASURED_MS BASELINE_MS RATIO": the median time of each
//       and the median of the rounds' ratios (each round's two runs are
//       neighbours in time, so a busy spell of the machine weighs on both);
//       exit 1 when any timed command did not exit with 0.
//   bench_driver pair RUNS "RESET" "MEASURED" "BASELINE" "BASELINE_RESET"
//       The same, with a reset of its own before the baseline: the same
//       program over another state of the machine.
//   bench_driver memory RUNS "COMMAND" CLICK_ID WAIT_MS
//       Prints the median peak working set in KB (see figures.h).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/figures.h"
#include "platform/text.h"
#include "tests/support/child_process.h"

namespace {

struct Timed {
    int exitCode = -1;  // -1 when it could not be started or timed out
    double milliseconds = 0;
};

// Runs a whole command line (program and arguments) and waits for it, timed
// with the performance counter from just before the start to the exit.
Timed RunTimed(const std::string& commandLine, DWORD timeoutMs = 600000) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    // Quiet: the children's output would mix with the figures.
    ChildProcess child(platform::ToWide(CP_ACP, commandLine), true);
    Timed timed;
    timed.exitCode = child.Wait(timeoutMs);
    QueryPerformanceCounter(&end);
    timed.milliseconds = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                         static_cast<double>(frequency.QuadPart);
    return timed;
}

bool RunReset(const std::string& reset) {
    if (reset.empty()) return true;
    const Timed timed = RunTimed(reset);
    if (timed.exitCode != 0) std::fprintf(stderr, "reset failed (%d): %s\n", timed.exitCode, reset.c_str());
    return timed.exitCode == 0;
}

// One timed run after its reset; false when either failed.
bool TimeOne(const std::string& reset, const std::string& command, bench::Samples& samples) {
    if (!RunReset(reset)) return false;
    const Timed timed = RunTimed(command);
    if (timed.exitCode != 0) {
        std::fprintf(stderr, "exit code %d: %s\n", timed.exitCode, command.c_str());
        return false;
    }
    samples.push_back(timed.milliseconds);
    return true;
}

int Pair(int runs, const std::string& reset, const std::string& measured, const std::string& baseline,
         const std::string& baselineReset) {
    bench::Samples a, b;
    for (int round = 0; round < runs; ++round) {
        const bool measuredFirst = round % 2 == 0;
        bool ok = measuredFirst ? TimeOne(reset, measured, a) && TimeOne(baselineReset, baseline, b)
                                : TimeOne(baselineReset, baseline, b) && TimeOne(reset, measured, a);
        if (!ok) return 1;
    }
    bench::Samples ratios;
    for (size_t i = 0; i < a.size(); ++i) ratios.push_back(a[i] / b[i]);
    std::fprintf(stderr, "  measured ms: %s\n  baseline ms: %s\n", bench::Listed(a).c_str(),
                 bench::Listed(b).c_str());
    std::printf("%.1f %.1f %.3f\n", bench::Median(a), bench::Median(b), bench::Median(ratios));
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: bench_driver pair RUNS RESET MEASURED BASELINE [BASELINE_RESET]\n"
                 "       bench_driver memory RUNS COMMAND CLICK_ID WAIT_MS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string mode = argv[1];
    const int runs = std::atoi(argv[2]);
    if (runs < 1) return Usage();
    if (mode == "pair" && (argc == 6 || argc == 7))
        return Pair(runs, argv[3], argv[4], argv[5], argc == 7 ? argv[6] : argv[3]);
    if (mode == "memory" && argc == 6)
        return bench::Memory(runs, argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
    return Usage();
}
