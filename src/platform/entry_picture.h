#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "model/library.h"

struct EditorState;

inline constexpr int MaxPictureScale = 10;

// The drawing area as the editor shows entry n (1..entryCount) of the state's library right
// after loading it: the cleared surface, the grid, the entities in their colours and, for
// symbols, the origin marker, with nothing selected. Each pixel becomes a scale x scale
// square (1..MaxPictureScale). The entry becomes the state's working entry.
QImage entryPicture(EditorState& state, int n, int scale);

// Entry n (1..entryCount) as an SVG document of the drawing surface, scale x 310 pixels wide:
// one element per entity that the editor draws (lines as `line`, arcs as `path`), in the
// entry's colours, on no background.
QByteArray entrySvg(const Library& library, int n, int scale);

// Entry n's entities in their colours, the drawing surface scaled into the square `target`,
// as vector lines and arcs for printing.
void paintEntry(QPainter& painter, const Library& library, int n, const QRectF& target);

// A line type's pattern repeated `repeats` times along a straight base line across `target`:
// one repeat is the drawing area's width (x 5 to 305), the base line is y = 155. A single
// pattern is drawn once, from the start.
void paintPatternAlongLine(QPainter& painter, const Library& library, int n, const QRectF& target,
                           int repeats);

// The same as an SVG document of the band about the base line, for pages in a browser.
QByteArray patternAlongLineSvg(const Library& library, int n, int repeats);

// The entry as the entry list shows it, size x size pixels (1..SurfaceSize): the drawing area
// of entryPicture reduced without smoothing. Each picture pixel takes, from the square of the
// drawing it covers, the pixel that differs most from the empty drawing area (surface and
// grid), so a line one pixel wide stays one crisp pixel in its own colour and the grid, which
// would turn into a grey haze, is left out. Touches no edit state: safe on any thread.
QImage entryListPicture(const LibraryEntry& header, const EntityArray& entities, LibraryKind kind,
                        int size);

// "007-Tree.png" for entry 7 named Tree: the number keeps equal names apart, and of the name
// only ASCII letters, digits, '-' and '_' are kept (others become '_'), so that no name can
// reach outside the folder or upset a shell.
QString entryPictureFileName(const Library& library, int n,
                             const QString& extension = QStringLiteral("png"));
