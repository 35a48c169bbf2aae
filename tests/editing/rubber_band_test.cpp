#include "editing/rubber_band.h"

#include "support/editor_fixture.h"

namespace {

using Op = RecordingCanvas::Op;
using Pen = RecordingCanvas::Pen;

const Pen XorAqua{Aqua, PenStyle::Solid, PenMode::Xor};

class RubberBandTest : public EditorFixture {
  protected:
    void SetUp() override {
        setWork({});
        state.pointerState = PointerState::LinePoints;
        state.lastPoint = {50, 50};
    }
};

TEST_F(RubberBandTest, EachMoveErasesTheOldLineAndDrawsTheNewOne) {
    TrackRubberLine(ctx, {100, 50});
    TrackRubberLine(ctx, {100, 80});
    TrackRubberLine(ctx, {100, 80});  // same place: nothing drawn
    const auto lines = canvas.callsOf(Op::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(canvas.linesBetween({50, 50}, {100, 50}, XorAqua), 2);
    EXPECT_EQ(canvas.linesBetween({50, 50}, {100, 80}, XorAqua), 1);
    EXPECT_EQ(state.rubber.lastRubberPos, (DisplayPoint{100, 80}));
    EXPECT_EQ(state.pointerPos, (DisplayPoint{100, 80}));
    EXPECT_TRUE(ui.timer2Enabled);
}

TEST_F(RubberBandTest, LeavingTheAreaRemovesTheLineAndDrawsNoNewOne) {
    TrackRubberLine(ctx, {100, 50});
    TrackRubberLine(ctx, {0, 0});
    EXPECT_EQ(canvas.linesBetween({50, 50}, {100, 50}, XorAqua), 2);
    EXPECT_EQ(canvas.callsOf(Op::Line).size(), 2u);
    EXPECT_FALSE(state.rubber.lastRubberPos.isSet());

    EraseRubberLine(ctx);  // nothing registered inside the area: nothing drawn
    EXPECT_EQ(canvas.callsOf(Op::Line).size(), 2u);
    EXPECT_FALSE(ui.timer2Enabled);
}

TEST_F(RubberBandTest, WithoutAChainStartNothingIsDrawnButThePositionIsKept) {
    state.lastPoint = {};
    TrackRubberLine(ctx, {100, 50});
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(state.rubber.lastRubberPos, (DisplayPoint{100, 50}));
}

TEST_F(RubberBandTest, InSelectModeTheLineIsNotTracked) {
    state.pointerState = PointerState::SelectIdle;
    TrackRubberLine(ctx, {100, 50});
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(RubberBandTest, TheArcReplacesTheLineAndFollowsThePointer) {
    state.pointerState = PointerState::ArcThirdPoint;
    state.rubber.rubberWasLine = true;
    state.rubber.lastRubberPos = {110, 155};
    state.lastPoint = {50, 155};
    EditArc arc;
    TrackRubberArc(ctx, {80, 125}, {50, 155}, {110, 155}, arc);
    EXPECT_EQ(canvas.linesBetween({50, 155}, {110, 155}, XorAqua), 1);  // the line removed
    EXPECT_EQ(arc.centre, (RealPoint{80, 155}));
    EXPECT_EQ(arc.arcFlag, 0);
    EXPECT_FALSE(state.rubber.rubberWasLine);
    EXPECT_EQ(state.rubber.rubberArc.centre, (RealPoint{80, 155}));
    EXPECT_EQ(canvas.callsOf(Op::Arc).size(), 1u);

    TrackRubberArc(ctx, {80, 185}, {50, 155}, {110, 155}, arc);
    const auto arcs = canvas.callsOf(Op::Arc);
    ASSERT_EQ(arcs.size(), 3u);  // the old arc again (removed), then the new one
    EXPECT_EQ(arcs[1].a, arcs[0].a);
    EXPECT_EQ(arcs[1].b, arcs[0].b);
    EXPECT_EQ(arc.arcFlag, 1);
    EXPECT_TRUE(ui.timer2Enabled);

    EraseRubberArc(ctx);
    EXPECT_EQ(canvas.callsOf(Op::Arc).size(), 4u);
    EXPECT_FALSE(ui.timer2Enabled);
}

TEST_F(RubberBandTest, ThreePointsOnALineGiveNoArcAndRegisterNone) {
    state.pointerState = PointerState::ArcThirdPoint;
    EditArc arc;
    TrackRubberArc(ctx, {50, 50}, {20, 20}, {80, 80}, arc);
    EXPECT_TRUE(canvas.callsOf(Op::Arc).empty());
    EXPECT_EQ(state.rubber.rubberArc.centre, (RealPoint{}));
    EraseRubberArc(ctx);
    EXPECT_TRUE(canvas.callsOf(Op::Arc).empty());
}

TEST_F(RubberBandTest, AnArcPointOffTheAreaDrawsNothingAndRegistersNoCentre) {
    state.pointerState = PointerState::ArcThirdPoint;
    EditArc arc;
    TrackRubberArc(ctx, {0, 0}, {50, 155}, {110, 155}, arc);
    EXPECT_TRUE(canvas.callsOf(Op::Arc).empty());
    EXPECT_EQ(state.rubber.rubberArc.centre, (RealPoint{}));
}

TEST_F(RubberBandTest, ForgettingClearsBothRegistrations) {
    state.rubber.lastRubberPos = {100, 100};
    state.rubber.rubberArc.centre = {80, 155};
    ForgetRubberBand(state);
    EXPECT_FALSE(state.rubber.lastRubberPos.isSet());
    EXPECT_EQ(state.rubber.rubberArc.centre, (RealPoint{}));
}

}  // namespace
