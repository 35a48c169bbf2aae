#include "display/path_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "display/arc_geometry.h"

namespace {

// More steps than this would add nothing visible; it also bounds the work a hostile centre
// far away could cause.
constexpr int MaxArcSteps = 2048;
// More repeats than this cannot be told apart on any picture.
constexpr double MaxRepeats = 10000;

// The path with its cumulative lengths: segment i runs from points[i] to points[i + 1] and
// starts at distance along[i].
class IndexedPath {
  public:
    explicit IndexedPath(const LayoutPath& path) {
        for (const PathPoint& p : path.points) {
            add(p);
        }
        if (path.closed && !path.points.empty()) {
            add(path.points.front());
        }
    }

    bool empty() const { return points_.size() < 2; }
    double length() const { return along_.back(); }
    size_t segmentCount() const { return points_.size() - 1; }
    double startOf(size_t segment) const { return along_[segment]; }

    // The segment that distance s falls in; at a joint, the one starting there.
    size_t segmentAt(double s) const {
        const auto after = std::upper_bound(along_.begin(), along_.end(), s);
        const auto segment = std::distance(along_.begin(), after) - 1;
        return std::clamp<size_t>(size_t(std::max<std::ptrdiff_t>(segment, 0)), 0,
                                  segmentCount() - 1);
    }

    // The point at distance s along segment `segment`, offset d to the side.
    PathPoint at(size_t segment, double s, double d) const {
        const PathPoint a = points_[segment];
        const PathPoint b = points_[segment + 1];
        const double length = along_[segment + 1] - along_[segment];
        const double ux = (b.x - a.x) / length;
        const double uy = (b.y - a.y) / length;
        const double t = s - along_[segment];
        // Turning the direction a quarter towards y down puts the side below the base line on
        // the right of a path running left to right, as on the surface.
        return {a.x + ux * t - uy * d, a.y + uy * t + ux * d};
    }

  private:
    void add(PathPoint p) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return;
        }
        if (points_.empty()) {
            points_.push_back(p);
            along_.push_back(0);
            return;
        }
        const double step = std::hypot(p.x - points_.back().x, p.y - points_.back().y);
        if (step > 0) {
            points_.push_back(p);
            along_.push_back(along_.back() + step);
        }
    }

    std::vector<PathPoint> points_;
    std::vector<double> along_;
};

// A point of the pattern: s along the path, d from it.
struct PatternPoint {
    double s;
    double d;
};

// Builds strokes from pattern segments, cutting them at the path's ends and turns.
class StrokeBuilder {
  public:
    StrokeBuilder(const IndexedPath& path, std::vector<Stroke>& out) : path_(path), out_(out) {}

    void begin(int32_t colour) {
        finish();
        current_.colour = colour;
    }

    void segment(PatternPoint p, PatternPoint q) {
        // The part of the segment that lies on the path, as parameters of p + t (q - p).
        const double ds = q.s - p.s;
        double t0 = 0;
        double t1 = 1;
        const double length = path_.length();
        if (ds == 0) {
            if (p.s < 0 || p.s > length) {
                finish();
                return;
            }
        } else {
            const double ta = (0 - p.s) / ds;
            const double tb = (length - p.s) / ds;
            t0 = std::max(t0, std::min(ta, tb));
            t1 = std::min(t1, std::max(ta, tb));
            if (t0 > t1) {
                finish();
                return;
            }
        }
        const auto along = [&](double t) {
            return PatternPoint{p.s + ds * t, p.d + (q.d - p.d) * t};
        };
        const PatternPoint a = along(t0);
        const PatternPoint b = along(t1);
        if (t0 > 0 || current_.points.empty()) {
            finish();
            current_.points.push_back(path_.at(path_.segmentAt(a.s), a.s, a.d));
        }
        crossJoints(a, b);
        current_.points.push_back(path_.at(path_.segmentAt(b.s), b.s, b.d));
        if (t1 < 1) {
            finish();
        }
    }

    void finish() {
        if (current_.points.size() >= 2) {
            out_.push_back(current_);
        }
        current_.points.clear();
    }

  private:
    // Each joint strictly between a and b: the point on the segment before and the one on
    // the segment after, which makes the bevel.
    void crossJoints(PatternPoint a, PatternPoint b) {
        const size_t first = path_.segmentAt(a.s);
        const size_t last = path_.segmentAt(b.s);
        const auto joint = [&](size_t before, size_t after) {
            const double s = path_.startOf(std::max(before, after));
            const double t = (s - a.s) / (b.s - a.s);
            const double d = a.d + (b.d - a.d) * t;
            const PathPoint p = path_.at(before, s, d);
            const PathPoint q = path_.at(after, s, d);
            // Where the path barely turns the bevel is shorter than a pixel: one point will do.
            if (std::hypot(q.x - p.x, q.y - p.y) < 0.5) {
                current_.points.push_back({(p.x + q.x) / 2, (p.y + q.y) / 2});
            } else {
                current_.points.push_back(p);
                current_.points.push_back(q);
            }
        };
        for (size_t i = first; i < last; ++i) {
            joint(i, i + 1);
        }
        for (size_t i = first; i > last; --i) {
            joint(i, i - 1);
        }
    }

    const IndexedPath& path_;
    std::vector<Stroke>& out_;
    Stroke current_;
};

}  // namespace

std::vector<PathPoint> flattenEntity(const Entity& entity, double tolerance) {
    const PathPoint start{double(entity.x1), double(entity.y1)};
    if (entity.isArc == 0) {
        return {start, {double(entity.x2), double(entity.y2)}};
    }
    const RealPoint centre{entity.centreX, entity.centreY};
    if (!IsValidCentre(centre) || !std::isfinite(centre.x) || !std::isfinite(centre.y)) {
        return {};  // the editor draws no arc without a centre
    }
    const ArcSweep sweep =
        ArcDrawSweep(centre, {entity.x1, entity.y1}, {entity.x2, entity.y2}, entity.arcFlag);
    const double cx = centre.x;
    const double cy = centre.y;
    const double radius = std::hypot(start.x - cx, start.y - cy);
    // Angles counter-clockwise as seen on screen, as the arc is drawn.
    const double from = std::atan2(cy - sweep.from.y, sweep.from.x - cx);
    double span = std::atan2(cy - sweep.to.y, sweep.to.x - cx) - from;
    while (span <= 0) {
        span += 2 * std::numbers::pi;
    }
    const double maxStep =
        tolerance < radius ? 2 * std::acos(1 - tolerance / radius) : std::numbers::pi / 2;
    // Compared as a real: far away the step is 0 and the quotient infinite.
    const double wanted = std::ceil(span / maxStep);
    const int steps = wanted < MaxArcSteps ? std::max(2, int(wanted)) : MaxArcSteps;
    std::vector<PathPoint> points;
    points.reserve(size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double angle = from + span * i / steps;
        points.push_back({cx + radius * std::cos(angle), cy - radius * std::sin(angle)});
    }
    return points;
}

double pathLength(const LayoutPath& path) {
    const IndexedPath indexed(path);
    return indexed.empty() ? 0 : indexed.length();
}

std::vector<Stroke> layOutPattern(std::span<const Entity> entities, bool singlePattern,
                                  const LayoutPath& path, double scale) {
    std::vector<Stroke> strokes;
    const IndexedPath indexed(path);
    if (indexed.empty() || !(scale > 0) || !std::isfinite(scale)) {
        return strokes;
    }
    const double repeatLength = PatternLength * scale;
    const double repeats =
        singlePattern ? 1 : std::min(std::ceil(indexed.length() / repeatLength), MaxRepeats);

    // A quarter of a picture pixel keeps every arc smooth at this scale.
    std::vector<std::vector<PathPoint>> pattern;
    pattern.reserve(entities.size());
    for (const Entity& entity : entities) {
        pattern.push_back(flattenEntity(entity, 0.5 / scale));
    }

    StrokeBuilder builder(indexed, strokes);
    for (int k = 0; k < int(repeats); ++k) {
        const double offset = k * repeatLength;
        for (size_t e = 0; e < entities.size(); ++e) {
            builder.begin(entities[e].colour);
            const std::vector<PathPoint>& line = pattern[e];
            for (size_t i = 1; i < line.size(); ++i) {
                const auto toPattern = [&](PathPoint p) {
                    return PatternPoint{offset + (p.x - PatternStart) * scale,
                                        (p.y - PatternBaseLine) * scale};
                };
                builder.segment(toPattern(line[i - 1]), toPattern(line[i]));
            }
        }
    }
    builder.finish();
    return strokes;
}

TestPaths lineTypeTestPaths(double width, double height) {
    // Laid out on a 560 x 420 picture, then scaled to fit and centred.
    constexpr double DesignWidth = 560;
    constexpr double DesignHeight = 420;
    constexpr double DesignRepeat = 140;  // pixels per repeat of the pattern
    const double f = std::max(std::min(width / DesignWidth, height / DesignHeight), 0.01);
    const double left = (width - DesignWidth * f) / 2;
    const double top = (height - DesignHeight * f) / 2;
    const auto place = [&](double x, double y) { return PathPoint{left + x * f, top + y * f}; };

    TestPaths test;
    test.scale = DesignRepeat / PatternLength * f;
    test.paths.push_back({{place(20, 40), place(540, 40)}, false});
    LayoutPath zigzag;
    for (const auto& [x, y] : {std::pair{20, 125},
                               {140, 125},
                               {140, 85},
                               {260, 85},
                               {320, 145},
                               {420, 145},
                               {480, 85},
                               {540, 85}}) {
        zigzag.points.push_back(place(x, y));
    }
    test.paths.push_back(zigzag);
    LayoutPath gentle;
    for (double x = 20; x <= 540; x += 4) {
        gentle.points.push_back(
            place(x, 205 + 18 * std::sin(2 * std::numbers::pi * (x - 20) / 520)));
    }
    test.paths.push_back(gentle);
    // A hairpin: out, a half turn of radius 25, and back.
    LayoutPath tight{{place(20, 262)}, false};
    for (int i = 0; i <= 24; ++i) {
        const double a = std::numbers::pi * i / 24;
        tight.points.push_back(place(420 + 25 * std::sin(a), 287 - 25 * std::cos(a)));
    }
    tight.points.push_back(place(250, 312));
    test.paths.push_back(tight);
    LayoutPath ring{{}, true};
    for (int i = 0; i < 72; ++i) {
        const double a = 2 * std::numbers::pi * i / 72;
        ring.points.push_back(place(90 + 42 * std::cos(a), 368 + 42 * std::sin(a)));
    }
    test.paths.push_back(ring);
    test.paths.push_back({{place(200, 368), place(200 + 0.6 * DesignRepeat, 368)}, false});
    return test;
}
