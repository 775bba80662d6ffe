#include "engine/shapes/rasterizer.h"

#include <algorithm>
#include <cmath>

namespace shapes {
namespace {

constexpr int kSamples = 4;  // sample rows per pixel row
constexpr size_t kMaxCrossings = size_t{1} << 20;

struct Point {
    double x, y;
};

struct Crossing {
    int row;
    float x;
    int winding;
};

class EdgeList {
public:
    EdgeList(int size) : rows_(size * kSamples) {}

    // The sample rows k with (k + 0.5) / kSamples in [top, bottom).
    bool Line(Point a, Point b) {
        if (a.y == b.y || !std::isfinite(a.y) || !std::isfinite(b.y) || !std::isfinite(a.x) ||
            !std::isfinite(b.x))
            return true;
        int winding = a.y < b.y ? 1 : -1;
        if (a.y > b.y) std::swap(a, b);
        double first = std::ceil(std::clamp(a.y * kSamples - 0.5, -1.0, double(rows_)));
        double last = std::ceil(std::clamp(b.y * kSamples - 0.5, -1.0, double(rows_)));
        int from = std::max(0, static_cast<int>(first)), to = std::min(rows_, static_cast<int>(last));
        if (to <= from) return true;
        if (crossings_.size() + static_cast<size_t>(to - from) > kMaxCrossings) return false;
        double slope = (b.x - a.x) / (b.y - a.y);
        for (int k = from; k < to; ++k) {
            double y = (k + 0.5) / kSamples;
            double x = std::clamp(a.x + (y - a.y) * slope, -1.0, double(rows_));
            crossings_.push_back(Crossing{k, static_cast<float>(x), winding});
        }
        return true;
    }

    bool Curve(Point a, Point control, Point b) {
        double bendX = a.x - 2 * control.x + b.x, bendY = a.y - 2 * control.y + b.y;
        double bend = std::sqrt(bendX * bendX + bendY * bendY);
        int steps = bend < 128 ? 1 + static_cast<int>(std::sqrt(bend * 2)) : 16;
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

    void Fill(int size, std::vector<float>& coverage) {
        std::sort(crossings_.begin(), crossings_.end(), [](const Crossing& l, const Crossing& r) {
            return l.row != r.row ? l.row < r.row : l.x < r.x;
        });
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings_.size(); ++i) {
            winding += crossings_[i].winding;
            if (crossings_[i + 1].row != crossings_[i].row) {
                winding = 0;
                continue;
            }
            if (winding != 0) Span(size, crossings_[i].row / kSamples, crossings_[i].x, crossings_[i + 1].x, coverage);
        }
    }

private:
    static void Span(int size, int row, double left, double right, std::vector<float>& coverage) {
        left = std::clamp(left, 0.0, double(size));
        right = std::clamp(right, 0.0, double(size));
        float* line = coverage.data() + static_cast<size_t>(row) * size;
        for (int x = static_cast<int>(left); x < size && x < right; ++x) {
            double part = std::min(right, x + 1.0) - std::max(left, double(x));
            if (part > 0) line[x] += static_cast<float>(part / kSamples);
        }
    }

    int rows_;
    std::vector<Crossing> crossings_;
};

Point Place(const OutlinePoint& p, const View& view) { return Point{p.x * view.scale + view.dx, view.dy - p.y * view.scale}; }
Point Middle(Point a, Point b) { return Point{(a.x + b.x) / 2, (a.y + b.y) / 2}; }

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
    EdgeList edges(size);
    size_t begin = 0;
    for (size_t end : outline.contourEnds) {
        if (end > outline.points.size() || end < begin) return false;
        if (!AddContour(outline.points.data() + begin, end - begin, view, edges)) return false;
        begin = end;
    }
    edges.Fill(size, coverage);
    for (float& value : coverage) value = std::min(value, 1.0f);
    return true;
}

bool MeasureInk(const std::vector<float>& coverage, int size, InkMoments& moments) {
    double mass = 0, sumX = 0, sumY = 0, sumXX = 0, sumYY = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double ink = coverage[static_cast<size_t>(y) * size + x], cx = x + 0.5, cy = y + 0.5;
            mass += ink;
            sumX += ink * cx, sumY += ink * cy;
            sumXX += ink * cx * cx, sumYY += ink * cy * cy;
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
