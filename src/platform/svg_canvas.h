#pragma once

#include <QByteArray>

#include "platform/drawing_canvas.h"

// A canvas that writes what the entity primitives draw as SVG elements: each line as a
// `line`, each arc as a `path` along the ellipse inscribed in its box, swept counter-clockwise
// on screen between the radials, as the raster canvas draws it. Coordinates are pixels of
// the drawing surface; a pixel's centre lies at its coordinates plus one half.
class SvgCanvas final : public DrawingCanvas {
  public:
    // The elements written so far, one per line.
    const QByteArray& elements() const { return elements_; }

    void setPenColour(Rgb colour) override { colour_ = colour; }
    void lineTo(DisplayPoint p) override;
    void arc(int left, int top, int right, int bottom, DisplayPoint from, DisplayPoint to) override;

  private:
    QByteArray stroke() const;

    QByteArray elements_;
    Rgb colour_ = Black;
};
