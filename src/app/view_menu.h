#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "editing/string_source.h"

// The View menu: the zoom of the drawing area, then one toggle per panel.
struct ViewMenu {
    QMenu* menu = nullptr;
    QAction* zoomIn = nullptr;      // Ctrl++ and Ctrl+=
    QAction* zoomOut = nullptr;     // Ctrl+-
    QAction* actualSize = nullptr;  // Ctrl+0
};

// Inserts the View menu into bar before the menu action `before`; its items are owned by owner.
ViewMenu buildViewMenu(QMenuBar& bar, QAction* before, QWidget& owner);
// Captions and hints from the string table; run when the strings are loaded.
void setViewMenuTexts(const ViewMenu& view, const StringSource& strings);
