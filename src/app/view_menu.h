#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "editing/string_source.h"

// The View menu: the zoom of the drawing area, the size of the entry list's pictures, then
// one toggle per panel.
struct ViewMenu {
    QMenu* menu = nullptr;
    QAction* zoomIn = nullptr;      // Ctrl++ and Ctrl+=
    QAction* zoomOut = nullptr;     // Ctrl+-
    QAction* actualSize = nullptr;  // Ctrl+0
    QMenu* listPictures = nullptr;  // one checked choice of the three below
    QAction* noPictures = nullptr;
    QAction* smallPictures = nullptr;  // 24 pixels
    QAction* largePictures = nullptr;  // 48 pixels
};

// Inserts the View menu into bar before the menu action `before`; its items are owned by owner.
ViewMenu buildViewMenu(QMenuBar& bar, QAction* before, QWidget& owner);
// Captions and hints from the string table; run when the strings are loaded.
void setViewMenuTexts(const ViewMenu& view, const StringSource& strings);
