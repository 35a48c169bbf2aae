#include <QApplication>
#include <QDockWidget>
#include <QMouseEvent>

#include "app/preview_panel.h"
#include "edit_form_fixture.h"

// The Preview panel in the running window.
namespace {

class PreviewPanelTest : public EditFormTest {
  protected:
    QDockWidget* dock() { return form().findChild<QDockWidget*>("PreviewDock"); }
    QImage preview() { return form().findChild<PreviewPanel*>()->picture(); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        SymBox* box = form().widgets().symBox;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), box->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }
};

TEST_F(PreviewPanelTest, ShownOnTheFirstRunOnlyAndFollowingAMoveBeforeItsRelease) {
    previewOnFirstRun_ = true;
    start(writeFile("three.sym", ThreeSymbols));
    ASSERT_TRUE(dock()->isVisible());
    // Closed by the user, it stays closed at the next start.
    dock()->close();
    form().close();
    start(writeFile("three.sym", ThreeSymbols));
    ASSERT_FALSE(dock()->isVisible());

    dock()->toggleViewAction()->trigger();
    const QImage before = preview();

    // Tree's line, from (140, 185) to (170, 185), dragged 30 pixels down.
    mouse(QEvent::MouseMove, {155, 185}, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {155, 185}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {158, 186}, Qt::LeftButton);  // grabs
    mouse(QEvent::MouseMove, {155, 215}, Qt::LeftButton);
    ASSERT_EQ(form().state().pointerState, PointerState::MoveSelection);
    ASSERT_EQ(form().state().work.workEntities[0].y1, 185);  // nothing stored yet
    const QImage dragging = preview();
    EXPECT_NE(dragging, before);
    mouse(QEvent::MouseButtonRelease, {155, 215}, Qt::NoButton);
    EXPECT_EQ(form().state().work.workEntities[0].y1, 215);
    EXPECT_EQ(preview(), dragging);
}

}  // namespace
