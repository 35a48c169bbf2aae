#pragma once

#include "display/display_point.h"

// The editable points of the selection, drawn as XOR squares.
enum class GripKind { None = 0, Start = 1, End = 2, Middle = 3, Origin = 4 };

struct Grips {
    DisplayPoint startPos;
    DisplayPoint endPos;
    DisplayPoint middlePos;
    DisplayPoint originPos;
    bool endGripsShown = false;  // shared by Start and End
    bool middleShown = false;
    bool originShown = false;
    // The origin takes part in the selection while its grip is shown.
    bool originSelected = false;
};
