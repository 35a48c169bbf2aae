#include "platform/qt_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr PenStyle AllStyles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot,
                                  PenStyle::DashDotDot};

QRgb rgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

bool painted(const QImage& image, int x, int y, QRgb background) {
    return image.pixel(x, y) != background;
}

int countDifferences(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            n += rowA[x] != rowB[x];
        }
    }
    return n;
}

int countPainted(const QImage& image, QRgb background) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            n += row[x] != background;
        }
    }
    return n;
}

// Coloured bands, so that XOR faults cannot hide in a uniform background.
void paintBands(QtCanvas& canvas) {
    const Rgb colours[] = {Silver, {255, 0, 0}, {0, 128, 0}, {255, 255, 255}, Black};
    for (int i = 0; i < 31; ++i) {
        canvas.fillRect(i * 10, 0, i * 10 + 10, SurfaceSize, colours[i % 5]);
    }
}

struct Figure {
    std::string name;
    std::function<void(Canvas&)> draw;
};

std::vector<Figure> figures() {
    const auto line = [](DisplayPoint a, DisplayPoint b) {
        return [=](Canvas& c) {
            c.moveTo(a);
            c.lineTo(b);
        };
    };
    const auto arc = [](int l, int t, int r, int b, DisplayPoint from, DisplayPoint to) {
        return [=](Canvas& c) { c.arc(l, t, r, b, from, to); };
    };
    const auto ellipse = [](int l, int t, int r, int b) {
        return [=](Canvas& c) { c.ellipse(l, t, r, b); };
    };
    return {
        {"horizontal line", line({5, 155}, {305, 155})},
        {"vertical line", line({155, 305}, {155, 5})},
        {"diagonal line", line({5, 5}, {305, 305})},
        {"shallow line", line({300, 20}, {10, 121})},
        {"steep line", line({40, 300}, {71, 8})},
        {"line across the edges", line({-40, 100}, {350, 180})},
        {"line far outside", line({-2000000000, -5}, {2000000000, 400})},
        {"zero-length line", line({80, 80}, {80, 80})},
        {"closed square",
         [](Canvas& c) {
             c.moveTo({150, 150});
             c.lineTo({160, 150});
             c.lineTo({160, 160});
             c.lineTo({150, 160});
             c.lineTo({150, 150});
         }},
        {"quarter arc", arc(55, 55, 255, 255, {255, 155}, {155, 55})},
        {"arc through angle zero", arc(100, 100, 200, 200, {150, 190}, {150, 110})},
        {"arc about a half-pixel centre", arc(30, 40, 91, 101, {30, 40}, {91, 40})},
        {"full arc", arc(20, 20, 80, 80, {80, 50}, {90, 50})},
        {"arc across the edges", arc(-100, -100, 200, 200, {200, 50}, {-100, 50})},
        {"arc of a huge circle", arc(-2800, 150, 3200, 6150, {3000, 900}, {-2000, 300})},
        {"circle", ellipse(55, 55, 255, 255)},
        {"small odd circle", ellipse(10, 10, 13, 13)},
        {"ellipse", ellipse(20, 100, 290, 180)},
        {"circle across the edges", ellipse(-50, 200, 150, 400)},
        {"grip square",
         [](Canvas& c) {
             c.invertSquare({100, 100}, 7);
         }},
        {"grip squares at the corners",
         [](Canvas& c) {
             c.invertSquare({-3, -3}, 7);
             c.invertSquare({306, 306}, 7);
         }},
    };
}

TEST(QtCanvasXor, EveryFigureInEveryStyleDrawnTwiceRestoresTheRaster) {
    for (const PenStyle style : AllStyles) {
        for (const Figure& figure : figures()) {
            SCOPED_TRACE(figure.name + " in style " + std::to_string(static_cast<int>(style)));
            QtCanvas canvas;
            paintBands(canvas);
            const QImage before = canvas.image();
            canvas.setPenColour(Aqua);
            canvas.setPenStyle(style);
            canvas.setPenMode(PenMode::Xor);
            figure.draw(canvas);
            if (figure.name != "line far outside" && figure.name != "zero-length line") {
                EXPECT_GT(countDifferences(before, canvas.image()), 0);
            }
            figure.draw(canvas);
            EXPECT_EQ(countDifferences(before, canvas.image()), 0);
        }
    }
}

TEST(QtCanvasXor, CrossingFiguresDrawnTwiceRestoreTheRaster) {
    for (const PenStyle style : AllStyles) {
        QtCanvas canvas;
        paintBands(canvas);
        const QImage before = canvas.image();
        canvas.setPenColour({0, 255, 255});
        canvas.setPenStyle(style);
        canvas.setPenMode(PenMode::Xor);
        for (const Figure& figure : figures()) {
            figure.draw(canvas);
        }
        EXPECT_GT(countDifferences(before, canvas.image()), 1000);
        // The second pass in reverse order: XOR does not care about order.
        const auto all = figures();
        for (auto it = all.rbegin(); it != all.rend(); ++it) {
            it->draw(canvas);
        }
        EXPECT_EQ(countDifferences(before, canvas.image()), 0);
    }
}

TEST(QtCanvasXor, LinesToggleEachOfTheirPixelsOnce) {
    QtCanvas canvas;
    canvas.setPenColour(Aqua);
    canvas.setPenMode(PenMode::Xor);
    canvas.moveTo({10, 10});
    canvas.lineTo({110, 60});
    canvas.moveTo({300, 300});
    canvas.lineTo({300, 150});
    // 100 + 150 pixels, none of them toggled back by a second visit.
    EXPECT_EQ(countPainted(canvas.image(), rgb(Silver)), 250);
    const QRgb toggled = rgb(Silver) ^ (rgb(Aqua) & RGB_MASK);
    EXPECT_EQ(canvas.image().pixel(10, 10), toggled);
    EXPECT_EQ(canvas.image().pixel(60, 35), toggled);
}

TEST(QtCanvasXor, CircleIsAClosedRingOnTheIdealCircle) {
    for (const auto& [l, t, r, b] : {std::array{55, 55, 255, 255}, std::array{100, 100, 111, 111},
                                     std::array{20, 20, 61, 61}}) {
        QtCanvas canvas;
        canvas.setPenColour(Aqua);
        canvas.setPenMode(PenMode::Xor);
        canvas.ellipse(l, t, r, b);
        const QImage& image = canvas.image();
        const double cx = (l + r) / 2.0, cy = (t + b) / 2.0, radius = (r - l) / 2.0;
        const QRgb silver = rgb(Silver);
        int count = 0;
        for (int y = 0; y < SurfaceSize; ++y) {
            for (int x = 0; x < SurfaceSize; ++x) {
                if (!painted(image, x, y, silver)) {
                    continue;
                }
                ++count;
                EXPECT_LT(std::abs(std::hypot(x - cx, y - cy) - radius), 1.0) << x << "," << y;
                int neighbours = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        neighbours += (dx || dy) && painted(image, x + dx, y + dy, silver);
                    }
                }
                EXPECT_GE(neighbours, 2) << "a gap next to " << x << "," << y;
            }
        }
        EXPECT_GT(count, 5.0 * radius);
    }
}

TEST(QtCanvas, ArcsRunCounterClockwiseFromTheFirstRadialToTheSecond) {
    for (const PenMode mode : {PenMode::Copy, PenMode::Xor}) {
        SCOPED_TRACE(mode == PenMode::Copy ? "copy" : "xor");
        const QRgb silver = rgb(Silver);
        // From the right to the top: the upper right quarter only.
        QtCanvas quarter;
        quarter.setPenColour({255, 0, 0});
        quarter.setPenMode(mode);
        quarter.arc(55, 55, 255, 255, {300, 155}, {155, 10});
        int count = 0;
        for (int y = 0; y < SurfaceSize; ++y) {
            for (int x = 0; x < SurfaceSize; ++x) {
                if (painted(quarter.image(), x, y, silver)) {
                    ++count;
                    EXPECT_TRUE(x >= 154 && y <= 156) << x << "," << y;
                }
            }
        }
        EXPECT_GT(count, 120);
        // From the top to the right: the other three quarters.
        QtCanvas rest;
        rest.setPenColour({255, 0, 0});
        rest.setPenMode(mode);
        rest.arc(55, 55, 255, 255, {155, 10}, {300, 155});
        EXPECT_TRUE(painted(rest.image(), 55, 155, silver));
        EXPECT_TRUE(painted(rest.image(), 155, 255, silver));
        EXPECT_FALSE(painted(rest.image(), 226, 84, silver));
        EXPECT_FALSE(painted(rest.image(), 225, 85, silver));
        EXPECT_GT(countPainted(rest.image(), silver), 3 * count - 20);
    }
}

TEST(QtCanvas, TwoArcsBetweenTheSameRadialsMakeUpTheWholeOutline) {
    struct Case {
        int l, t, r, b;
        DisplayPoint a, b2;
    };
    const Case cases[] = {
        {55, 55, 255, 255, {300, 100}, {20, 290}},
        {30, 40, 91, 101, {30, 40}, {91, 90}},
        {20, 100, 290, 181, {155, 0}, {300, 170}},
        {-2845, 155, 3155, 6155, {100, 100}, {200, 100}},  // radius 3000 across the area
        {150, 150, 151, 151, {151, 150}, {150, 151}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.l) + "," + std::to_string(c.t));
        QtCanvas whole;
        whole.ellipse(c.l, c.t, c.r, c.b);
        QtCanvas halves;
        halves.arc(c.l, c.t, c.r, c.b, c.a, c.b2);
        const int first = countPainted(halves.image(), rgb(Silver));
        halves.arc(c.l, c.t, c.r, c.b, c.b2, c.a);
        EXPECT_GT(first, 0);
        EXPECT_LT(first, countPainted(whole.image(), rgb(Silver)));
        EXPECT_EQ(countDifferences(whole.image(), halves.image()), 0);
    }
}

TEST(QtCanvas, LineEndPixelIsLeftOutInEveryMode) {
    const DisplayPoint centre{155, 155};
    const DisplayPoint ends[] = {{185, 155}, {185, 185}, {155, 185}, {125, 185}, {125, 155},
                                 {125, 125}, {155, 125}, {185, 125}, {195, 166}, {140, 100}};
    for (const PenMode mode : {PenMode::Copy, PenMode::Xor, PenMode::Black}) {
        for (const DisplayPoint end : ends) {
            SCOPED_TRACE(std::to_string(end.x) + "," + std::to_string(end.y) + " mode " +
                         std::to_string(static_cast<int>(mode)));
            QtCanvas canvas;
            canvas.setPenColour({255, 0, 0});
            canvas.setPenMode(mode);
            canvas.moveTo(centre);
            canvas.lineTo(end);
            EXPECT_TRUE(painted(canvas.image(), centre.x, centre.y, rgb(Silver)));
            EXPECT_FALSE(painted(canvas.image(), end.x, end.y, rgb(Silver)));
        }
    }
}

TEST(QtCanvasCopy, SolidSilverCoversAFigureDrawnBeforeInAnyStyle) {
    std::vector<Figure> covered;
    for (const Figure& f : figures()) {
        if (f.name.find("grip") == std::string::npos) {
            covered.push_back(f);
        }
    }
    for (const PenStyle style : AllStyles) {
        for (const Figure& figure : covered) {
            SCOPED_TRACE(figure.name + " in style " + std::to_string(static_cast<int>(style)));
            QtCanvas canvas;
            const QImage blank = canvas.image();
            canvas.setPenColour({128, 0, 128});
            canvas.setPenStyle(style);
            figure.draw(canvas);
            canvas.setPenStyle(PenStyle::Solid);
            canvas.setPenColour(Silver);
            figure.draw(canvas);
            EXPECT_EQ(countDifferences(blank, canvas.image()), 0);
        }
    }
}

TEST(QtCanvas, BlackModePaintsBlackWhateverThePenColour) {
    QtCanvas canvas;
    canvas.setPenColour({255, 255, 0});
    canvas.setPenMode(PenMode::Black);
    canvas.moveTo({10, 20});
    canvas.lineTo({40, 20});
    canvas.ellipse(100, 100, 140, 140);
    EXPECT_EQ(canvas.image().pixel(25, 20), rgb(Black));
    EXPECT_EQ(canvas.image().pixel(140, 120), rgb(Black));
}

TEST(QtCanvas, PenStylesPaintTheSameRunsInCopyAndXor) {
    for (const PenStyle style : AllStyles) {
        int counts[2] = {};
        for (const PenMode mode : {PenMode::Copy, PenMode::Xor}) {
            QtCanvas canvas;
            canvas.setPenColour(Aqua);
            canvas.setPenStyle(style);
            canvas.setPenMode(mode);
            canvas.moveTo({20, 50});
            canvas.lineTo({260, 50});
            counts[mode == PenMode::Xor] = countPainted(canvas.image(), rgb(Silver));
        }
        SCOPED_TRACE(static_cast<int>(style));
        const int expected[] = {240, 160, 80, 120};  // solid, 4 of 6, 1 of 3, 6 of 12
        EXPECT_NEAR(counts[0], expected[static_cast<int>(style)], 2);
        EXPECT_NEAR(counts[1], expected[static_cast<int>(style)], 2);
    }
}

TEST(QtCanvas, FillRectLeavesRightAndBottomOutAndClips) {
    QtCanvas canvas;
    canvas.fillRect(2, 2, 306, 306, {255, 0, 0});
    EXPECT_EQ(canvas.image().pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.image().pixel(305, 305), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.image().pixel(306, 305), rgb(Silver));
    EXPECT_EQ(canvas.image().pixel(305, 306), rgb(Silver));
    EXPECT_EQ(canvas.image().pixel(1, 1), rgb(Silver));
    canvas.fillRect(-100, -100, 1000, 1000, Black);
    EXPECT_EQ(countPainted(canvas.image(), rgb(Black)), 0);
}

TEST(QtCanvas, GripSquareInvertsSevenBySevenPixelsWithSilver) {
    QtCanvas canvas;
    canvas.setPixel({103, 103}, {0, 0, 255});
    canvas.invertSquare({100, 100}, 7);
    // Silver XOR silver is black; blue XOR silver is (192, 192, 63).
    EXPECT_EQ(countPainted(canvas.image(), rgb(Silver)), 49);
    EXPECT_EQ(canvas.image().pixel(100, 100), rgb(Black));
    EXPECT_EQ(canvas.image().pixel(106, 106), rgb(Black));
    EXPECT_EQ(canvas.image().pixel(103, 103), qRgb(192, 192, 63));
    EXPECT_EQ(canvas.image().pixel(107, 103), rgb(Silver));
}

TEST(QtCanvas, PixelsOutsideTheSurfaceAreIgnored) {
    QtCanvas canvas;
    canvas.setPixel({-1, 5}, Black);
    canvas.setPixel({5, 310}, Black);
    canvas.setPixel({309, 309}, Black);
    EXPECT_EQ(countPainted(canvas.image(), rgb(Silver)), 1);
}

TEST(QtCanvas, CopiesOfTheImageDoNotChangeWithLaterDrawing) {
    QtCanvas canvas;
    const QImage before = canvas.image();
    canvas.fillRect(0, 0, 10, 10, Black);
    canvas.setPenMode(PenMode::Xor);
    canvas.setPenColour(Aqua);
    canvas.moveTo({20, 20});
    canvas.lineTo({200, 20});
    EXPECT_EQ(countPainted(before, rgb(Silver)), 0);
    EXPECT_EQ(countDifferences(before, canvas.image()), 100 + 180);
}

}  // namespace
