#include "platform/raster_paths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

// Products of two coordinate differences of 32-bit points need more than 64 bits.
__extension__ typedef __int128 Wide;

bool onSurface(int64_t x, int64_t y, int32_t size) {
    return x >= 0 && y >= 0 && x < size && y < size;
}

// n * num / den rounded to the nearest integer, halves away from zero, so that a line and
// its reverse pick the same pixels.
template <typename Int>
int64_t roundedFraction(int64_t n, int64_t num, int64_t den) {
    const Int p = Int{n} * num;
    const Int q = ((p < 0 ? -p : p) * 2 + den) / (Int{den} * 2);
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

// floor(v + 0.5) without a library call: this runs for every pixel of an arc.
int64_t roundToInt(double v) {
    const double shifted = v + 0.5;
    const auto truncated = static_cast<int64_t>(shifted);
    return static_cast<double>(truncated) > shifted ? truncated - 1 : truncated;
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

// The direction from the centre of the box through p, in doubled pixels with y up.
Direction radialOf(int64_t left, int64_t top, int64_t right, int64_t bottom, DisplayPoint p) {
    const Direction d{2 * int64_t{p.x} - left - right, top + bottom - 2 * int64_t{p.y}};
    return d.x == 0 && d.y == 0 ? Direction{1, 0} : d;
}

}  // namespace

bool onOneRadial(int64_t left, int64_t top, int64_t right, int64_t bottom, DisplayPoint from,
                 DisplayPoint to) {
    return compareAngle(radialOf(left, top, right, bottom, from),
                        radialOf(left, top, right, bottom, to)) == 0;
}

void linePixels(DisplayPoint a, DisplayPoint b, int32_t size, std::vector<PathPixel>& out) {
    out.clear();
    const int64_t dx = int64_t{b.x} - a.x;
    const int64_t dy = int64_t{b.y} - a.y;
    const int64_t n = std::max(std::llabs(dx), std::llabs(dy));
    int64_t first = 0;
    int64_t last = n - 1;
    clipSteps(a.x, dx, n, size, first, last);
    clipSteps(a.y, dy, n, size, first, last);
    const auto visit = [&](auto wide) {
        using Int = decltype(wide);
        for (int64_t i = first; i <= last; ++i) {
            const int64_t x = a.x + roundedFraction<Int>(i, dx, n);
            const int64_t y = a.y + roundedFraction<Int>(i, dy, n);
            if (onSurface(x, y, size)) {
                out.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y), i});
            }
        }
    };
    // 64-bit products suffice for every line shorter than 2^30 pixels.
    if (n < (int64_t{1} << 30)) {
        visit(int64_t{});
    } else {
        visit(Wide{});
    }
}

namespace {

// The outline of the ellipse inscribed in a box at least one pixel wide and high, as a ring
// of pixels counter-clockwise on screen from angle 0, each pixel once. Any pixel is found
// from its place in the ring in constant time, so an arc of a huge circle costs no more than
// the part of it that lies on the surface.
//
// Offsets from the centre are doubled so that half-pixel centres stay integers; the outline
// is X^2 / w^2 + Y^2 / h^2 = 1 with Y upwards. The upper right quarter is built from two
// octants: near the right end one pixel per row (the rows from the centre upwards), near the
// top one pixel per column (the columns from the centre rightwards), split where the slope
// passes 45 degrees. The other quarters are its mirror images; pixels on the centre row or
// column belong to the quarter that reaches them first.
class EllipseOutline {
  public:
    EllipseOutline(int64_t left, int64_t top, int64_t right, int64_t bottom)
        : cx2_(left + right), cy2_(top + bottom), w_(right - left), h_(bottom - top) {
        firstRow_ = floorHalf(cy2_);
        firstColumn_ = cx2_ - floorHalf(cx2_);
        const double x45 = static_cast<double>(w_) * static_cast<double>(w_) /
                           std::hypot(static_cast<double>(w_), static_cast<double>(h_));
        columns_ = std::max<int64_t>(
            0,
            static_cast<int64_t>(std::ceil((static_cast<double>(cx2_) + x45) / 2)) - firstColumn_);
        if (columns_ > 0) {
            lastColumn_ = firstColumn_ + columns_ - 1;
            rows_ = std::max<int64_t>(0, firstRow_ - rowOfColumn(lastColumn_));
        } else {
            lastColumn_ = firstColumn_ - 1;
            rows_ = firstRow_ - top + 1;
        }
        quarter_ = rows_ + columns_;
        while (onRow_ < quarter_ && 2 * quarterAt(onRow_).y == cy2_) {
            ++onRow_;
        }
        while (onColumn_ < quarter_ && 2 * quarterAt(quarter_ - 1 - onColumn_).x == cx2_) {
            ++onColumn_;
        }
        sizes_ = {quarter_, quarter_ - onColumn_, quarter_ - onRow_,
                  std::max<int64_t>(0, quarter_ - onColumn_ - onRow_)};
    }

    int64_t size() const { return sizes_[0] + sizes_[1] + sizes_[2] + sizes_[3]; }

    DisplayPoint at(int64_t k) const {
        int quadrant = 0;
        while (quadrant < 3 && k >= sizes_[static_cast<size_t>(quadrant)]) {
            k -= sizes_[static_cast<size_t>(quadrant)];
            ++quadrant;
        }
        const int64_t i = quadrant == 2 ? onRow_ + k : (quadrant == 0 ? k : lastOf(k));
        return mirrored(quadrant, quarterAt(i));
    }

    Direction direction(DisplayPoint p) const {
        const Direction d{2 * int64_t{p.x} - cx2_, cy2_ - 2 * int64_t{p.y}};
        return d.x == 0 && d.y == 0 ? Direction{1, 0} : d;
    }

    // Calls visit(pixel, ring index) for the pixels on a size x size surface whose ring index
    // is wanted; a pixel is only worked out once its index is wanted.
    template <typename Wanted, typename Visit>
    void forEachOnSurface(int32_t size, Wanted wanted, Visit visit) const {
        for (int quadrant = 0; quadrant < 4; ++quadrant) {
            // The quarter indexes this quadrant uses, and the ring index of the first.
            int64_t low = quadrant >= 2 ? onRow_ : 0;
            int64_t high = quadrant == 0 || quadrant == 2 ? quarter_ - 1 : quarter_ - 1 - onColumn_;
            int64_t base = 0;
            for (int q = 0; q < quadrant; ++q) {
                base += sizes_[static_cast<size_t>(q)];
            }
            const bool reversed = quadrant == 1 || quadrant == 3;
            const bool flipsRows = quadrant >= 2;
            const bool flipsColumns = quadrant == 1 || quadrant == 2;
            // Rows: i in [0, rows_) lies on row firstRow_ - i (mirrored: cy2_ - that).
            clippedVisit(std::max<int64_t>(low, 0), std::min(high, rows_ - 1),
                         flipsRows ? cy2_ - firstRow_ : firstRow_, flipsRows ? 1 : -1, size,
                         quadrant, base, reversed, wanted, visit);
            // Columns: i in [rows_, quarter_) lies on column lastColumn_ + rows_ - i.
            clippedVisit(std::max(low, rows_), high,
                         flipsColumns ? cx2_ - lastColumn_ - rows_ : lastColumn_ + rows_,
                         flipsColumns ? 1 : -1, size, quadrant, base, reversed, wanted, visit);
        }
    }

  private:
    int64_t columnOfRow(int64_t y) const {
        const double dy = static_cast<double>(cy2_ - 2 * y) / static_cast<double>(h_);
        const double dx = static_cast<double>(w_) * std::sqrt(std::max(0.0, 1 - dy * dy));
        return roundToInt((static_cast<double>(cx2_) + dx) / 2);
    }

    int64_t rowOfColumn(int64_t x) const {
        const double dx = static_cast<double>(2 * x - cx2_) / static_cast<double>(w_);
        const double dy = static_cast<double>(h_) * std::sqrt(std::max(0.0, 1 - dx * dx));
        return roundToInt((static_cast<double>(cy2_) - dy) / 2);
    }

    // Pixel i of the upper right quarter, from the right end upwards.
    DisplayPoint quarterAt(int64_t i) const {
        if (i < rows_) {
            const int64_t y = firstRow_ - i;
            return {static_cast<int32_t>(columnOfRow(y)), static_cast<int32_t>(y)};
        }
        const int64_t x = lastColumn_ + rows_ - i;
        return {static_cast<int32_t>(x), static_cast<int32_t>(rowOfColumn(x))};
    }

    // The quarter index of the k-th pixel of a quadrant that runs the quarter backwards.
    int64_t lastOf(int64_t k) const { return quarter_ - 1 - onColumn_ - k; }

    DisplayPoint mirrored(int quadrant, DisplayPoint p) const {
        if (quadrant == 1 || quadrant == 2) {
            p.x = static_cast<int32_t>(cx2_ - p.x);
        }
        if (quadrant >= 2) {
            p.y = static_cast<int32_t>(cy2_ - p.y);
        }
        return p;
    }

    // Visits quarter indexes [first, last] whose coordinate start + sign * i is on the surface.
    template <typename Wanted, typename Visit>
    void clippedVisit(int64_t first, int64_t last, int64_t start, int sign, int32_t size,
                      int quadrant, int64_t base, bool reversed, Wanted& wanted,
                      Visit& visit) const {
        if (sign < 0) {
            first = std::max(first, start - (size - 1));
            last = std::min(last, start);
        } else {
            first = std::max(first, -start);
            last = std::min(last, size - 1 - start);
        }
        const int64_t firstOfQuadrant = quadrant >= 2 ? onRow_ : 0;
        for (int64_t i = first; i <= last; ++i) {
            const int64_t k = base + (reversed ? lastOf(0) - i : i - firstOfQuadrant);
            if (!wanted(k)) {
                continue;
            }
            const DisplayPoint p = mirrored(quadrant, quarterAt(i));
            if (onSurface(p.x, p.y, size)) {
                visit(p, k);
            }
        }
    }

    int64_t cx2_, cy2_, w_, h_;
    int64_t firstRow_ = 0;     // the row at or just above the centre
    int64_t firstColumn_ = 0;  // the column at or just right of the centre
    int64_t lastColumn_ = 0;
    int64_t rows_ = 0;
    int64_t columns_ = 0;
    int64_t quarter_ = 0;
    int64_t onRow_ = 0;     // leading quarter pixels on the centre row
    int64_t onColumn_ = 0;  // trailing quarter pixels on the centre column
    std::array<int64_t, 4> sizes_{};
};

// The first index in [first, last) for which pred holds, last when none does; pred must be
// false and then true along the range.
template <typename Pred>
int64_t firstTrue(int64_t first, int64_t last, Pred pred) {
    while (first < last) {
        const int64_t mid = first + (last - first) / 2;
        if (pred(mid)) {
            last = mid;
        } else {
            first = mid + 1;
        }
    }
    return first;
}

// A box without width or height: the straight outline, top to bottom or left to right.
void flatArcPixels(int64_t left, int64_t top, int64_t right, int64_t bottom,
                   const std::function<bool(Direction)>& inSweep, int32_t size,
                   std::vector<PathPixel>& out) {
    const int64_t cx2 = left + right;
    const int64_t cy2 = top + bottom;
    const bool vertical = left == right;
    const int64_t from = std::max<int64_t>(vertical ? top : left, 0);
    const int64_t to = std::min<int64_t>(vertical ? bottom : right, size - 1);
    for (int64_t v = from; v <= to; ++v) {
        const int64_t x = vertical ? left : v;
        const int64_t y = vertical ? v : top;
        Direction d{2 * x - cx2, cy2 - 2 * y};
        if (d.x == 0 && d.y == 0) {
            d = {1, 0};
        }
        if (onSurface(x, y, size) && inSweep(d)) {
            out.push_back(
                {static_cast<int32_t>(x), static_cast<int32_t>(y), v - (vertical ? top : left)});
        }
    }
}

}  // namespace

void arcPixels(int64_t left, int64_t top, int64_t right, int64_t bottom, DisplayPoint from,
               DisplayPoint to, int32_t size, std::vector<PathPixel>& out) {
    out.clear();
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    if (right < 0 || bottom < 0 || left >= size || top >= size) {
        return;
    }
    const Direction start = radialOf(left, top, right, bottom, from);
    const Direction end = radialOf(left, top, right, bottom, to);
    const bool whole = compareAngle(start, end) == 0;
    const bool wraps = compareAngle(start, end) > 0;
    const auto inSweep = [&](Direction d) {
        if (whole) {
            return true;
        }
        const bool afterStart = compareAngle(start, d) <= 0;
        const bool beforeEnd = compareAngle(d, end) <= 0;
        return wraps ? afterStart || beforeEnd : afterStart && beforeEnd;
    };
    if (left == right || top == bottom) {
        flatArcPixels(left, top, right, bottom, inSweep, size, out);
        return;
    }

    // The ring's angles rise from 0, so the sweep starts at the first pixel not below the
    // start angle and runs on, wrapping round, while pixels are inside it.
    const EllipseOutline outline(left, top, right, bottom);
    const int64_t n = outline.size();
    int64_t first = firstTrue(0, n, [&](int64_t k) {
        return compareAngle(start, outline.direction(outline.at(k))) <= 0;
    });
    if (first == n) {
        first = 0;
    }
    const int64_t length = whole ? n : firstTrue(0, n, [&](int64_t m) {
        return !inSweep(outline.direction(outline.at((first + m) % n)));
    });
    const auto stepOf = [&](int64_t k) { return k >= first ? k - first : k - first + n; };
    outline.forEachOnSurface(
        size, [&](int64_t k) { return stepOf(k) < length; },
        [&](DisplayPoint p, int64_t k) {
            out.push_back({p.x, p.y, stepOf(k)});
        });
}
