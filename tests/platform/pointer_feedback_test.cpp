#include <gtest/gtest.h>

#include <QImage>
#include <random>
#include <string>

#include "editing/drawing_tools.h"
#include "editing/pointer_input.h"
#include "editing/redraw.h"
#include "editing/selection_commands.h"
#include "platform/support/raster_session.h"
#include "support/entities.h"

// The pointer feedback (rubber bands, ghosts, grips) is drawn in XOR and must leave nothing
// behind. Drawing is incremental, so once the pointer has gone the picture may differ from a
// full redraw where an erase left a gap or one figure was drawn again over another; but every
// pixel must still have a colour of the picture. XOR feedback over any of them gives a colour
// that is none of these: aqua over black, white over red, lime over blue, fuchsia over yellow.
namespace {

constexpr Rgb Red{255, 0, 0};
constexpr Rgb Yellow{255, 255, 0};
constexpr int RedIndex = 3;
constexpr int BlueIndex = 5;
constexpr int YellowIndex = 4;

bool isPictureColour(QRgb p) {
    for (const Rgb c : {Silver, Black, Red, Blue, Yellow}) {
        if (p == qRgb(c.r, c.g, c.b)) {
            return true;
        }
    }
    return false;
}

class PointerFeedbackTest : public ::testing::Test, protected RasterSession {
  protected:
    PointerFeedbackTest() {
        state.work.workEntities[0] = lineEntity(35, 35, 125, 95, RedIndex);
        state.work.workEntities[1] = lineEntity(200, 50, 200, 200, BlueIndex);
        Entity arc = lineEntity(50, 155, 110, 155, YellowIndex);
        arc.isArc = 1;
        arc.centreX = 80;
        arc.centreY = 155;
        state.work.workEntities[2] = arc;
        state.work.workEntityCount = 3;
        state.pointerState = PointerState::SelectIdle;
        RedrawEntry(ctx, true);
    }

    void press(int x, int y, MouseButton button = MouseButton::Left) {
        SymBox_MouseDown(ctx, button, {}, x, y);
    }
    void dragTo(int x, int y) {
        ShiftState held;
        held.left = true;
        SymBox_MouseMove(ctx, held, x, y);
    }
    void hover(int x, int y) { SymBox_MouseMove(ctx, {}, x, y); }
    void release(int x, int y, MouseButton button = MouseButton::Left) {
        SymBox_MouseUp(ctx, button, {}, x, y);
    }
    void click(int x, int y, MouseButton button = MouseButton::Left) {
        hover(x, y);
        press(x, y, button);
        release(x, y, button);
    }
    // The pointer leaves the window: the feedback must go within one timer tick.
    void leave() {
        Form_MouseMove(ctx);
        ui.pointerOverPanel = false;
        Timer2Timer(ctx);
        ui.pointerOverPanel = true;
    }

    // Describes the first pixel of the settled picture that is not explained by incremental
    // drawing. The grips are taken off both pictures: a redraw shows those of the selection only.
    std::string strayPixel() {
        leave();
        HideGrips(canvas, state.grips);
        const QImage settled = canvas.image().copy();
        RedrawEntry(ctx, true);
        HideGrips(canvas, state.grips);
        const QImage& redrawn = canvas.image();
        for (int y = 0; y < settled.height(); ++y) {
            for (int x = 0; x < settled.width(); ++x) {
                const QRgb p = settled.pixel(x, y);
                if (p != redrawn.pixel(x, y) && !isPictureColour(p)) {
                    return "stray pixel at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                           std::to_string(p & 0xffffff) + " instead of " +
                           std::to_string(redrawn.pixel(x, y) & 0xffffff);
                }
            }
        }
        return {};
    }
};

TEST_F(PointerFeedbackTest, DrawingAChainOfLinesAndArcsLeavesNoRubberBand) {
    tbLineBtn_Click(ctx);
    click(50, 230);
    hover(120, 260);
    click(110, 230);
    hover(300, 300);
    hover(140, 290);
    tbArcBtn_Click(ctx);
    hover(170, 240);
    click(170, 230);
    hover(150, 200);
    hover(140, 215);
    click(140, 215);
    hover(230, 260);
    EXPECT_EQ(strayPixel(), "");
}

TEST_F(PointerFeedbackTest, SwitchingToolsInTheMiddleOfAnArcLeavesNothing) {
    tbArcBtn_Click(ctx);
    click(50, 230);
    click(110, 230);
    hover(80, 250);
    PopUpMnuLineClick(ctx);
    hover(90, 270);
    EXPECT_EQ(strayPixel(), "");
    tbArcBtn_Click(ctx);
    click(50, 260);
    hover(100, 280);
    PopUpMnuSelectClick(ctx);
    EXPECT_EQ(strayPixel(), "");
}

TEST_F(PointerFeedbackTest, MovingAndReshapingTheSelectionLeavesNoGhosts) {
    click(80, 65);  // selects the first line
    hover(124, 96);
    press(125, 95);
    dragTo(200, 120);
    dragTo(260, 400);
    release(260, 400);  // off the area: the end stops on the border
    hover(80, 65);
    press(79, 65);
    dragTo(80, 65);
    dragTo(60, 30);
    dragTo(-40, 80);
    release(-40, 80);
    EXPECT_EQ(strayPixel(), "");

    click(80, 125);  // the arc, by its middle
    press(80, 125);
    dragTo(80, 110);
    dragTo(80, 155);  // no centre: the arc stays as it was
    release(80, 155);
    EXPECT_EQ(strayPixel(), "");
}

TEST_F(PointerFeedbackTest, DraggingTheOriginLeavesNoMarkerBehind) {
    hover(154, 155);
    press(154, 155);
    dragTo(155, 155);
    dragTo(230, 260);
    dragTo(400, 260);
    dragTo(245, 275);
    release(245, 275);
    EXPECT_EQ(strayPixel(), "");
}

// Random pointer use: clicks, drags, right clicks, tool changes, repaints and the pointer
// leaving the window, in any order.
TEST_F(PointerFeedbackTest, AnySequenceOfPointerEventsLeavesNoFeedbackBehind) {
    std::mt19937 random(20261208);
    auto coordinate = [&] { return std::uniform_int_distribution<int>(-20, 330)(random); };
    auto inside = [&] { return std::uniform_int_distribution<int>(5, 305)(random); };
    for (int round = 0; round < 40; ++round) {
        std::string log;
        for (int step = 0; step < 25; ++step) {
            const int what = std::uniform_int_distribution<int>(0, 9)(random);
            log += " " + std::to_string(what) + "[" +
                   std::to_string(static_cast<int>(state.pointerState)) + "]";
            switch (what) {
                case 0:
                case 1:
                    hover(coordinate(), coordinate());
                    break;
                case 2:
                    click(inside(), inside());
                    break;
                case 3:
                    click(inside(), inside(), MouseButton::Right);
                    break;
                case 4: {
                    // Near an entity end, so that grabs and grip drags happen often.
                    const int n = std::uniform_int_distribution<int>(0, 2)(random);
                    const Entity& e = state.work.workEntities[n];
                    const int x = e.x2 + std::uniform_int_distribution<int>(-3, 3)(random);
                    const int y = e.y2 + std::uniform_int_distribution<int>(-3, 3)(random);
                    hover(x, y);
                    press(x, y);
                    dragTo(x + 1, y);
                    dragTo(coordinate(), coordinate());
                    dragTo(coordinate(), coordinate());
                    release(coordinate(), coordinate());
                    break;
                }
                case 5:
                    tbLineBtn_Click(ctx);
                    break;
                case 6:
                    tbArcBtn_Click(ctx);
                    break;
                case 7:
                    EditMenu_Select_Click(ctx);
                    break;
                case 8:
                    SymBoxPaint(ctx);
                    break;
                default:
                    leave();
                    break;
            }
        }
        // Finish whatever drag the last release off the area left running.
        release(155, 155);
        ASSERT_EQ(strayPixel(), "") << "round " << round << log;
    }
}

}  // namespace
