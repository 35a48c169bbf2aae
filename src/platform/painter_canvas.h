#pragma once

#include <QPainter>

#include "display/canvas.h"

// A canvas that draws what the entity primitives draw with a painter, as vector lines and
// arcs in surface pixels (the painter's transform places and scales them), for printing.
// Only copy-mode drawing of lines and arcs is meant: pixels, fills and inverted squares are
// left out, as entities are drawn without them.
class PainterCanvas final : public Canvas {
  public:
    // The pen width in surface pixels.
    PainterCanvas(QPainter& painter, double penWidth);

    void setPenColour(Rgb colour) override;
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
    QPainter& painter_;
    QPen pen_;
    DisplayPoint position_;
};
