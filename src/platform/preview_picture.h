#pragma once

#include <QImage>
#include <QSize>
#include <span>

#include "model/entity.h"
#include "model/library.h"
#include "model/library_entry.h"

// How an entry will look on the map, smoothed, with lines one pixel wide at every size.
// A line type runs along the test paths of display/path_layout; a symbol stands at sizes from
// the drawing area's 310 pixels down to a few, on white and on a map-like ground, with its
// size radius circle when asked for.
QImage entryPreview(LibraryKind kind, const LibraryEntry& entry, std::span<const Entity> entities,
                    QSize size, bool showSizeRadius);

// The picture size previews have unless told otherwise.
inline constexpr QSize DefaultPreviewSize{560, 420};
