#include "engine/shapes/shape_feature.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "engine/shapes/rasterizer.h"

namespace shapes {
namespace {

constexpr int kMeasureSize = 48;  // the first look, to find the ink's centre and spread
constexpr int kSize = 48;         // the normalised bitmap
constexpr double kSpread = 0.24;  // of kSize: the ink's spread once normalised (0.17 and 0.28 measured worse)
constexpr int kCell = kSize / kGrid;
constexpr int kInkCell = kSize / kInkSide;
// A cell of the ink map is inked from this mean coverage: a thin Mincho
// stroke across a cell still inks it.
constexpr float kInked = 0.3f;

// The outline's points' box, in font units.
struct Box {
    double left, right, bottom, top;
    double Extent() const { return std::max(right - left, top - bottom); }
};

// False when there are no points or they span nothing (or not a number).
bool OutlineBox(const Outline& outline, Box& box) {
    box = Box{std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
              std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    for (const OutlinePoint& p : outline.points) {
        box.left = std::min(box.left, p.x), box.right = std::max(box.right, p.x);
        box.bottom = std::min(box.bottom, p.y), box.top = std::max(box.top, p.y);
    }
    const double extent = box.Extent();
    return !outline.points.empty() && extent > 0 && std::isfinite(extent);
}

// Where the ink lies, in font units.
bool MeasureOutline(const Outline& outline, double& x, double& y, double& spread) {
    Box box{};
    if (!OutlineBox(outline, box)) return false;
    double scale = (kMeasureSize - 4) / box.Extent();
    View view{scale, 2 - box.left * scale, 2 + box.top * scale};
    std::vector<float> coverage;
    InkMoments ink{};
    if (!Rasterize(outline, view, kMeasureSize, coverage) || !MeasureInk(coverage, kMeasureSize, ink)) return false;
    x = (ink.x - view.dx) / scale;
    y = (view.dy - ink.y) / scale;
    spread = ink.spread / scale;
    return true;
}

// Where a pixel's row or column lies among the cells' centres: the cell
// before it (-1 before the first) and the weight of the one after. Worked
// out once: floor is slow on the x87 of the 32-bit build.
struct CellSpan {
    int cell;
    float after;
};
const std::array<CellSpan, kSize>& CellSpans() {
    static const std::array<CellSpan, kSize> spans = [] {
        std::array<CellSpan, kSize> made{};
        for (int i = 0; i < kSize; ++i) {
            float u = (static_cast<float>(i) + 0.5f) / kCell - 0.5f;
            int cell = static_cast<int>(std::floor(u));
            made[static_cast<size_t>(i)] = CellSpan{cell, u - static_cast<float>(cell)};
        }
        return made;
    }();
    return spans;
}

// Hands add each of the two cells nearest a pixel's row or column that lie
// on the grid, with its weight by distance.
template <typename Add>
void ToNearestCells(const CellSpan& span, Add add) {
    for (int i = 0; i < 2; ++i) {
        const int cell = span.cell + i;
        if (cell >= 0 && cell < kGrid) add(cell, i ? span.after : 1 - span.after);
    }
}

// Each pixel's gradient split between the two nearest of four directions
// (no angle computed), spread over the four nearest cells by distance.
// The spreading is done a way at a time: along a row into its cells'
// columns, then each row's sums into the two nearest rows of cells, which
// costs a quarter of spreading each pixel over four cells.
void PoolDirections(const std::vector<float>& image, std::array<float, kFeatureSize>& sums) {
    const std::array<CellSpan, kSize>& spans = CellSpans();
    sums.fill(0);
    // The image with a blank border, so that no neighbour needs a test.
    constexpr int kPadded = kSize + 2;
    std::array<float, kPadded * kPadded> padded{};
    for (int y = 0; y < kSize; ++y)
        std::copy_n(&image[static_cast<size_t>(y) * kSize], kSize, &padded[static_cast<size_t>(y + 1) * kPadded + 1]);
    for (int y = 0; y < kSize; ++y) {
        std::array<float, kGrid * kDirections> row{};
        bool inked = false;
        const float* here = &padded[static_cast<size_t>(y + 1) * kPadded + 1];
        for (int x = 0; x < kSize; ++x, ++here) {
            float gx = here[1] - here[-1], gy = here[kPadded] - here[-kPadded];
            float ax = std::fabs(gx), ay = std::fabs(gy);
            if (ax + ay == 0) continue;
            // The straight direction and its share, and the diagonal's.
            const int diagonal = (gx * gy >= 0) ? 1 : 3;
            const int straight = ax >= ay ? 0 : 2;
            const float straightPart = ax >= ay ? ax - ay : ay - ax;
            const float diagonalPart = (ax >= ay ? ay : ax) * 1.41421356f;
            ToNearestCells(spans[static_cast<size_t>(x)], [&](int column, float weight) {
                float* cell = &row[static_cast<size_t>(column * kDirections)];
                cell[straight] += weight * straightPart;
                cell[diagonal] += weight * diagonalPart;
            });
            inked = true;
        }
        if (!inked) continue;
        ToNearestCells(spans[static_cast<size_t>(y)], [&](int cellRow, float weight) {
            float* cells = &sums[static_cast<size_t>(cellRow * kGrid * kDirections)];
            for (size_t k = 0; k < row.size(); ++k) cells[k] += weight * row[k];
        });
    }
}

// A glyph drawn square by square, as a bitmap font or a dot editor draws
// it: only straight level and upright edges, a good share of them a pixel
// or two long (the stairs its slanting strokes become).
bool DrawnOnGrid(const Outline& outline) {
    const double shortEdge = outline.unitsPerEm / 12.0;
    size_t edges = 0, shortEdges = 0, first = 0;
    for (size_t end : outline.contourEnds) {
        for (size_t i = first; i < end; ++i) {
            const OutlinePoint& a = outline.points[i];
            const OutlinePoint& b = outline.points[i + 1 < end ? i + 1 : first];
            if (!a.onCurve || (a.x != b.x && a.y != b.y)) return false;
            ++edges;
            shortEdges += std::fabs(a.x - b.x) + std::fabs(a.y - b.y) <= shortEdge;
        }
        first = end;
    }
    return edges >= 12 && shortEdges * 3 >= edges;
}

// The image blurred by (1 2 1) / 4 each way: stairs become the slant they
// stand for, whose edges then run the way an outline's would (measured on
// IPA, Ume and Hanazono glyphs drawn on a 24-pixel grid; blurring more, or
// less, found fewer).
void Soften(std::vector<float>& image) {
    std::vector<float> pass(image.size());
    for (int across = 0; across < 2; ++across) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const auto at = [&](int i) {
                    const int px = across ? x : i, py = across ? i : y;
                    return px < 0 || py < 0 || px >= kSize || py >= kSize ? 0.0f
                                                                          : image[static_cast<size_t>(py) * kSize + px];
                };
                const int i = across ? y : x;
                pass[static_cast<size_t>(y) * kSize + x] = (at(i - 1) + 2 * at(i) + at(i + 1)) / 4;
            }
        image.swap(pass);
    }
}

InkMap MakeInkMap(const std::vector<float>& image) {
    InkMap ink{};
    for (int y = 0; y < kInkSide; ++y)
        for (int x = 0; x < kInkSide; ++x) {
            float sum = 0;
            for (int j = 0; j < kInkCell; ++j)
                for (int i = 0; i < kInkCell; ++i)
                    sum += image[static_cast<size_t>(y * kInkCell + j) * kSize + static_cast<size_t>(x * kInkCell + i)];
            if (sum >= kInked * kInkCell * kInkCell) ink[static_cast<size_t>(y)] |= uint32_t{1} << x;
        }
    return ink;
}

// The cube root of a value not below 0: a guess from the float's bits
// (a third of its exponent), made exact to a float by two steps of
// Halley's method. The library's cbrtf took a tenth of the index's build
// on the x87 of the 32-bit build.
float CubeRoot(float value) {
    if (!(value > 0)) return value;  // 0, and a value that is no number stays one
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    bits = bits / 3 + 0x2A5137A0u;
    float guess = 0;
    std::memcpy(&guess, &bits, sizeof guess);
    double root = guess;
    for (int step = 0; step < 2; ++step) {
        const double cube = root * root * root;
        root *= (cube + 2 * double(value)) / (2 * cube + value);
    }
    return static_cast<float>(root);
}

// Bits counted in parallel: the 32-bit build's processor may have no
// instruction for it, and a loop over the bits took a tenth of a map.
int CountBits(uint32_t bits) {
    bits -= (bits >> 1) & 0x55555555u;
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((bits * 0x01010101u) >> 24);
}

}  // namespace

// Filled at the ink map's own size: exact area coverage makes each cell the
// mean of the finer bitmap's, at a quarter of the work (the map asks one
// such map of the reference for each character).
InkMap BoxInkMap(const Outline& outline) {
    Box box{};
    std::vector<float> image;
    if (!OutlineBox(outline, box)) return InkMap{};
    const double scale = kInkSide / box.Extent();
    const View view{scale, (kInkSide - (box.right - box.left) * scale) / 2 - box.left * scale,
                    (kInkSide - (box.top - box.bottom) * scale) / 2 + box.top * scale};
    InkMap ink{};
    if (!Rasterize(outline, view, kInkSide, image)) return ink;
    for (int y = 0; y < kInkSide; ++y)
        for (int x = 0; x < kInkSide; ++x)
            if (image[static_cast<size_t>(y) * kInkSide + x] >= kInked) ink[static_cast<size_t>(y)] |= uint32_t{1} << x;
    return ink;
}

bool MakeShapeFeature(const Outline& outline, ShapeFeature& feature) {
    GlyphShape shape{};
    if (!MakeGlyphShape(outline, shape)) return false;
    feature = shape.feature;
    return true;
}

double StrayInk(const InkMap& a, const InkMap& b) {
    InkMap widened{};
    for (size_t y = 0; y < b.size(); ++y) widened[y] = b[y] | b[y] << 1 | b[y] >> 1;
    int inked = 0, stray = 0;
    for (size_t y = 0; y < a.size(); ++y) {
        uint32_t near = widened[y] | (y > 0 ? widened[y - 1] : 0) | (y + 1 < a.size() ? widened[y + 1] : 0);
        inked += CountBits(a[y]);
        stray += CountBits(a[y] & ~near);
    }
    return inked ? static_cast<double>(stray) / inked : 0.0;
}

InkDifference ExactInkDifference(const InkMap& a, const InkMap& b) {
    InkDifference best{1, 1};
    int inkedA = 0, inkedB = 0;
    for (size_t y = 0; y < a.size(); ++y) inkedA += CountBits(a[y]), inkedB += CountBits(b[y]);
    if (inkedA == 0 || inkedB == 0) return best;
    const int side = static_cast<int>(a.size());
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int onlyA = 0, onlyB = 0;
            for (int y = 0; y < side; ++y) {
                const int from = y + dy;
                uint32_t moved = from < 0 || from >= side ? 0 : b[static_cast<size_t>(from)];
                moved = dx > 0 ? moved << dx : moved >> -dx;
                moved &= (uint32_t{1} << side) - 1;
                onlyA += CountBits(a[static_cast<size_t>(y)] & ~moved);
                onlyB += CountBits(moved & ~a[static_cast<size_t>(y)]);
            }
            const InkDifference here{static_cast<double>(onlyA) / inkedA, static_cast<double>(onlyB) / inkedB};
            if (here.onlyFirst + here.onlySecond < best.onlyFirst + best.onlySecond) best = here;
        }
    return best;
}

bool MakeGlyphShape(const Outline& outline, GlyphShape& shape, bool withBox) {
    ShapeFeature& feature = shape.feature;
    double x = 0, y = 0, spread = 0;
    if (!MeasureOutline(outline, x, y, spread) || !(spread > 0)) return false;
    double scale = kSpread * kSize / spread;
    View view{scale, kSize / 2.0 - x * scale, kSize / 2.0 + y * scale};
    std::vector<float> image;
    if (!Rasterize(outline, view, kSize, image)) return false;
    std::array<float, kFeatureSize> sums{};
    shape.ink = MakeInkMap(image);
    shape.box = withBox ? BoxInkMap(outline) : InkMap{};
    if (DrawnOnGrid(outline)) Soften(image);
    PoolDirections(image, sums);
    // The cube root evens out long and short strokes, and thick and thin
    // ones (measured: no root, or the square root, finds fewer Gothic
    // characters); then unit length, kept
    // as bytes (a value of 1/4 or more, which no real glyph reaches, clips).
    double length = 0;
    for (float& value : sums) {
        value = CubeRoot(value);
        length += double(value) * value;
    }
    if (!(length > 0)) return false;
    double factor = 1024 / std::sqrt(length);
    for (size_t i = 0; i < sums.size(); ++i)
        feature[i] = static_cast<uint8_t>(std::min(255, NearestWhole(sums[i] * factor)));
    return true;
}

}  // namespace shapes
