#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "model/library_reader.h"
#include "model/library_writer.h"
#include "support/entities.h"

// What is drawn is what is picked, gripped, saved and drawn again after reading the file back:
// for every half circle through grid points, and for arcs through any three points.
namespace {

// The arcs written to a library file and read back, in order.
std::vector<Entity> writtenAndReadBack(const std::vector<Entity>& arcs) {
    std::vector<Entity> back;
    Library library;
    allocateLibrary(library);
    Library reread;
    allocateLibrary(reread);
    for (size_t first = 0; first < arcs.size(); first += size_t{MaxEntries} * MaxEntities) {
        clearLibrary(library);
        const size_t end = std::min(arcs.size(), first + size_t{MaxEntries} * MaxEntities);
        for (size_t i = first; i < end; ++i) {
            const size_t n = (i - first) / MaxEntities;
            library.entryCount = static_cast<int32_t>(n + 1);
            library.entry(library.entryCount).name.assign("arcs");
            library.entities(library.entryCount)[(i - first) % MaxEntities] = arcs[i];
        }
        const ReadResult result = readLibraryText(writeLibraryText(library), reread);
        EXPECT_EQ(result.outcome, ReadOutcome::Read);
        for (int n = 1; n <= reread.entryCount; ++n) {
            const int count = countEntities(reread.entities(n));
            back.insert(back.end(), reread.entities(n).begin(), reread.entities(n).begin() + count);
        }
    }
    EXPECT_EQ(back.size(), arcs.size());
    return back;
}

struct Triple {
    DisplayPoint s, e, m;
};

std::vector<Triple> gridHalfCircles() {
    std::vector<DisplayPoint> grid;
    for (int32_t x = AreaMin; x <= AreaMax; x += GridStep) {
        for (int32_t y = AreaMin; y <= AreaMax; y += GridStep) {
            grid.push_back({x, y});
        }
    }
    std::vector<Triple> found;
    for (DisplayPoint s : grid) {
        for (DisplayPoint e : grid) {
            for (DisplayPoint m : grid) {
                const int32_t dot = (s.x - m.x) * (e.x - m.x) + (s.y - m.y) * (e.y - m.y);
                if (dot == 0 && m != s && m != e && s != e) {
                    found.push_back({s, e, m});
                }
            }
        }
    }
    return found;
}

// (b - a) x (p - a): which side of the chord ab p lies on.
int64_t side(DisplayPoint a, DisplayPoint b, DisplayPoint p) {
    return int64_t{b.x - a.x} * (p.y - a.y) - int64_t{b.y - a.y} * (p.x - a.x);
}

TEST(HalfCircles, EveryGridHalfCircleIsDrawnPickedGrippedAndSavedThroughItsThirdPoint) {
    const std::vector<Triple> triples = gridHalfCircles();
    std::vector<Entity> arcs;
    arcs.reserve(triples.size());
    for (const auto& [s, e, m] : triples) {
        RealPoint c;
        uint8_t flag = 7;
        ArcThroughPoints(s, e, m, c, flag);
        ASSERT_EQ(c, (RealPoint{(s.x + e.x) / 2.0f, (s.y + e.y) / 2.0f}));
        arcs.push_back(arcEntity(s, e, c, flag));
    }
    const std::vector<Entity> back = writtenAndReadBack(arcs);
    for (size_t i = 0; i < triples.size(); ++i) {
        const auto& [s, e, m] = triples[i];
        // Grid points and chord middles are whole file units: the file gives the arc back as is.
        ASSERT_EQ(back[i], arcs[i]) << i;
        ASSERT_LT(ArcDistance(m, back[i]), 1) << i;
        const ArcSweep sweep =
            ArcDrawSweep({back[i].centreX, back[i].centreY}, s, e, back[i].arcFlag);
        ASSERT_GT(side(sweep.from, sweep.to, m), 0) << i;  // counter-clockwise through m
        const DisplayPoint grip = ArcMidpoint(back[i]);
        ASSERT_LT(ArcDistance(grip, back[i]), 1) << i;
        ASSERT_GT(side(s, e, grip) * side(s, e, m), 0) << i;
    }
}

// Snap off: arcs through any three points, and half circles whose chord middle is no whole file
// unit. Rounding moves end points and centre by about a pixel; coming back on the other side
// would move the middle of the arc across the circle.
TEST(ArcsThroughAnyPoints, ComeBackFromTheFileOnTheSameSide) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int32_t> coordinate(AreaMin, AreaMax);
    std::uniform_int_distribution<int32_t> offset(-100, 100);
    std::vector<Entity> arcs;
    auto addArc = [&](DisplayPoint s, DisplayPoint e, DisplayPoint m) {
        RealPoint c;
        uint8_t flag = 0;
        ArcThroughPoints(s, e, m, c, flag);
        if (IsValidCentre(c)) {
            arcs.push_back(arcEntity(s, e, c, flag));
        }
    };
    while (arcs.size() < 60000) {
        addArc({coordinate(random), coordinate(random)}, {coordinate(random), coordinate(random)},
               {coordinate(random), coordinate(random)});
        // A right angle at m: s and e at the ends of a diameter.
        const DisplayPoint m{coordinate(random), coordinate(random)};
        const DisplayPoint u{offset(random) / 4, offset(random) / 4};
        const int32_t k = offset(random) / 25;
        const DisplayPoint s{m.x + u.x, m.y + u.y};
        const DisplayPoint e{m.x - k * u.y, m.y + k * u.x};
        if (PointInArea(s) && PointInArea(e) && s != m && e != m) {
            addArc(s, e, m);
        }
    }
    const std::vector<Entity> back = writtenAndReadBack(arcs);
    int compared = 0;
    for (size_t i = 0; i < arcs.size(); ++i) {
        const Entity& b = back[i];
        const float radius = PointDistance({b.centreX, b.centreY}, toRealPoint({b.x1, b.y1}));
        const bool collapsed = b.x1 == b.x2 && b.y1 == b.y2;
        if (collapsed || radius < 5) {
            continue;  // too small for rounding to leave its shape
        }
        ++compared;
        // The other side's middle lies across the circle, about 2 x radius away.
        ASSERT_LT(PointDistance(toRealPoint(ArcMidpoint(arcs[i])), toRealPoint(ArcMidpoint(b))),
                  std::max(4.0f, radius / 2))
            << i << ": " << arcs[i].x1 << "," << arcs[i].y1 << " " << arcs[i].x2 << ","
            << arcs[i].y2 << " c " << arcs[i].centreX << "," << arcs[i].centreY << " flag "
            << int{arcs[i].arcFlag} << " -> " << b.centreX << "," << b.centreY << " flag "
            << int{b.arcFlag};
    }
    EXPECT_GT(compared, 50000);
}

}  // namespace
