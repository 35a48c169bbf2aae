#include "app/form_texts.h"

#include <utility>

#include "app/numbered_text.h"

namespace {

using C = Command;

constexpr std::pair<Command, int> MenuHints[] = {
    {C::LibMenu_New, 45},
    {C::LibMenu_Open, 46},
    {C::LibMenu_Save, 47},
    {C::LibMenu_SaveAs, 48},
    {C::LibMenu_Exit, 49},
    {C::EditMenu_Undo, 50},
    {C::EditMenu_Redo, 201},
    {C::EditMenu_Cut, 51},
    {C::EditMenu_Copy, 52},
    {C::EditMenu_Paste, 53},
    {C::EditMenu_Delete, 54},
    {C::EditMenu_Snap, 55},
    {C::EditMenu_Select, 56},
    {C::EditMenu_SelectAll, 57},
    {C::EditMenu_MirrorLeftRight, 210},
    {C::EditMenu_MirrorUpDown, 211},
    {C::EditMenu_RotateLeft, 212},
    {C::EditMenu_RotateRight, 213},
    {C::EditMenu_Rotate180, 214},
    {C::EditMenu_Scale, 215},
    {C::DrawMenu_Line, 58},
    {C::DrawMenu_Arc, 59},
    {C::DrawMenu_Refresh, 60},
    {C::SymbolMenu_Add, 61},
    {C::SymbolMenu_Delete, 62},
    {C::SymbolMenu_Settings, 63},
    {C::SymbolMenu_ShowSizeRad, 64},
    {C::HelpMenu_HelpTopics, 65},
    {C::HelpMenu_About, 66},
    {C::LTMenu_Add, 67},
    {C::LTMenu_Delete, 68},
    {C::LTMenu_Settings, 69},
    {C::LibMenu_PrintCatalogue, 449},
    {C::EntryMenu_MoveUp, 372},
    {C::EntryMenu_MoveDown, 373},
    {C::EntryMenu_Duplicate, 374},
    {C::EntryMenu_CopyEntry, 375},
    {C::EntryMenu_PasteEntry, 376},
    {C::LibMenu_ImportEntries, 377},
};

constexpr std::pair<Command, int> ButtonHints[] = {
    {C::tbSelectBtn, 10}, {C::tbArcBtn, 11},   {C::tbLineBtn, 12},
    {C::tbUndoBtn, 13},   {C::tbRedoBtn, 202},
};
constexpr int ColourBoxHint = 14;
constexpr int ColourSampleHint = 15;

constexpr std::pair<Command, int> Captions[] = {
    {C::MainMenu_File, 70},
    {C::LibMenu_New, 71},
    {C::LibMenu_Open, 72},
    {C::LibMenu_Save, 73},
    {C::LibMenu_SaveAs, 74},
    {C::LibMenu_PrintCatalogue, 448},
    {C::LibMenu_Exit, 75},
    {C::MainMenu_Edit, 76},
    {C::EditMenu_Undo, 77},
    {C::EditMenu_Redo, 200},
    {C::EditMenu_Cut, 78},
    {C::EditMenu_Copy, 79},
    {C::EditMenu_Paste, 80},
    {C::EditMenu_Delete, 81},
    {C::EditMenu_Snap, 82},
    {C::EditMenu_Select, 83},
    {C::EditMenu_SelectAll, 84},
    {C::EditMenu_Transform, 203},
    {C::EditMenu_MirrorLeftRight, 204},
    {C::EditMenu_MirrorUpDown, 205},
    {C::EditMenu_RotateLeft, 206},
    {C::EditMenu_RotateRight, 207},
    {C::EditMenu_Rotate180, 208},
    {C::EditMenu_Scale, 209},
    {C::MainMenu_Draw, 85},
    {C::DrawMenu_Line, 86},
    {C::DrawMenu_Arc, 87},
    {C::DrawMenu_Refresh, 88},
    {C::MainMenu_Symbol, 89},
    {C::SymbolMenu_Add, 90},
    {C::SymbolMenu_Delete, 81},
    {C::SymbolMenu_Settings, 91},
    {C::SymbolMenu_ShowClipRad, 92},
    {C::SymbolMenu_ShowSizeRad, 93},
    {C::MainMenu_LineType, 94},
    {C::LTMenu_Add, 90},
    {C::LTMenu_Settings, 91},
    {C::LTMenu_Delete, 81},
    {C::EntryMenu_MoveUp, 350},
    {C::EntryMenu_MoveDown, 351},
    {C::EntryMenu_Duplicate, 352},
    {C::EntryMenu_CopyEntry, 353},
    {C::EntryMenu_PasteEntry, 354},
    {C::LibMenu_ImportEntries, 355},
    {C::MainMenu_Help, 95},
    {C::HelpMenu_HelpTopics, 96},
    {C::HelpMenu_About, 97},
    {C::PopUpMnuLine, 86},
    {C::PopUpMnuArc, 87},
    {C::PopUpMnuSelect, 83},
};

constexpr std::pair<Command, int> HelpContexts[] = {
    {C::MainMenu_File, 3501},       {C::MainMenu_Edit, 3502},
    {C::MainMenu_Draw, 3503},       {C::MainMenu_Symbol, 3504},
    {C::MainMenu_LineType, 3505},   {C::MainMenu_Help, 3506},
    {C::LibMenu_Open, 501},         {C::LibMenu_New, 502},
    {C::LibMenu_Save, 503},         {C::LibMenu_SaveAs, 504},
    {C::LibMenu_Exit, 505},         {C::EditMenu_Cut, 1001},
    {C::EditMenu_Undo, 1002},       {C::EditMenu_Redo, 1002},
    {C::EditMenu_Copy, 1003},       {C::EditMenu_Paste, 1004},
    {C::EditMenu_Delete, 1005},     {C::EditMenu_Snap, 1006},
    {C::EditMenu_Select, 1007},     {C::EditMenu_SelectAll, 1008},
    {C::PopUpMnuSelect, 1007},      {C::DrawMenu_Line, 1501},
    {C::DrawMenu_Arc, 1502},        {C::DrawMenu_Refresh, 1503},
    {C::PopUpMnuLine, 1501},        {C::PopUpMnuArc, 1502},
    {C::SymbolMenu_Add, 2001},      {C::SymbolMenu_Delete, 2002},
    {C::SymbolMenu_Settings, 2003}, {C::SymbolMenu_ShowSizeRad, 2004},
    {C::LTMenu_Add, 2502},          {C::LTMenu_Delete, 2503},
    {C::LTMenu_Settings, 2504},     {C::HelpMenu_HelpTopics, 3003},
    {C::HelpMenu_About, 3004},
};

// The form gives these a hint ending in "|": a short hint only, and an empty long hint.
void setShortHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(QString());
}

}  // namespace

void setMenuHints(const FormCommands& commands, const StringSource& strings) {
    for (const auto& [command, number] : MenuHints) {
        commands.action(command)->setStatusTip(numberedText(strings, number));
    }
}

void setButtonHints(const FormCommands& commands, const EditFormWidgets& widgets,
                    const StringSource& strings) {
    for (const auto& [command, number] : ButtonHints) {
        QAction* action = commands.action(command);
        action->setText(numberedText(strings, number));
        action->setToolTip(numberedText(strings, number));
        action->setStatusTip(QString());
    }
    const QString colourHint = numberedText(strings, ColourBoxHint);
    for (ColourBox* box : widgets.colourBoxes) {
        setShortHint(box, colourHint);
    }
    setShortHint(widgets.ColourDisplayBox, numberedText(strings, ColourSampleHint));
}

void setMenuCaptions(const FormCommands& commands, const StringSource& strings) {
    for (const auto& [command, number] : Captions) {
        commands.action(command)->setText(numberedText(strings, number));
    }
}

void setHelpContexts(const FormCommands& commands) {
    for (const auto& [command, number] : HelpContexts) {
        commands.action(command)->setProperty("helpContext", number);
    }
}
