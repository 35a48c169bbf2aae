#include "platform/qt_canvas.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/pen_pattern.h"

namespace {

QRgb toQRgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

// The part of [low, high) that lies within [min, max), as [first, last).
void clipSpan(int64_t low, int64_t high, int32_t min, int32_t max, int& first, int& last) {
    first = static_cast<int>(std::clamp<int64_t>(low, min, max));
    last = static_cast<int>(std::clamp<int64_t>(high, min, max));
}

bool inside(const PixelBox& box, int32_t x, int32_t y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
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
    if (inside(clip_, p.x, p.y)) {
        reinterpret_cast<QRgb*>(image_.scanLine(p.y))[p.x] = toQRgb(colour);
        damage_ = damage_.united({p.x, p.y, p.x + 1, p.y + 1});
    }
}

void QtCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    int x0, x1, y0, y1;
    clipSpan(left, right, clip_.left, clip_.right, x0, x1);
    clipSpan(top, bottom, clip_.top, clip_.bottom, y0, y1);
    damage_ = damage_.united({x0, y0, x1, y1});
    for (int y = y0; y < y1; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + x0, row + std::max(x0, x1), toQRgb(colour));
    }
}

void QtCanvas::invertSquare(DisplayPoint topLeft, int size) {
    const QRgb pattern = toQRgb(Silver) & RGB_MASK;
    int x0, x1, y0, y1;
    clipSpan(topLeft.x, int64_t{topLeft.x} + size, clip_.left, clip_.right, x0, x1);
    clipSpan(topLeft.y, int64_t{topLeft.y} + size, clip_.top, clip_.bottom, y0, y1);
    damage_ = damage_.united({x0, y0, x1, y1});
    for (int y = y0; y < y1; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            row[x] ^= pattern;
        }
    }
}

void QtCanvas::setClip(PixelBox box) {
    clip_ = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, SurfaceSize),
             std::min(box.bottom, SurfaceSize)};
}

PixelBox QtCanvas::takeDamage() {
    return std::exchange(damage_, PixelBox{});
}

void QtCanvas::paintPath() {
    // The figure's pixels lie on the surface; the clip keeps those of one box only.
    if (clip_ != WholeSurface) {
        std::erase_if(path_, [this](const PathPixel& p) { return !inside(clip_, p.x, p.y); });
    }
    if (!path_.empty()) {
        PixelBox box{path_[0].x, path_[0].y, path_[0].x, path_[0].y};
        for (const PathPixel& p : path_) {
            box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
                   std::max(box.bottom, p.y)};
        }
        damage_ = damage_.united({box.left, box.top, box.right + 1, box.bottom + 1});
    }
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
