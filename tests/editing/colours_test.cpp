#include "editing/colours.h"

#include "editing/redraw.h"
#include "editing/selection.h"
#include "editing/undo.h"
#include "support/editor_fixture.h"

namespace {

constexpr Rgb Red{255, 0, 0};
constexpr Rgb Lime{0, 255, 0};

class ColoursTest : public EditorFixture {};

TEST_F(ColoursTest, WithColoursOffABoxClickOnlyBeeps) {
    setWork({lineEntity(20, 20, 50, 20, 3)}, false);
    addToSelection(state.selection, 1);
    state.currentColour = 3;
    ColourBox_Click(ctx, 7);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(state.currentColour, 3);
    EXPECT_FALSE(ui.samplePen.has_value());
    EXPECT_EQ(workEntity(1).colour, 3);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(ColoursTest, WithNothingSelectedOnlyTheCurrentColourChanges) {
    setWork({lineEntity(20, 20, 50, 20, 3)});
    ColourBox_Click(ctx, 2);
    EXPECT_EQ(state.currentColour, 2);
    EXPECT_EQ(ui.samplePen, Lime);
    EXPECT_EQ(state.colourSamplePen, Lime);
    EXPECT_EQ(workEntity(1).colour, 3);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(ColoursTest, RecolouringThreeRecordsThreeStepsUndoneOneAtATime) {
    setWork({lineEntity(20, 20, 50, 20, 3), lineEntity(50, 20, 50, 50, 4),
             lineEntity(50, 50, 80, 50, 5)});
    for (int32_t e : {2, 3, 1}) {
        addToSelection(state.selection, e);
    }
    ColourBox_Click(ctx, 10);
    EXPECT_EQ(state.undoCount, 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(workEntity(i).colour, 10);
    }
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(state.undoHistory[0].index, 2);  // in selection order
    EXPECT_EQ(state.undoHistory[2].index, 1);

    tbUndoBtn_click(ctx);
    EXPECT_EQ(workEntity(1).colour, 3);
    EXPECT_EQ(workEntity(3).colour, 10);
    tbUndoBtn_click(ctx);
    tbUndoBtn_click(ctx);
    EXPECT_EQ(workEntity(2).colour, 4);
    EXPECT_EQ(workEntity(3).colour, 5);
}

TEST_F(ColoursTest, ASingleRecolouredEntityKeepsItsGripsOnScreen) {
    setWork({lineEntity(20, 20, 50, 20, 3)});
    addToSelection(state.selection, 1);
    DrawSelectedEntity(ctx, 1);
    ASSERT_TRUE(state.grips.endGripsShown);
    canvas.forget();
    ColourBox_Click(ctx, 5);
    // Off at the old places, on again at the same ones: every square is inverted twice.
    const auto squares = canvas.callsOf(RecordingCanvas::Op::InvertSquare);
    ASSERT_EQ(squares.size(), 4u);
    EXPECT_EQ(squares[0].a, squares[2].a);
    EXPECT_EQ(squares[1].a, squares[3].a);
    const RecordingCanvas::Pen dottedBlue{{0, 0, 255}, PenStyle::Dot, PenMode::Copy};
    EXPECT_EQ(canvas.linesBetween({20, 20}, {50, 20}, dottedBlue), 1);
}

TEST_F(ColoursTest, DifferentColoursInTheSelectionShowASilverSample) {
    setWork({lineEntity(20, 20, 50, 20, 3), arcEntity(50, 155, 110, 155, 80, 155, 1, 5)});
    addToSelection(state.selection, 1);
    UpdateColourSample(ctx);
    EXPECT_EQ(ui.samplePen, Red);
    addToSelection(state.selection, 2);
    UpdateColourSample(ctx);
    EXPECT_EQ(ui.samplePen, Silver);

    ColourBox_Click(ctx, 2);
    EXPECT_EQ(workEntity(1).colour, 2);
    EXPECT_EQ(workEntity(2).colour, 2);
    UpdateColourSample(ctx);
    EXPECT_EQ(ui.samplePen, Lime);
}

TEST_F(ColoursTest, TheSampleFromTheSelectionIsSilverWhileColoursAreOff) {
    setWork({lineEntity(20, 20, 50, 20, 1)}, false);
    addToSelection(state.selection, 1);
    UpdateColourSample(ctx);
    EXPECT_EQ(ui.samplePen, Silver);
    EXPECT_EQ(state.currentColour, 1);
}

TEST_F(ColoursTest, AnEmptySelectionLeavesTheSampleAlone) {
    setWork({lineEntity(20, 20, 50, 20, 3)});
    UpdateColourSample(ctx);
    EXPECT_FALSE(ui.samplePen.has_value());
}

TEST_F(ColoursTest, TheBoxesAndTheSampleFollowTheEntrysColourSetting) {
    setWork({}, false);
    state.currentColour = 15;
    ShowColourBoxes(ctx);
    ShowCurrentColourSample(ctx);
    EXPECT_EQ(ui.colourBoxesActive, false);
    EXPECT_EQ(ui.samplePen, Black);

    state.work.workEntry.useColours = 1;
    ShowColourBoxes(ctx);
    ShowCurrentColourSample(ctx);
    EXPECT_EQ(ui.colourBoxesActive, true);
    EXPECT_EQ(ui.samplePen, (Rgb{128, 0, 128}));  // purple
}

TEST_F(ColoursTest, BoxNumbersOutsideTheSixteenAreIgnored) {
    setWork({lineEntity(20, 20, 50, 20, 3)});
    addToSelection(state.selection, 1);
    ColourBox_Click(ctx, 0);
    ColourBox_Click(ctx, 17);
    EXPECT_EQ(state.currentColour, 1);
    EXPECT_EQ(workEntity(1).colour, 3);
    EXPECT_EQ(state.undoCount, 0);
}

}  // namespace
