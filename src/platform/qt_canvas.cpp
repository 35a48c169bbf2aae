#include "platform/qt_canvas.h"

#include <algorithm>
#include <cstdint>

#include "platform/pen_pattern.h"

namespace {

QRgb toQRgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

// The part of [low, high) that lies on the surface, as [first, last).
void clipSpan(int64_t low, int64_t high, int& first, int& last) {
    first = static_cast<int>(std::clamp<int64_t>(low, 0, SurfaceSize));
    last = static_cast<int>(std::clamp<int64_t>(high, 0, SurfaceSize));
}

}  // namespace

QtCanvas::QtCanvas() : image_(SurfaceSize, SurfaceSize, QImage::Format_RGB32) {
    image_.fill(toQRgb(Silver));
}

void QtCanvas::lineTo(DisplayPoint p) {
    linePixels(position_, p, SurfaceSize, path_);
    paintPath();
    position_ = p;
}

void QtCanvas::arc(int left, int top, int right, int bottom, DisplayPoint from, DisplayPoint to) {
    arcPixels(left, top, right, bottom, from, to, SurfaceSize, path_);
    paintPath();
}

void QtCanvas::ellipse(int left, int top, int right, int bottom) {
    const DisplayPoint east{std::max(left, right), top};
    arcPixels(left, top, right, bottom, east, east, SurfaceSize, path_);
    paintPath();
}

void QtCanvas::setPixel(DisplayPoint p, Rgb colour) {
    if (p.x >= 0 && p.y >= 0 && p.x < SurfaceSize && p.y < SurfaceSize) {
        reinterpret_cast<QRgb*>(image_.scanLine(p.y))[p.x] = toQRgb(colour);
    }
}

void QtCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    int x0, x1, y0, y1;
    clipSpan(left, right, x0, x1);
    clipSpan(top, bottom, y0, y1);
    for (int y = y0; y < y1; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + x0, row + std::max(x0, x1), toQRgb(colour));
    }
}

void QtCanvas::invertSquare(DisplayPoint topLeft, int size) {
    const QRgb pattern = toQRgb(Silver) & RGB_MASK;
    int x0, x1, y0, y1;
    clipSpan(topLeft.x, int64_t{topLeft.x} + size, x0, x1);
    clipSpan(topLeft.y, int64_t{topLeft.y} + size, y0, y1);
    for (int y = y0; y < y1; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            row[x] ^= pattern;
        }
    }
}

void QtCanvas::paintPath() {
    const auto runs = penDashRuns(style_);
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const auto pixel = [&](const PathPixel& p) -> QRgb& {
        return reinterpret_cast<QRgb*>(bits + p.y * stride)[p.x];
    };
    if (mode_ == PenMode::Xor) {
        const QRgb colour = toQRgb(colour_) & RGB_MASK;
        for (const PathPixel& p : path_) {
            if (penPaintsStep(runs, p.step)) {
                pixel(p) ^= colour;
            }
        }
        return;
    }
    const QRgb colour = toQRgb(mode_ == PenMode::Black ? Black : colour_);
    for (const PathPixel& p : path_) {
        if (penPaintsStep(runs, p.step)) {
            pixel(p) = colour;
        }
    }
}
