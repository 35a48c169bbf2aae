#include <QApplication>
#include <QTest>

#include "edit_form_fixture.h"

namespace {

using C = Command;

void clickRow(TEditForm& form, int row) {
    QListWidget* list = form.widgets().SymbList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void press(TEditForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &form, key, modifiers);
}

// A line's slot keeps whatever it held in the arc fields; only what is drawn counts.
bool sameDrawing(const Entity& a, const Entity& b) {
    if (a.isArc != 0 || b.isArc != 0) {
        return a == b;
    }
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour;
}

class ClipboardKeysTest : public EditFormTest {
  protected:
    TEditForm& startOnThreeSymbols() {
        TEditForm& f = start(writeFile("survey.sym", ThreeSymbols));
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    std::vector<Entity> workEntities() {
        const WorkingCopy& work = form().state().work;
        return {work.workEntities.begin(), work.workEntities.begin() + work.workEntityCount};
    }
};

TEST_F(ClipboardKeysTest, CutInOneEntryAndPasteIntoAnother) {
    TEditForm& f = startOnThreeSymbols();
    const std::vector<Entity> cut = workEntities();
    ASSERT_EQ(cut.size(), 2u);
    action(C::EditMenu_SelectAll)->trigger();
    press(f, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(workEntities().empty());
    EXPECT_TRUE(enabled(C::EditMenu_Paste));
    EXPECT_FALSE(enabled(C::EditMenu_Cut));

    clickRow(f, 1);  // "Well" shows its entities in black
    std::vector<Entity> expected = workEntities();
    for (Entity e : cut) {
        e.colour = 1;
        expected.push_back(e);
    }
    press(f, Qt::Key_V, Qt::ControlModifier);
    const std::vector<Entity> pasted = workEntities();
    ASSERT_EQ(pasted.size(), expected.size());
    for (size_t i = 0; i < pasted.size(); ++i) {
        EXPECT_TRUE(sameDrawing(pasted[i], expected[i])) << i;
    }
    EXPECT_EQ(f.state().pointerState, PointerState::SelectIdle);

    clickRow(f, 0);
    EXPECT_TRUE(workEntities().empty());
    EXPECT_TRUE(sameDrawing(f.state().library.entities(2)[2], expected[2]));
}

TEST_F(ClipboardKeysTest, CopyAndDeleteFromTheKeyboard) {
    TEditForm& f = startOnThreeSymbols();
    action(C::EditMenu_SelectAll)->trigger();
    press(f, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(workEntities().size(), 2u);
    EXPECT_EQ(clipboard_.text().rfind("GlyEd data\r\n", 0), 0u);

    action(C::EditMenu_SelectAll)->trigger();
    press(f, Qt::Key_Delete);
    EXPECT_TRUE(workEntities().empty());
    press(f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(workEntities().size(), 1u);
}

TEST_F(ClipboardKeysTest, PasteFollowsTheClipboardAtStartAndOnEveryRepaint) {
    clipboard_.setText("GlyEd data\r\n");
    TEditForm& f = startOnThreeSymbols();
    EXPECT_TRUE(enabled(C::EditMenu_Paste));
    clipboard_.setText("a shopping list");
    f.repaint();
    EXPECT_FALSE(enabled(C::EditMenu_Paste));
}

TEST_F(ClipboardKeysTest, ArrowKeysAndSpaceDrawALine) {
    TEditForm& f = startOnThreeSymbols();
    clickRow(f, 2);  // the empty entry
    action(C::DrawMenu_Line)->trigger();
    // A click on the drawing area takes the keys from the entry list; the middle button adds
    // nothing to the drawing.
    QTest::mouseClick(f.widgets().symBox, Qt::MiddleButton, {}, QPoint(50, 50));
    ASSERT_NE(QApplication::focusWidget(), f.widgets().SymbList);

    press(f, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        press(f, Qt::Key_Right);
    }
    press(f, Qt::Key_Space);
    ASSERT_EQ(workEntities().size(), 1u);
    const Entity e = workEntities()[0];
    EXPECT_EQ((DisplayPoint{e.x1, e.y1}), (DisplayPoint{50, 50}));
    EXPECT_EQ((DisplayPoint{e.x2, e.y2}), (DisplayPoint{95, 50}));
}

TEST_F(ClipboardKeysTest, ArrowKeysInTheEntryListMoveTheListOnly) {
    TEditForm& f = startOnThreeSymbols();
    action(C::DrawMenu_Line)->trigger();
    QWidget* list = f.widgets().SymbList;
    list->setFocus();
    const DisplayPoint before = f.state().pointerPos;
    press(f, Qt::Key_Down);
    EXPECT_EQ(f.widgets().SymbList->currentRow(), 1);
    EXPECT_EQ(f.state().pointerPos, before);
}

TEST_F(ClipboardKeysTest, F3TogglesSnapToGrid) {
    TEditForm& f = startOnThreeSymbols();
    press(f, Qt::Key_F3);
    EXPECT_FALSE(f.state().snapToGrid);
    EXPECT_FALSE(action(C::EditMenu_Snap)->isChecked());
    press(f, Qt::Key_F3);
    EXPECT_TRUE(f.state().snapToGrid);
    EXPECT_TRUE(action(C::EditMenu_Snap)->isChecked());
}

}  // namespace
