#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTest>

#include "edit_form_fixture.h"

namespace {

using C = Command;

QRect geometryOf(TEditForm& form, const char* name) {
    auto* widget = form.findChild<QWidget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget == nullptr ? QRect() : widget->geometry();
}

TEST_F(EditFormTest, ComponentsSitWhereTheFormPlacesThem) {
    TEditForm& f = start();
    EXPECT_EQ(f.centralWidget()->size(), QSize(466, 364));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());  // fixed border
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);

    EXPECT_EQ(geometryOf(f, "ToolBar"), QRect(0, 0, 466, 24));
    EXPECT_EQ(geometryOf(f, "ButtonPanel"), QRect(1, 1, 72, 22));
    EXPECT_EQ(geometryOf(f, "tbSelectBtn"), QRect(0, 0, 24, 22));
    EXPECT_EQ(geometryOf(f, "tbArcBtn"), QRect(24, 0, 24, 22));
    EXPECT_EQ(geometryOf(f, "tbLineBtn"), QRect(48, 0, 24, 22));
    EXPECT_EQ(geometryOf(f, "tbUndoBtn").topLeft().x(), 80);
    EXPECT_EQ(geometryOf(f, "tbUndoBtn").size(), QSize(24, 22));
    EXPECT_EQ(geometryOf(f, "Picture2").x(), 112);
    EXPECT_EQ(geometryOf(f, "Picture2").size(), QSize(85, 22));
    EXPECT_EQ(geometryOf(f, "ColourDisplayBox").x(), 200);
    EXPECT_EQ(geometryOf(f, "ColourDisplayBox").size(), QSize(33, 18));
    EXPECT_EQ(geometryOf(f, "DispBox"), QRect(12, 31, 310, 310));
    EXPECT_EQ(geometryOf(f, "SymBox"), QRect(0, 0, 310, 310));
    // The filter field takes the top of the entry list's place.
    EXPECT_EQ(geometryOf(f, "SymbFilter"), QRect(336, 48, 121, 20));
    EXPECT_EQ(geometryOf(f, "SymbList"), QRect(336, 70, 121, 270));
    EXPECT_EQ(geometryOf(f, "SymbolsLabel").x(), 336);
    EXPECT_EQ(geometryOf(f, "LeftLnIndex"), QRect(0, 179, 16, 16));
    EXPECT_EQ(geometryOf(f, "RightLnIndex"), QRect(322, 179, 16, 16));
    EXPECT_EQ(geometryOf(f, "StatusBar").bottom(), 363);
    // Panel 1 takes from panel 0 what the widest position needs beyond its 50 pixels.
    EXPECT_GE(f.widgets().statusPanels[0]->width() + f.widgets().statusPanels[1]->width(), 450);
    EXPECT_GE(f.widgets().statusPanels[1]->width(), 50);
    EXPECT_TRUE(f.widgets().statusPanels[1]->alignment() & Qt::AlignHCenter);
    EXPECT_FALSE(f.widgets().SymbList->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(f.widgets().Timer2->interval(), 100);
    EXPECT_FALSE(f.widgets().Timer2->isActive());
}

TEST_F(EditFormTest, ColourBoxesLieInTwoRowsOfEightInsideTheirPanel) {
    TEditForm& f = start();
    const QRect panel(QPoint(0, 0), f.widgets().Picture2->size());
    for (size_t i = 0; i < f.widgets().colourBoxes.size(); ++i) {
        ColourBox* box = f.widgets().colourBoxes[i];
        EXPECT_EQ(box->objectName().toStdString(), "Panel" + std::to_string(i + 1));
        EXPECT_EQ(box->size(), QSize(10, 10));
        EXPECT_TRUE(panel.contains(box->geometry())) << i;
        EXPECT_EQ(box->y(), f.widgets().colourBoxes[i < 8 ? 0 : 8]->y());
        EXPECT_EQ(box->x(), f.widgets().colourBoxes[i % 8]->x());
    }
    EXPECT_LT(f.widgets().colourBoxes[0]->y(), f.widgets().colourBoxes[8]->y());
}

std::vector<std::string> itemNames(QMenu* menu) {
    std::vector<std::string> names;
    for (QAction* action : menu->actions()) {
        names.push_back(action->isSeparator() ? "-" : action->objectName().toStdString());
    }
    return names;
}

TEST_F(EditFormTest, MenusHoldEveryItemInOrder) {
    TEditForm& f = start();
    std::vector<std::string> titles;
    for (QAction* menu : f.menuBar()->actions()) {
        titles.push_back(menu->menu()->objectName().toStdString());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"MainMenu_File", "MainMenu_Edit", "MainMenu_Draw",
                                                "MainMenu_View", "MainMenu_Symbol",
                                                "MainMenu_LineType", "MainMenu_Help"}));
    const FormCommands& c = f.commands();
    using V = std::vector<std::string>;
    EXPECT_EQ(itemNames(c.MainMenu_File),
              (V{"LibMenu_New", "LibMenu_Open", "LibMenu_ImportEntries", "-", "LibMenu_Save",
                 "LibMenu_SaveAs", "-", "LibMenu_PrintCatalogue", "-", "LibMenu_Recover",
                 "LibMenu_Versions", "-", "LibMenu_Exit"}));
    EXPECT_EQ(itemNames(c.MainMenu_Edit),
              (V{"EditMenu_Undo", "EditMenu_Redo", "-", "EditMenu_Cut", "EditMenu_Copy",
                 "EditMenu_Paste", "EditMenu_Delete", "-", "EditMenu_Snap", "-", "EditMenu_Select",
                 "EditMenu_SelectAll", "-", "EditMenu_Transform"}));
    EXPECT_EQ(itemNames(c.EditMenu_Transform),
              (V{"EditMenu_MirrorLeftRight", "EditMenu_MirrorUpDown", "EditMenu_RotateLeft",
                 "EditMenu_RotateRight", "EditMenu_Rotate180", "-", "EditMenu_Scale"}));
    EXPECT_EQ(itemNames(c.MainMenu_Draw),
              (V{"DrawMenu_Line", "DrawMenu_Arc", "-", "DrawMenu_Refresh"}));
    EXPECT_EQ(itemNames(c.MainMenu_Symbol),
              (V{"SymbolMenu_Add", "SymbolMenu_Delete", "SymbolMenu_Settings", "-",
                 "SymbolMenu_ShowClipRad", "SymbolMenu_ShowSizeRad", "-", "EntryMenu_MoveUp",
                 "EntryMenu_MoveDown", "EntryMenu_Duplicate", "-", "EntryMenu_CopyEntry",
                 "EntryMenu_PasteEntry"}));
    EXPECT_EQ(itemNames(c.MainMenu_LineType),
              (V{"LTMenu_Add", "LTMenu_Delete", "LTMenu_Settings", "-", "EntryMenu_MoveUp",
                 "EntryMenu_MoveDown", "EntryMenu_Duplicate", "-", "EntryMenu_CopyEntry",
                 "EntryMenu_PasteEntry"}));
    EXPECT_EQ(itemNames(c.MainMenu_Help), (V{"HelpMenu_HelpTopics", "-", "HelpMenu_About"}));
    EXPECT_EQ(itemNames(c.mnuPopup),
              (V{"PopUpMnuLine", "PopUpMnuArc", "PopUpMnuSelect", "-", "EditMenu_Transform"}));
}

TEST_F(EditFormTest, ShortcutsAreFixed) {
    start();
    const std::pair<C, QKeySequence> shortcuts[] = {
        {C::LibMenu_New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {C::LibMenu_Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {C::LibMenu_Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {C::LibMenu_SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {C::LibMenu_Exit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {C::EditMenu_Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {C::EditMenu_Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {C::EditMenu_Cut, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {C::EditMenu_Copy, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {C::EditMenu_Paste, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {C::EditMenu_Delete, QKeySequence(Qt::Key_Delete)},
        {C::EditMenu_Snap, QKeySequence(Qt::Key_F3)},
        {C::EditMenu_Select, QKeySequence(Qt::Key_F2)},
        {C::DrawMenu_Refresh, QKeySequence(Qt::Key_F5)},
        {C::EditMenu_SelectAll, QKeySequence(Qt::CTRL | Qt::Key_A)},
        {C::DrawMenu_Line, QKeySequence()},
        {C::DrawMenu_Arc, QKeySequence()},
    };
    for (const auto& [command, keys] : shortcuts) {
        EXPECT_EQ(action(command)->shortcut(), keys) << commandName(command);
    }
    EXPECT_EQ(action(C::EditMenu_Redo)->shortcuts().value(1),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
}

TEST_F(EditFormTest, HelpContextsAreKeptOnTheCommands) {
    TEditForm& f = start();
    EXPECT_EQ(action(C::MainMenu_LineType)->property("helpContext").toInt(), 3505);
    EXPECT_EQ(action(C::LibMenu_Open)->property("helpContext").toInt(), 501);
    EXPECT_EQ(action(C::PopUpMnuSelect)->property("helpContext").toInt(), 1007);
    EXPECT_EQ(action(C::HelpMenu_About)->property("helpContext").toInt(), 3004);
    EXPECT_EQ(f.property("helpContext").toInt(), 1);
}

TEST_F(EditFormTest, LongHintOfAMenuItemShowsInPanelZeroAndButtonsClearIt) {
    TEditForm& f = start();
    action(C::LibMenu_Save)->showStatusText(f.menuBar());
    EXPECT_EQ(panelText(0), "Saves current library");

    EXPECT_EQ(f.widgets().tbLineBtn->statusTip().toStdString(), "");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(f.widgets().tbLineBtn, &enter);
    EXPECT_EQ(panelText(0), "");

    action(C::LibMenu_Exit)->showStatusText(f.menuBar());
    QApplication::sendEvent(f.widgets().colourBoxes[3], &enter);
    EXPECT_EQ(panelText(0), "");
}

}  // namespace

namespace {

class HelpTest : public EditFormTest {
  protected:
    TEditForm& startCountingHelp() {
        EditFormOptions options;
        options.stringsModuleFolders = {folder_.path()};
        options.showHelpContents = [this] { ++helpShown; };
        form_ = std::make_unique<TEditForm>(std::move(options), strings_, clipboard_);
        form_->show();
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        return *form_;
    }
    int helpShown = 0;
};

TEST_F(HelpTest, HelpTopicsAndF1ShowTheContentsPage) {
    TEditForm& f = startCountingHelp();
    action(Command::HelpMenu_HelpTopics)->trigger();
    EXPECT_EQ(helpShown, 1);
    QTest::keyClick(&f, Qt::Key_F1);
    EXPECT_EQ(helpShown, 2);
    QTest::keyClick(f.commands().MainMenu_Edit, Qt::Key_F1);
    EXPECT_EQ(helpShown, 3);
}

}  // namespace
