#pragma once

#include <string>
#include <vector>

#include "display/canvas.h"
#include "display/display_point.h"

// The commands of the main window whose enabling or check mark the core sets. The names are
// the component names of the window, so the window can map them one to one.
enum class Command {
    MainMenu_File,
    LibMenu_New,
    LibMenu_Open,
    LibMenu_Save,
    LibMenu_SaveAs,
    LibMenu_PrintCatalogue,
    LibMenu_Exit,
    MainMenu_Edit,
    EditMenu_Undo,
    EditMenu_Redo,
    EditMenu_Cut,
    EditMenu_Copy,
    EditMenu_Paste,
    EditMenu_Delete,
    EditMenu_Snap,
    EditMenu_Select,
    EditMenu_SelectAll,
    EditMenu_Transform,
    EditMenu_MirrorLeftRight,
    EditMenu_MirrorUpDown,
    EditMenu_RotateLeft,
    EditMenu_RotateRight,
    EditMenu_Rotate180,
    EditMenu_Scale,
    MainMenu_Draw,
    DrawMenu_Line,
    DrawMenu_Arc,
    DrawMenu_Refresh,
    MainMenu_Symbol,
    SymbolMenu_Add,
    SymbolMenu_Delete,
    SymbolMenu_Settings,
    SymbolMenu_ShowClipRad,
    SymbolMenu_ShowSizeRad,
    MainMenu_LineType,
    LTMenu_Add,
    LTMenu_Delete,
    LTMenu_Settings,
    // Arranging and carrying entries: one item each, shown in whichever entry menu is visible.
    EntryMenu_MoveUp,
    EntryMenu_MoveDown,
    EntryMenu_Duplicate,
    EntryMenu_CopyEntry,
    EntryMenu_PasteEntry,
    LibMenu_ImportEntries,
    MainMenu_Help,
    HelpMenu_HelpTopics,
    HelpMenu_About,
    tbSelectBtn,
    tbArcBtn,
    tbLineBtn,
    tbUndoBtn,
    tbRedoBtn,
    PopUpMnuLine,
    PopUpMnuArc,
    PopUpMnuSelect,
};

enum class MessageIcon { Warning, Question, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Cross while drawing, arrow in Select mode, Grab (the "ConstCursor" shape) over something
// that can be dragged, Busy while the library is cleared or an entry is copied.
enum class CursorShape { Arrow, Cross, Grab, Busy };

enum class FocusTarget { ColourDisplayBox, SymbList };

// Everything the editing core asks of the window. Texts are UTF-8.
class EditorUi {
  public:
    virtual ~EditorUi() = default;

    virtual void setStatusText(int panel, const std::string& text) = 0;
    virtual void setEnabled(Command command, bool enabled) = 0;
    // A check mark for menu items, the pressed state for tool buttons.
    virtual void setChecked(Command command, bool checked) = 0;
    virtual MessageAnswer showMessage(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // A question whose buttons carry the given texts, the first the default; the index of the
    // button chosen, or of the last one when the box is closed without a choice.
    virtual int showChoice(const std::string& text, const std::string& caption,
                           const std::vector<std::string>& buttons) = 0;
    virtual void setCursor(CursorShape shape) = 0;
    virtual void setPointerCapture(bool captured) = 0;
    // Moves the screen pointer over the given point of the drawing surface.
    virtual void placePointer(DisplayPoint point) = 0;
    // Whether the screen pointer lies within the drawing panel, edges included.
    virtual bool pointerOverDrawingPanel() const = 0;
    virtual void setTimer2Enabled(bool enabled) = 0;
    virtual void beep() = 0;
    virtual void setFocus(FocusTarget target) = 0;
    virtual bool entryListHasFocus() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Asks for a repaint of the drawing surface; the repaint calls the paint handler later.
    virtual void invalidateDrawing() = 0;
    virtual void setColourSamplePen(Rgb colour) = 0;
    // Paints the sixteen colour boxes in their own colours, or all gray.
    virtual void setColourBoxesActive(bool useColours) = 0;
};
