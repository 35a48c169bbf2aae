#include "platform/pen_pattern.h"

#include <array>
#include <numeric>

namespace {
constexpr std::array<int, 2> DashRuns{4, 2};
constexpr std::array<int, 2> DotRuns{1, 2};
constexpr std::array<int, 6> DashDotDotRuns{4, 2, 1, 2, 1, 2};
}  // namespace

std::span<const int> penDashRuns(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return DashRuns;
        case PenStyle::Dot:
            return DotRuns;
        case PenStyle::DashDotDot:
            return DashDotDotRuns;
        case PenStyle::Solid:
            break;
    }
    return {};
}

bool penPaintsStep(std::span<const int> runs, long long step) {
    if (runs.empty()) {
        return true;
    }
    const int period = std::accumulate(runs.begin(), runs.end(), 0);
    long long position = step % period;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (position < runs[i]) {
            return i % 2 == 0;  // even runs are dashes, odd runs gaps
        }
        position -= runs[i];
    }
    return false;
}
