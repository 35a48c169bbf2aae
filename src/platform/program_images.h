#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

// The images compiled into the program.
enum class ProgramImage {
    ConstCursor,  // the drawing area's grab-and-move cross, 32 x 32
    WindowIcon,   // 32 x 32
    SelectGlyph,  // the tool buttons, 16 x 16
    ArcGlyph,
    LineGlyph,
    UndoGlyph,
    RedoGlyph,
    LeftLineIndex,  // the marks of a line type's base line, 16 x 16, tip on row 8
    RightLineIndex,
};

// The null image only if the program was built without its resources.
QImage programImage(ProgramImage image);

// The centre of the cross, where the pointer is.
inline constexpr QPoint ConstCursorHotSpot{15, 15};

// "ConstCursor" as a cursor shape; needs the application object.
QCursor constCursor();
