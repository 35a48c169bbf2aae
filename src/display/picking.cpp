#include "display/picking.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "display/arc_geometry.h"

namespace {

constexpr float NothingSelectedDistance = 300;
// Nearer than this to the origin or a circle, entities are not looked at.
constexpr float OriginPickDistance = 3;
constexpr int64_t GripReach = 4;
constexpr float SizeCircleReach = 2;

int32_t usableCount(const PickScene& scene) {
    return std::clamp(scene.entityCount, 0, static_cast<int32_t>(scene.entities.size()));
}

// The selected entities in selection order, skipping numbers outside the entity list.
template <typename Visit>
void forEachSelected(const PickScene& scene, Visit visit) {
    const int32_t count = usableCount(scene);
    for (const int32_t index : scene.selected) {
        if (index == 0) {
            break;
        }
        if (index >= 1 && index <= count) {
            visit(scene.entities[static_cast<std::size_t>(index - 1)]);
        }
    }
}

// The first entity of the selection, nothing when the selection is empty.
const Entity* firstSelected(const PickScene& scene) {
    if (scene.selected.empty()) {
        return nullptr;
    }
    const int32_t index = scene.selected.front();
    if (index < 1 || index > usableCount(scene)) {
        return nullptr;
    }
    return &scene.entities[static_cast<std::size_t>(index - 1)];
}

bool gripHit(DisplayPoint grip, DisplayPoint pointer) {
    return std::abs(int64_t{pointer.x} - grip.x) <= GripReach &&
           std::abs(int64_t{pointer.y} - grip.y) <= GripReach;
}

float originDistance(DisplayPoint p, const PickScene& scene) {
    return PointDistance(toRealPoint(scene.origin), toRealPoint(p));
}

}  // namespace

float SelectionDistance(DisplayPoint p, const PickScene& scene) {
    float best = NothingSelectedDistance;
    forEachSelected(
        scene, [&](const Entity& entity) { best = std::min(best, EntityDistance(p, entity)); });
    return best;
}

Pick NearestPick(DisplayPoint p, bool entitiesOnly, const PickScene& scene) {
    Pick best;
    const auto consider = [&best](float distance, int32_t index) {
        if (distance < best.distance) {
            best = {index, distance};
        }
    };
    if (!entitiesOnly) {
        const float f = originDistance(p, scene);
        if (scene.showClipRadius) {
            consider(std::fabs(f - static_cast<float>(scene.clipRadius)), PickClipCircle);
        }
        if (scene.showSizeRadius && scene.grips.originShown) {
            consider(std::fabs(f - static_cast<float>(scene.sizeRadius)), PickSizeCircle);
        }
        consider(f, PickOrigin);
        if (best.distance < OriginPickDistance) {
            return best;
        }
    }
    const int32_t count = usableCount(scene);
    for (int32_t i = 0; i < count; ++i) {
        consider(EntityDistance(p, scene.entities[static_cast<std::size_t>(i)]), i + 1);
    }
    return best;
}

GripKind HitGrip(DisplayPoint rawPointer, bool entitiesOnly, const PickScene& scene) {
    const Grips& grips = scene.grips;
    if (!entitiesOnly && grips.originShown && gripHit(grips.originPos, rawPointer)) {
        return GripKind::Origin;
    }
    const Entity* first = firstSelected(scene);
    if (first == nullptr || !grips.endGripsShown) {
        return GripKind::None;
    }
    if (gripHit(grips.startPos, rawPointer)) {
        return GripKind::Start;
    }
    // The middle grip of an arc wins over an end grip it overlaps.
    if (first->isArc != 0 && gripHit(grips.middlePos, rawPointer)) {
        return GripKind::Middle;
    }
    return gripHit(grips.endPos, rawPointer) ? GripKind::End : GripKind::None;
}

bool HitSizeCircle(DisplayPoint p, const PickScene& scene) {
    return scene.showSizeRadius && scene.grips.originShown &&
           std::fabs(originDistance(p, scene) - static_cast<float>(scene.sizeRadius)) <
               SizeCircleReach;
}
