#include "display/arc_geometry.h"
#include "editing/drawing_tools.h"
#include "editing/pointer_input.h"
#include "support/pointer_fixture.h"

namespace {

class ChainDrawingTest : public PointerFixture {
  protected:
    ChainDrawingTest() { setWork({}); }

    // Fills the working copy with short lines, as if they had been drawn before.
    void fillWithLines(int count) {
        for (int i = 0; i < count; ++i) {
            state.work.workEntities[i] = lineEntity(20, 20 + i, 40, 20 + i);
        }
        state.work.workEntityCount = count;
    }
    int undoSteps() const { return state.undoCount; }
};

// The texts of a strings module.
class TranslatedStrings : public StringSource {
  public:
    std::string loadText(int n) const override { return "module " + std::to_string(n); }
};

TEST_F(ChainDrawingTest, LinesFormAChainFromTheSnappedClicks) {
    tbLineBtn_Click(ctx);
    EXPECT_EQ(state.pointerState, PointerState::LinePoints);
    EXPECT_EQ(ui.statusText(0), "#27");
    EXPECT_EQ(ui.cursor, CursorShape::Cross);
    EXPECT_EQ(ui.isChecked(Command::DrawMenu_Line), true);
    EXPECT_EQ(ui.isChecked(Command::DrawMenu_Arc), false);
    EXPECT_EQ(ui.isChecked(Command::EditMenu_Select), false);

    click(22, 19);  // snaps to the grid point (20, 20)
    EXPECT_EQ(state.work.workEntityCount, 0);
    EXPECT_EQ(state.lastPoint, (DisplayPoint{20, 20}));
    EXPECT_EQ(ui.statusText(0), "#25");

    click(81, 21);
    click(79, 112);
    ASSERT_EQ(state.work.workEntityCount, 2);
    EXPECT_EQ(workEntity(1), lineEntity(20, 20, 80, 20));
    EXPECT_EQ(workEntity(2), lineEntity(80, 20, 80, 110));
    EXPECT_EQ(state.lastPoint, (DisplayPoint{80, 110}));
    EXPECT_EQ(undoSteps(), 2);
    EXPECT_EQ(state.undoHistory[0].kind, UndoKind::Added);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Select), true);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_SelectAll), true);
}

TEST_F(ChainDrawingTest, WithoutACurrentEntryClicksDrawNothing) {
    state.library.currentEntry = 0;
    for (auto tool : {tbLineBtn_Click, tbArcBtn_Click}) {
        tool(ctx);
        for (DisplayPoint at : {DisplayPoint{20, 20}, {80, 20}, {50, 50}, {80, 80}}) {
            click(at.x, at.y);
        }
        EXPECT_EQ(state.work.workEntityCount, 0);
        EXPECT_FALSE(state.lastPoint.isSet());
    }
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_TRUE(canvas.callsOf(RecordingCanvas::Op::Line).empty());
}

TEST_F(ChainDrawingTest, NewLinesTakeTheCurrentColourOnlyWhileTheEntryUsesColours) {
    state.currentColour = 7;
    tbLineBtn_Click(ctx);
    click(20, 20);
    click(50, 20);
    EXPECT_EQ(workEntity(1).colour, 7);

    state.work.workEntry.useColours = 0;
    click(50, 50);
    EXPECT_EQ(workEntity(2).colour, 1);
}

TEST_F(ChainDrawingTest, TwoClicksOnTheSameSnappedPointMakeNothingAndKeepTheChainStart) {
    tbLineBtn_Click(ctx);
    click(20, 20);
    click(23, 17);
    EXPECT_EQ(state.work.workEntityCount, 0);
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_EQ(state.lastPoint, (DisplayPoint{20, 20}));
    click(50, 20);
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), lineEntity(20, 20, 50, 20));
}

TEST_F(ChainDrawingTest, TheRightButtonStartsANewChainWithoutDrawing) {
    tbLineBtn_Click(ctx);
    click(65, 65, MouseButton::Right);
    EXPECT_EQ(state.work.workEntityCount, 0);
    EXPECT_EQ(ui.statusText(0), "#27");  // the prompt is left as it was
    click(125, 65);
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), lineEntity(65, 65, 125, 65));

    click(200, 200, MouseButton::Right);
    click(230, 200);
    ASSERT_EQ(state.work.workEntityCount, 2);
    EXPECT_EQ(workEntity(2), lineEntity(200, 200, 230, 200));
}

TEST_F(ChainDrawingTest, ARightReleaseOffTheAreaLeavesNoChainStartThere) {
    tbLineBtn_Click(ctx);
    click(50, 50);
    hover(60, 60);
    press(60, 60, MouseButton::Right);
    dragTo(400, 60);
    release(400, 60, MouseButton::Right);
    EXPECT_FALSE(state.lastPoint.isSet());
    click(80, 80);
    click(110, 80);
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), lineEntity(80, 80, 110, 80));
}

TEST_F(ChainDrawingTest, ArcPromptsFollowTheClicksAndTheArcContinuesTheChain) {
    tbArcBtn_Click(ctx);
    EXPECT_EQ(state.pointerState, PointerState::ArcPoints);
    EXPECT_EQ(ui.statusText(0), "#26");
    EXPECT_EQ(ui.isChecked(Command::DrawMenu_Arc), true);
    hover(50, 155);
    EXPECT_EQ(ui.statusText(0), "#26");
    click(50, 155);
    EXPECT_EQ(ui.statusText(0), "#24");
    click(110, 155);
    EXPECT_EQ(state.pointerState, PointerState::ArcThirdPoint);
    EXPECT_EQ(ui.statusText(0), "#28");
    EXPECT_EQ(state.work.workEntityCount, 0);

    click(80, 125);
    EXPECT_EQ(state.pointerState, PointerState::ArcPoints);
    EXPECT_EQ(ui.statusText(0), "#24");
    ASSERT_EQ(state.work.workEntityCount, 1);
    const Entity& a = workEntity(1);
    EXPECT_EQ(a.isArc, 1);
    EXPECT_EQ((DisplayPoint{a.x1, a.y1}), (DisplayPoint{50, 155}));
    EXPECT_EQ((DisplayPoint{a.x2, a.y2}), (DisplayPoint{110, 155}));
    EXPECT_FLOAT_EQ(a.centreX, 80);
    EXPECT_FLOAT_EQ(a.centreY, 155);
    EXPECT_EQ(a.arcFlag, 0);
    EXPECT_EQ(state.undoHistory[0].kind, UndoKind::Added);

    // The next two clicks give the end and the middle of an arc that starts where this ended.
    click(170, 155);
    EXPECT_EQ(ui.statusText(0), "#28");
    click(140, 185);
    ASSERT_EQ(state.work.workEntityCount, 2);
    EXPECT_EQ((DisplayPoint{workEntity(2).x1, workEntity(2).y1}), (DisplayPoint{110, 155}));
}

TEST_F(ChainDrawingTest, ThePromptAfterAnArcFollowsTheStringsModule) {
    TranslatedStrings translated;
    EditContext translatedCtx{state, canvas, ui, translated, clipboard};
    tbArcBtn_Click(translatedCtx);
    EXPECT_EQ(ui.statusText(0), "module 26");
    for (const DisplayPoint p : {DisplayPoint{50, 155}, {110, 155}, {80, 125}}) {
        SymBox_MouseMove(translatedCtx, {}, p.x, p.y);
        SymBox_MouseDown(translatedCtx, MouseButton::Left, {}, p.x, p.y);
        SymBox_MouseUp(translatedCtx, MouseButton::Left, {}, p.x, p.y);
    }
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(ui.statusText(0), "module 24");
}

TEST_F(ChainDrawingTest, ThreePointsOnALineMakeNoArcAndWaitForAnotherThirdPoint) {
    tbArcBtn_Click(ctx);
    click(20, 20);
    click(80, 80);
    click(50, 50);
    EXPECT_EQ(state.work.workEntityCount, 0);
    EXPECT_EQ(state.pointerState, PointerState::ArcThirdPoint);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_TRUE(ui.messages.empty());
    click(80, 20);
    EXPECT_EQ(state.work.workEntityCount, 1);
}

TEST_F(ChainDrawingTest, SwitchingBetweenLineAndArcKeepsTheChain) {
    tbLineBtn_Click(ctx);
    click(50, 155);
    click(80, 155);
    tbArcBtn_Click(ctx);
    EXPECT_EQ(ui.statusText(0), "#24");  // the chain goes on: the next click is an end point
    click(140, 155);
    click(110, 125);
    ASSERT_EQ(state.work.workEntityCount, 2);
    EXPECT_EQ((DisplayPoint{workEntity(2).x1, workEntity(2).y1}), (DisplayPoint{80, 155}));

    tbLineBtn_Click(ctx);
    EXPECT_EQ(ui.statusText(0), "#25");
    click(140, 200);
    ASSERT_EQ(state.work.workEntityCount, 3);
    EXPECT_EQ(workEntity(3), lineEntity(140, 155, 140, 200));
}

TEST_F(ChainDrawingTest, ChoosingTheSameToolAgainStartsANewChain) {
    tbLineBtn_Click(ctx);
    click(50, 50);
    click(80, 50);
    tbLineBtn_Click(ctx);
    EXPECT_FALSE(state.lastPoint.isSet());
    EXPECT_EQ(ui.statusText(0), "#27");
    click(110, 50);
    EXPECT_EQ(state.work.workEntityCount, 1);

    tbArcBtn_Click(ctx);
    tbArcBtn_Click(ctx);
    EXPECT_FALSE(state.lastPoint.isSet());
    EXPECT_EQ(ui.statusText(0), "#26");
}

TEST_F(ChainDrawingTest, TheDrawMenuGivesTheKeyboardAPointerAndChoosesTheTool) {
    DrawMenu_Click(ctx, Command::DrawMenu_Arc);
    EXPECT_EQ(state.pointerPos, (DisplayPoint{100, 100}));
    EXPECT_EQ(state.pointerState, PointerState::ArcPoints);
    hover(200, 200);
    DrawMenu_Click(ctx, Command::DrawMenu_Line);
    EXPECT_EQ(state.pointerPos, (DisplayPoint{200, 200}));
    EXPECT_EQ(state.pointerState, PointerState::LinePoints);
}

TEST_F(ChainDrawingTest, ChoosingADrawingToolDropsTheSelection) {
    setWork({lineEntity(20, 20, 80, 20), lineEntity(20, 80, 80, 80)});
    state.selection[0] = 2;
    tbLineBtn_Click(ctx);
    EXPECT_EQ(state.selection[0], 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), false);
}

TEST_F(ChainDrawingTest, TheTwoHundredFiftiethLineIsAcceptedAndTheNextRefused) {
    fillWithLines(249);
    tbLineBtn_Click(ctx);
    click(100, 200);
    click(130, 200);
    EXPECT_EQ(state.work.workEntityCount, 250);
    EXPECT_TRUE(ui.messages.empty());

    click(160, 200);
    EXPECT_EQ(state.work.workEntityCount, 250);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Maximum vector limit reached(250)");
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(state.pointerState, PointerState::LinePoints);
}

TEST_F(ChainDrawingTest, AnArcBeyondTheLimitIsRefusedAndItsRubberBandRemoved) {
    fillWithLines(250);
    tbArcBtn_Click(ctx);
    click(50, 155);
    click(110, 155);
    hover(80, 125);
    press(80, 125);
    const size_t drawnBefore = canvas.callsOf(RecordingCanvas::Op::Arc).size();
    release(80, 125);
    EXPECT_EQ(state.work.workEntityCount, 250);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Maximum vector limit reached(250)");
    EXPECT_EQ(state.pointerState, PointerState::ArcPoints);
    // The one arc drawn since is the XOR that takes the rubber band away.
    const auto arcs = canvas.callsOf(RecordingCanvas::Op::Arc);
    ASSERT_EQ(arcs.size(), drawnBefore + 1);
    EXPECT_EQ(arcs.back().pen.mode, PenMode::Xor);
}

TEST_F(ChainDrawingTest, TheLimitMessageFollowsTheStringsModule) {
    TranslatedStrings translated;
    EditContext translatedCtx{state, canvas, ui, translated, clipboard};
    fillWithLines(250);
    tbLineBtn_Click(translatedCtx);
    for (const DisplayPoint p : {DisplayPoint{50, 155}, {110, 155}}) {
        SymBox_MouseDown(translatedCtx, MouseButton::Left, {}, p.x, p.y);
        SymBox_MouseUp(translatedCtx, MouseButton::Left, {}, p.x, p.y);
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "module 35(250)");
    EXPECT_EQ(ui.messages[0].caption, "module 106");
}

}  // namespace
