#include <QFile>
#include <QMouseEvent>
#include <QTest>

#include "app/library_io.h"
#include "edit_form_fixture.h"

// The drawing area driven by real mouse events on the running window: the paint box turns
// them into the core's pointer handlers and shows what they drew.
namespace {

// Colour 1 of the palette, the colour new entities get.
const QRgb NewEntityColour = qRgb(0, 0, 0);
const QRgb Background = qRgb(192, 192, 192);

constexpr int TreeEntities = 2;

class PointerShellTest : public EditFormTest {
  protected:
    // The first entry, "Tree", holds a line and an arc below and right of the drawing here.
    void SetUp() override {
        start(writeFile("three.sym", ThreeSymbols));
        box = form().widgets().symBox;
        state = &form().state();
        ASSERT_EQ(entityCount(), TreeEntities);
        box->grab();  // the first paint, which draws the loaded entry
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(at), box->mapToGlobal(QPointF(at)), button, held,
                          modifiers);
        QApplication::sendEvent(box, &event);
    }
    void hover(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonPress, at, button, button);
    }
    void dragTo(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        hover(at);
        press(at, button);
        release(at, button);
    }
    // A press beside the point and a move onto it: the move grabs what lies there.
    void drag(QPoint from, QPoint to) {
        hover(from - QPoint(1, 0));
        press(from - QPoint(1, 0));
        dragTo(from);
        dragTo((from + to) / 2);
        dragTo(to);
        release(to);
    }
    void trigger(Command command) { action(command)->trigger(); }

    // The picture as the paint box shows it; painting it runs a repaint the core asked for.
    QRgb shownPixel(int x, int y) {
        box->grab();
        return form().canvas().image().pixel(x, y);
    }
    // Pixels painted along a row between two columns, grid dots left out.
    int paintedInRow(int y, int fromX, int toX) {
        box->grab();
        const QImage& image = form().canvas().image();
        int n = 0;
        for (int x = fromX; x <= toX; ++x) {
            const bool gridDot = (x - 5) % 15 == 0 && (y - 5) % 15 == 0;
            n += !gridDot && image.pixel(x, y) != Background ? 1 : 0;
        }
        return n;
    }
    const Entity& entity(int n) const { return state->work.workEntities[n - 1]; }
    int entityCount() const { return state->work.workEntityCount; }

    SymBox* box = nullptr;
    EditorState* state = nullptr;
};

TEST_F(PointerShellTest, ALineAndAnArcDrawnWithTheMouseAreUndoneOneByOne) {
    trigger(Command::tbLineBtn);
    EXPECT_EQ(panelText(0), "Select the start point for the line");
    click({20, 200});
    click({80, 200});
    ASSERT_EQ(entityCount(), TreeEntities + 1);
    EXPECT_EQ(entity(3).x2, 80);
    EXPECT_EQ(shownPixel(52, 200), NewEntityColour);

    trigger(Command::tbArcBtn);  // the arc goes on from the end of the line
    EXPECT_EQ(panelText(0), "Select the end point for the arc");
    click({140, 200});
    EXPECT_EQ(panelText(0), "Select a point on the arc");
    hover({110, 170});
    click({110, 170});
    ASSERT_EQ(entityCount(), TreeEntities + 2);
    EXPECT_EQ(entity(4).isArc, 1);
    EXPECT_EQ(entity(4).x1, 80);
    EXPECT_EQ(shownPixel(111, 170), NewEntityColour);

    trigger(Command::tbUndoBtn);
    EXPECT_EQ(entityCount(), TreeEntities + 1);
    EXPECT_EQ(shownPixel(111, 170), Background);
    trigger(Command::EditMenu_Undo);
    EXPECT_EQ(entityCount(), TreeEntities);
    EXPECT_EQ(paintedInRow(200, 21, 79), 0);
}

TEST_F(PointerShellTest, ALineDrawnAndRecolouredWithTheMouseIsWhatTheSavedFileHolds) {
    trigger(Command::tbLineBtn);
    click({20, 200});
    click({80, 200});
    trigger(Command::tbSelectBtn);
    click({50, 200});
    ASSERT_EQ(state->selection[0], TreeEntities + 1);
    QTest::mouseClick(form().widgets().colourBoxes[2], Qt::LeftButton);  // Panel3, red
    EXPECT_EQ(entity(TreeEntities + 1).colour, 3);
    EXPECT_EQ(state->undoCount, 2);  // added, then recoloured

    const std::string saved = path("saved.sym");
    ASSERT_TRUE(writeLibrary(form(), saved));
    QFile file(QString::fromStdString(saved));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(
        text.contains("S Tree\r\nP    100   100     0    20     1\r\n"
                      "L      2    90    80   110    80\r\n"
                      "A      3    90    80   110    80   100    80     1\r\n"
                      "L      3    10    70    50    70\r\nE\r\n"))
        << text.toStdString();
}

TEST_F(PointerShellTest, ARubberBandFollowsThePointerAndGoesWhenItLeaves) {
    trigger(Command::tbLineBtn);
    click({50, 50});
    hover({110, 50});
    EXPECT_EQ(paintedInRow(50, 51, 109), 56);  // 59 pixels, 3 of them grid dots
    hover({110, 110});
    EXPECT_EQ(paintedInRow(50, 51, 109), 0);
    EXPECT_NE(shownPixel(86, 86), Background);
    QMouseEvent away(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(form().centralWidget(), &away);
    EXPECT_EQ(shownPixel(86, 86), Background);
}

// Straight onto the status bar or the entry list, not over the bare client area: the
// pointer is off the drawing all the same, and the arrow keys must not bring it back.
TEST_F(PointerShellTest, LeavingThePaintBoxInAnyDirectionForgetsThePointer) {
    trigger(Command::tbLineBtn);
    click({50, 50});
    hover({110, 50});
    ASSERT_EQ(paintedInRow(50, 51, 109), 56);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(box, &leave);
    EXPECT_FALSE(state->pointerPos.isSet());
    EXPECT_EQ(paintedInRow(50, 51, 109), 0);
}

class PointerShellDragTest : public PointerShellTest {
  protected:
    void SetUp() override {
        PointerShellTest::SetUp();
        trigger(Command::tbLineBtn);
        click({20, 50});
        click({110, 50});
        trigger(Command::tbSelectBtn);
    }
};

TEST_F(PointerShellDragTest, DraggingTheSelectionMovesIt) {
    click({65, 50});
    ASSERT_EQ(state->selection[0], 3);
    drag({65, 50}, {95, 110});
    EXPECT_EQ(entity(3).x1, 50);
    EXPECT_EQ(entity(3).y1, 110);
    EXPECT_EQ(entity(3).x2, 140);
    EXPECT_EQ(paintedInRow(50, 21, 109), 0);
    EXPECT_GT(paintedInRow(110, 51, 139), 20);  // dotted: it stays selected
    EXPECT_EQ(state->pointerState, PointerState::SelectIdle);
}

TEST_F(PointerShellDragTest, DraggingAGripReshapesTheLine) {
    click({65, 50});
    drag({110, 50}, {200, 140});
    EXPECT_EQ(entity(3).x1, 20);
    EXPECT_EQ(entity(3).x2, 200);
    EXPECT_EQ(entity(3).y2, 140);
    EXPECT_EQ(state->undoCount, 2);  // the line added, then changed
}

TEST_F(PointerShellDragTest, DraggingTheOriginMovesItAndMarksTheEntryChanged) {
    drag({155, 155}, {200, 230});
    EXPECT_EQ(state->work.workEntry.originX, 200);
    EXPECT_EQ(state->work.workEntry.originY, 230);
    EXPECT_TRUE(state->library.entryModified);
    EXPECT_TRUE(state->grips.originSelected);
}

}  // namespace
