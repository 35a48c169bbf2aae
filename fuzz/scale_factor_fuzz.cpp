// Feeds arbitrary text to the scale factor reader, as typed into the Scale dialog (with either
// decimal sign) or given to glyphlib transform --scale. A factor it accepts lies in 0.1..10,
// and scaling by it either refuses or gives lines and arcs the drawing area can hold.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "display/arc_geometry.h"
#include "display/entity_transform.h"

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool inArea(int32_t x, int32_t y) {
    return x >= AreaMin && x <= AreaMax && y >= AreaMin && y <= AreaMax;
}

Entity arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, float cx, float cy, uint8_t flag) {
    Entity e;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.isArc = 1;
    e.centreX = cx;
    e.centreY = cy;
    e.arcFlag = flag;
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char sign : {'.', ','}) {
        const std::optional<double> factor = ParseScaleFactor(text, sign);
        if (!factor) {
            continue;
        }
        check(std::isfinite(*factor) && *factor >= MinScaleFactor && *factor <= MaxScaleFactor);
        Entity line;
        line.x1 = 140;
        line.y1 = 150;
        line.x2 = 171;
        line.y2 = 163;
        const Entity shapes[] = {line, arc(140, 155, 170, 155, 155, 155, 1),
                                 arc(140, 155, 140, 155, 155, 155, 1),
                                 arc(150, 150, 170, 160, 163.25f, 149.5f, 0)};
        for (const Entity& e : shapes) {
            const TransformedEntity image =
                TransformEntity(e, {TransformKind::Scale, *factor}, {155, 155});
            if (image.refusal == TransformRefusal::None) {
                const Entity& s = image.entity;
                check(inArea(s.x1, s.y1) && inArea(s.x2, s.y2));
                check(!s.isArc || IsValidCentre({s.centreX, s.centreY}));
            }
        }
    }
    return 0;
}
