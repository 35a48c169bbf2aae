#include "display/picking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "support/entities.h"

namespace {

// A symbol with its origin at (155, 155), size radius 60 and clipping radius 100.
class PickingTest : public ::testing::Test {
  protected:
    void add(const Entity& entity) { entities[static_cast<std::size_t>(count++)] = entity; }
    void select(std::vector<int32_t> indices) { selection = std::move(indices); }

    PickScene scene() const {
        return {entities, count, {155, 155}, 100, 60, showClip, showSize, grips, selection};
    }

    EntityArray entities{};
    int32_t count = 0;
    bool showClip = false;
    bool showSize = false;
    Grips grips;
    std::vector<int32_t> selection;
};

TEST_F(PickingTest, SelectionDistanceIsThreeHundredWithNothingSelected) {
    add(lineEntity({20, 20}, {80, 20}));
    EXPECT_EQ(SelectionDistance({50, 22}, scene()), 300);
    select({0, 1});  // a leading 0 ends the selection
    EXPECT_EQ(SelectionDistance({50, 22}, scene()), 300);
}

TEST_F(PickingTest, SelectionDistanceTakesTheNearestSelectedEntity) {
    add(lineEntity({20, 20}, {80, 20}));
    add(lineEntity({20, 50}, {80, 50}));
    add(arcEntity({50, 155}, {110, 155}, {80, 155}, 0));
    select({1, 3});
    EXPECT_FLOAT_EQ(SelectionDistance({50, 45}, scene()), 25);  // line 2 is not selected
    EXPECT_FLOAT_EQ(SelectionDistance({80, 122}, scene()), 3);
    select({1});
    EXPECT_EQ(SelectionDistance({305, 305}, scene()), 300);  // nothing nearer than 300
}

TEST_F(PickingTest, SelectedNumbersOutsideTheEntityListAreSkipped) {
    add(lineEntity({20, 20}, {80, 20}));
    select({-4, 2, 251, 100000, 1});
    EXPECT_FLOAT_EQ(SelectionDistance({50, 30}, scene()), 10);
    // The first selected number is not an entity: the grips of nothing can be hit.
    grips.endGripsShown = true;
    grips.startPos = {20, 20};
    EXPECT_EQ(HitGrip({20, 20}, false, scene()), GripKind::None);
}

TEST_F(PickingTest, EntityCountBeyondTheArrayIsCut) {
    entities.back() = lineEntity({20, 20}, {80, 20});
    count = 100000;
    EXPECT_EQ(NearestPick({50, 21}, true, scene()).index, MaxEntities);
    count = -5;
    EXPECT_EQ(NearestPick({50, 21}, true, scene()).index, PickNothing);
}

TEST_F(PickingTest, NearestEntityWithTheLowerNumberOnTies) {
    add(lineEntity({20, 20}, {80, 20}));
    add(lineEntity({20, 40}, {80, 40}));
    add(lineEntity({20, 30}, {80, 30}));
    const Pick tie = NearestPick({50, 35}, false, scene());
    EXPECT_EQ(tie.index, 2);
    EXPECT_FLOAT_EQ(tie.distance, 5);
    EXPECT_EQ(NearestPick({50, 31}, false, scene()).index, 3);
}

TEST_F(PickingTest, NothingNearerThanSixHundred) {
    const Pick none = NearestPick({5, 5}, true, scene());
    EXPECT_EQ(none.index, PickNothing);
    EXPECT_EQ(none.distance, 600);
}

TEST_F(PickingTest, OriginWithinThreePixelsWinsWithoutLookingAtEntities) {
    add(lineEntity({150, 158}, {160, 158}));
    const Pick origin = NearestPick({155, 156}, false, scene());  // line 2 away, origin 1
    EXPECT_EQ(origin.index, PickOrigin);
    EXPECT_FLOAT_EQ(origin.distance, 1);
    // Even a line right under the pointer loses to an origin 2 pixels away.
    EXPECT_EQ(NearestPick({155, 157}, false, scene()).index, PickOrigin);
    // Three or more pixels from the origin the entities are looked at.
    add(lineEntity({140, 152}, {170, 152}));
    EXPECT_EQ(NearestPick({155, 152}, false, scene()).index, 2);
    // Entities only: the origin is not a candidate.
    EXPECT_EQ(NearestPick({155, 156}, true, scene()).index, 1);
}

TEST_F(PickingTest, RadiusCirclesArePickedOnlyWhileShown) {
    const DisplayPoint onSize{215, 155};
    const DisplayPoint onClip{155, 255};
    EXPECT_EQ(NearestPick(onSize, false, scene()).index, PickOrigin);
    EXPECT_EQ(NearestPick(onClip, false, scene()).index, PickOrigin);
    showSize = true;  // the size circle also needs the origin grip
    EXPECT_EQ(NearestPick(onSize, false, scene()).index, PickOrigin);
    showClip = true;
    EXPECT_EQ(NearestPick(onClip, false, scene()).index, PickClipCircle);
    grips.originShown = true;
    const Pick size = NearestPick({216, 155}, false, scene());
    EXPECT_EQ(size.index, PickSizeCircle);
    EXPECT_FLOAT_EQ(size.distance, 1);
}

TEST_F(PickingTest, SizeCircleHitNeedsItShownWithTheOriginGrip) {
    EXPECT_FALSE(HitSizeCircle({216, 155}, scene()));
    showSize = true;
    EXPECT_FALSE(HitSizeCircle({216, 155}, scene()));
    grips.originShown = true;
    EXPECT_TRUE(HitSizeCircle({216, 155}, scene()));
    EXPECT_TRUE(HitSizeCircle({155, 96}, scene()));
    EXPECT_FALSE(HitSizeCircle({217, 155}, scene()));  // 2 away is not within 2
    EXPECT_FALSE(HitSizeCircle({155, 155}, scene()));
}

TEST_F(PickingTest, GripSquareReachesFourPixelsEachWay) {
    add(lineEntity({50, 50}, {100, 50}));
    select({1});
    grips.endGripsShown = true;
    grips.startPos = {50, 50};
    grips.endPos = {100, 50};
    EXPECT_EQ(HitGrip({54, 46}, false, scene()), GripKind::Start);
    EXPECT_EQ(HitGrip({46, 54}, false, scene()), GripKind::Start);
    EXPECT_EQ(HitGrip({55, 50}, false, scene()), GripKind::None);
    EXPECT_EQ(HitGrip({50, 45}, false, scene()), GripKind::None);
    EXPECT_EQ(HitGrip({96, 54}, false, scene()), GripKind::End);
    // The middle grip belongs to arcs only.
    grips.middlePos = {75, 50};
    EXPECT_EQ(HitGrip({75, 50}, false, scene()), GripKind::None);
}

TEST_F(PickingTest, GripsAtTheEndsOfTheIntegerRangeDoNotOverflow) {
    add(lineEntity({50, 50}, {100, 50}));
    select({1});
    grips.endGripsShown = true;
    grips.startPos = {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()};
    grips.endPos = {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min()};
    EXPECT_EQ(HitGrip({5, 5}, false, scene()), GripKind::None);
}

TEST_F(PickingTest, GripsNeedASelectionAndShownEndGrips) {
    add(lineEntity({50, 50}, {100, 50}));
    grips.startPos = {50, 50};
    grips.endGripsShown = true;
    EXPECT_EQ(HitGrip({50, 50}, false, scene()), GripKind::None);
    select({1});
    grips.endGripsShown = false;
    EXPECT_EQ(HitGrip({50, 50}, false, scene()), GripKind::None);
}

TEST_F(PickingTest, OriginGripComesFirstUnlessEntitiesOnly) {
    add(lineEntity({155, 155}, {200, 155}));
    select({1});
    grips.endGripsShown = true;
    grips.startPos = {155, 155};
    grips.endPos = {200, 155};
    grips.originShown = true;
    grips.originPos = {155, 155};
    EXPECT_EQ(HitGrip({156, 156}, false, scene()), GripKind::Origin);
    EXPECT_EQ(HitGrip({156, 156}, true, scene()), GripKind::Start);
    grips.originShown = false;
    EXPECT_EQ(HitGrip({156, 156}, false, scene()), GripKind::Start);
}

TEST_F(PickingTest, MiddleGripOfAnArcWinsOverAnOverlappingEndGrip) {
    // A short arc whose middle grip sits within reach of its end grip.
    add(arcEntity({100, 60}, {106, 61}, {103, 100}, 0));
    select({1});
    grips.endGripsShown = true;
    grips.middleShown = true;
    grips.startPos = {100, 60};
    grips.endPos = {106, 61};
    grips.middlePos = {103, 60};
    EXPECT_EQ(HitGrip({100, 60}, false, scene()), GripKind::Start);  // start before middle
    EXPECT_EQ(HitGrip({106, 62}, false, scene()), GripKind::Middle);
    EXPECT_EQ(HitGrip({110, 62}, false, scene()), GripKind::End);
}

}  // namespace
