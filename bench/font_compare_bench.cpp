// Figure 6 of scripts/bench: the character comparison an install makes
// before it replaces installed fonts (CompareReplacedFonts), timed in
// process on the same file pairs, against the whole install's time.
//   font_compare_bench RUNS "RESET" "INSTALL" INCOMING INSTALLED [INCOMING INSTALLED ...]
// Each round runs RESET (untimed; it puts the installed fonts back), times
// the comparison of the pairs here, then times INSTALL, a whole command
// line that replaces those fonts: the two are neighbours in time, so a
// busy spell of the machine weighs on both.
// Prints "COMPARE_MS FIRST_MS INSTALL_MS SHARE": the medians of the
// comparisons and of the installs, the first comparison alone (an install
// makes one, in a process that has read no font before), and the median of
// the rounds' comparison / install. Exit 1 when a pair was not compared
// character by character (the figure would time the wrong thing), or a
// command did not exit with 0.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "engine/set/font_characters.h"
#include "platform/text.h"
#include "tests/support/child_process.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs a whole command line and waits for it; its time from just before
// the start to the exit, or a negative time when it did not exit with 0.
double RunTimed(const std::string& commandLine) {
    const double start = Now();
    ChildProcess child(platform::ToWide(CP_ACP, commandLine), true);
    if (child.Wait(600000) != 0) {
        std::fprintf(stderr, "font_compare_bench: not 0: %s\n", commandLine.c_str());
        return -1;
    }
    return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (runs < 1 || argc < 6 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: font_compare_bench RUNS RESET INSTALL INCOMING INSTALLED [INCOMING INSTALLED ...]\n");
        return 2;
    }
    const std::string reset = argv[2], install = argv[3];
    std::vector<Replacement> pairs;
    for (int i = 4; i + 1 < argc; i += 2) pairs.push_back({argv[i], argv[i + 1]});
    bench::Samples compares, installs, shares;
    for (int run = 0; run < runs; ++run) {
        if (RunTimed(reset) < 0) return 1;
        const double start = Now();
        const CharacterReport report = CompareReplacedFonts(pairs);
        const double compare = Now() - start;
        if (report.byBytesOnly || report.fonts.size() != pairs.size()) {
            std::fprintf(stderr, "font_compare_bench: a pair is not two fonts\n");
            return 1;
        }
        const double installed = RunTimed(install);
        if (installed < 0) return 1;
        compares.push_back(compare);
        installs.push_back(installed);
        shares.push_back(compare / installed);
    }
    std::fprintf(stderr, "  comparison ms: %s\n  install ms: %s\n", bench::Listed(compares).c_str(),
                 bench::Listed(installs).c_str());
    std::printf("%.2f %.2f %.1f %.4f\n", bench::Median(compares), compares.front(), bench::Median(installs),
                bench::Median(shares));
    return 0;
}
