// Redo, Escape, the usual shortcuts and the Transform commands through the running window.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "edit_form_fixture.h"
#include "editing/selection.h"
#include "modal_script.h"

namespace {

using C = Command;

class EditCommandsShellTest : public EditFormTest {
  protected:
    // "Tree": a line from (140, 185) to (170, 185) and the half circle over it.
    void SetUp() override {
        start(writeFile("three.sym", ThreeSymbols));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    // Where the window system sends a key: an open popup menu takes the keyboard.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::activePopupWidget();
        target = target != nullptr ? target : QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &form(), key, modifiers);
    }
    std::vector<Entity> entities() {
        const WorkingCopy& work = form().state().work;
        return {work.workEntities.begin(), work.workEntities.begin() + work.workEntityCount};
    }
    int selected() { return selectedCount(form().state().selection); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        SymBox* box = form().widgets().symBox;
        QMouseEvent event(type, QPointF(at), box->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }
};

TEST_F(EditCommandsShellTest, RedoByBothKeysAndTheButtonReplaysWhatUndoTookBack) {
    const std::vector<Entity> tree = entities();
    EXPECT_FALSE(enabled(C::tbRedoBtn));
    EXPECT_EQ(action(C::tbRedoBtn)->toolTip(), "Redo");
    EXPECT_EQ(action(C::EditMenu_Redo)->text(), "&Redo");
    key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(selected(), 2);
    action(C::EditMenu_Delete)->trigger();
    ASSERT_TRUE(entities().empty());

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(entities().size(), 1u);
    EXPECT_TRUE(enabled(C::tbRedoBtn));
    EXPECT_TRUE(enabled(C::EditMenu_Redo));
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(entities().empty());
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(entities(), tree);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(entities().size(), 1u);
    QTest::mouseClick(form().widgets().tbRedoBtn, Qt::LeftButton);
    EXPECT_TRUE(entities().empty());
    EXPECT_FALSE(enabled(C::tbRedoBtn));
    EXPECT_FALSE(enabled(C::EditMenu_Redo));
}

TEST_F(EditCommandsShellTest, EscapeLeavesAnOpenMenuAloneThenDropsTheSelectionAndEndsADrag) {
    key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(selected(), 2);
    SymBox* box = form().widgets().symBox;
    QContextMenuEvent context(QContextMenuEvent::Mouse, {60, 60}, box->mapToGlobal(QPoint(60, 60)));
    QApplication::sendEvent(box, &context);
    QMenu* popup = form().commands().mnuPopup;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    key(Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(selected(), 2);

    key(Qt::Key_Escape);
    EXPECT_EQ(selected(), 0);

    // A move of the line, given up half-way.
    const std::vector<Entity> tree = entities();
    const int steps = form().state().undoCount;
    mouse(QEvent::MouseMove, {149, 185}, Qt::NoButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {149, 185}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {150, 185}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {100, 100}, Qt::NoButton, Qt::LeftButton);
    ASSERT_EQ(form().state().pointerState, PointerState::MoveSelection);
    key(Qt::Key_Escape);
    mouse(QEvent::MouseMove, {90, 90}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {90, 90}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form().state().pointerState, PointerState::SelectIdle);
    EXPECT_EQ(entities(), tree);
    EXPECT_EQ(form().state().undoCount, steps);
}

TEST_F(EditCommandsShellTest, EveryTransformAndItsInverseFromTheMenuGiveTheDrawingBack) {
    const std::vector<Entity> tree = entities();
    const std::pair<C, C> pairs[] = {{C::EditMenu_MirrorLeftRight, C::EditMenu_MirrorLeftRight},
                                     {C::EditMenu_MirrorUpDown, C::EditMenu_MirrorUpDown},
                                     {C::EditMenu_RotateLeft, C::EditMenu_RotateRight},
                                     {C::EditMenu_Rotate180, C::EditMenu_Rotate180}};
    for (const auto& [there, back] : pairs) {
        action(there)->trigger();
        EXPECT_NE(entities(), tree) << commandName(there);
        action(back)->trigger();
        EXPECT_EQ(entities(), tree) << commandName(there);
    }
    EXPECT_EQ(form().state().undoCount, 16);
    EXPECT_TRUE(form().commands().mnuPopup->actions().contains(
        form().commands().EditMenu_Transform->menuAction()));
}

TEST_F(EditCommandsShellTest, ScaleAsksForAFactorAndARefusedOneWarnsAndChangesNothing) {
    auto typeFactor = [](const char* wrong, const char* factor) {
        return [wrong, factor](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>("ScaleFactor");
            auto* ok = dialog.findChild<QPushButton*>("OKBtn");
            ASSERT_TRUE(edit != nullptr && ok != nullptr);
            edit->setText(wrong);
            EXPECT_FALSE(ok->isEnabled()) << wrong;
            edit->setText(factor);
            ok->click();
        };
    };
    ModalScript script;
    script.dialog(typeFactor("0.05", "2"));
    action(C::EditMenu_Scale)->trigger();
    const std::vector<Entity> scaled = entities();
    ASSERT_EQ(scaled.size(), 2u);
    EXPECT_EQ(scaled[0].x1, 125);
    EXPECT_EQ(scaled[0].y2, 215);
    EXPECT_EQ(scaled[1].centreX, 155);
    EXPECT_EQ(scaled[1].centreY, 215);

    script.dialog(typeFactor("ten", "10")).answer(QMessageBox::Ok);
    action(C::EditMenu_Scale)->trigger();
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(script.messageTexts()[0], form().strings().loadText(218));
    EXPECT_EQ(script.seen().back().caption, "Warning");
    EXPECT_EQ(entities(), scaled);
}

}  // namespace
