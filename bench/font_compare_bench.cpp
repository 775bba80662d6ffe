// Figure 6 of scripts/bench: the character comparison an install makes
// before it replaces installed fonts (CompareReplacedFonts), timed in
// process on the same file pairs, so that scripts/bench can set it against
// the whole install's time.
//   font_compare_bench RUNS INCOMING INSTALLED [INCOMING INSTALLED ...]
// Prints "MEDIAN_MS FIRST_MS": the median of RUNS comparisons of all the
// pairs, and the first one alone (the install makes one, in a process that
// has read no font before). Exit 1 when a pair was not compared character
// by character: the figure would then time the wrong thing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/figures.h"
#include "engine/font_characters.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (runs < 1 || argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: font_compare_bench RUNS INCOMING INSTALLED [INCOMING INSTALLED ...]\n");
        return 2;
    }
    std::vector<Replacement> pairs;
    for (int i = 2; i + 1 < argc; i += 2) pairs.push_back({argv[i], argv[i + 1]});
    bench::Samples samples;
    for (int run = 0; run < runs; ++run) {
        const double start = Now();
        const CharacterReport report = CompareReplacedFonts(pairs);
        samples.push_back(Now() - start);
        if (report.byBytesOnly || report.fonts.size() != pairs.size()) {
            std::fprintf(stderr, "font_compare_bench: a pair is not two fonts\n");
            return 1;
        }
    }
    std::fprintf(stderr, "  comparison ms: %s\n", bench::Listed(samples).c_str());
    std::printf("%.2f %.2f\n", bench::Median(samples), samples.front());
    return 0;
}
