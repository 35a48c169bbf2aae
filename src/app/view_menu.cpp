#include "app/view_menu.h"

#include <QActionGroup>
#include <utility>

#include "app/numbered_text.h"

namespace {

constexpr int ViewMenuString = 300;
constexpr int ZoomInString = 301;
constexpr int ZoomOutString = 302;
constexpr int ActualSizeString = 303;
constexpr int ZoomInHint = 304;
constexpr int ZoomOutHint = 305;
constexpr int ActualSizeHint = 306;
constexpr int ListPicturesString = 362;
constexpr int NoPicturesString = 363;
constexpr int SmallPicturesString = 364;
constexpr int LargePicturesString = 365;
constexpr int ListPicturesHint = 379;

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
    view.listPictures = view.menu->addMenu(QString());
    view.listPictures->setObjectName("ViewMenu_ListPictures");
    auto* sizes = new QActionGroup(view.listPictures);
    for (auto [action, name] : {std::pair{&view.noPictures, "ViewMenu_NoPictures"},
                                {&view.smallPictures, "ViewMenu_SmallPictures"},
                                {&view.largePictures, "ViewMenu_LargePictures"}}) {
        *action = item(view.listPictures, name, {});
        (*action)->setCheckable(true);
        sizes->addAction(*action);
    }
    view.menu->addSeparator();
    return view;
}

void setViewMenuTexts(const ViewMenu& view, const StringSource& strings) {
    view.menu->setTitle(numberedText(strings, ViewMenuString));
    view.zoomIn->setText(numberedText(strings, ZoomInString));
    view.zoomIn->setStatusTip(numberedText(strings, ZoomInHint));
    view.zoomOut->setText(numberedText(strings, ZoomOutString));
    view.zoomOut->setStatusTip(numberedText(strings, ZoomOutHint));
    view.actualSize->setText(numberedText(strings, ActualSizeString));
    view.actualSize->setStatusTip(numberedText(strings, ActualSizeHint));
    view.listPictures->setTitle(numberedText(strings, ListPicturesString));
    view.noPictures->setText(numberedText(strings, NoPicturesString));
    view.smallPictures->setText(numberedText(strings, SmallPicturesString));
    view.largePictures->setText(numberedText(strings, LargePicturesString));
    for (QAction* size : view.listPictures->actions()) {
        size->setStatusTip(numberedText(strings, ListPicturesHint));
    }
}
