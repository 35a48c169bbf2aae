#include <QApplication>
#include <QDockWidget>
#include <QMouseEvent>
#include <QTest>

#include "app/exact_values_panel.h"
#include "display/entity_measures.h"
#include "edit_form_fixture.h"
#include "modal_answerer.h"

// The exact values panel in the running window: it follows the selection and every change, and
// typed values change the drawing as the pointer would.
namespace {

using F = EntityField;

class ExactValuesPanelTest : public EditFormTest {
  protected:
    // Tree: a line from (140, 185) to (170, 185), colour 2, and the half circle over the same
    // points about (155, 185), colour 3.
    void SetUp() override {
        start(writeFile("three.sym", ThreeSymbols));
        auto* dock = form().findChild<QDockWidget*>("ExactValuesDock");
        ASSERT_NE(dock, nullptr);
        EXPECT_FALSE(dock->isVisible());  // the classic window until the user opens it
        dock->toggleViewAction()->trigger();
        ASSERT_TRUE(dock->isVisible());
        values = form().findChild<ExactValuesPanel*>();
        state = &form().state();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        SymBox* box = form().widgets().symBox;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), box->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }
    void click(QPoint at) {
        mouse(QEvent::MouseMove, at, Qt::NoButton);
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    // Types into a field and presses Enter.
    void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    std::string shown(F field) { return values->entityField(field)->text().toStdString(); }
    const Entity& entity(int n) const { return state->work.workEntities[n - 1]; }
    QRgb shownPixel(int x, int y) {
        form().widgets().symBox->grab();
        return form().canvas().image().pixel(x, y);
    }

    ExactValuesPanel* values = nullptr;
    EditorState* state = nullptr;
};

TEST_F(ExactValuesPanelTest, ATypedValueChangesTheLineLikeThePointerOneUndoStepAtATime) {
    EXPECT_EQ(values->kindLabel()->text(), "Entry");
    click({155, 185});  // on the line
    ASSERT_EQ(values->kindLabel()->text(), "Line");
    EXPECT_EQ(shown(F::StartX), "9.0");
    EXPECT_EQ(shown(F::StartY), "8.0");
    EXPECT_EQ(shown(F::EndX), "11.0");
    EXPECT_TRUE(values->entityField(F::StartX)->toolTip().contains("90"));  // file units

    type(values->entityField(F::StartY), "10");
    EXPECT_EQ(entity(1).x1, 140);
    EXPECT_EQ(entity(1).y1, 155);
    EXPECT_EQ(state->undoCount, 1);
    EXPECT_EQ(state->undoHistory[0].kind, UndoKind::Changed);
    EXPECT_TRUE(state->library.entryModified);
    EXPECT_NE(shownPixel(155, 170), qRgb(192, 192, 192));  // the line drawn where it is now
    EXPECT_EQ(shown(F::StartY), "10.0");

    // A move with the pointer shows at once.
    mouse(QEvent::MouseMove, {154, 170}, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {154, 170}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {155, 170}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {170, 170}, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {170, 170}, Qt::NoButton);
    EXPECT_EQ(shown(F::StartX), cellText(cellsOfX(entity(1).x1)));
    EXPECT_NE(entity(1).x1, 140);

    // Undo takes the steps back one by one, and the panel follows each.
    action(Command::tbUndoBtn)->trigger();
    EXPECT_EQ(values->kindLabel()->text(), "Entry");  // undo ends the selection
    click({155, 170});
    EXPECT_EQ(shown(F::StartY), "10.0");
    action(Command::tbUndoBtn)->trigger();
    click({155, 185});
    EXPECT_EQ(shown(F::StartY), "8.0");
    EXPECT_EQ(state->undoCount, 0);
}

TEST_F(ExactValuesPanelTest, RefusedValuesAreNamedInAWarningAndTheFieldShowsTheOldValue) {
    click({155, 185});
    const Entity before = entity(1);
    ModalAnswerer answerer;
    type(values->entityField(F::EndX), "twelve");
    type(values->entityField(F::EndX), "20.5");
    type(values->entityField(F::EndY), "-1");
    ASSERT_EQ(answerer.seen().size(), 3u);
    EXPECT_EQ(answerer.seen()[0].caption, "Warning");
    EXPECT_EQ(answerer.seen()[0].text.rfind("This is not a number", 0), 0u);
    EXPECT_EQ(answerer.seen()[1].text.rfind("The value lies off the drawing area", 0), 0u);
    EXPECT_EQ(answerer.seen()[2].text, answerer.seen()[1].text);
    EXPECT_EQ(entity(1), before);
    EXPECT_EQ(state->undoCount, 0);
    EXPECT_FALSE(state->library.entryModified);
    EXPECT_EQ(shown(F::EndX), "11.0");
    EXPECT_EQ(shown(F::EndY), "8.0");
}

TEST_F(ExactValuesPanelTest, AnArcIsReshapedThroughItsMiddleAndRefusedWhenItsPointsGiveNoCentre) {
    click({155, 200});  // the middle of the half circle below its chord
    ASSERT_EQ(values->kindLabel()->text(), "Arc");
    EXPECT_EQ(shown(F::CentreX), "10.0");
    EXPECT_EQ(shown(F::Radius), "1.0");
    EXPECT_EQ(values->whichArcBox()->currentText(), "Counter-clockwise half");

    type(values->entityField(F::Radius), "2");
    EXPECT_EQ(entity(2).x1, 125);
    EXPECT_EQ(entity(2).x2, 185);
    EXPECT_NEAR(ArcRadius(entity(2)), 30, 0.01);
    EXPECT_EQ(shown(F::Radius), "2.0");

    type(values->entityField(F::CentreY), "9");  // moves the arc up by 15 pixels
    EXPECT_EQ(entity(2).y1, 170);
    EXPECT_EQ(entity(2).centreY, 170.0f);

    // An end point in line with the start (125, 170) and the middle (155, 200) leaves no arc.
    ModalAnswerer answerer;
    const Entity before = entity(2);
    type(values->entityField(F::EndY), "5");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text,
              "These points give no arc: no center can be found through them.");
    EXPECT_EQ(entity(2), before);
    EXPECT_EQ(state->undoCount, 2);
}

TEST_F(ExactValuesPanelTest, SeveralSelectedShowTheirCountAndTakeOneColour) {
    action(Command::EditMenu_SelectAll)->trigger();
    EXPECT_EQ(values->kindLabel()->text(), "Several entities");
    EXPECT_EQ(values->colourBox()->currentIndex(), -1);  // colours 2 and 3
    values->colourBox()->activated(4);
    EXPECT_EQ(entity(1).colour, 5);
    EXPECT_EQ(entity(2).colour, 5);
    EXPECT_EQ(values->colourBox()->currentIndex(), 4);
}

TEST_F(ExactValuesPanelTest, TheEntrysOriginAndSizeRadiusTakeTypedValues) {
    type(values->entryField(EntryField::OriginX), "12");
    EXPECT_EQ(state->work.workEntry.originX, 185);
    EXPECT_TRUE(state->library.entryModified);
    type(values->entryField(EntryField::SizeRadius), "4,5");
    EXPECT_EQ(state->work.workEntry.sizeRadius, 68);  // 67.5 to the even neighbour
    EXPECT_EQ(values->entryField(EntryField::SizeRadius)->text(), "4.5");
}

}  // namespace
