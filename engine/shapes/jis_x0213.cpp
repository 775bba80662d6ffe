#include "engine/shapes/jis_x0213.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace shapes {
namespace {

struct Position {
    uint32_t code;
    uint8_t plane, row, cell;
};

// Sorted by code.
const Position kPositions[] = {
#include "jis_x0213_table.inc"
};

}  // namespace

std::string JisX0213Position(uint32_t code) {
    const auto found = std::lower_bound(std::begin(kPositions), std::end(kPositions), code,
                                        [](const Position& p, uint32_t c) { return p.code < c; });
    if (found == std::end(kPositions) || found->code != code) return std::string();
    char text[16];
    std::snprintf(text, sizeof text, "%u-%02u-%02u", unsigned{found->plane}, unsigned{found->row},
                  unsigned{found->cell});
    return text;
}

}  // namespace shapes
