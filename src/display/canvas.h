#pragma once

#include <algorithm>
#include <cstdint>

#include "display/display_point.h"

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb Aqua{0, 255, 255};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Gray{128, 128, 128};

enum class PenStyle { Solid, Dash, Dot, DashDotDot };

// A box of surface pixels, right and bottom exclusive; empty when it holds no pixel.
struct PixelBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    bool intersects(const PixelBox& other) const {
        return !empty() && !other.empty() && left < other.right && other.left < right &&
               top < other.bottom && other.top < bottom;
    }
    // The smallest box that holds both.
    PixelBox united(const PixelBox& other) const {
        if (empty()) {
            return other;
        }
        if (other.empty()) {
            return *this;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

inline constexpr PixelBox WholeSurface{0, 0, SurfaceSize, SurfaceSize};

// Copy paints the pen colour, Xor combines it with what is there (drawing twice restores the
// picture), Black paints black whatever the pen colour.
enum class PenMode { Copy, Xor, Black };

// The drawing surface of the editor, 310 x 310 pixels, pen width 1, no antialiasing.
// Filled rectangles are given as left, top, right, bottom with right and bottom exclusive. The
// boxes of arcs and ellipses hold the outline with its right and bottom edge: the circle of
// radius r about (x, y) has the box x - r, y - r, x + r, y + r.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void setPenColour(Rgb colour) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setPenMode(PenMode mode) = 0;

    virtual void moveTo(DisplayPoint p) = 0;
    // Draws from the current position to p, leaving the pixel at p itself unpainted.
    virtual void lineTo(DisplayPoint p) = 0;
    // The arc of the ellipse inscribed in the box, counter-clockwise on screen from the radial
    // through `from` to the radial through `to`; equal radials draw the whole ellipse.
    virtual void arc(int left, int top, int right, int bottom, DisplayPoint from,
                     DisplayPoint to) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;  // outline only
    virtual void setPixel(DisplayPoint p, Rgb colour) = 0;
    virtual void fillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // Inverts a size x size square from topLeft with a silver pattern brush (XOR destination).
    virtual void invertSquare(DisplayPoint topLeft, int size) = 0;

    // Only pixels inside the box are painted until the clip is set again (WholeSurface: all).
    virtual void setClip(PixelBox box) = 0;
    // The box around every pixel painted since the last call, in any mode; empty when none.
    virtual PixelBox takeDamage() = 0;
};
