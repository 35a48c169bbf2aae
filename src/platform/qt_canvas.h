#pragma once

#include <QImage>
#include <vector>

#include "display/canvas.h"
#include "platform/raster_paths.h"

// The drawing surface on a persistent 310 x 310 RGB32 image, which the paint box shows.
// Lines, arcs and ellipses are rasterised here straight into the image bits, in every pen
// mode, because QPainter gives none of what the editor relies on: its XOR raster op hands
// every figure of more than about 96 pixels to a thread pool (tens of microseconds each, far
// too slow for a rubber band), its flat-capped lines leave out the start pixel instead of
// the end pixel when they run left or up, and its dashed curves paint pixels that the solid
// curve does not, so a solid erase would leave traces of a dotted figure. Here a dashed
// figure is the solid figure with gaps, and every pixel of a figure is visited once.
// Pixels and rectangles are always painted in the colour given, whatever the pen mode.
class QtCanvas final : public Canvas {
  public:
    QtCanvas();  // silver

    const QImage& image() const { return image_; }

    void setPenColour(Rgb colour) override { colour_ = colour; }
    void setPenStyle(PenStyle style) override { style_ = style; }
    void setPenMode(PenMode mode) override { mode_ = mode; }
    void moveTo(DisplayPoint p) override { position_ = p; }
    void lineTo(DisplayPoint p) override;
    void arc(int left, int top, int right, int bottom, DisplayPoint from, DisplayPoint to) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void setPixel(DisplayPoint p, Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void invertSquare(DisplayPoint topLeft, int size) override;
    void setClip(PixelBox box) override;
    PixelBox takeDamage() override;

  private:
    // Paints the pixels of a figure where the pen style paints, in the pen mode.
    void paintPath();

    QImage image_;
    Rgb colour_ = Black;
    PenStyle style_ = PenStyle::Solid;
    PenMode mode_ = PenMode::Copy;
    DisplayPoint position_;
    PixelBox clip_ = WholeSurface;
    PixelBox damage_;
    std::vector<PathPixel> path_;  // working storage, kept to avoid allocations
};
