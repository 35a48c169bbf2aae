#include "app/drawing_key_hook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

namespace {

// A window with a field of another dialog, the two kinds of field that keep their keys and a
// control that ignores keys, so that they travel on to its parents.
class DrawingKeyHookTest : public ::testing::Test {
  protected:
    DrawingKeyHookTest() {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* child : {static_cast<QWidget*>(other), static_cast<QWidget*>(symName),
                               static_cast<QWidget*>(list), passive}) {
            layout->addWidget(child);
        }
        symName->setObjectName("SymName");
        list->setObjectName("SymbList");
        list->addItems({"a", "b", "c"});
        passive->setFocusPolicy(Qt::StrongFocus);
        qApp->installEventFilter(&hook);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~DrawingKeyHookTest() override { qApp->removeEventFilter(&hook); }

    void focus(QWidget* widget) {
        widget->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), widget);
    }

    QWidget window;
    QLineEdit* other = new QLineEdit("text");
    QLineEdit* symName = new QLineEdit("name");
    QListWidget* list = new QListWidget;
    QWidget* passive = new QWidget;
    std::vector<DrawingKey> seen;
    DrawingKeyHook hook{window, [this](DrawingKey key) { seen.push_back(key); }, nullptr};
};

TEST_F(DrawingKeyHookTest, ArrowsAndSpaceAreSeenOnceAndStillReachTheControl) {
    focus(other);
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right}) {
        QTest::keyClick(other, key);
    }
    other->setCursorPosition(4);
    QTest::keyClick(other, Qt::Key_Left);
    QTest::keyClick(other, Qt::Key_Space);
    EXPECT_EQ(seen, (std::vector{DrawingKey::Up, DrawingKey::Down, DrawingKey::Right,
                                 DrawingKey::Left, DrawingKey::Space}));
    EXPECT_EQ(other->text(), "tex t");
}

TEST_F(DrawingKeyHookTest, KeysPassedOnToParentsAndThroughTheWindowCountOnce) {
    focus(passive);
    QTest::keyClick(passive, Qt::Key_Right);
    QTest::keyClick(window.windowHandle(), Qt::Key_Down);
    EXPECT_EQ(seen, (std::vector{DrawingKey::Right, DrawingKey::Down}));
}

TEST_F(DrawingKeyHookTest, OtherKeysAreNotTaken) {
    focus(other);
    QTest::keyClick(other, Qt::Key_A);
    QTest::keyClick(other, Qt::Key_Return);
    QTest::keyClick(other, Qt::Key_Home);
    EXPECT_TRUE(seen.empty());
}

TEST_F(DrawingKeyHookTest, NameFieldsAndTheEntryListKeepTheirKeys) {
    focus(symName);
    QTest::keyClick(symName, Qt::Key_Left);
    symName->setObjectName("LTypeName");
    QTest::keyClick(symName, Qt::Key_Space);
    focus(list);
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(DrawingKeyHookTest, MessageBoxesKeepTheirKeys) {
    QMessageBox box(QMessageBox::Warning, "Warning", "Maximum vector limit reached(250)",
                    QMessageBox::Ok, &window);
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    QApplication::setActiveWindow(&box);  // offscreen windows are not activated by showing
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(box.isVisible());
}

// Menus, the menu bar walked with the keyboard and other windows use the arrows and Space for
// themselves: none of them may also draw behind their backs.
TEST_F(DrawingKeyHookTest, OpenMenusTheMenuBarAndOtherWindowsKeepTheirKeys) {
    QMenu menu;
    menu.addAction("Undo");
    menu.addAction("Cut");
    menu.popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    QTest::keyClick(&menu, Qt::Key_Down);
    QTest::keyClick(&menu, Qt::Key_Down);
    EXPECT_EQ(menu.activeAction(), menu.actions().at(1));
    menu.close();

    auto* bar = new QMenuBar(&window);
    bar->addMenu("&Edit")->addAction("Undo");
    bar->show();
    focus(bar);
    QTest::keyClick(bar, Qt::Key_Space);
    QTest::keyClick(bar, Qt::Key_Escape);

    QWidget elsewhere;
    auto* field = new QLineEdit("text", &elsewhere);
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Right);
    EXPECT_TRUE(seen.empty());

    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focus(other);
    QTest::keyClick(other, Qt::Key_Space);
    EXPECT_EQ(seen, std::vector{DrawingKey::Space});
}

}  // namespace
