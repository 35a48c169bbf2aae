#include "platform/raster_paths.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Products of two coordinate differences of 32-bit points need more than 64 bits.
__extension__ typedef __int128 Wide;

bool onSurface(int64_t x, int64_t y, int32_t size) {
    return x >= 0 && y >= 0 && x < size && y < size;
}

// n * num / den rounded to the nearest integer, halves away from zero, so that a line and
// its reverse pick the same pixels.
int64_t roundedFraction(int64_t n, int64_t num, int64_t den) {
    const Wide p = Wide{n} * num;
    const Wide q = ((p < 0 ? -p : p) * 2 + den) / (Wide{den} * 2);
    return static_cast<int64_t>(p < 0 ? -q : q);
}

// The steps i in [0, n) at which a coordinate start + round(i * delta / n) can lie in
// [0, size); a slightly wider range, the caller checks every pixel.
void clipSteps(int64_t start, int64_t delta, int64_t n, int32_t size, int64_t& first,
               int64_t& last) {
    if (delta == 0) {
        if (start < 0 || start >= size) {
            first = 1;
            last = 0;
        }
        return;
    }
    double lo = static_cast<double>(-1 - start) * n / delta;
    double hi = static_cast<double>(size - start) * n / delta;
    if (lo > hi) {
        std::swap(lo, hi);
    }
    first = std::max(first, static_cast<int64_t>(std::floor(lo)) - 1);
    last = std::min(last, static_cast<int64_t>(std::ceil(hi)) + 1);
}

int64_t floorHalf(int64_t v) {
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}

// A direction with y upwards, compared by angle counter-clockwise from +x.
struct Direction {
    int64_t x;
    int64_t y;
};

bool lowerHalf(Direction d) {
    return d.y < 0 || (d.y == 0 && d.x < 0);
}

// Negative, zero or positive as a's angle is below, equal to or above b's (0..2pi).
int compareAngle(Direction a, Direction b) {
    if (lowerHalf(a) != lowerHalf(b)) {
        return lowerHalf(a) ? 1 : -1;
    }
    const Wide cross = Wide{a.x} * b.y - Wide{a.y} * b.x;
    return cross > 0 ? -1 : (cross < 0 ? 1 : 0);
}

}  // namespace

void linePixels(DisplayPoint a, DisplayPoint b, int32_t size, std::vector<PathPixel>& out) {
    out.clear();
    const int64_t dx = int64_t{b.x} - a.x;
    const int64_t dy = int64_t{b.y} - a.y;
    const int64_t n = std::max(std::llabs(dx), std::llabs(dy));
    int64_t first = 0;
    int64_t last = n - 1;
    clipSteps(a.x, dx, n, size, first, last);
    clipSteps(a.y, dy, n, size, first, last);
    for (int64_t i = first; i <= last; ++i) {
        const int64_t x = a.x + roundedFraction(i, dx, n);
        const int64_t y = a.y + roundedFraction(i, dy, n);
        if (onSurface(x, y, size)) {
            out.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y), i});
        }
    }
}

void ellipseRing(int64_t left, int64_t top, int64_t right, int64_t bottom,
                 std::vector<DisplayPoint>& ring) {
    ring.clear();
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    const int64_t w = right - left;
    const int64_t h = bottom - top;
    if (w > MaxRingBox || h > MaxRingBox) {
        return;
    }
    // Offsets from the centre are kept doubled so that half-pixel centres stay integers;
    // the outline is where X^2 h^2 + Y^2 w^2 = w^2 h^2.
    const int64_t cx2 = left + right;
    const int64_t cy2 = top + bottom;
    const auto residual = [&](int64_t x, int64_t y) {
        const int64_t ox = 2 * x - cx2;
        const int64_t oy = 2 * y - cy2;
        return std::llabs(ox * ox * h * h + oy * oy * w * w - w * w * h * h);
    };

    // The upper right quarter, from the right end of the centre row (or the row just above a
    // half-pixel centre) to the top of the centre column (or the column just right of it),
    // each step to the neighbour nearest the outline.
    int64_t x = right;
    int64_t y = floorHalf(cy2);
    const int64_t endX = cx2 - floorHalf(cx2);  // ceil((left + right) / 2)
    const int64_t endY = top;
    ring.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
    while (x != endX || y != endY) {
        int64_t bestX = x;
        int64_t bestY = y;
        int64_t best = -1;
        const auto consider = [&](int64_t cx, int64_t cy) {
            const int64_t r = residual(cx, cy);
            if (best < 0 || r < best) {
                best = r;
                bestX = cx;
                bestY = cy;
            }
        };
        if (x > endX && y > endY) {
            consider(x - 1, y - 1);
        }
        if (x > endX) {
            consider(x - 1, y);
        }
        if (y > endY) {
            consider(x, y - 1);
        }
        x = bestX;
        y = bestY;
        ring.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
    }

    // The other quarters are mirror images; pixels on the centre row or column belong to
    // the quarter that reaches them first.
    const auto onColumn = [&](DisplayPoint p) { return 2 * int64_t{p.x} == cx2; };
    const auto onRow = [&](DisplayPoint p) { return 2 * int64_t{p.y} == cy2; };
    const auto mirrorX = [&](DisplayPoint p) {
        return DisplayPoint{static_cast<int32_t>(cx2 - p.x), p.y};
    };
    const auto mirrorY = [&](DisplayPoint p) {
        return DisplayPoint{p.x, static_cast<int32_t>(cy2 - p.y)};
    };
    const size_t quarter = ring.size();
    ring.reserve(quarter * 4);
    for (size_t i = quarter; i-- > 0;) {
        if (!onColumn(ring[i])) {
            ring.push_back(mirrorX(ring[i]));
        }
    }
    for (size_t i = 0; i < quarter; ++i) {
        if (!onRow(ring[i])) {
            ring.push_back(mirrorY(mirrorX(ring[i])));
        }
    }
    for (size_t i = quarter; i-- > 0;) {
        if (!onColumn(ring[i]) && !onRow(ring[i])) {
            ring.push_back(mirrorY(ring[i]));
        }
    }
}

void arcPixels(int64_t left, int64_t top, int64_t right, int64_t bottom, DisplayPoint from,
               DisplayPoint to, int32_t size, std::vector<DisplayPoint>& ring,
               std::vector<PathPixel>& out) {
    out.clear();
    if (std::max(left, right) < 0 || std::max(top, bottom) < 0 || std::min(left, right) >= size ||
        std::min(top, bottom) >= size) {
        return;
    }
    ellipseRing(left, top, right, bottom, ring);
    if (ring.empty()) {
        return;
    }
    const int64_t cx2 = left + right;
    const int64_t cy2 = top + bottom;
    const auto direction = [&](DisplayPoint p) {
        const Direction d{2 * int64_t{p.x} - cx2, cy2 - 2 * int64_t{p.y}};
        return d.x == 0 && d.y == 0 ? Direction{1, 0} : d;
    };
    const Direction start = direction(from);
    const Direction end = direction(to);
    const bool whole = compareAngle(start, end) == 0;
    const bool wraps = compareAngle(start, end) > 0;
    const auto inSweep = [&](DisplayPoint p) {
        const Direction d = direction(p);
        const bool afterStart = compareAngle(start, d) <= 0;
        const bool beforeEnd = compareAngle(d, end) <= 0;
        return wraps ? afterStart || beforeEnd : afterStart && beforeEnd;
    };

    // The ring runs counter-clockwise from angle 0, so the sweep starts at the first pixel
    // not below the start angle and runs on, wrapping round, while pixels are inside it.
    const auto firstIt = std::find_if(ring.begin(), ring.end(), [&](DisplayPoint p) {
        return compareAngle(start, direction(p)) <= 0;
    });
    const size_t first = firstIt == ring.end() ? 0 : static_cast<size_t>(firstIt - ring.begin());
    for (size_t i = 0; i < ring.size(); ++i) {
        const DisplayPoint p = ring[(first + i) % ring.size()];
        if (!whole && !inSweep(p)) {
            break;
        }
        if (onSurface(p.x, p.y, size)) {
            out.push_back({p.x, p.y, static_cast<int64_t>(i)});
        }
    }
}
