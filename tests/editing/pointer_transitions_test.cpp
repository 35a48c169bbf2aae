#include "editing/drawing_tools.h"
#include "editing/pointer_input.h"
#include "editing/selection_commands.h"
#include "support/pointer_fixture.h"

namespace {

constexpr PointerState AllStates[] = {
    PointerState::ArcPoints,      PointerState::LinePoints,    PointerState::DragSizeRadius,
    PointerState::DragClipRadius, PointerState::ArcThirdPoint, PointerState::SelectIdle,
    PointerState::DragOrigin,     PointerState::DragHandle,    PointerState::MoveSelection,
};

class ToolCommandTest : public PointerFixture, public ::testing::WithParamInterface<PointerState> {
  protected:
    ToolCommandTest() {
        setWork({lineEntity(20, 20, 80, 20)});
        state.pointerState = GetParam();
    }
};

TEST_P(ToolCommandTest, EverySelectCommandLeadsToSelectIdle) {
    EditMenu_Select_Click(ctx);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    state.pointerState = GetParam();
    PopUpMnuSelectClick(ctx);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
}

TEST_P(ToolCommandTest, EveryLineCommandLeadsToLinePoints) {
    PopUpMnuLineClick(ctx);
    EXPECT_EQ(state.pointerState, PointerState::LinePoints);
    state.pointerState = GetParam();
    DrawMenu_Click(ctx, Command::DrawMenu_Line);
    EXPECT_EQ(state.pointerState, PointerState::LinePoints);
    EXPECT_EQ(ui.cursor, CursorShape::Cross);
}

TEST_P(ToolCommandTest, EveryArcCommandLeadsToArcPoints) {
    PopUpMnuArcClick(ctx);
    EXPECT_EQ(state.pointerState, PointerState::ArcPoints);
    state.pointerState = GetParam();
    DrawMenu_Click(ctx, Command::DrawMenu_Arc);
    EXPECT_EQ(state.pointerState, PointerState::ArcPoints);
    EXPECT_TRUE(state.rubber.rubberWasLine);
}

INSTANTIATE_TEST_SUITE_P(FromEveryState, ToolCommandTest, ::testing::ValuesIn(AllStates));

// A left release off the drawing area ends only a grip drag or a move.
class ReleaseOffTheAreaTest : public PointerFixture,
                              public ::testing::WithParamInterface<PointerState> {};

TEST_P(ReleaseOffTheAreaTest, LeavesTheStateAsItWas) {
    setWork({lineEntity(20, 20, 80, 20)});
    state.lastPoint = {50, 50};
    state.arcEndPoint = {80, 50};
    state.pointerState = GetParam();
    release(400, 100);
    EXPECT_EQ(state.pointerState, GetParam());
    release(100, 312);
    EXPECT_EQ(state.pointerState, GetParam());
}

class SingleDragTest : public PointerFixture, public ::testing::WithParamInterface<PointerState> {};

TEST_P(SingleDragTest, EndsAtTheNextReleaseInsideTheArea) {
    setWork({});
    state.pointerState = GetParam();
    release(400, 100);
    release(2, 100);  // pulled onto the edge, so inside
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_TRUE(state.library.entryModified);
}

INSTANTIATE_TEST_SUITE_P(OriginAndRadii, SingleDragTest,
                         ::testing::Values(PointerState::DragSizeRadius,
                                           PointerState::DragClipRadius, PointerState::DragOrigin));

INSTANTIATE_TEST_SUITE_P(DrawingAndSingleDrags, ReleaseOffTheAreaTest,
                         ::testing::Values(PointerState::LinePoints, PointerState::ArcPoints,
                                           PointerState::ArcThirdPoint,
                                           PointerState::DragSizeRadius,
                                           PointerState::DragClipRadius, PointerState::DragOrigin));

class PointerTransitionTest : public PointerFixture {
  protected:
    PointerTransitionTest() { setWork({lineEntity(20, 50, 100, 50)}); }
    void selectFirst() {
        state.pointerState = PointerState::SelectIdle;
        click(60, 50);
        ASSERT_EQ(state.selection[0], 1);
    }
};

TEST_F(PointerTransitionTest, ADragHandleOrMoveEndsWhereverTheButtonComesUp) {
    selectFirst();
    hover(60, 50);
    press(60, 50);
    dragTo(62, 52);
    EXPECT_EQ(state.pointerState, PointerState::MoveSelection);
    dragTo(-50, 500);
    release(-50, 500);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);

    const DisplayPoint end = state.grips.endPos;
    hover(end.x, end.y);
    press(end.x, end.y);
    EXPECT_EQ(state.pointerState, PointerState::DragHandle);
    dragTo(400, 400);
    release(400, 400);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
}

TEST_F(PointerTransitionTest, APressFocusesTheDrawingSoTheArrowKeysActOnIt) {
    ui.listHasFocus = true;
    press(60, 60);
    EXPECT_EQ(ui.focus, FocusTarget::ColourDisplayBox);
    EXPECT_EQ(state.downPoint, (RealPoint{60, 60}));
}

TEST_F(PointerTransitionTest, AMoveShowsThePositionInGridCellsOnlyInsideTheArea) {
    hover(35, 290);
    EXPECT_EQ(ui.statusText(1), "2,1");
    hover(400, 290);
    EXPECT_EQ(ui.statusText(1), "2,1");
    EXPECT_EQ(state.pointerPos, (DisplayPoint{310, 290}));
    EXPECT_EQ(state.rawPointerPos, (DisplayPoint{400, 290}));
}

class RubberBandLifeTest : public PointerFixture {
  protected:
    RubberBandLifeTest() {
        setWork({});
        tbLineBtn_Click(ctx);
        click(50, 50);
        hover(110, 80);
    }
    static constexpr RecordingCanvas::Pen XorPen{Aqua, PenStyle::Solid, PenMode::Xor};
    // How often the rubber band from (50, 50) to (110, 80) was drawn: odd while it is shown.
    int drawings() const { return canvas.linesBetween({50, 50}, {110, 80}, XorPen); }
};

TEST_F(RubberBandLifeTest, LeavingTheWindowAreaTakesTheLineAwayAtOnce) {
    EXPECT_EQ(drawings(), 1);
    Form_MouseMove(ctx);
    EXPECT_EQ(drawings(), 2);
    EXPECT_FALSE(state.pointerPos.isSet());
    hover(110, 80);
    EXPECT_EQ(drawings(), 3);
}

TEST_F(RubberBandLifeTest, TheTimerRemovesTheFeedbackOnlyOnceThePointerIsOffThePanel) {
    Timer2Timer(ctx);
    EXPECT_EQ(drawings(), 1);
    ui.pointerOverPanel = false;
    Timer2Timer(ctx);
    EXPECT_EQ(drawings(), 2);
    EXPECT_FALSE(state.rubber.lastRubberPos.isSet());
    Timer2Timer(ctx);
    EXPECT_EQ(drawings(), 2);
    EXPECT_FALSE(ui.timer2Enabled);
}

TEST_F(RubberBandLifeTest, TheContextMenuRemovesTheLineOnceNotTwice) {
    PopUpMnuLineClick(ctx);
    EXPECT_EQ(drawings(), 2);
    hover(120, 120);
    EXPECT_EQ(drawings(), 2);  // a new chain: no start point, no rubber band
}

TEST_F(RubberBandLifeTest, ARubberBandGoneWithTheSelectToolIsNotDrawnAgainByTheNextTool) {
    EditMenu_Select_Click(ctx);  // the full redraw wipes the feedback
    const int before = drawings();
    tbLineBtn_Click(ctx);
    EXPECT_EQ(drawings(), before);
}

TEST_F(RubberBandLifeTest, TheRubberArcGoesWhenTheToolChangesDuringTheThirdPoint) {
    tbArcBtn_Click(ctx);  // from the Line tool: the chain goes on from (50, 50)
    click(110, 80);
    hover(90, 40);
    const auto xorArcs = [&] {
        int n = 0;
        for (const auto& call : canvas.callsOf(RecordingCanvas::Op::Arc)) {
            n += call.pen.mode == PenMode::Xor ? 1 : 0;
        }
        return n;
    };
    const int shown = xorArcs();
    ASSERT_EQ(shown % 2, 1);
    const int linesBefore = drawings();
    tbLineBtn_Click(ctx);
    EXPECT_EQ(xorArcs(), shown + 1);
    EXPECT_EQ(drawings(), linesBefore);
}

}  // namespace
