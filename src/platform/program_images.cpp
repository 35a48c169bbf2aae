#include "platform/program_images.h"

#include <QPixmap>

namespace {

const char* resourcePath(ProgramImage image) {
    switch (image) {
        case ProgramImage::ConstCursor:
            return ":/cursors/const_cursor.xpm";
        case ProgramImage::WindowIcon:
            return ":/icons/glyphwright.xpm";
        case ProgramImage::SelectGlyph:
            return ":/glyphs/select.xpm";
        case ProgramImage::ArcGlyph:
            return ":/glyphs/arc.xpm";
        case ProgramImage::LineGlyph:
            return ":/glyphs/line.xpm";
        case ProgramImage::UndoGlyph:
            return ":/glyphs/undo.xpm";
        case ProgramImage::RedoGlyph:
            return ":/glyphs/redo.xpm";
        case ProgramImage::LeftLineIndex:
            return ":/glyphs/line_index_left.xpm";
        case ProgramImage::RightLineIndex:
            return ":/glyphs/line_index_right.xpm";
    }
    return "";
}

}  // namespace

QImage programImage(ProgramImage image) {
    return QImage(QString::fromLatin1(resourcePath(image)));
}

QCursor constCursor() {
    return QCursor(QPixmap::fromImage(programImage(ProgramImage::ConstCursor)),
                   ConstCursorHotSpot.x(), ConstCursorHotSpot.y());
}
