#include "display/entity_measures.h"

#include <cmath>

#include "display/arc_geometry.h"

namespace {

double d(int32_t value) {
    return static_cast<double>(value);
}

}  // namespace

double LineLength(const Entity& line) {
    return std::hypot(d(line.x2) - line.x1, d(line.y2) - line.y1);
}

double LineAngle(const Entity& line) {
    const double angle = std::atan2(d(line.y1) - line.y2, d(line.x2) - line.x1);
    return angle < 0 ? angle + 2 * M_PI : angle;
}

double ArcRadius(const Entity& arc) {
    return std::hypot(double{arc.centreX} - arc.x1, double{arc.centreY} - arc.y1);
}

double ArcSweepAngle(const Entity& arc) {
    if (arc.x1 == arc.x2 && arc.y1 == arc.y2) {
        return 2 * M_PI;
    }
    const RealPoint centre{arc.centreX, arc.centreY};
    const ArcSweep sweep = ArcDrawSweep(centre, {arc.x1, arc.y1}, {arc.x2, arc.y2}, arc.arcFlag);
    double angle = double{AngleAbout(centre, toRealPoint(sweep.to))} -
                   AngleAbout(centre, toRealPoint(sweep.from));
    if (angle <= 0) {
        angle += 2 * M_PI;
    }
    return angle;
}

double ArcLength(const Entity& arc) {
    return ArcRadius(arc) * ArcSweepAngle(arc);
}

bool CentreOnChord(const Entity& arc) {
    const double side = (d(arc.x2) - arc.x1) * (double{arc.centreY} - arc.y1) -
                        (d(arc.y2) - arc.y1) * (double{arc.centreX} - arc.x1);
    return std::fabs(side) < Tolerance;
}
