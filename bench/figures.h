// Samples and their medians; the memory measurement.
#pragma once

#include <string>
#include <vector>

namespace bench {

using Samples = std::vector<double>;

double Median(Samples samples);
std::string Listed(const Samples& samples);  // "12.3 14.0 ..."

// Starts COMMAND RUNS times; each time waits for its main window, clicks
// the button clickId of it when not 0 and waits for the window that opens,
// waits waitMs more, reads the peak working set, closes the main window and
// prints the median peak in KB. Exit 1 when it failed.
int Memory(int runs, const std::string& command, int clickId, int waitMs);

}  // namespace bench
