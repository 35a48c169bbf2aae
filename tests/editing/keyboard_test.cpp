#include "editing/keyboard.h"

#include <vector>

#include "editing/drawing_tools.h"
#include "editing/support/pointer_fixture.h"

namespace {

class KeyboardTest : public PointerFixture {
  protected:
    KeyboardTest() { setWork({}); }

    // The coordinates the pointer takes on the key's axis over `presses` presses.
    std::vector<int32_t> visits(DrawingKey key, int presses) {
        const bool alongX = key == DrawingKey::Left || key == DrawingKey::Right;
        std::vector<int32_t> seen;
        for (int i = 0; i < presses; ++i) {
            Editor_KeyDown(ctx, key);
            seen.push_back(alongX ? state.pointerPos.x : state.pointerPos.y);
        }
        return seen;
    }
    void startLineToolAt(int x, int y, bool snap) {
        state.snapToGrid = snap;
        tbLineBtn_Click(ctx);
        hover(x, y);
    }
};

TEST(KeyboardStep, WithoutSnappingStepsFollowTheOffsetWithinTheCell) {
    // By the offset r within the grid cell, r mod 3 = 0, 1, 2.
    const int32_t starts[] = {5, 6, 7, 8, 9, 10, 305, 19, 20};
    const int32_t back[] = {-1, -1, -2, -1, -1, -2, -1, -2, -1};
    const int32_t forward[] = {1, 2, 1, 1, 2, 1, 1, 1, 1};
    for (size_t i = 0; i < std::size(starts); ++i) {
        EXPECT_EQ(KeyboardStep(DrawingKey::Left, starts[i], false), back[i]) << starts[i];
        EXPECT_EQ(KeyboardStep(DrawingKey::Up, starts[i], false), back[i]) << starts[i];
        EXPECT_EQ(KeyboardStep(DrawingKey::Right, starts[i], false), forward[i]) << starts[i];
        EXPECT_EQ(KeyboardStep(DrawingKey::Down, starts[i], false), forward[i]) << starts[i];
    }
}

TEST(KeyboardStep, WithSnappingStepsAreOneCell) {
    EXPECT_EQ(KeyboardStep(DrawingKey::Right, 20, true), 15);
    EXPECT_EQ(KeyboardStep(DrawingKey::Down, 20, true), 15);
    EXPECT_EQ(KeyboardStep(DrawingKey::Left, 20, true), -15);
    EXPECT_EQ(KeyboardStep(DrawingKey::Up, 20, true), -15);
}

TEST_F(KeyboardTest, WithoutSnappingTheArrowsWalkTenthsOfACell) {
    startLineToolAt(5, 100, false);
    EXPECT_EQ(visits(DrawingKey::Right, 10),
              (std::vector<int32_t>{6, 8, 9, 11, 12, 14, 15, 17, 18, 20}));
    EXPECT_EQ(visits(DrawingKey::Left, 10),
              (std::vector<int32_t>{19, 17, 16, 14, 13, 11, 10, 8, 7, 5}));
    EXPECT_EQ(state.pointerPos.y, 100);

    hover(100, 5);
    EXPECT_EQ(visits(DrawingKey::Down, 3), (std::vector<int32_t>{6, 8, 9}));
    EXPECT_EQ(visits(DrawingKey::Up, 3), (std::vector<int32_t>{8, 7, 5}));
    EXPECT_EQ(state.pointerPos.x, 100);
}

TEST_F(KeyboardTest, ThePointerStaysOnTheDrawingArea) {
    startLineToolAt(290, 20, true);
    EXPECT_EQ(visits(DrawingKey::Right, 3), (std::vector<int32_t>{305, 305, 305}));
    EXPECT_EQ(visits(DrawingKey::Up, 2), (std::vector<int32_t>{5, 5}));

    state.snapToGrid = false;
    hover(5, 305);
    EXPECT_EQ(visits(DrawingKey::Left, 1), (std::vector<int32_t>{5}));
    EXPECT_EQ(visits(DrawingKey::Down, 1), (std::vector<int32_t>{305}));
}

TEST_F(KeyboardTest, EachKeyPlacesTheScreenPointerAndShowsTheCross) {
    startLineToolAt(20, 20, true);
    ui.cursor = CursorShape::Arrow;
    Editor_KeyDown(ctx, DrawingKey::Down);
    Editor_KeyDown(ctx, DrawingKey::Space);
    EXPECT_EQ(ui.placedPointer, (std::vector<DisplayPoint>{{20, 35}, {20, 35}}));
    EXPECT_EQ(ui.cursor, CursorShape::Cross);
}

TEST_F(KeyboardTest, SpaceAndThreeRightsDrawOneLineThreeCellsLong) {
    startLineToolAt(95, 95, true);
    Editor_KeyDown(ctx, DrawingKey::Space);
    EXPECT_EQ(state.lastPoint, (DisplayPoint{95, 95}));
    for (int i = 0; i < 3; ++i) {
        Editor_KeyDown(ctx, DrawingKey::Right);
    }
    EXPECT_EQ(state.rubber.lastRubberPos, (DisplayPoint{140, 95}));
    Editor_KeyDown(ctx, DrawingKey::Space);
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), lineEntity(95, 95, 140, 95));
    EXPECT_EQ(state.lastPoint, (DisplayPoint{140, 95}));
}

TEST_F(KeyboardTest, OneSpaceInTheArcToolPlacesOnlyTheStart) {
    tbArcBtn_Click(ctx);
    hover(50, 50);
    Editor_KeyDown(ctx, DrawingKey::Space);
    EXPECT_EQ(state.lastPoint, (DisplayPoint{50, 50}));
    EXPECT_EQ(state.pointerState, PointerState::ArcPoints);
    EXPECT_EQ(ui.statusText(0), "#24");
    EXPECT_EQ(state.work.workEntityCount, 0);
}

TEST_F(KeyboardTest, DrawMenuWithThePointerNeverOverTheAreaStartsFromOneHundred) {
    state.snapToGrid = false;
    DrawMenu_Click(ctx, Command::DrawMenu_Line);
    Editor_KeyDown(ctx, DrawingKey::Right);
    EXPECT_EQ(state.pointerPos, (DisplayPoint{101, 100}));
}

TEST_F(KeyboardTest, KeysDoNothingOutsideTheTwoPointStatesOffTheAreaOrOnTheList) {
    const auto unmoved = [this](const char* why) {
        const DisplayPoint before = state.pointerPos;
        ui.placedPointer.clear();
        for (DrawingKey key : {DrawingKey::Right, DrawingKey::Space}) {
            Editor_KeyDown(ctx, key);
        }
        EXPECT_EQ(state.pointerPos, before) << why;
        EXPECT_TRUE(ui.placedPointer.empty()) << why;
        EXPECT_EQ(state.work.workEntityCount, 0) << why;
    };
    hover(50, 50);
    unmoved("Select tool");

    tbLineBtn_Click(ctx);
    ui.listHasFocus = true;
    unmoved("entry list focused");
    ui.listHasFocus = false;

    Form_MouseMove(ctx);
    unmoved("pointer off the area");

    tbArcBtn_Click(ctx);
    click(50, 50);
    click(110, 50);
    ASSERT_EQ(state.pointerState, PointerState::ArcThirdPoint);
    unmoved("point on the arc awaited");
}

TEST_F(KeyboardTest, SnapToGridTogglesTheCheckMarkAndTheStep) {
    ui.setStatusText(0, "hint");
    EditMenu_Snap_Click(ctx);
    EXPECT_FALSE(state.snapToGrid);
    EXPECT_EQ(ui.isChecked(Command::EditMenu_Snap), false);
    EXPECT_EQ(ui.statusText(0), "");
    EditMenu_Snap_Click(ctx);
    EXPECT_TRUE(state.snapToGrid);
    EXPECT_EQ(ui.isChecked(Command::EditMenu_Snap), true);
}

}  // namespace
