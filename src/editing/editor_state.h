#pragma once

#include <array>
#include <cstdint>

#include "display/canvas.h"
#include "display/display_point.h"
#include "display/grips.h"
#include "model/library.h"

inline constexpr int MaxUndo = 100;

// The drawing area's pointer state machine; the numbers are the stored values.
enum class PointerState : int32_t {
    ArcPoints = 2,
    LinePoints = 3,
    DragSizeRadius = 5,
    DragClipRadius = 6,
    ArcThirdPoint = 7,
    SelectIdle = 8,
    DragOrigin = 9,
    DragHandle = 10,
    MoveSelection = 11,
};

enum class UndoKind : int32_t { Empty = 0, Added = 1, Deleted = 2, Changed = 3 };

// One step of the undo or the redo history. In the undo history `saved` is the entity before
// the change (Deleted, Changed); in the redo history it is the entity after it (Added, Changed).
struct UndoRecord {
    UndoKind kind = UndoKind::Empty;
    int32_t index = 0;  // 1-based slot in workEntities
    Entity saved;
};

// An arc being built or reshaped: start, end, centre and which of the two arcs.
struct EditArc {
    DisplayPoint start;
    DisplayPoint end;
    RealPoint centre;
    uint8_t arcFlag = 0;
};

// The XOR feedback on screen while a line or arc is drawn.
struct RubberBand {
    DisplayPoint lastRubberPos;  // (0, 0) = none
    EditArc rubberArc;           // centre (0, 0) = none
    bool rubberWasLine = false;
};

// The selected entity numbers, in the order of selection, zero-terminated.
using Selection = std::array<int32_t, MaxEntities>;

// All process-wide edit state of the editor in one place. Behaviour lives in the editing
// classes that read and change it; the window owns exactly one.
struct EditorState {
    Library library;
    WorkingCopy work;

    PointerState pointerState = PointerState::SelectIdle;
    bool snapToGrid = true;
    DisplayPoint lastPoint;
    DisplayPoint pointerPos;
    DisplayPoint rawPointerPos;
    DisplayPoint arcEndPoint;
    RealPoint downPoint;
    EditArc editArc;

    Selection selection{};
    Grips grips;
    GripKind grabbedGrip = GripKind::None;
    RubberBand rubber;

    std::array<UndoRecord, MaxUndo> undoHistory{};
    int32_t undoCount = 0;
    // The steps Undo took back, newest last; emptied by every new change.
    std::array<UndoRecord, MaxUndo> redoHistory{};
    int32_t redoCount = 0;

    int32_t currentColour = 1;  // the tag of the colour sample line
    Rgb colourSamplePen = Black;

    bool showSizeRadius = false;  // check mark of Symbol > Show Size Radius
    bool showClipRadius = false;  // check mark of the (hidden) Show Clipping Radius

    // Select-mode dragging.
    int32_t pickResult = 0;
    DisplayPoint grabOffset;
    DisplayPoint moveAnchorStart;
    DisplayPoint moveAnchorEnd;
    DisplayPoint moveLast;
    // The entry's settings when the drag began, for Escape to put back.
    LibraryEntry entryBeforeDrag;
    // Escape ended the drag while the button was still held: the rest of that press does
    // nothing.
    bool pressCancelled = false;
};

// Whether index numbers one of the working copy's entities (1..workEntityCount).
inline bool isWorkEntity(const EditorState& s, int32_t index) {
    return index >= 1 && index <= s.work.workEntityCount;
}
