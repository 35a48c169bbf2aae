#pragma once

#include <QByteArray>

#include "display/canvas.h"

// A canvas that writes what the entity primitives draw as SVG elements: each line as a
// `line`, each arc as a `path` along the ellipse inscribed in its box, swept counter-clockwise
// on screen between the radials, as the raster canvas draws it. Coordinates are pixels of
// the drawing surface; a pixel's centre lies at its coordinates plus one half. Pixels, fills,
// outlines and inverted squares are not written: entities are drawn without them.
class SvgCanvas final : public Canvas {
  public:
    // The elements written so far, one per line.
    const QByteArray& elements() const { return elements_; }

    void setPenColour(Rgb colour) override { colour_ = colour; }
    void setPenStyle(PenStyle) override {}
    void setPenMode(PenMode) override {}
    void moveTo(DisplayPoint p) override { position_ = p; }
    void lineTo(DisplayPoint p) override;
    void arc(int left, int top, int right, int bottom, DisplayPoint from, DisplayPoint to) override;
    void ellipse(int, int, int, int) override {}
    void setPixel(DisplayPoint, Rgb) override {}
    void fillRect(int, int, int, int, Rgb) override {}
    void invertSquare(DisplayPoint, int) override {}
    // A drawing, not a picture that is kept up to date: no clip, nothing to settle.
    void setClip(PixelBox) override {}
    PixelBox takeDamage() override { return {}; }

  private:
    QByteArray stroke() const;

    QByteArray elements_;
    Rgb colour_ = Black;
    DisplayPoint position_;
};
