#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <array>

#include "app/colour_widgets.h"
#include "app/form_commands.h"
#include "app/sym_box.h"

inline constexpr int ClientWidth = 466;
inline constexpr int ClientHeight = 364;

// The components of the main window's client area, placed as the form lays them out.
struct EditFormWidgets {
    QFrame* ToolBar = nullptr;
    QFrame* ButtonPanel = nullptr;
    QToolButton* tbSelectBtn = nullptr;
    QToolButton* tbArcBtn = nullptr;
    QToolButton* tbLineBtn = nullptr;
    QToolButton* tbUndoBtn = nullptr;
    QToolButton* tbRedoBtn = nullptr;
    QFrame* Picture2 = nullptr;
    std::array<ColourBox*, 16> colourBoxes{};  // Panel1..Panel16
    QFrame* ColourDisplayBox = nullptr;
    LineShape* ColourSampleLine = nullptr;
    QLabel* LeftLnIndex = nullptr;
    QLabel* RightLnIndex = nullptr;
    QFrame* DispBox = nullptr;
    QScrollArea* drawingScroll = nullptr;  // fills DispBox; scrolls a zoomed drawing
    SymBox* symBox = nullptr;
    QLabel* SymbolsLabel = nullptr;
    QLineEdit* SymbFilter = nullptr;  // narrows the entry list below it to matching names
    QListWidget* SymbList = nullptr;
    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 2> statusPanels{};
    QTimer* Timer2 = nullptr;
};

// Creates every component inside client (ClientWidth x ClientHeight); the tool buttons show
// the tool actions of commands.
EditFormWidgets buildEditFormWidgets(QWidget& client, const FormCommands& commands);

// Grows the components and client to their texts in the font they have (fitToContents):
// the status bar's panels to the widest of the texts each shows (panel 0: statusTexts; panel
// 1: the pointer position), the entry list to its widest name beside pictures of
// listPictureSide pixels (0: none). At the designed font, where the texts fit, everything
// stays where the form places it.
void fitEditFormToTexts(QWidget& client, const EditFormWidgets& widgets,
                        const QStringList& statusTexts, int listPictureSide);
