#include "engine/shapes/rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace shapes {
namespace {

// Work allowed for one outline, in pixel rows its lines cross: many times
// what any glyph needs at these sizes.
constexpr size_t kMaxRows = size_t{1} << 22;

struct Point {
    double x, y;
};

int PixelBelow(double v) {
    const int nearest = NearestWhole(v);
    return nearest > v ? nearest - 1 : nearest;
}
int PixelAbove(double v) {
    const int nearest = NearestWhole(v);
    return nearest < v ? nearest + 1 : nearest;
}

// Exact area coverage: each line adds, per pixel row it crosses, the signed
// area it closes off to its right into an accumulation buffer; a running
// sum along each row then gives the winding-weighted coverage.
class EdgeList {
public:
    // Finite: every point placed is a finite number far from overflowing,
    // so every line between them is too, and none need be checked.
    EdgeList(int size, bool finite)
        : size_(size), stride_(size + 2), finite_(finite), sums_(static_cast<size_t>(stride_) * size, 0.0) {}

    // The points by reference: a copy made on the 32-bit build moves each
    // double in two halves, which its loads then wait for.
    bool Line(const Point& from, const Point& to) {
        if (from.y == to.y) return true;
        if (!finite_ && (!std::isfinite(from.y) || !std::isfinite(to.y) || !std::isfinite(from.x) || !std::isfinite(to.x)))
            return true;
        const double direction = from.y < to.y ? 1 : -1;
        const Point& a = from.y < to.y ? from : to;
        const Point& b = from.y < to.y ? to : from;
        if (b.y <= 0 || a.y >= size_) return true;
        double slope = (b.x - a.x) / (b.y - a.y);
        double top = std::max(a.y, 0.0), bottom = std::min(b.y, double(size_));
        double x = a.x + (top - a.y) * slope;
        int first = PixelBelow(top), last = PixelAbove(bottom);
        rows_ += static_cast<size_t>(last - first);
        if (rows_ > kMaxRows) return false;
        for (int row = first; row < last; ++row) {
            double height = std::min(row + 1.0, bottom) - std::max(double(row), top);
            double next = x + slope * height;
            Row(row, x, next, height * direction);
            x = next;
        }
        return true;
    }

    bool Curve(const Point& a, const Point& control, const Point& b) {
        double bendX = a.x - 2 * control.x + b.x, bendY = a.y - 2 * control.y + b.y;
        double bend = std::sqrt(bendX * bendX + bendY * bendY);
        // Each chord then strays from the curve by under 1/16 of a pixel
        // (1/32 took a quarter of the index's build for no better answers).
        int steps = bend < 256 ? 1 + static_cast<int>(std::sqrt(bend * 4)) : 32;
        Point from = a;
        for (int i = 1; i <= steps; ++i) {
            double t = double(i) / steps, u = 1 - t;
            Point to{u * u * a.x + 2 * u * t * control.x + t * t * b.x,
                     u * u * a.y + 2 * u * t * control.y + t * t * b.y};
            if (!Line(from, to)) return false;
            from = to;
        }
        return true;
    }

    void Fill(std::vector<float>& coverage) const {
        for (int row = 0; row < size_; ++row) {
            double sum = 0;
            const double* line = &sums_[static_cast<size_t>(row) * stride_];
            for (int x = 0; x < size_; ++x) {
                sum += line[x];
                coverage[static_cast<size_t>(row) * size_ + x] = static_cast<float>(std::min(1.0, std::fabs(sum)));
            }
        }
    }

private:
    // The part of a line within one pixel row, from x to next, height
    // (signed by direction) high. Left of the bitmap counts as its first
    // column, right of it as past its last.
    void Row(int row, double x, double next, double height) {
        double* line = &sums_[static_cast<size_t>(row) * stride_];
        double left = std::clamp(std::min(x, next), 0.0, double(size_));
        double right = std::clamp(std::max(x, next), 0.0, double(size_));
        int leftPixel = PixelBelow(left), rightPixel = PixelAbove(right);
        if (rightPixel <= leftPixel + 1) {
            double middle = (left + right) / 2 - leftPixel;
            line[leftPixel] += height * (1 - middle);
            line[leftPixel + 1] += height * middle;
            return;
        }
        double width = 1 / (right - left);
        double leftPart = left - leftPixel, rightPart = right - rightPixel + 1;
        double firstArea = 0.5 * width * (1 - leftPart) * (1 - leftPart);
        double lastArea = 0.5 * width * rightPart * rightPart;
        line[leftPixel] += height * firstArea;
        double covered = firstArea;
        for (int pixel = leftPixel + 1; pixel < rightPixel - 1; ++pixel) {
            double area = (pixel == leftPixel + 1 ? width * (1.5 - leftPart) : covered + width) - covered;
            line[pixel] += height * area;
            covered += area;
        }
        line[rightPixel - 1] += height * (1 - covered - lastArea);
        line[rightPixel] += height * lastArea;
    }

    int size_, stride_;
    bool finite_;
    std::vector<double> sums_;
    size_t rows_ = 0;
};

Point Place(const OutlinePoint& p, const View& view) { return Point{p.x * view.scale + view.dx, view.dy - p.y * view.scale}; }
Point Middle(Point a, Point b) { return Point{(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// Whether every point lands at a finite place well inside what a double
// holds: then no line or curve between them overflows.
bool PlacedFinite(const Outline& outline, const View& view) {
    constexpr double kFar = 1e15;
    for (const OutlinePoint& raw : outline.points) {
        const Point p = Place(raw, view);
        if (!(std::fabs(p.x) < kFar && std::fabs(p.y) < kFar)) return false;
    }
    return true;
}

// A contour of on- and off-curve points: two off-curve points in a row
// have an on-curve point implied midway; a contour of off-curve points only
// starts midway between its first two.
bool AddContour(const OutlinePoint* points, size_t count, const View& view, EdgeList& edges) {
    if (count < 2) return true;
    size_t start = 0;
    while (start < count && !points[start].onCurve) ++start;
    bool allOff = start == count;
    Point first = allOff ? Middle(Place(points[count - 1], view), Place(points[0], view)) : Place(points[start], view);
    size_t begin = allOff ? 0 : start + 1, steps = allOff ? count : count - 1;
    Point current = first, control{0, 0};
    bool hasControl = false;
    for (size_t i = 0; i < steps; ++i) {
        const OutlinePoint& raw = points[(begin + i) % count];
        Point p = Place(raw, view);
        if (raw.onCurve) {
            if (!(hasControl ? edges.Curve(current, control, p) : edges.Line(current, p))) return false;
            current = p;
            hasControl = false;
            continue;
        }
        if (hasControl) {
            Point middle = Middle(control, p);
            if (!edges.Curve(current, control, middle)) return false;
            current = middle;
        }
        control = p;
        hasControl = true;
    }
    return hasControl ? edges.Curve(current, control, first) : edges.Line(current, first);
}

}  // namespace

bool Rasterize(const Outline& outline, const View& view, int size, std::vector<float>& coverage) {
    coverage.assign(static_cast<size_t>(size) * size, 0.0f);
    EdgeList edges(size, PlacedFinite(outline, view));
    size_t begin = 0;
    for (size_t end : outline.contourEnds) {
        if (end > outline.points.size() || end < begin) return false;
        if (!AddContour(outline.points.data() + begin, end - begin, view, edges)) return false;
        begin = end;
    }
    edges.Fill(coverage);
    return true;
}

bool MeasureInk(const std::vector<float>& coverage, int size, InkMoments& moments) {
    // From the ink of each row and each column: two sums a pixel, not five.
    std::vector<double> columns(static_cast<size_t>(size), 0.0);
    double mass = 0, sumX = 0, sumY = 0, sumXX = 0, sumYY = 0;
    for (int y = 0; y < size; ++y) {
        const float* row = &coverage[static_cast<size_t>(y) * size];
        double rowInk = 0;
        for (int x = 0; x < size; ++x) {
            rowInk += row[x];
            columns[static_cast<size_t>(x)] += row[x];
        }
        const double cy = y + 0.5;
        mass += rowInk;
        sumY += rowInk * cy, sumYY += rowInk * cy * cy;
    }
    for (int x = 0; x < size; ++x) {
        const double cx = x + 0.5;
        sumX += columns[static_cast<size_t>(x)] * cx, sumXX += columns[static_cast<size_t>(x)] * cx * cx;
    }
    if (mass < 1e-3) return false;
    moments.x = sumX / mass;
    moments.y = sumY / mass;
    double variance = (sumXX / mass - moments.x * moments.x + sumYY / mass - moments.y * moments.y) / 2;
    moments.spread = std::sqrt(std::max(variance, 1e-6));
    moments.mass = mass;
    return true;
}

}  // namespace shapes
