#pragma once

#include <QPainter>

#include "platform/drawing_canvas.h"

// A canvas that draws what the entity primitives draw with a painter, as vector lines and
// arcs in surface pixels (the painter's transform places and scales them), for printing.
class PainterCanvas final : public DrawingCanvas {
  public:
    // The pen width in surface pixels.
    PainterCanvas(QPainter& painter, double penWidth);

    void setPenColour(Rgb colour) override;
    void lineTo(DisplayPoint p) override;
    void arc(int left, int top, int right, int bottom, DisplayPoint from, DisplayPoint to) override;

  private:
    QPainter& painter_;
    QPen pen_;
};
