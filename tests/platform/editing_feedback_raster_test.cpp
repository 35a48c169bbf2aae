// The XOR feedback of the editing core on the real raster: whatever the pointer does, removing
// the feedback restores the picture pixel for pixel, and a repaint shows what was on screen.
#include <gtest/gtest.h>

#include <random>

#include "editing/edit_context.h"
#include "editing/move_preview.h"
#include "editing/redraw.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "editing/support/recording_editor_ui.h"
#include "editing/support/test_ports.h"
#include "platform/qt_canvas.h"
#include "support/entities.h"

namespace {

// An editing session on its own raster, with a small drawing that crosses the grid.
struct Session {
    Session() {
        allocateLibrary(state.library);
        WorkingCopy& work = state.work;
        work.workEntry.useColours = 1;
        work.workEntry.originX = 155;
        work.workEntry.originY = 155;
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

    EditorState state;
    QtCanvas canvas;
    RecordingEditorUi ui;
    TableStrings strings;
    MemoryClipboard clipboard;
    EditContext ctx{state, canvas, ui, strings, clipboard};
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

}  // namespace
