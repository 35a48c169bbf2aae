#include "app/view_menu.h"

namespace {

constexpr int ViewMenuString = 300;
constexpr int ZoomInString = 301;
constexpr int ZoomOutString = 302;
constexpr int ActualSizeString = 303;
constexpr int ZoomInHint = 304;
constexpr int ZoomOutHint = 305;
constexpr int ActualSizeHint = 306;

QString text(const StringSource& strings, int number) {
    return QString::fromStdString(strings.loadText(number));
}

QAction* item(QMenu* menu, const char* name, const QList<QKeySequence>& shortcuts) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    return action;
}

}  // namespace

ViewMenu buildViewMenu(QMenuBar& bar, QAction* before, QWidget& owner) {
    ViewMenu view;
    view.menu = new QMenu(&owner);
    view.menu->setObjectName("MainMenu_View");
    bar.insertMenu(before, view.menu);
    view.zoomIn =
        item(view.menu, "ViewMenu_ZoomIn",
             {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    view.zoomOut = item(view.menu, "ViewMenu_ZoomOut", {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    view.actualSize = item(view.menu, "ViewMenu_ActualSize", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    view.menu->addSeparator();
    return view;
}

void setViewMenuTexts(const ViewMenu& view, const StringSource& strings) {
    view.menu->setTitle(text(strings, ViewMenuString));
    view.zoomIn->setText(text(strings, ZoomInString));
    view.zoomIn->setStatusTip(text(strings, ZoomInHint));
    view.zoomOut->setText(text(strings, ZoomOutString));
    view.zoomOut->setStatusTip(text(strings, ZoomOutHint));
    view.actualSize->setText(text(strings, ActualSizeString));
    view.actualSize->setStatusTip(text(strings, ActualSizeHint));
}
