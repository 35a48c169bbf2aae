#pragma once

#include "display/canvas.h"

// The base of canvases that turn what the entity primitives draw into a drawing of lines and
// arcs (a print, an SVG file) rather than a picture kept up to date: only copy-mode lines and
// arcs in the pen's colour are meant, so styles, modes, pixels, fills, outlines and inverted
// squares are left out, and there is no clip and nothing to settle.
class DrawingCanvas : public Canvas {
  public:
    void setPenStyle(PenStyle) override {}
    void setPenMode(PenMode) override {}
    void moveTo(DisplayPoint p) override { position_ = p; }
    void ellipse(int, int, int, int) override {}
    void setPixel(DisplayPoint, Rgb) override {}
    void fillRect(int, int, int, int, Rgb) override {}
    void invertSquare(DisplayPoint, int) override {}
    void setClip(PixelBox) override {}
    PixelBox takeDamage() override { return {}; }

  protected:
    DisplayPoint position_;  // where the next line starts
};
