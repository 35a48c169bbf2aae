#pragma once

#include <vector>

#include "display/canvas.h"

// A Canvas that remembers every drawing call with the pen it was made with, for tests that
// check what was drawn rather than which pixels changed.
class RecordingCanvas : public Canvas {
  public:
    enum class Op { Line, Arc, Ellipse, Pixel, Fill, InvertSquare };

    struct Pen {
        Rgb colour = Black;
        PenStyle style = PenStyle::Solid;
        PenMode mode = PenMode::Copy;
        friend bool operator==(const Pen&, const Pen&) = default;
    };

    // Line: from a to b. Arc, Ellipse, Fill: box left, top, right, bottom; arcs sweep from a
    // to b. Pixel and Fill: `fill` colour. InvertSquare: a is the top left, size in `size`.
    struct Call {
        Op op = Op::Line;
        Pen pen;
        DisplayPoint a;
        DisplayPoint b;
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        int size = 0;
        Rgb fill = Black;
    };

    void setPenColour(Rgb colour) override { pen.colour = colour; }
    void setPenStyle(PenStyle style) override { pen.style = style; }
    void setPenMode(PenMode mode) override { pen.mode = mode; }

    void moveTo(DisplayPoint p) override { position = p; }
    void lineTo(DisplayPoint p) override {
        Call& call = record(Op::Line);
        call.a = position;
        call.b = p;
        position = p;
    }
    void arc(int left, int top, int right, int bottom, DisplayPoint from,
             DisplayPoint to) override {
        Call& call = recordBox(Op::Arc, left, top, right, bottom);
        call.a = from;
        call.b = to;
    }
    void ellipse(int left, int top, int right, int bottom) override {
        recordBox(Op::Ellipse, left, top, right, bottom);
    }
    void setPixel(DisplayPoint p, Rgb colour) override {
        Call& call = record(Op::Pixel);
        call.a = p;
        call.fill = colour;
    }
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override {
        recordBox(Op::Fill, left, top, right, bottom).fill = colour;
    }
    void invertSquare(DisplayPoint topLeft, int size) override {
        Call& call = record(Op::InvertSquare);
        call.a = topLeft;
        call.size = size;
    }
    // Calls are recorded, not painted: the clip is only remembered and nothing counts as damage.
    void setClip(PixelBox box) override { clip = box; }
    PixelBox takeDamage() override { return {}; }

    // The calls of one kind, in order.
    std::vector<Call> callsOf(Op op) const {
        std::vector<Call> found;
        for (const Call& call : calls) {
            if (call.op == op) {
                found.push_back(call);
            }
        }
        return found;
    }
    // Line segments drawn from a to b (either way round) with the given pen.
    int linesBetween(DisplayPoint a, DisplayPoint b, const Pen& with) const {
        int count = 0;
        for (const Call& call : calls) {
            const bool same = (call.a == a && call.b == b) || (call.a == b && call.b == a);
            count += call.op == Op::Line && same && call.pen == with ? 1 : 0;
        }
        return count;
    }
    void forget() { calls.clear(); }

    Pen pen;
    DisplayPoint position;
    PixelBox clip = WholeSurface;
    std::vector<Call> calls;

  private:
    Call& record(Op op) {
        Call& call = calls.emplace_back();
        call.op = op;
        call.pen = pen;
        return call;
    }
    Call& recordBox(Op op, int left, int top, int right, int bottom) {
        Call& call = record(op);
        call.left = left;
        call.top = top;
        call.right = right;
        call.bottom = bottom;
        return call;
    }
};
