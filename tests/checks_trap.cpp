// Built as every test program is (cmake/checked_tests.cmake), this one
// fails a run-time check on purpose: "index" reads past the end of a
// vector, "overflow" overflows an int. Without the checks it would print a
// number and return 0.
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::vector<int> one(1);
    if (std::strcmp(argv[1], "index") == 0) std::printf("%d\n", one[static_cast<size_t>(argc)]);
    if (std::strcmp(argv[1], "overflow") == 0) std::printf("%d\n", INT_MAX - 1 + argc);
    return 0;
}
