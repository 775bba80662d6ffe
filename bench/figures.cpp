#include "bench/figures.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double Median(Samples samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

std::string Listed(const Samples& samples) {
    std::string text;
    char one[32];
    for (double s : samples) {
        std::snprintf(one, sizeof one, "%s%.1f", text.empty() ? "" : " ", s);
        text += one;
    }
    return text;
}

}  // namespace bench
