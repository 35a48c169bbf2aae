#include "platform/preview_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "display/palette.h"
#include "display/path_layout.h"

namespace {

constexpr QColor PaperColour{255, 255, 255};
constexpr QColor GroundColour{244, 240, 228};
constexpr QColor MeadowColour{222, 236, 206};
constexpr QColor WaterColour{170, 205, 235};
constexpr QColor GuideColour{225, 225, 225};
constexpr QColor FrameColour{200, 200, 200};
constexpr QColor SizeRadiusColour{90, 120, 200};
constexpr int Margin = 8;
constexpr int Gap = 8;
constexpr int SmallestSymbol = 6;

QPen penFor(int32_t colour, bool useColours) {
    const Rgb rgb = PaletteColour(colour, useColours);
    QPen pen(QColor(rgb.r, rgb.g, rgb.b));
    pen.setCosmetic(true);
    pen.setWidth(1);
    return pen;
}

void drawPolyline(QPainter& painter, const std::vector<PathPoint>& points, double scale,
                  QPointF offset) {
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const PathPoint& p : points) {
        polygon.append(offset + QPointF(p.x * scale, p.y * scale));
    }
    painter.drawPolyline(polygon);
}

void drawStrokes(QPainter& painter, const std::vector<Stroke>& strokes, bool useColours) {
    int32_t colour = -1;
    for (const Stroke& stroke : strokes) {
        if (stroke.colour != colour) {
            colour = stroke.colour;
            painter.setPen(penFor(colour, useColours));
        }
        drawPolyline(painter, stroke.points, 1, {});
    }
}

void drawLineType(QPainter& painter, const LibraryEntry& entry, std::span<const Entity> entities,
                  QSize size) {
    painter.fillRect(QRect(QPoint(), size), PaperColour);
    const TestPaths test = lineTypeTestPaths(size.width(), size.height());
    for (const LayoutPath& path : test.paths) {
        std::vector<PathPoint> guide = path.points;
        if (path.closed && !guide.empty()) {
            guide.push_back(guide.front());
        }
        painter.setPen(QPen(GuideColour, 0));
        drawPolyline(painter, guide, 1, {});
        drawStrokes(painter, layOutPattern(entities, entry.singlePattern() != 0, path, test.scale),
                    entry.useColours != 0);
    }
}

// A pale stretch of country behind the symbol: a meadow and a stream.
void drawGround(QPainter& painter, const QRectF& box) {
    painter.fillRect(box, GroundColour);
    painter.fillRect(
        QRectF(box.left(), box.top() + box.height() * 0.55, box.width() * 0.6, box.height() * 0.45),
        MeadowColour);
    QPainterPath stream(QPointF(box.left(), box.top() + box.height() * 0.2));
    stream.cubicTo(box.left() + box.width() * 0.4, box.top() + box.height() * 0.05,
                   box.left() + box.width() * 0.6, box.top() + box.height() * 0.45, box.right(),
                   box.top() + box.height() * 0.3);
    painter.setPen(QPen(WaterColour, std::max(1.0, box.width() / 80)));
    painter.drawPath(stream);
}

void drawSymbolAt(QPainter& painter, const LibraryEntry& entry, std::span<const Entity> entities,
                  const QRectF& box, bool ground, bool showSizeRadius) {
    painter.setClipRect(box.adjusted(0, 0, 1, 1));
    if (ground) {
        drawGround(painter, box);
    } else {
        painter.fillRect(box, PaperColour);
    }
    painter.setPen(QPen(FrameColour, 0));
    painter.drawRect(box);
    const double scale = box.width() / SurfaceSize;
    for (const Entity& entity : entities) {
        painter.setPen(penFor(entity.colour, entry.useColours != 0));
        drawPolyline(painter, flattenEntity(entity, 0.25 / scale), scale, box.topLeft());
    }
    if (showSizeRadius && entry.sizeRadius > 0) {
        QPen pen(SizeRadiusColour, 0, Qt::DashLine);
        painter.setPen(pen);
        const double r = entry.sizeRadius * scale;
        painter.drawEllipse(box.topLeft() + QPointF(entry.originX * scale, entry.originY * scale),
                            r, r);
    }
    painter.setClipping(false);
}

void drawSymbol(QPainter& painter, const LibraryEntry& entry, std::span<const Entity> entities,
                QSize size, bool showSizeRadius) {
    painter.fillRect(QRect(QPoint(), size), PaperColour);
    // Each size half the one before, side by side: together almost twice the largest.
    std::vector<double> sizes;
    const double widest = (size.width() - 2 * Margin) / 2.0 - Gap * 3;
    const double tallest = (size.height() - 2 * Margin - Gap) / 2.0;
    for (double s = std::min({double(SurfaceSize), widest, tallest}); s >= SmallestSymbol; s /= 2) {
        sizes.push_back(std::round(s));
    }
    for (int row = 0; row < 2; ++row) {
        double x = Margin;
        const double y = Margin + row * (sizes.empty() ? 0 : sizes.front() + Gap);
        for (const double s : sizes) {
            drawSymbolAt(painter, entry, entities, QRectF(x, y, s, s), row == 1, showSizeRadius);
            x += s + Gap;
        }
    }
}

}  // namespace

QImage entryPreview(LibraryKind kind, const LibraryEntry& entry, std::span<const Entity> entities,
                    QSize size, bool showSizeRadius) {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (kind == LibraryKind::LineType) {
        drawLineType(painter, entry, entities, picture.size());
    } else {
        drawSymbol(painter, entry, entities, picture.size(), showSizeRadius);
    }
    return picture;
}
