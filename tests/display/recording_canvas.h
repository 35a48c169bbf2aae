#pragma once

#include <string>
#include <vector>

#include "display/canvas.h"

// A canvas that keeps the pen state and a readable log of the drawing calls.
class RecordingCanvas final : public Canvas {
  public:
    Rgb colour = Black;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    std::vector<std::string> calls;

    void setPenColour(Rgb c) override { colour = c; }
    void setPenStyle(PenStyle s) override { style = s; }
    void setPenMode(PenMode m) override { mode = m; }
    void moveTo(DisplayPoint p) override { log("moveTo", p); }
    void lineTo(DisplayPoint p) override { log("lineTo", p); }
    void arc(int l, int t, int r, int b, DisplayPoint from, DisplayPoint to) override {
        calls.push_back(pen() + " arc " + box(l, t, r, b) + " " + point(from) + " " + point(to));
    }
    void ellipse(int l, int t, int r, int b) override {
        calls.push_back(pen() + " ellipse " + box(l, t, r, b));
    }
    void setPixel(DisplayPoint p, Rgb) override { log("pixel", p); }
    void fillRect(int l, int t, int r, int b, Rgb) override {
        calls.push_back("fill " + box(l, t, r, b));
    }
    void invertSquare(DisplayPoint p, int size) override {
        calls.push_back("invert " + point(p) + " " + std::to_string(size));
    }

    // The pen as "mode/style/r,g,b", for example "xor/solid/0,255,255".
    std::string pen() const {
        static const char* modes[] = {"copy", "xor", "black"};
        static const char* styles[] = {"solid", "dash", "dot", "dashdotdot"};
        return std::string(modes[static_cast<int>(mode)]) + "/" + styles[static_cast<int>(style)] +
               "/" + std::to_string(colour.r) + "," + std::to_string(colour.g) + "," +
               std::to_string(colour.b);
    }

  private:
    static std::string point(DisplayPoint p) {
        return std::to_string(p.x) + "," + std::to_string(p.y);
    }
    static std::string box(int l, int t, int r, int b) {
        return std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) + "," +
               std::to_string(b);
    }
    void log(const char* what, DisplayPoint p) {
        calls.push_back(pen() + " " + what + " " + point(p));
    }
};
