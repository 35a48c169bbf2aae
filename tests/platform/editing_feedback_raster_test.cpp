// The XOR feedback of the editing core on the real raster: whatever the pointer does, removing
// the feedback restores the picture pixel for pixel, and a repaint shows what was on screen.
#include <gtest/gtest.h>

#include <random>

#include "editing/edit_context.h"
#include "editing/escape.h"
#include "editing/move_preview.h"
#include "editing/pointer_input.h"
#include "editing/redraw.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "platform/support/raster_session.h"
#include "support/entities.h"

namespace {

// An editing session on its own raster, with a small drawing that crosses the grid.
struct Session : RasterSession {
    Session() {
        WorkingCopy& work = state.work;
        work.workEntry.sizeRadius = 150;
        const Entity drawing[] = {
            lineEntity(20, 20, 290, 275, 3),
            lineEntity(290, 275, 35, 260, 5),
            arcEntity(50, 155, 110, 155, 80, 155, 1, 10),
            arcEntity(200, 50, 260, 110, 230, 80, 0, 1),
            lineEntity(155, 5, 155, 305, 7),
        };
        for (const Entity& e : drawing) {
            work.workEntities[work.workEntityCount++] = e;
        }
        state.showSizeRadius = true;
    }
};

// Pointer positions over the whole surface and beyond it, with (0, 0) for "off the area".
DisplayPoint randomPointer(std::mt19937& random) {
    std::uniform_int_distribution<int> coordinate(-20, 330);
    std::uniform_int_distribution<int> leaves(0, 9);
    if (leaves(random) == 0) {
        return {};
    }
    return {coordinate(random), coordinate(random)};
}

// The drawing as a fresh surface shows it after a full redraw, nothing selected.
QImage freshPicture() {
    Session fresh;
    RedrawEntry(fresh.ctx, true);
    return fresh.canvas.image();
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

TEST(EditingFeedbackRaster, RubberBandLinesLeaveNoTraceOnceThePointerLeaves) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        std::mt19937 random(seed);
        Session s;
        s.state.pointerState = PointerState::LinePoints;
        RedrawEntry(s.ctx, true);  // the chain continues from (35, 260)
        const QImage before = s.canvas.image();
        for (int move = 0; move < 150; ++move) {
            TrackRubberLine(s.ctx, randomPointer(random));
        }
        TrackRubberLine(s.ctx, {});  // the pointer leaves the drawing area
        EXPECT_EQ(differingPixels(s.canvas.image(), before), 0) << "seed " << seed;
        EXPECT_EQ(differingPixels(s.canvas.image(), freshPicture()), 0) << "seed " << seed;
    }
}

TEST(EditingFeedbackRaster, RubberBandArcsLeaveNoTraceOnceErased) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        std::mt19937 random(seed);
        Session s;
        s.state.pointerState = PointerState::ArcPoints;
        RedrawEntry(s.ctx, true);
        const QImage before = s.canvas.image();
        const DisplayPoint start = s.state.lastPoint;
        const DisplayPoint end{200, 200};
        TrackRubberLine(s.ctx, end);  // the line to the arc's end point, then the click
        s.state.pointerState = PointerState::ArcThirdPoint;
        s.state.arcEndPoint = end;
        s.state.rubber.rubberWasLine = true;
        for (int move = 0; move < 100; ++move) {
            TrackRubberArc(s.ctx, randomPointer(random), start, end, s.state.editArc);
        }
        EraseRubberArc(s.ctx);
        EXPECT_EQ(differingPixels(s.canvas.image(), before), 0) << "seed " << seed;
    }
}

TEST(EditingFeedbackRaster, ARepaintShowsExactlyWhatTheIncrementalDrawingShowed) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        Session s;
        s.state.pointerState = PointerState::LinePoints;
        addToSelection(s.state.selection, 3);  // a single arc: dotted, with three grips
        RedrawEntry(s.ctx, true);
        for (int move = 0; move < 60; ++move) {
            TrackRubberLine(s.ctx, randomPointer(random));
        }
        TrackRubberLine(s.ctx, {120, 140});
        const QImage shown = s.canvas.image();
        RepaintEntry(s.ctx);
        EXPECT_EQ(differingPixels(s.canvas.image(), shown), 0) << "seed " << seed;
        EXPECT_TRUE(s.state.grips.middleShown);
    }
}

TEST(EditingFeedbackRaster, MoveGhostsLeaveNoTrace) {
    std::mt19937 random(7);
    Session s;
    addToSelection(s.state.selection, 1);
    addToSelection(s.state.selection, 3);
    RedrawEntry(s.ctx, true);
    ToggleGrip(s.canvas, s.state.grips, {155, 155}, GripKind::Origin);
    EraseSelection(s.ctx, 1);
    const QImage erased = s.canvas.image();
    DisplayPoint last{20, 20};
    DrawMovePreview(s.ctx, last, 1, {});
    for (int move = 0; move < 80; ++move) {
        const DisplayPoint next = randomPointer(random);
        DrawMovePreview(s.ctx, last, 1, {});
        DrawMovePreview(s.ctx, next, 1, {});
        last = next;
    }
    DrawMovePreview(s.ctx, last, 1, {});
    EXPECT_EQ(differingPixels(s.canvas.image(), erased), 0);
}

// Presses, drags and releases through the pointer handlers, snap off.
struct PointerSession : Session {
    PointerSession() {
        state.snapToGrid = false;
        strings.set(26, "Select the start point for the arc");
        strings.set(27, "Select the start point for the line");
    }
    void hover(DisplayPoint p) { SymBox_MouseMove(ctx, {}, p.x, p.y); }
    void press(DisplayPoint p) { SymBox_MouseDown(ctx, MouseButton::Left, {}, p.x, p.y); }
    void dragTo(DisplayPoint p) {
        ShiftState held;
        held.left = true;
        SymBox_MouseMove(ctx, held, p.x, p.y);
    }
    void release(DisplayPoint p) { SymBox_MouseUp(ctx, MouseButton::Left, {}, p.x, p.y); }
    void click(DisplayPoint p) {
        hover(p);
        press(p);
        release(p);
    }
};

// Every kind of drag in Select mode, ended by Escape half-way: the entry, the undo history
// and the picture are as before the press, and the rest of the press changes nothing.
TEST(EditingFeedbackRaster, EscapeEndsEveryDragAsIfItHadNeverBegun) {
    struct Drag {
        const char* what;
        int32_t selected;  // 0 = nothing; -1 = the origin, whose grip the size circle needs
        DisplayPoint press;
        PointerState during;
    };
    const Drag drags[] = {
        {"move of the selected line", 1, {100, 96}, PointerState::MoveSelection},
        {"start grip of a line", 1, {20, 20}, PointerState::DragHandle},
        {"middle grip of an arc", 3, {80, 185}, PointerState::DragHandle},
        {"origin", 0, {155, 155}, PointerState::DragOrigin},
        {"size radius circle", -1, {305, 155}, PointerState::DragSizeRadius},
    };
    for (const Drag& drag : drags) {
        PointerSession s;
        s.state.pointerState = PointerState::SelectIdle;
        if (drag.selected > 0) {
            addToSelection(s.state.selection, drag.selected);
        }
        RedrawEntry(s.ctx, true);
        if (drag.selected < 0) {
            s.click({155, 155});
        }
        const QImage before = s.canvas.image();
        const WorkingCopy work = s.state.work;

        const DisplayPoint p = drag.press;
        s.hover({p.x - 1, p.y});
        s.press({p.x - 1, p.y});
        s.dragTo(p);
        for (const DisplayPoint to : {DisplayPoint{150, 150}, {200, 90}, {60, 240}}) {
            s.dragTo(to);
        }
        ASSERT_EQ(s.state.pointerState, drag.during) << drag.what;
        Editor_Escape(s.ctx);
        s.dragTo({120, 130});
        s.release({120, 130});

        EXPECT_EQ(s.state.pointerState, PointerState::SelectIdle) << drag.what;
        EXPECT_EQ(s.state.undoCount, 0) << drag.what;
        EXPECT_EQ(s.state.work.workEntityCount, work.workEntityCount) << drag.what;
        EXPECT_TRUE(s.state.work.workEntities == work.workEntities) << drag.what;
        EXPECT_EQ(s.state.work.workEntry.originX, 155) << drag.what;
        EXPECT_EQ(s.state.work.workEntry.sizeRadius, 150) << drag.what;
        EXPECT_FALSE(s.ui.captured) << drag.what;
        EXPECT_EQ(selectedItem(s.state.selection, 1), std::max(drag.selected, 0)) << drag.what;
        EXPECT_EQ(s.state.grips.originSelected, drag.selected < 0) << drag.what;
        EXPECT_EQ(differingPixels(s.canvas.image(), before), 0) << drag.what;
    }
}

TEST(EditingFeedbackRaster, EscapeForgetsTheChainAndItsRubberBand) {
    for (const PointerState tool : {PointerState::LinePoints, PointerState::ArcPoints}) {
        const bool arc = tool == PointerState::ArcPoints;
        PointerSession s;
        s.state.pointerState = tool;
        s.state.rubber.rubberWasLine = true;  // as the Arc tool's button leaves it
        RedrawEntry(s.ctx, true);
        s.state.lastPoint = {};
        s.click({40, 200});  // the chain starts here
        const int32_t count = s.state.work.workEntityCount;
        const QImage withChain = s.canvas.image();
        if (arc) {
            s.click({100, 200});
        }
        s.hover({120, 120});
        ASSERT_EQ(s.state.pointerState, arc ? PointerState::ArcThirdPoint : tool);
        Editor_Escape(s.ctx);
        EXPECT_EQ(s.state.pointerState, tool);
        EXPECT_FALSE(s.state.lastPoint.isSet());
        EXPECT_EQ(s.ui.statusText(0), s.strings.loadText(arc ? 26 : 27));
        EXPECT_EQ(differingPixels(s.canvas.image(), withChain), 0) << "arc " << arc;
        s.click({200, 40});  // starts a new chain: nothing is drawn yet
        EXPECT_EQ(s.state.work.workEntityCount, count);
        EXPECT_EQ(s.state.lastPoint, (DisplayPoint{200, 40}));
    }
}

TEST(EditingFeedbackRaster, EscapeInSelectModeDropsTheSelection) {
    PointerSession s;
    addToSelection(s.state.selection, 1);
    addToSelection(s.state.selection, 3);
    RedrawEntry(s.ctx, true);
    Editor_Escape(s.ctx);
    EXPECT_EQ(selectedCount(s.state.selection), 0);
    EXPECT_EQ(differingPixels(s.canvas.image(), freshPicture()), 0);
}

}  // namespace
